#include "common/line_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "tests/support/temp_dir.h"

namespace {

// The same lines however a file's reads fall: a CR LF split between two
// reads, a lone CR last in a read or in the file, lines longer than a read,
// and the longest line allowed; from a file and from bytes in memory alike.
TEST(LineReader, GivesEveryLineWhereverTheReadsFall) {
  std::mt19937 random(7);
  const char* const ends[] = {"\r\n", "\n", "\r"};
  for (const std::string& last : {std::string(LineReader::kMaxLineBytes, 'z'), std::string("\r")}) {
    std::string bytes;
    while (bytes.size() < (std::size_t{1} << 20)) {
      const std::size_t length = random() % 3000 == 0 ? random() % 150000 : random() % 4;
      bytes.append(length, static_cast<char>('a' + random() % 26));
      bytes += ends[random() % 3];
    }
    bytes += last;
    TempDir dir;
    WriteBytes(dir.path() / "f.txt", bytes);
    const std::vector<std::string> expected = SplitLines(bytes);
    for (const bool inMemory : {false, true}) {
      LineReader reader =
          inMemory ? LineReader::OverBytes(bytes) : LineReader(dir.path() / "f.txt");
      std::vector<std::string> lines;
      while (const std::optional<std::string_view> line = reader.NextView())
        lines.emplace_back(*line);
      EXPECT_FALSE(reader.TooLong());
      EXPECT_EQ(reader.LineNumber(), static_cast<int>(expected.size()));
      ASSERT_EQ(lines.size(), expected.size()) << inMemory;
      for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]) << i;
    }
  }
}

}  // namespace
