#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "common/cp1252.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device rd;
  // Under wine the Windows tests put their folders where TRACCIATI_TEST_TMP
  // says (a Z:\ path), since wine sets TMP itself.
  const char* chosen = std::getenv("TRACCIATI_TEST_TMP");
  const fs::path base = chosen && *chosen ? fs::path(chosen) : fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("tracciati-test-" + std::to_string(rd()));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::SuitePath() const {
  std::string s = path_.string();
  for (char& c : s) {
    if (c == '/') c = '\\';
  }
  return s;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void WriteJobFile(const fs::path& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1252(line) + "\r\n";
  WriteBytes(path, bytes);
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
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
