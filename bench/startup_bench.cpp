// Start-up of the editor to a shown window: the main window made, loaded
// with a job whose member has 400 elements and shown, beside an empty window
// of the same size shown the same way. Both run in one process on the
// offscreen platform, so the difference is the editor's own work.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/world.h"
#include "editor/form_pri.h"
#include "platform/prompter.h"

namespace fs = std::filesystem;

namespace {

constexpr int kElements = 400;

void WriteLines(const fs::path& path, const std::vector<std::string>& lines) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

// A suite with one job: member 1 is a girder of 400 elements along X, every
// node with one section; two cable types; the example suite's font.
class Job {
 public:
  Job() : root_(fs::temp_directory_path() / "tracciati_startup_bench") {
    fs::remove_all(root_);
    const fs::path job = root_ / "lavori" / "gran01";
    WriteLines(root_ / "impostazioni" / "dirlav", {(root_ / "lavori").string()});
    WriteLines(root_ / "impostazioni" / "lavoro", {"gran01"});
    std::vector<std::string> structure = {"Struttura release 4.2", std::to_string(kElements + 1)};
    for (int n = 0; n <= kElements; ++n) structure.push_back(std::to_string(100 * n) + ", 0, 0");
    structure.push_back(std::to_string(kElements + 1));
    for (int n = 0; n <= kElements; ++n) {
      structure.push_back(std::to_string(n) + ", 0, 0");
      structure.push_back(std::to_string(1000 + n) + ", 0");
    }
    structure.push_back(std::to_string(kElements));
    for (int e = 0; e < kElements; ++e) {
      structure.push_back(std::to_string(e) + " " + std::to_string(e + 1));
      structure.push_back(std::to_string(e + 1));
    }
    WriteLines(job / "struttur.str", structure);
    std::string entry = std::string(20, ' ') + "T";
    entry.resize(40, ' ');
    std::vector<std::string> members = {"1", entry + "TRAVE LUNGA", std::to_string(kElements)};
    for (int e = 1; e <= kElements; ++e) members.push_back(std::to_string(e));
    WriteLines(job / "El_Conti.tmp", members);
    std::vector<std::string> association = {"1", std::to_string(kElements + 1)};
    for (int n = 0; n <= kElements; ++n) association.push_back(std::to_string(n) + ", 1");
    WriteLines(job / "AssSez001.cap", association);
    WriteLines(job / "Sezio_ut",
               {"1", "QUADRATA 40", "40 40 20 20", "1", "4", "0 0", "40 0", "40 40", "0 40", "0 0",
                "0 0", "1", "0", "0", "0", "0", "0 0", "0 0"});
    WriteLines(job / "Group.cap", {"2", "CAVO 7T15", "7", "9.73, 195000, 0.2, 0.005", "6, 1860",
                                   "CAVO 12T15", "12", "16.68, 195000, 0.2, 0.005", "6, 1860"});
    fs::create_directories(root_ / "progra");
    fs::copy_file(EXAMPLE_SUITE_DIR "/progra/font.001", root_ / "progra" / "font.001",
                  fs::copy_options::overwrite_existing);
  }
  ~Job() { fs::remove_all(root_); }

  std::string Argument() const {
    std::string root = root_.string();
    for (char& c : root) {
      if (c == '/') c = '\\';
    }
    return "|diroot=" + root + "|MEMBRA=1|";
  }

 private:
  fs::path root_;
};

// Every message is answered at once: nothing may wait for a click.
struct Quiet : Prompter {
  int16_t ShowMessageBox(const std::string&, int16_t, const std::string&) override {
    return kAnswerOk;
  }
  std::optional<std::string> AskOpenFileName(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> AskSaveFileName(const FileDialogRequest&) override { return {}; }
};

// Shown: exposed on the platform, and the events that follow handled.
void ShowAndWait(QWidget& window) {
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QApplication::processEvents();
  }
  QApplication::processEvents();
}

void BM_EditorWindowShown(benchmark::State& state) {
  const Job job;
  Quiet quiet;
  for (auto _ : state) {
    auto world = std::make_unique<World>();
    FormPri form(*world, quiet);
    if (const auto fault = form.Load(job.Argument())) {
      state.SkipWithError(fault->text.c_str());
      break;
    }
    ShowAndWait(form);
  }
}
BENCHMARK(BM_EditorWindowShown)->Unit(benchmark::kMillisecond);

// The limit: a window of the editor's size with nothing in it.
void BM_EmptyWindowShown(benchmark::State& state) {
  QSize size;
  {
    const Job job;
    Quiet quiet;
    auto world = std::make_unique<World>();
    FormPri form(*world, quiet);
    form.Load(job.Argument());
    ShowAndWait(form);
    size = form.size();
  }
  for (auto _ : state) {
    QWidget window;
    window.resize(size);
    ShowAndWait(window);
  }
  state.counters["width"] = size.width();
  state.counters["height"] = size.height();
}
BENCHMARK(BM_EmptyWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
