#include "common/atomic_file.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

bool WriteWholeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  // close() flushes: a full device shows up here, not in write().
  return !out.fail();
}

fs::path TemporaryPathFor(const fs::path& target) {
  fs::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

bool WriteFileAtomically(const fs::path& target, const std::string& bytes, ContentWriter write) {
  const fs::path temporary = TemporaryPathFor(target);
  std::error_code ec;
  // Only a file may be replaced: a folder where the file should be stays.
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) return false;
  // A temporary that is not a plain file (a folder, say) is not ours to remove.
  const fs::file_status tempStatus = fs::symlink_status(temporary, ec);
  if (fs::exists(tempStatus) && !fs::is_regular_file(tempStatus)) return false;

  if (write(temporary, bytes)) {
    fs::rename(temporary, target, ec);
    if (!ec) return true;
  }
  fs::remove(temporary, ec);
  return false;
}
