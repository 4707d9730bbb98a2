#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A job folder of this fuzzing process (in memory-backed storage where the
// host has it), into which each input is written as the file under test:
// the readers are exercised exactly as start-up calls them, by path.
class FuzzJobFolder {
 public:
  FuzzJobFolder();
  // Removes the folder: a process that ends normally leaves nothing behind.
  ~FuzzJobFolder();
  FuzzJobFolder(const FuzzJobFolder&) = delete;
  FuzzJobFolder& operator=(const FuzzJobFolder&) = delete;

  // The suite path of the folder, as JobDir.
  const std::string& SuitePath() const { return suitePath_; }
  // Writes the input bytes as the named file of the folder.
  void Write(const std::string& name, const uint8_t* data, std::size_t size) const;

 private:
  std::string hostPath_;
  std::string suitePath_;
};
