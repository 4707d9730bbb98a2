#include "fuzz/fuzz_job_folder.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

FuzzJobFolder::FuzzJobFolder() {
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  // One folder per object: the replay test holds several targets' folders.
  static int made = 0;
  const fs::path dir =
      base / ("tracciati-fuzz-" + std::to_string(getpid()) + "-" + std::to_string(++made));
  fs::create_directories(dir);
  hostPath_ = dir.string();
  suitePath_ = hostPath_;
  for (char& c : suitePath_) {
    if (c == '/') c = '\\';
  }
}

FuzzJobFolder::~FuzzJobFolder() {
  std::error_code ignored;
  fs::remove_all(hostPath_, ignored);
}

void FuzzJobFolder::Write(const std::string& name, const uint8_t* data, std::size_t size) const {
  std::ofstream out(fs::path(hostPath_) / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
