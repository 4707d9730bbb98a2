#pragma once

#include <filesystem>
#include <string>

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
