#include "common/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

bool WriteWholeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  // close() flushes: a full device shows up here, not in write().
  return !out.fail();
}

namespace {

// A name no one else picks at the same moment: process, call count and clock.
fs::path CandidateTemporary(const fs::path& target) {
  static std::atomic<unsigned> calls{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
#ifdef _WIN32
  const unsigned long process = GetCurrentProcessId();
#else
  const unsigned long process = static_cast<unsigned long>(getpid());
#endif
  const std::string suffix = "." + std::to_string(process) + "." + std::to_string(calls++) + "." +
                             std::to_string(static_cast<unsigned long long>(ticks) % 1000000007ULL) +
                             ".tmp";
  return target.parent_path() / ("." + target.filename().string() + suffix);
}

// The file a save at target replaces: through symbolic links to the real one.
fs::path ResolvedTarget(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
  const fs::path resolved = fs::weakly_canonical(target, ec);
  return ec ? target : resolved;
}

#ifdef _WIN32

bool MayWrite(const fs::path& target, bool exists) {
  if (!exists) return true;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool CreateExclusively(const fs::path& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

bool FlushFile(const fs::path& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool flushed = FlushFileBuffers(handle) != 0;
  CloseHandle(handle);
  return flushed;
}

bool KeepIdentity(const fs::path&, const fs::path&, bool) { return true; }

bool Replace(const fs::path& temporary, const fs::path& target) {
  return MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

bool MayWrite(const fs::path& target, bool exists) {
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  if (access(folder.c_str(), W_OK | X_OK) != 0) return false;
  return !exists || access(target.c_str(), W_OK) == 0;
}

bool CreateExclusively(const fs::path& path) {
  // 0666 less the umask: what a newly made file would get anyway.
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  close(fd);
  return true;
}

bool FlushFile(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool flushed = fsync(fd) == 0;
  close(fd);
  return flushed;
}

// The new file takes the old one's permissions and, where allowed, owner.
bool KeepIdentity(const fs::path& temporary, const fs::path& target, bool exists) {
  if (!exists) return true;
  struct stat old {};
  if (stat(target.c_str(), &old) != 0) return false;
  // Owner first: chown may clear set-id bits that chmod then restores.
  if (chown(temporary.c_str(), old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] const int groupOnly = chown(temporary.c_str(), static_cast<uid_t>(-1), old.st_gid);
  }
  return chmod(temporary.c_str(), old.st_mode & 07777) == 0;
}

bool Replace(const fs::path& temporary, const fs::path& target) {
  if (rename(temporary.c_str(), target.c_str()) != 0) return false;
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;  // the file is in place; only the folder flush is lost
  fsync(fd);
  close(fd);
  return true;
}

#endif

// Picks a fresh temporary name and creates it, never touching an existing file.
fs::path NewTemporary(const fs::path& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = CandidateTemporary(target);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(candidate, ec))) continue;
    if (CreateExclusively(candidate)) return candidate;
    if (fs::exists(fs::symlink_status(candidate, ec))) continue;
    return {};  // not a name clash: the folder refuses new files
  }
  return {};
}

}  // namespace

StagedFile StageFile(const fs::path& given, const std::string& bytes, ContentWriter write) {
  const fs::path target = ResolvedTarget(given);
  std::error_code ec;
  // Only a file may be replaced: a folder where the file should be stays.
  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  if (exists && !fs::is_regular_file(status)) return {};
  if (!MayWrite(target, exists)) return {};

  const fs::path temporary = NewTemporary(target);
  if (temporary.empty()) return {};
  StagedFile staged(temporary, target);  // removes the temporary unless returned
  if (write(temporary, bytes) && KeepIdentity(temporary, target, exists) &&
      FlushFile(temporary)) {
    return staged;
  }
  return {};
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : temporary_(std::move(other.temporary_)), target_(std::move(other.target_)) {
  other.temporary_.clear();
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    Discard();
    temporary_ = std::move(other.temporary_);
    target_ = std::move(other.target_);
    other.temporary_.clear();
  }
  return *this;
}

StagedFile::~StagedFile() { Discard(); }

bool StagedFile::Commit() {
  if (temporary_.empty()) return false;
  const bool replaced = Replace(temporary_, target_);
  if (replaced) temporary_.clear();
  Discard();
  return replaced;
}

void StagedFile::Discard() {
  if (temporary_.empty()) return;
  std::error_code ec;
  fs::remove(temporary_, ec);
  temporary_.clear();
}

bool WriteFileAtomically(const fs::path& target, const std::string& bytes, ContentWriter write) {
  return StageFile(target, bytes, write).Commit();
}
