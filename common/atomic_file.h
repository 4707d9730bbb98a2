#pragma once

#include <filesystem>
#include <string>

// Writes bytes as the whole content of a file at path; false when the file
// could not be created or written completely.
bool WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

// How the new content reaches the temporary file; tests pass one that fails
// part-way to see that the old file survives.
using ContentWriter = bool (*)(const std::filesystem::path& path, const std::string& bytes);

// Replaces the file at target with bytes only once they are completely
// written: they go to a temporary file beside it (same folder, so the rename
// stays within one volume), which is then renamed over the target. On any
// failure the temporary file is removed, the target is left as it was, and
// the result is false.
bool WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes,
                         ContentWriter write = WriteWholeFile);

// The temporary file used for target: its name with ".tmp" added.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);
