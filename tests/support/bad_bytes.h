#pragma once

#include <filesystem>
#include <string>

// Inputs that are no text of this suite, for the tables of bad files.

// 4096 bytes of every value, control characters and NULs included, in an
// order without lines or numbers worth the name; always the same.
std::string GarbageBytes();

// The text as a UTF-16 editor saves it: byte-order mark, then each byte
// followed by a NUL.
std::string Utf16Bytes(const std::string& text);

// What PutFile takes besides bytes: no file at all, or a folder in its place.
inline const std::string kAbsentFile = "<no file>";
inline const std::string kFolderInPlace = "<a folder>";

// Replaces whatever is at `file` with the bytes (parent folders created), or
// with one of the two above.
void PutFile(const std::filesystem::path& file, const std::string& bytes);
