#include "tests/support/process_run.h"

#include <cstdlib>

#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

#ifdef _WIN32
// cmd.exe: double quotes keep blanks and '|' inside one argument; no
// argument the tests pass holds a double quote.
std::string Quote(const std::string& s) { return "\"" + s + "\""; }
#else
std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
#endif

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch) {
  std::string command = Quote(program);
  for (const std::string& a : args) command += " " + Quote(a);
  const std::filesystem::path out = scratch / "out.txt";
  const std::filesystem::path err = scratch / "err.txt";
  command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
#ifdef _WIN32
  // cmd /c drops the first and the last quote of the line: give it a pair.
  command = "\"" + command + "\"";
#endif
  ProcessResult r;
  const int raw = std::system(command.c_str());
#ifdef _WIN32
  r.status = raw;
#else
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  r.out = ReadBytes(out);
  r.err = ReadBytes(err);
#ifdef _WIN32
  // Standard output and error are text streams: Windows ends their lines
  // with CR LF.
  for (std::string* text : {&r.out, &r.err}) {
    std::string::size_type at = 0;
    while ((at = text->find("\r\n", at)) != std::string::npos) text->erase(at, 1);
  }
#endif
  return r;
}
