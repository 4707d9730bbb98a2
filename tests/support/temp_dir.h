#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one test, removed when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as a suite path: the host path with backslashes.
  std::string SuitePath() const;

 private:
  std::filesystem::path path_;
};

// Writes lines (UTF-8) as a job file does: code page 1252, CR LF after each
// line. Parent folders are created.
void WriteJobFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Writes bytes exactly as given.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

std::string ReadBytes(const std::filesystem::path& path);

// Copies the folder `from` into the existing folder `to`, file by file.
// (std::filesystem::copy of a folder onto an existing one on the same drive
// fails with the Windows runtime, which gives every file the same identity.)
void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to);
