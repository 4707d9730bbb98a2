#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

// The fuzz targets' entry points, renamed for this program.
extern "C" int structure_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int job_files_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int group_file_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int font_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int drawing_fuzz_one(const uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

using Body = int (*)(const uint8_t*, std::size_t);

std::vector<fs::path> FilesIn(const fs::path& dir) {
  std::vector<fs::path> files;
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Runs the body over the target's seeds and kept inputs. A fault the body
// checks aborts, and a memory fault stops the program under the sanitizers:
// the file's name is printed first so that the log says which input it was.
void Replay(const std::string& target, Body body) {
  const fs::path fuzz(FUZZ_DIR);
  const std::vector<fs::path> seeds = FilesIn(fuzz / "corpus" / target);
  ASSERT_FALSE(seeds.empty()) << "no seed corpus for " << target;
  std::vector<fs::path> inputs = seeds;
  const std::vector<fs::path> kept = FilesIn(fuzz / "regressions" / target);
  inputs.insert(inputs.end(), kept.begin(), kept.end());
  for (const fs::path& input : inputs) {
    std::cout << "replay " << input.string() << std::endl;
    std::ifstream in(input, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(in.bad()) << input;
    EXPECT_EQ(body(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << input;
  }
}

TEST(FuzzReplay, StructureFile) { Replay("structure", structure_fuzz_one); }
TEST(FuzzReplay, MemberJobFiles) { Replay("job_files", job_files_fuzz_one); }
TEST(FuzzReplay, LayoutGroupFile) { Replay("group_file", group_file_fuzz_one); }
TEST(FuzzReplay, StrokeFont) { Replay("font", font_fuzz_one); }
TEST(FuzzReplay, ViewerDrawingFile) { Replay("drawing", drawing_fuzz_one); }

}  // namespace
