// Time to make the drawings of the layouts: the compaction of a drawing near
// the tables' capacity (against comparing every pair, as its steps read),
// saving the largest drawing of one layout, and "Disegna tracciati" for a
// full group. The user waits for all of them with the hourglass.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/drawing_commands.h"
#include "app/world.h"
#include "common/atomic_file.h"
#include "common/number_text.h"
#include "drawing/compact_drawing.h"
#include "drawing/drawing_writer.h"
#include "drawing/layout_views.h"
#include "tests/drawing/literal_compaction.h"

namespace fs = std::filesystem;

namespace {

constexpr int kElements = 600;
constexpr int kPoints = kEditorMaxLayoutNodes;

// A girder of 600 elements of 100 cm, gently curved in elevation and in
// plan, every node with one box section; the example suite's font. When the
// last node has no section its element draws no outline, the line type of
// the axis stays current, and the dimensions and texts drawn after it can be
// merged: every one of their lines is then compared with the others.
std::unique_ptr<World> MakeWorld(bool lastNodeWithoutSection = false) {
  auto world = std::make_unique<World>();
  StructureModel& s = world->Structure;
  for (int n = 1; n <= kElements + 1; ++n) {
    s.StructureNodes[n] = {static_cast<int16_t>(1000 + n), 1, static_cast<int16_t>(n - 1)};
    const double x = 100.0 * (n - 1);
    s.NodeCoordinates[n] = {x, 0.002 * x * std::sin(x / 9000.0), 150.0 * std::sin(x / 20000.0)};
  }
  for (int e = 1; e <= kElements; ++e) {
    s.Elements[e] = {static_cast<int16_t>(e), 0, static_cast<int16_t>(e),
                     static_cast<int16_t>(e + 1)};
    s.MemberElements[e] = static_cast<int16_t>(e);
  }
  if (lastNodeWithoutSection) s.StructureNodes[kElements + 1].SectionIndex = kNoSection;
  s.StructureNodeCount = kElements + 1;
  s.ElementCount = kElements;
  s.MemberElementCount = kElements;
  world->Sections.SectionCount = 1;
  Section& box = world->Sections.Sections[1];
  box.MinY = -85.0;
  box.MaxY = 135.0;
  box.MinZ = -450.0;
  box.MaxZ = 450.0;
  LoadFont(world->Font, EXAMPLE_SUITE_DIR "/progra");
  world->Job.MemberDescription = "TRAVE CONTINUA";
  return world;
}

// 1999 points walking the girder from end to end, a parabola in each span of
// 40 elements, at a different depth for each layout.
void MakeLayout(Layout& layout, int number) {
  layout.Name = static_cast<int16_t>(number);
  layout.CableType = 1;
  layout.NodeCount = kPoints;
  for (int j = 1; j <= kPoints; ++j) {
    const double along = static_cast<double>(j - 1) * kElements / (kPoints - 1);
    layout.NodeIndex[j] = static_cast<int16_t>(std::lround(along) + 1);
    const double t = std::fmod(along, 40.0) / 40.0;
    layout.Y[j] = -60.0 + 240.0 * (t - 0.5) * (t - 0.5) - 0.1 * number;
    layout.Z[j] = -400.0 + 4.0 * number;
  }
}

void DrawOneLayout(World& world, const Layout& layout) {
  const ViewInputs inputs{world.Structure, world.Sections, world.Font};
  ResetDrawing(world.Drawing);
  const ViewOffsets offsets = DrawMemberViews(world.Drawing, inputs, layout, "MEMBRATURA PROVA");
  DrawCableViews(world.Drawing, inputs, layout, offsets);
}

// The views of the girder with one cable after another drawn over them,
// until the point or the line table is nearly full.
std::unique_ptr<DrawingFile> NearlyFullDrawing(World& world) {
  auto layout = std::make_unique<Layout>();
  MakeLayout(*layout, 1);
  DrawOneLayout(world, *layout);
  DrawingFile& d = world.Drawing;
  const ViewInputs inputs{world.Structure, world.Sections, world.Font};
  const auto roomFor = [&](int32_t count, int32_t capacity) {
    return count + 2 * kPoints < capacity;
  };
  for (int number = 2;
       roomFor(d.LineCount, kMaxDrawingLines) && roomFor(d.PointCount, kMaxDrawingPoints);
       ++number) {
    MakeLayout(*layout, number);
    DrawCableViews(d, inputs, *layout, {0.0, 0.0, 0.0, -2000.0});
  }
  return std::make_unique<DrawingFile>(d);
}

// Processor time, so that the ratio does not depend on what else runs.
double Seconds(std::clock_t from) {
  return static_cast<double>(std::clock() - from) / CLOCKS_PER_SEC;
}

void BM_CompactNearCapacity(benchmark::State& state) {
  auto world = MakeWorld(state.range(0) != 0);
  const auto full = NearlyFullDrawing(*world);
  auto work = std::make_unique<DrawingFile>();
  for (auto _ : state) {
    state.PauseTiming();
    *work = *full;
    state.ResumeTiming();
    CompactDrawing(*work);
  }
  int mergeable = 0;
  for (int32_t i = 0; i < full->LineCount; ++i) {
    const DrawingLine& line = full->Lines[static_cast<std::size_t>(i)];
    mergeable += line.Colour > 0 && line.LineType > 0;
  }
  state.counters["mergeable"] = mergeable;
  state.counters["points"] = full->PointCount;
  state.counters["lines"] = full->LineCount;
  state.counters["arcs"] = full->ArcCount;
}
BENCHMARK(BM_CompactNearCapacity)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Hashed once into an open-addressing table of twice the count.
class OnceTable {
 public:
  explicit OnceTable(std::size_t count) {
    std::size_t size = 16;
    while (size < 2 * count) size *= 2;
    slots_.assign(size, kEmpty);
  }
  void Add(uint64_t key) {
    uint64_t h = key ^ (key >> 31);
    h *= 0x7FB5D329728EA185ull;
    h ^= h >> 27;
    std::size_t at = h & (slots_.size() - 1);
    while (slots_[at] != kEmpty && slots_[at] != key) at = (at + 1) & (slots_.size() - 1);
    slots_[at] = key;
  }
  const uint64_t* data() const { return slots_.data(); }

