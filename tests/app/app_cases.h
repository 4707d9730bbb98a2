#pragma once

#include <string>
#include <vector>

#include "tests/layouts/case_file.h"
#include "tests/support/bad_bytes.h"

// The rows of a table in data/ whose first field is `item`, without it.
inline std::vector<std::vector<std::string>> ItemRows(const std::string& file,
                                                      const std::string& item) {
  std::vector<std::vector<std::string>> rows;
  for (auto& row : CaseRows(file)) {
    if (row.at(0) == item) rows.emplace_back(row.begin() + 1, row.end());
  }
  EXPECT_FALSE(rows.empty()) << item;
  return rows;
}

// A file's content as a table writes it: <garbage>, <utf16> and the text,
// else the bytes themselves (PutFile's <no file> and <a folder> included).
inline std::string TableBytes(const std::string& field) {
  if (field == "<garbage>") return GarbageBytes();
  if (field.starts_with("<utf16>")) return Utf16Bytes(field.substr(7));
  return field;
}
