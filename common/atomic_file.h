#pragma once

#include <filesystem>
#include <string>
#include <utility>

// Writes bytes as the whole content of a file at path; false when the file
// could not be created or written completely.
bool WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

// How the new content reaches the temporary file; tests pass one that fails
// part-way to see that the old file survives.
using ContentWriter = bool (*)(const std::filesystem::path& path, const std::string& bytes);

// The one way the programs save a file. The bytes go to a temporary file
// beside the target (same folder, so the rename stays within one volume),
// created under a fresh name that no existing file has; it is flushed to
// disk, renamed over the target, and the folder is flushed too, so a save
// reported as done survives a crash. A target the user may not write (or, on
// Windows, one marked read-only) is refused with nothing changed. The new file
// keeps the old one's permissions (and owner, where the process may set it).
// A symbolic link is followed: its target is what gets replaced. A file with
// several hard links is replaced as a new file at the path given, so the
// other names keep the old content (writing through them would not be
// atomic). On any failure the temporary file is removed, the target is left
// as it was, and the result is false.
bool WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes,
                         ContentWriter write = WriteWholeFile);

// A new content written and flushed beside its target, not yet in its place:
// WriteFileAtomically up to the rename. Files staged together (on threads
// of their own) can so still replace their targets in a set order.
// Dropped without a Commit, the temporary file is removed.
class StagedFile {
 public:
  StagedFile() = default;
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  ~StagedFile();

  // Renames the temporary over the target and flushes the folder; false,
  // the temporary removed, when there is nothing staged or it fails.
  bool Commit();

 private:
  friend StagedFile StageFile(const std::filesystem::path&, const std::string&, ContentWriter);
  StagedFile(std::filesystem::path temporary, std::filesystem::path target)
      : temporary_(std::move(temporary)), target_(std::move(target)) {}
  void Discard();

  std::filesystem::path temporary_;
  std::filesystem::path target_;
};

// The steps of WriteFileAtomically before the rename; nothing staged when
// one of them fails.
StagedFile StageFile(const std::filesystem::path& target, const std::string& bytes,
                     ContentWriter write = WriteWholeFile);
