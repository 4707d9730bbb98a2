// The portable task layer, against programs and listeners made by the test.
#include "platform/task_control.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/platform/task_probe.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

void MakeExecutable(const fs::path& path, const std::string& content) {
  WriteBytes(path, content);
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace);
}

// A task identifier no one else uses while it lives, so that tests running
// at the same time never share a socket: a child process that plays a
// started program's end of the socket: it answers activations with the
// given answer and logs every request line.
class FakeTask {
 public:
  FakeTask(const char* answer, fs::path log) : log_(std::move(log)) {
    static int made = 0;
    const std::string bound = TaskSocketPath(::getpid()) + "." + std::to_string(++made);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = SocketAddress(bound);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(::listen(fd, 4), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      for (int client; (client = ::accept(fd, nullptr, nullptr)) >= 0;) {
        const std::string line = ReadLine(client);
        std::ofstream(log_, std::ios::app) << line << '\n';
        const std::string reply = std::string(answer) + "\n";
        if (line == kTaskRequestActivate) (void)!::write(client, reply.data(), reply.size());
        ::close(client);
      }
      ::_exit(0);
    }
    ::close(fd);
    fs::rename(bound, TaskSocketPath(pid_));  // listening before it has its name
  }
  ~FakeTask() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    ::unlink(TaskSocketPath(pid_).c_str());
  }
  int32_t id() const { return static_cast<int32_t>(pid_); }
  std::string Requests() const { return ReadBytes(log_); }

 private:
  fs::path log_;
  pid_t pid_;
};

// A program that cannot be started gives no task (that a started one's task
// is the program's own process, not the helper in between, is the viewer's
// process test: it asks the viewer over that task's socket).
TEST(PortableTasks, StartRefusesWhatCannotRun) {
  TempDir dir;
  WriteBytes(dir.path() / "plain", "#!/bin/sh\n");            // not executable
  MakeExecutable(dir.path() / "garbage", "not a program\n");  // exec refuses it
  fs::create_directories(dir.path() / "folder");
  auto tasks = MakeHostTaskControl();
  for (const char* name : {"missing", "plain", "garbage", "folder"}) {
    EXPECT_EQ(tasks->StartProgram(dir.path() / name, kWindowNormalFocus), 0) << name;
  }
}

// Activation succeeds only on the task's answer; keys go to the task
// activated last, as keys go to the active window.
TEST(PortableTasks, ActivationNeedsAnAnswerAndKeysGoToTheTaskActivatedLast) {
  TempDir dir;
  auto tasks = MakeHostTaskControl();
  EXPECT_FALSE(tasks->ActivateTask(0));
  EXPECT_FALSE(tasks->SendKeys("%(fg)"));  // no window active yet
  const FakeTask refusing("NO", dir.path() / "no");
  const FakeTask first(kTaskAnswerOk, dir.path() / "1"), second(kTaskAnswerOk, dir.path() / "2");
  EXPECT_FALSE(tasks->ActivateTask(::getpid()));  // a process nobody listens for
  EXPECT_FALSE(tasks->ActivateTask(refusing.id()));
  ASSERT_TRUE(tasks->ActivateTask(first.id()));
  ASSERT_TRUE(tasks->ActivateTask(second.id()));
  EXPECT_TRUE(tasks->SendKeys("%(fg)"));
  EXPECT_FALSE(tasks->SendKeys("%(fg"));  // not a sequence: nothing sent
  EXPECT_FALSE(tasks->SendKeys("a\nACTIVATE"));
  ASSERT_TRUE(WaitFor([&] { return second.Requests() == "ACTIVATE\nKEYS %(fg)\n"; }))
      << second.Requests();
  EXPECT_EQ(first.Requests(), "ACTIVATE\n");
  EXPECT_EQ(refusing.Requests(), "ACTIVATE\n");
}

// The suite names its programs with .exe, in any case.
TEST(PortableTasks, ProgramPathLosesItsExeAndFindsTheFileWhateverTheCase) {
  TempDir dir;
  MakeExecutable(dir.path() / "progra" / "Ostrel", "#!/bin/sh\n");
  EXPECT_EQ(HostProgramPath(dir.SuitePath() + "\\PROGRA\\Ostrel.EXE"),
            dir.path() / "progra" / "Ostrel");
  EXPECT_EQ(HostProgramPath(dir.SuitePath() + "\\progra\\other.bin"),
            dir.path() / "progra" / "other.bin");
}

}  // namespace

#endif
