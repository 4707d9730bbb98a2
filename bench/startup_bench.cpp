// Start-up of the editor to a shown window: the main window made, loaded
// with a job whose member has 400 elements and shown, beside an empty window
// of the same size shown the same way, on the offscreen platform.
//
// Twice: in this process, where only the window's own work is timed, and as
// a fresh process each time, which is what the user waits for. A fresh
// process also pays for the program's start and the first touch of every
// page of memory it writes, which a process that runs the same start-up over
// and over has long since paid. The fresh processes are this program run
// again with a first argument naming which to start: the editor's start-up
// as the program's main does it, the empty window, or that window with one
// line of text in it. The last is no limit; it shows what the toolkit spends
// before any window can show a word (its fonts found, read and shaped), so
// that the editor's figure can be read against it too.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt_prompter.h"
#include "app/world.h"
#include "editor/editor_start.h"
#include "editor/form_pri.h"
#include "platform/prompter.h"
#include "platform/toolkit_translations.h"

namespace fs = std::filesystem;

namespace {

constexpr int kElements = 400;

// First arguments that make this program one fresh start-up.
constexpr std::string_view kEditorProcess = "--editor-process";
constexpr std::string_view kEmptyProcess = "--empty-process";
constexpr std::string_view kLabelProcess = "--label-process";

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

// The editor's size, as the in-process start-up shows it.
QSize EditorSize(const Job& job) {
  Quiet quiet;
  auto world = std::make_unique<World>();
  FormPri form(*world, quiet);
  form.Load(job.Argument());
  ShowAndWait(form);
  return form.size();
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
    size = EditorSize(job);
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

// Runs this program once with `arguments`; false when it did not end well.
bool RunFreshProcess(const QStringList& arguments) {
  QProcess process;
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(QCoreApplication::applicationFilePath(), arguments);
  return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

void BM_EditorProcessShown(benchmark::State& state) {
  const Job job;
  const QStringList arguments = {QString::fromUtf8(kEditorProcess),
                                 QString::fromStdString(job.Argument())};
  for (auto _ : state) {
    if (!RunFreshProcess(arguments)) {
      state.SkipWithError("the editor's start-up failed");
      break;
    }
  }
}
BENCHMARK(BM_EditorProcessShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// A fresh process that shows a window of the editor's size with nothing in
// it, or with one line of text: `process` names which.
void RunReferenceProcesses(benchmark::State& state, std::string_view process) {
  QSize size;
  {
    const Job job;
    size = EditorSize(job);
  }
  const QStringList arguments = {QString::fromUtf8(process), QString::number(size.width()),
                                 QString::number(size.height())};
  for (auto _ : state) {
    if (!RunFreshProcess(arguments)) {
      state.SkipWithError("the reference window's start-up failed");
      break;
    }
  }
}

// The limit: the empty window.
void BM_EmptyProcessShown(benchmark::State& state) { RunReferenceProcesses(state, kEmptyProcess); }
BENCHMARK(BM_EmptyProcessShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// Not a limit: the same window showing one word.
void BM_OneLabelProcessShown(benchmark::State& state) {
  RunReferenceProcesses(state, kLabelProcess);
}
BENCHMARK(BM_OneLabelProcessShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// One start-up of the editor as the program's main runs it, ended once the
// window is shown.
int EditorProcess(int argc, char** argv) {
  const std::string argument = argv[2];
  QApplication application(argc, argv);
  LoadToolkitTranslations(application);
  QtPrompter prompter;
  auto world = std::make_unique<World>();
  const auto form = StartEditor(*world, prompter, argument);
  if (!form) return 1;
  ShowAndWait(*form);
  return 0;
}

int ReferenceProcess(int argc, char** argv, bool withText) {
  const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
  QApplication application(argc, argv);
  QWidget window;
  window.resize(size);
  if (withText) new QLabel(QStringLiteral("Membratura"), &window);
  ShowAndWait(window);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && argv[1] == kEditorProcess) return EditorProcess(argc, argv);
  if (argc == 4 && argv[1] == kEmptyProcess) return ReferenceProcess(argc, argv, false);
  if (argc == 4 && argv[1] == kLabelProcess) return ReferenceProcess(argc, argv, true);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
