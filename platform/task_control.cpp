#include "platform/task_control.h"

#include "common/text.h"
#include "platform/suite_path.h"

std::filesystem::path HostProgramPath(const std::string& suiteProgramPath) {
#ifdef _WIN32
  return HostPath(suiteProgramPath);
#else
  std::string path = suiteProgramPath;
  constexpr std::size_t kSuffix = 4;  // ".exe"
  if (path.size() > kSuffix && ToLower(path.substr(path.size() - kSuffix)) == ".exe") {
    path.resize(path.size() - kSuffix);
  }
  return HostPath(path);
#endif
}
