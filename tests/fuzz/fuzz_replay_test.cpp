#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

// The fuzz targets' entry points, renamed for this program.
extern "C" int structure_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int job_files_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int group_file_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int font_fuzz_one(const uint8_t* data, std::size_t size);
extern "C" int drawing_fuzz_one(const uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// Runs the body over the target's seeds and kept inputs. A fault the body
// checks aborts, and a memory fault stops the program under the sanitizers:
// the file's name is printed first so that the log says which input it was.
void Replay(const std::string& target, int (*body)(const uint8_t*, std::size_t)) {
  std::vector<fs::path> inputs;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = fs::path(FUZZ_DIR) / kind / target;
    if (fs::is_directory(dir)) {
      for (const auto& entry : fs::directory_iterator(dir)) inputs.push_back(entry.path());
    }
    ASSERT_FALSE(inputs.empty()) << "no seed corpus for " << target;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const fs::path& input : inputs) {
    std::cout << "replay " << input.string() << std::endl;
    const std::string bytes = ReadBytes(input);
    EXPECT_EQ(body(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << input;
  }
}

TEST(FuzzReplay, StructureFile) { Replay("structure", structure_fuzz_one); }
TEST(FuzzReplay, MemberJobFiles) { Replay("job_files", job_files_fuzz_one); }
TEST(FuzzReplay, LayoutGroupFile) { Replay("group_file", group_file_fuzz_one); }
TEST(FuzzReplay, StrokeFont) { Replay("font", font_fuzz_one); }
TEST(FuzzReplay, ViewerDrawingFile) { Replay("drawing", drawing_fuzz_one); }

}  // namespace