 private:
  static constexpr uint64_t kEmpty = ~uint64_t{0};
  std::vector<uint64_t> slots_;
};

// The least a compaction can cost: one pass over the points and one over
// the lines, each hashed once (a point by its cell of the tolerance, a line
// by its two point indices).
void BM_CompactNearCapacityLimit(benchmark::State& state) {
  auto world = MakeWorld(state.range(0) != 0);
  const auto full = NearlyFullDrawing(*world);
  for (auto _ : state) {
    OnceTable points(static_cast<std::size_t>(full->PointCount));
    for (int32_t i = 0; i < full->PointCount; ++i) {
      const DrawingPoint& p = full->Points[static_cast<std::size_t>(i)];
      const auto column = static_cast<int64_t>(std::floor(p.X / kDrawingTolerance));
      const auto row = static_cast<int64_t>(std::floor(p.Y / kDrawingTolerance));
      points.Add(static_cast<uint64_t>(column) * 0x9E3779B97F4A7C15ull ^
                 static_cast<uint64_t>(row));
    }
    OnceTable lines(static_cast<std::size_t>(full->LineCount));
    for (int32_t i = 0; i < full->LineCount; ++i) {
      const DrawingLine& line = full->Lines[static_cast<std::size_t>(i)];
      lines.Add(static_cast<uint64_t>(line.StartPoint) << 32 |
                static_cast<uint32_t>(line.EndPoint));
    }
    benchmark::DoNotOptimize(points.data());
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_CompactNearCapacityLimit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One run of the pairwise compaction takes long; the fast one is timed on
// the same drawing for the ratio, and both results must agree.
void BM_CompactNearCapacityPairwise(benchmark::State& state) {
  auto world = MakeWorld(state.range(0) != 0);
  const auto full = NearlyFullDrawing(*world);
  auto fast = std::make_unique<DrawingFile>(*full);
  double fastSeconds = 1e9;
  for (int run = 0; run < 5; ++run) {
    *fast = *full;
    const std::clock_t start = std::clock();
    CompactDrawing(*fast);
    fastSeconds = std::min(fastSeconds, Seconds(start));
  }
  auto literal = std::make_unique<DrawingFile>();
  double literalSeconds = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    *literal = *full;
    state.ResumeTiming();
    const std::clock_t start = std::clock();
    CompactDrawingLiterally(*literal);
    literalSeconds = Seconds(start);
  }
  if (DrawingFileBytes(*literal, ".") != DrawingFileBytes(*fast, ".")) {
    state.SkipWithError("the two compactions disagree");
  }
  state.counters["fast_ms"] = fastSeconds * 1e3;
  state.counters["ratio"] = literalSeconds / fastSeconds;
}
BENCHMARK(BM_CompactNearCapacityPairwise)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

// The largest drawing of one layout: drawing it, then saving it.
void BM_SaveLargestDrawing(benchmark::State& state) {
  auto world = MakeWorld();
  auto layout = std::make_unique<Layout>();
  MakeLayout(*layout, 1);
  const fs::path folder = fs::temp_directory_path() / "tracciati_drawing_bench";
  fs::create_directories(folder);
  const std::string path = (folder / "largest.dis").string();
  for (auto _ : state) {
    DrawOneLayout(*world, *layout);
    SaveDrawing(world->Drawing, path, ".");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(path));
  state.counters["lines"] = world->Drawing.LineCount;
  fs::remove_all(folder);
}
BENCHMARK(BM_SaveLargestDrawing)->Unit(benchmark::kMillisecond);

// "Disegna tracciati" for 199 layouts of 1999 points. Timed by the clock on
// the wall: the drawings are written on threads of their own.
void BM_DrawAllLayouts(benchmark::State& state) {
  auto world = MakeWorld();
  for (int l = 1; l <= kEditorMaxLayouts; ++l) MakeLayout(world->Group.Layouts[l], l);
  world->Group.LayoutCount = kEditorMaxLayouts;
  const fs::path folder = fs::temp_directory_path() / "tracciati_drawing_bench";
  fs::create_directories(folder);
  world->Job.JobDir = folder.string();
  world->GroupFileName = "\\Memb001Gr_001.cap";
  struct Quiet : Prompter {
    int16_t ShowMessageBox(const std::string&, int16_t, const std::string&) override {
      return kAnswerOk;
    }
    std::optional<std::string> AskOpenFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> AskSaveFileName(const FileDialogRequest&) override { return {}; }
  } quiet;
  for (auto _ : state) {
    const auto drawn = DrawAllLayouts(*world, quiet, ".");
    if (!drawn || !drawn->Unwritten.empty()) state.SkipWithError("drawings not written");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_DrawAllLayouts)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The least "Disegna tracciati" can cost once the drawings are made (which
// is not timed here): every number of every drawing formatted once, the
// reals in the general form the writer uses, into one buffer per drawing as
// long as its file (the blanks of the print zones filled in at the end), and
// the bytes saved by the same atomic save, flush included, one file after
// the other.
void BM_DrawAllLayoutsLimit(benchmark::State& state) {
  auto world = MakeWorld();
  auto layout = std::make_unique<Layout>();
  const fs::path folder = fs::temp_directory_path() / "tracciati_drawing_bench";
  fs::create_directories(folder);
  DrawingFile& d = world->Drawing;
  std::string bytes;
  char* out = nullptr;
  const auto integer = [&](long long value) {
    out = std::to_chars(out, out + 24, value).ptr;
    *out++ = ' ';
  };
  const auto real = [&](double value) {
    out = WriteNumberText(out, value);
    *out++ = ' ';
  };
  for (auto _ : state) {
    for (int l = 1; l <= kEditorMaxLayouts; ++l) {
      state.PauseTiming();
      MakeLayout(*layout, l);
      DrawOneLayout(*world, *layout);
      ComputeExtents(d);
      CompactDrawing(d);
      const std::size_t fileSize = DrawingFileBytes(d, ".").size();
      state.ResumeTiming();
      bytes.resize(fileSize);
      out = bytes.data();
      for (double v : {d.Xmin, d.Xmax, d.Ymin, d.Ymax}) real(v);
      for (int32_t i = 0; i < d.PointCount; ++i) {
        real(d.Points[static_cast<std::size_t>(i)].X);
        real(d.Points[static_cast<std::size_t>(i)].Y);
        real(0.0);
      }
      for (int32_t i = 0; i < d.LineCount; ++i) {
        const DrawingLine& line = d.Lines[static_cast<std::size_t>(i)];
        for (long long v : {line.StartPoint, line.EndPoint}) integer(v);
        for (long long v : {line.Colour, line.LineType}) integer(v);
      }
      for (int32_t i = 0; i < d.ArcCount; ++i) {
        const DrawingArc& a = d.Arcs[static_cast<std::size_t>(i)];
        for (long long v : {a.CentrePoint, a.StartPoint, a.ThirdPoint, a.EndPoint}) integer(v);
        for (long long v : {a.Colour, a.Flag}) integer(v);
      }
      std::fill(out, bytes.data() + bytes.size(), ' ');
      const fs::path path = folder / ("limit" + std::to_string(l) + ".dis");
      if (!WriteFileAtomically(path, bytes)) state.SkipWithError("drawing not written");
    }
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_DrawAllLayoutsLimit)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
