#include "tests/support/bad_bytes.h"

#include "tests/support/temp_dir.h"

std::string GarbageBytes() {
  std::string bytes;
  for (int k = 0; k < 4096; ++k) bytes += static_cast<char>((k * 7919 + 13) & 0xFF);
  return bytes;
}

std::string Utf16Bytes(const std::string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

void PutFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::remove_all(file);
  if (bytes == kFolderInPlace) {
    std::filesystem::create_directories(file);
  } else if (bytes != kAbsentFile) {
    WriteBytes(file, bytes);
  }
}
