#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A table of cases kept as data beside the tests (CASES_DIR): one row a line,
// its fields apart by " | ", blank and "#" lines skipped. In a field \r \n \t
// \0 and \xHH stand for their byte, so that a row can hold any file.
inline std::vector<std::vector<std::string>> CaseRows(const std::string& name) {
  std::ifstream in(std::string(CASES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> row(1);
    for (std::size_t k = 0; k < line.size(); ++k) {
      char c = line[k];
      if (line.compare(k, 3, " | ") == 0) {
        row.emplace_back();
        k += 2;
        continue;
      }
      if (c == '\\' && k + 1 < line.size()) {
        const char e = line[++k];
        if (e == 'x') {
          c = static_cast<char>(std::stoi(line.substr(k + 1, 2), nullptr, 16));
          k += 2;
        } else {
          c = e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e == '0' ? '\0' : e;
        }
      }
      row.back() += c;
    }
    rows.push_back(row);
  }
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

// A data file beside the tests, as bytes.
inline std::string CaseFile(const std::string& name) {
  std::ifstream in(std::string(CASES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
