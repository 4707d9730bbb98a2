// Ostrel as a process: the export without a window, and the preview's whole
// round trip through the portable task layer (start, Alt+F G reload,
// restart after the viewer was closed).
#include <gtest/gtest.h>

#ifndef _WIN32

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QImage>
#include <QProcess>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/viewer_launch.h"
#include "platform/task_control.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"

namespace fs = std::filesystem;

namespace {

struct OstrelRun {
  int exitCode;
  QString errors;
};

OstrelRun Ostrel(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  // The export must work with no display at all.
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(OSTREL_PATH), arguments);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

TEST(OstrelExport, WritesAPictureWithoutADisplay) {
  TempDir dir;
  WriteBytes(dir.path() / "d.dis", DisText(SmallDrawing(), ','));
  const OstrelRun run =
      Ostrel({"--export", Q(dir.path() / "d.png"), Q(dir.path() / "d.dis"), "--size", "300x200"});
  EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QImage image(Q(dir.path() / "d.png"));
  EXPECT_EQ(image.size(), QSize(300, 200));
}

TEST(OstrelExport, MalformedDrawingAndBadCommandLines) {
  TempDir dir;
  WriteBytes(dir.path() / "bad.dis", "                   3\r\n 0  1 \r\n 0 \r\n");
  const OstrelRun bad = Ostrel({"--export", Q(dir.path() / "x.png"), Q(dir.path() / "bad.dis")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.errors.contains("riga 3: valori mancanti")) << bad.errors.toStdString();
  EXPECT_FALSE(fs::exists(dir.path() / "x.png"));

  const OstrelRun missing =
      Ostrel({"--export", Q(dir.path() / "x.png"), Q(dir.path() / "none.dis")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.errors.contains("none.dis")) << missing.errors.toStdString();

  EXPECT_EQ(Ostrel({"--export", Q(dir.path() / "x.png")}).exitCode, 2);
  EXPECT_EQ(Ostrel({"--export", "a.png", "b.dis", "--size", "0x5"}).exitCode, 2);
  const OstrelRun huge = Ostrel({"--export", "a.png", "b.dis", "--size", "20000x20000"});
  EXPECT_EQ(huge.exitCode, 2);
  EXPECT_TRUE(huge.errors.contains("al massimo 16384 punti per lato")) << huge.errors.toStdString();
  EXPECT_EQ(Ostrel({"--bogus"}).exitCode, 2);
}

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::seconds limit = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

// Whether the process is still running (a zombie nobody reaps has ended).
bool Running(int32_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return false;
  const std::size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

// What the viewer shows, asked on its socket: "OK caricamenti=1 linee=2 archi=1".
std::string Status(int32_t pid) {
  const std::string path = TaskSocketPath(pid);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
  std::string answer;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
    const std::string request = std::string(kTaskRequestStatus) + "\n";
    if (::write(fd, request.data(), request.size()) > 0) {
      char c;
      while (::read(fd, &c, 1) == 1 && c != '\n') answer += c;
    }
  }
  ::close(fd);
  return answer;
}

// Ends, whatever happens in the test, the viewers it started.
class Viewers {
 public:
  ~Viewers() {
    for (int32_t pid : pids_) {
      if (pid > 0 && Running(pid)) ::kill(pid, SIGKILL);
    }
  }
  void Add(int32_t pid) { pids_.push_back(pid); }

 private:
  std::vector<int32_t> pids_;
};

TEST(OstrelPreview, StartsReloadsOnAltFGAndStartsAgainAfterClosing) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TempDir dir;
  const fs::path progra = dir.path() / "progra";
  fs::create_directories(progra);
  // A copy, as the suite's programs folder holds one: the viewer looks for
  // its input file beside its own executable.
  fs::copy_file(OSTREL_PATH, progra / "Ostrel");
  const std::string drawing = dir.SuitePath() + "\\lavori\\job\\Memb001TmpTrac.dis";
  const fs::path drawingFile = dir.path() / "lavori" / "job" / "Memb001TmpTrac.dis";
  WriteBytes(drawingFile, DisText(SmallDrawing()));

  auto tasks = MakeHostTaskControl();
  ScriptedPrompter prompter;
  ViewerState state;
  ViewerLaunch launch{state, *tasks, prompter, dir.SuitePath() + "\\progra", {}};
  Viewers viewers;

  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const int32_t first = state.ViewerTaskId;
  viewers.Add(first);
  ASSERT_GT(first, 0);
  ASSERT_TRUE(WaitFor([&] { return Status(first) == "OK caricamenti=1 linee=2 archi=1"; }))
      << Status(first);

  // The editor writes the next preview over the same file; the input file
  // must stay as it is.
  DisContent changed = SmallDrawing();
  changed.lines.push_back({0, 2, 5, 0});
  WriteBytes(drawingFile, DisText(changed));
  fs::remove(progra / "Ostrel.inp");
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  EXPECT_EQ(state.ViewerTaskId, first);
  EXPECT_FALSE(fs::exists(progra / "Ostrel.inp"));
  EXPECT_TRUE(WaitFor([&] { return Status(first) == "OK caricamenti=2 linee=3 archi=1"; }))
      << Status(first);

  // The user closes the viewer (File, Esci); the next preview starts one
  // again on a new input file.
  ASSERT_TRUE(tasks->ActivateTask(first));
  ASSERT_TRUE(tasks->SendKeys("%(fc)"));
  ASSERT_TRUE(WaitFor([&] { return !Running(first); }));
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const int32_t second = state.ViewerTaskId;
  viewers.Add(second);
  EXPECT_NE(second, first);
  EXPECT_TRUE(fs::exists(progra / "Ostrel.inp"));
  EXPECT_TRUE(WaitFor([&] { return Status(second) == "OK caricamenti=1 linee=3 archi=1"; }))
      << Status(second);
  ASSERT_TRUE(tasks->ActivateTask(second));
  ASSERT_TRUE(tasks->SendKeys("%(fc)"));
  EXPECT_TRUE(WaitFor([&] { return !Running(second); }));
}

}  // namespace

#endif
