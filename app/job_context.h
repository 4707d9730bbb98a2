#pragma once

#include <cstdint>
#include <string>

// The folders of the suite and of the current job, and the member being
// edited. Set once at start-up; every file reader and writer reads it.
// Folders are suite paths (Windows form, no trailing backslash except
// JobsDir); platform/suite_path.h maps them to this host.
struct JobContext {
  std::string RootDir;
  std::string JobsDir;
  std::string JobName;
  std::string JobDir;
  std::string ProgramDir;
  std::string DriverDir;
  std::string CustomDir;
  int16_t MemberNumber = 0;
  std::string MemberDescription;  // at most 20 characters
  std::string AssocFileName;      // "\AssSez012.cap", relative to JobDir
};
