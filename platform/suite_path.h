#pragma once

#include <filesystem>
#include <string>

// Suite paths are Windows paths built by concatenation ("\struttur.str"
// appended to the job folder). This maps one to a path of this host:
// backslashes become the native separator and, where the file system tells
// case apart, each existing component is matched without regard to case
// (start-up lower-cases the root folder, and job files have mixed case).
// Components that do not exist yet are kept as written.
std::filesystem::path HostPath(const std::string& suitePath);

// The other way: a path of this host (a file dialog's answer) in the suite's
// form, with backslashes, so that it can be compared with the job folders.
std::string SuitePathFromHost(const std::string& hostPath);
