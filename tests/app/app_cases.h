#pragma once

#include <string>

#include "tests/layouts/case_file.h"
#include "tests/support/bad_bytes.h"

// A file's content as a table in data/ writes it: <garbage>, <utf16> and the
// text, else the bytes themselves (PutFile's <no file> and <a folder> included).
inline std::string TableBytes(const std::string& field) {
  if (field == "<garbage>") return GarbageBytes();
  if (field.starts_with("<utf16>")) return Utf16Bytes(field.substr(7));
  return field;
}
