#include "app/job_folders.h"

#include <variant>

#include "app/argument.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/text_reader.h"
#include "platform/suite_path.h"

namespace {

Message SettingsFault(const std::string& rootAsGiven, const char* file) {
  return {"Errore: file " + rootAsGiven + "\\impostazioni\\" + file + " errato o mancante",
          kCaptionError, kStyleExclamation};
}

// The first free-format field of the dirlav file; nothing when it cannot be
// read.
std::optional<std::string> FirstField(const std::string& suitePath) {
  auto lines = ReadTextFileLines(HostPath(suitePath));
  if (!lines) return std::nullopt;
  TextReader reader(std::move(*lines));
  return reader.ReadText();
}

std::optional<std::string> FirstLine(const std::string& suitePath) {
  auto lines = ReadTextFileLines(HostPath(suitePath));
  if (!lines || lines->empty()) return std::nullopt;
  return lines->front();
}

bool EndsWithBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

}  // namespace

std::optional<Message> ResolveJobFolders(const std::string& argument, JobContext& job) {
  auto root = ParseRootDir(argument);
  if (auto* fault = std::get_if<Message>(&root)) return *fault;
  const std::string rootAsGiven = std::get<std::string>(root);
  job.RootDir = rootAsGiven;

  const std::optional<std::string> jobs = FirstField(job.RootDir + "\\impostazioni\\dirlav");
  if (!jobs) return SettingsFault(rootAsGiven, "dirlav");
  job.JobsDir = ToLower(Trim(*jobs));
  if (Utf8Length(job.JobsDir) < 9) return SettingsFault(rootAsGiven, "dirlav");
  if (!EndsWithBackslash(job.JobsDir)) job.JobsDir += '\\';
  const std::size_t n = Utf8Length(job.JobsDir);
  if (Utf8Mid(job.JobsDir, n - 6, 6) != "lavori") {
    return Message{"Errore: il direttorio dei lavori deve terminare con < \\lavori >", kCaptionError,
                   kStyleExclamation};
  }

  if (Utf8Length(job.RootDir) < 3) return SettingsFault(rootAsGiven, "dirlav");
  if (EndsWithBackslash(job.RootDir)) job.RootDir.pop_back();

  const std::optional<std::string> name = FirstLine(job.RootDir + "\\impostazioni\\lavoro");
  if (!name) return SettingsFault(rootAsGiven, "lavoro");
  job.JobName = Trim(*name);
  if (Utf8Length(job.JobName) != 6) return SettingsFault(rootAsGiven, "lavoro");

  job.JobDir = job.JobsDir + job.JobName;
  job.ProgramDir = job.RootDir + "\\progra";
  job.DriverDir = job.RootDir + "\\driver";
  job.CustomDir = job.RootDir + "\\custom";
  return std::nullopt;
}
