#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A program run as the suite's scripts run it: through the system's shell,
// its standard output and error caught in files under `scratch`.
struct ProcessResult {
  int status = -1;
  std::string out;
  std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch);
