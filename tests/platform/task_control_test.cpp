// The portable task layer, against programs and listeners made by the test.
#include "platform/task_control.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

void MakeExecutable(const fs::path& path, const std::string& content) {
  WriteBytes(path, content);
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace);
}

// Waits for a condition for at most the given time.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}

// Plays a started program's end of the socket for one task identifier: it
// answers activations as told and records every request line.
class FakeListener {
 public:
  FakeListener(int32_t taskId, const char* answer) : answer_(answer) {
    path_ = TaskSocketPath(taskId);
    ::unlink(path_.c_str());
    fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path_.c_str());
    EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(::listen(fd_, 4), 0);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeListener() {
    stop_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
    thread_.join();
    ::unlink(path_.c_str());
  }

  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stop_) {
      const int client = ::accept(fd_, nullptr, nullptr);
      if (client < 0) return;
      std::string line;
      char c;
      while (::read(client, &c, 1) == 1 && c != '\n') line += c;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(line);
      }
      if (line == kTaskRequestActivate && answer_) {
        const std::string reply = std::string(answer_) + "\n";
        ssize_t ignored = ::write(client, reply.data(), reply.size());
        (void)ignored;
      }
      ::close(client);
    }
  }

  const char* answer_;
  std::string path_;
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
};

// A task identifier no one else can be using while it lives: the process
// identifier of a child that only waits, so that tests running at the same
// time on this machine never share a socket.
class PlaceholderTask {
 public:
  PlaceholderTask() {
    pid_ = ::fork();
    if (pid_ == 0) {
      ::pause();
      ::_exit(0);
    }
  }
  ~PlaceholderTask() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  int32_t id() const { return static_cast<int32_t>(pid_); }

 private:
  pid_t pid_;
};

// The start must report the program's own process, not the helper process
// in between, or activation would address the wrong socket.
TEST(PortableTasks, StartReturnsTheStartedProgramsProcessId) {
  TempDir dir;
  const fs::path pidFile = dir.path() / "pid";
  MakeExecutable(dir.path() / "prog", "#!/bin/sh\necho $$ > '" + pidFile.string() + ".tmp'\nmv '" +
                                          pidFile.string() + ".tmp' '" + pidFile.string() + "'\n");
  auto tasks = MakeHostTaskControl();
  const int32_t task = tasks->StartProgram(dir.path() / "prog", kWindowNormalFocus);
  ASSERT_GT(task, 0);
  ASSERT_TRUE(WaitFor([&] { return fs::exists(pidFile); }));
  EXPECT_EQ(std::stoi(ReadBytes(pidFile)), task);
}

TEST(PortableTasks, StartFailsForWhatCannotRun) {
  TempDir dir;
  WriteBytes(dir.path() / "plain", "#!/bin/sh\n");            // not executable
  MakeExecutable(dir.path() / "garbage", "not a program\n");  // exec refuses it
  fs::create_directories(dir.path() / "folder");
  auto tasks = MakeHostTaskControl();
  for (const char* name : {"missing", "plain", "garbage", "folder"}) {
    EXPECT_EQ(tasks->StartProgram(dir.path() / name, kWindowNormalFocus), 0) << name;
  }
}

TEST(PortableTasks, ActivationNeedsAnAnswerFromTheTask) {
  auto tasks = MakeHostTaskControl();
  EXPECT_FALSE(tasks->ActivateTask(0));
  EXPECT_FALSE(tasks->ActivateTask(-5));
  const PlaceholderTask silent, refusing, answering;
  EXPECT_FALSE(tasks->ActivateTask(silent.id()));  // nobody listens
  {
    FakeListener listener(refusing.id(), "NO");
    EXPECT_FALSE(tasks->ActivateTask(refusing.id()));
  }
  FakeListener listening(answering.id(), kTaskAnswerOk);
  EXPECT_TRUE(tasks->ActivateTask(answering.id()));
  EXPECT_EQ(listening.Requests(), std::vector<std::string>{kTaskRequestActivate});
}

// Keys go to the task activated last, as keys go to the active window.
TEST(PortableTasks, KeysGoToTheTaskActivatedLast) {
  const PlaceholderTask firstTask, secondTask;
  FakeListener first(firstTask.id(), kTaskAnswerOk);
  FakeListener second(secondTask.id(), kTaskAnswerOk);
  auto tasks = MakeHostTaskControl();
  EXPECT_FALSE(tasks->SendKeys("%(fg)"));  // no window active yet
  ASSERT_TRUE(tasks->ActivateTask(firstTask.id()));
  ASSERT_TRUE(tasks->ActivateTask(secondTask.id()));
  EXPECT_TRUE(tasks->SendKeys("%(fg)"));
  EXPECT_FALSE(tasks->SendKeys("%(fg"));  // not a sequence: nothing sent
  ASSERT_TRUE(WaitFor([&] { return second.Requests().size() == 2; }));
  EXPECT_EQ(second.Requests()[1], "KEYS %(fg)");
  EXPECT_EQ(first.Requests().size(), 1u);
}

TEST(PortableTasks, ProgramPathLosesItsExeAndFindsTheFileWhateverTheCase) {
  TempDir dir;
  MakeExecutable(dir.path() / "progra" / "Ostrel", "#!/bin/sh\n");
  const std::string suite = dir.SuitePath() + "\\PROGRA\\Ostrel.EXE";
  EXPECT_EQ(HostProgramPath(suite), dir.path() / "progra" / "Ostrel");
  EXPECT_EQ(HostProgramPath(dir.SuitePath() + "\\progra\\other.bin"),
            dir.path() / "progra" / "other.bin");
}

}  // namespace

#endif
