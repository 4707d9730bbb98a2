#include "platform/suite_path.h"

#include <system_error>
#include <vector>

#include "common/text.h"
#include "common/text_file.h"

namespace fs = std::filesystem;

#ifdef _WIN32

fs::path HostPath(const std::string& suitePath) { return PathFromUtf8(suitePath); }

#else

namespace {

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

// The entry of dir whose name equals name without regard to case; the exact
// name wins when both exist, and a name that matches nothing is kept.
std::string MatchEntry(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  if (fs::exists(dir / PathFromUtf8(name), ec)) return name;
  const std::string wanted = ToLower(name);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = Utf8FromPath(it->path().filename());
    if (ToLower(entry) == wanted) return entry;
  }
  return name;
}

}  // namespace

fs::path HostPath(const std::string& suitePath) {
  const std::vector<std::string> parts = SplitComponents(suitePath);
  const bool absolute = !parts.empty() && parts[0].empty();
  fs::path result = absolute ? fs::path("/") : fs::path();
  for (const std::string& part : parts) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      result /= "..";
      continue;
    }
    const fs::path dir = result.empty() ? fs::path(".") : result;
    result /= PathFromUtf8(MatchEntry(dir, part));
  }
  return result;
}

#endif

std::string SuitePathFromHost(const std::string& hostPath) {
  std::string suite = hostPath;
#ifndef _WIN32
  for (char& c : suite) {
    if (c == '/') c = '\\';
  }
#endif
  return suite;
}
