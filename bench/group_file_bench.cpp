// Time to save and open a full layout group (199 layouts of 1999 points, the
// most the editor makes): the user waits for both with the hourglass.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "layouts/group_file.h"
#include "layouts/layout_group.h"
#include "platform/suite_path.h"
#include "structure/structure_model.h"

namespace fs = std::filesystem;

namespace {

// 2000 nodes, each with a section, so that every point validates.
std::unique_ptr<StructureModel> MakeStructure() {
  auto model = std::make_unique<StructureModel>();
  model->StructureNodeCount = kMaxStructureNodes;
  for (int j = 1; j <= kMaxStructureNodes; ++j) {
    model->StructureNodes[j] = {static_cast<int16_t>(j), 1, static_cast<int16_t>(j - 1)};
  }
  return model;
}

// Values of every width the file sees: negative, rounded, whole, small.
std::unique_ptr<LayoutGroup> MakeFullGroup() {
  auto group = std::make_unique<LayoutGroup>();
  group->GroupDescription = "Gruppo completo di prova";
  group->LoadCondition = 12;
  group->LayoutCount = kEditorMaxLayouts;
  for (int l = 1; l <= kEditorMaxLayouts; ++l) {
    Layout& layout = group->Layouts[l];
    layout.Name = static_cast<int16_t>(l);
    layout.CableType = static_cast<int16_t>(l % kMaxLayoutCableType + 1);
    layout.NodeCount = kEditorMaxLayoutNodes;
    for (int j = 1; j <= kEditorMaxLayoutNodes; ++j) {
      layout.NodeIndex[j] = static_cast<int16_t>((l + j) % kMaxStructureNodes + 1);
      layout.RefVertex[j] = static_cast<int16_t>(j % 500);
      layout.Y[j] = -123.456 + 0.37 * j;
      layout.Z[j] = 0.25 * l - 0.013 * j;
      layout.AngDistortion[j] = (j % 7) * 0.0042;
    }
  }
  return group;
}

// A suite path (backslashes) in the system's temporary folder.
std::string BenchFile() {
  std::string path = (fs::temp_directory_path() / "tracciati-bench-Memb001Gr_001.cap").string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

void RemoveBenchFile(const std::string& suitePath) {
  std::error_code ec;
  fs::remove(HostPath(suitePath), ec);
}

void BM_WriteLayoutGroup(benchmark::State& state) {
  const auto group = MakeFullGroup();
  const std::string path = BenchFile();
  for (auto _ : state) {
    const GroupFileOutcome outcome = WriteLayoutGroup(*group, path);
    if (!outcome.opened) state.SkipWithError("the group could not be written");
  }
  RemoveBenchFile(path);
}
BENCHMARK(BM_WriteLayoutGroup)->Unit(benchmark::kMillisecond);

void BM_ReadLayoutGroup(benchmark::State& state) {
  const auto structure = MakeStructure();
  const auto written = MakeFullGroup();
  const std::string path = BenchFile();
  if (!WriteLayoutGroup(*written, path).opened) {
    state.SkipWithError("the group could not be written");
    return;
  }
  auto group = std::make_unique<LayoutGroup>();
  for (auto _ : state) {
    const GroupFileOutcome outcome = ReadLayoutGroup(path, *group, *structure);
    if (outcome.fault) state.SkipWithError(outcome.fault->text.c_str());
  }
  state.counters["bytes"] = static_cast<double>(LayoutGroupFileBytes(*written).size());
  RemoveBenchFile(path);
}
BENCHMARK(BM_ReadLayoutGroup)->Unit(benchmark::kMillisecond);

// The limit of writing: every number of the file through to_chars as an
// integer (a coordinate as its hundredths, the cheapest exact form) into a
// buffer of the file's layout (fields from columns 1, 21 and 41, CR LF),
// then the same atomic save, flush included.
void BM_WriteLayoutGroupLimit(benchmark::State& state) {
  const auto group = MakeFullGroup();
  const std::string path = BenchFile();
  const std::size_t size = LayoutGroupFileBytes(*group).size();
  std::string out;
  char line[128];
  char* end = line;
  const auto put = [&](auto value, std::ptrdiff_t column) {
    while (end < line + column) *end++ = ' ';
    end = std::to_chars(end, line + sizeof line, value).ptr;
  };
  const auto endLine = [&] {
    *end++ = '\r';
    *end++ = '\n';
    out.append(line, end);
    end = line;
  };
  for (auto _ : state) {
    out.clear();
    out.reserve(size);
    out += group->GroupDescription + "\r\n12\r\n1             1\r\n199\r\n";
    for (int l = 1; l <= group->LayoutCount; ++l) {
      const Layout& layout = group->Layouts[l];
      put(layout.Name, 0);
      put(layout.CableType, 20);
      endLine();
      put(layout.NodeCount, 0);
      endLine();
      for (int j = 1; j <= layout.NodeCount; ++j) {
        put(layout.NodeIndex[j], 0);
        put(layout.RefVertex[j], 20);
        endLine();
        put(std::llround(layout.Y[j] * 100.0), 0);
        put(std::llround(layout.Z[j] * 100.0), 20);
        put(std::llround(layout.AngDistortion[j] * 100.0), 40);
        endLine();
      }
    }
    if (!WriteFileAtomically(HostPath(path), out)) state.SkipWithError("not written");
  }
  state.counters["bytes"] = static_cast<double>(out.size());
  RemoveBenchFile(path);
}
BENCHMARK(BM_WriteLayoutGroupLimit)->Unit(benchmark::kMillisecond);

// The limit of reading: the file's bytes into memory and every number field
// through from_chars once, nothing stored.
void BM_ReadLayoutGroupLimit(benchmark::State& state) {
  const auto written = MakeFullGroup();
  const std::string path = BenchFile();
  if (!WriteLayoutGroup(*written, path).opened) {
    state.SkipWithError("the group could not be written");
    return;
  }
  std::string bytes;
  for (auto _ : state) {
    std::ifstream in(HostPath(path), std::ios::binary);
    bytes.resize(static_cast<std::size_t>(fs::file_size(HostPath(path))));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const char* p = bytes.data() + bytes.find('\n') + 1;
    const char* const end = bytes.data() + bytes.size();
    double sum = 0.0;
    while (p < end) {
      while (p < end && (*p == ' ' || *p == '\r' || *p == '\n')) ++p;
      const char* const field = p;
      while (p < end && *p != ' ' && *p != '\r' && *p != '\n') ++p;
      double value = 0.0;
      std::from_chars(field, p, value);
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
  }
  RemoveBenchFile(path);
}
BENCHMARK(BM_ReadLayoutGroupLimit)->Unit(benchmark::kMillisecond);

// The building of the text alone, without the file system.
void BM_LayoutGroupFileBytes(benchmark::State& state) {
  const auto group = MakeFullGroup();
  for (auto _ : state) benchmark::DoNotOptimize(LayoutGroupFileBytes(*group));
}
BENCHMARK(BM_LayoutGroupFileBytes)->Unit(benchmark::kMillisecond);

// The number text of a drawing's coordinates (any double) beside the
// library's general form with 15 digits that it matches.
std::vector<double> DrawingLikeValues() {
  std::vector<double> values;
  for (int k = 1; k <= 100000; ++k) values.push_back(std::sin(k) * 1000.0 / (k % 97 + 1));
  return values;
}

void BM_NumberText(benchmark::State& state) {
  const std::vector<double> values = DrawingLikeValues();
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (const double v : values) AppendNumberText(out, v);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_NumberText)->Unit(benchmark::kMillisecond);

void BM_NumberTextLibraryGeneralForm(benchmark::State& state) {
  const std::vector<double> values = DrawingLikeValues();
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (const double v : values) {
      char digits[40];
      const auto result =
          std::to_chars(digits, digits + sizeof digits, v, std::chars_format::general, 15);
      out.append(digits, result.ptr);
    }
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_NumberTextLibraryGeneralForm)->Unit(benchmark::kMillisecond);

}  // namespace
