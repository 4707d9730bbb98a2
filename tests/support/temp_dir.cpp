#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "common/cp1252.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
  // Under wine the Windows tests put their folders where TRACCIATI_TEST_TMP
  // says (a Z:\ path), since wine sets TMP itself.
  const char* chosen = std::getenv("TRACCIATI_TEST_TMP");
  const fs::path base = chosen && *chosen ? fs::path(chosen) : fs::temp_directory_path();
  std::random_device rd;
  do {
    path_ = base / ("tracciati-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  } while (!fs::create_directory(path_));
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::SuitePath() const {
  std::string s = path_.string();
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void WriteJobFile(const fs::path& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1252(line) + "\r\n";
  WriteBytes(path, bytes);
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CopyTree(const fs::path& from, const fs::path& to) {
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    const fs::path target = to / fs::relative(entry.path(), from);
    if (entry.is_directory()) {
      fs::create_directories(target);
    } else {
      fs::copy_file(entry.path(), target);
    }
  }
}
