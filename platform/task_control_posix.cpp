// The portable task layer: programs are started with fork and exec, and a
// started program that wants to be driven listens on a local socket named
// after its process identifier (TaskSocketPath). Activation asks it over the
// socket to raise its window and succeeds when it answers; keys are sent
// over the same socket.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/key_sequence.h"
#include "platform/task_control.h"

namespace {

// How long an activation waits for the program to answer: a viewer busy
// loading a large drawing answers late, a hung one not at all.
constexpr int kAnswerTimeoutMs = 5000;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { Reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

int ConnectToTask(int32_t taskId) {
  if (taskId <= 0) return -1;
  const std::string path = TaskSocketPath(taskId);
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) return -1;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  int result;
  do {
    result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// MSG_NOSIGNAL: a program that went away must not take the editor with it
// through SIGPIPE.
bool SendAll(int fd, const std::string& text) {
  std::size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// The first line the program answers, within the timeout.
bool ReadsOk(int fd) {
  std::string answer;
  int waited = 0;
  constexpr int kStepMs = 50;
  while (waited < kAnswerTimeoutMs) {
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, kStepMs);
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) {
      waited += kStepMs;
      continue;
    }
    char buffer[64];
    const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    answer.append(buffer, static_cast<std::size_t>(n));
    const std::size_t end = answer.find('\n');
    if (end != std::string::npos) return answer.substr(0, end) == kTaskAnswerOk;
    if (answer.size() > 256) return false;
  }
  return false;
}

// Records the middle process of a start sends through the status pipe.
struct StartRecord {
  char kind;  // 'P': the program's process id; 'E': exec failed with errno
  int32_t value;
};

void WriteRecord(int fd, char kind, int32_t value) {
  const StartRecord record{kind, value};
  ssize_t ignored = ::write(fd, &record, sizeof(record));
  (void)ignored;
}

class PortableTaskControl : public TaskControl {
 public:
  int32_t StartProgram(const std::filesystem::path& program, int16_t /*windowStyle*/) override {
    // The window style is the program's own business here: the viewer shows
    // its window normally and takes the focus, which is style 1.
    std::string path = program.string();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        ::access(path.c_str(), X_OK) != 0) {
      return 0;
    }
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return 0;
    FileDescriptor readEnd(pipeFds[0]);
    FileDescriptor writeEnd(pipeFds[1]);
    char* argv[] = {path.data(), nullptr};

    // Twice forked, so that the program is nobody's child here and leaves
    // no zombie behind when it ends; the middle process reports the
    // program's id, or why exec failed, through the close-on-exec pipe,
    // whose end of file also says that exec has happened.
    const pid_t middle = ::fork();
    if (middle < 0) return 0;
    if (middle == 0) {
      ::setsid();
      const pid_t started = ::fork();
      if (started < 0) ::_exit(1);
      if (started == 0) {
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGPIPE, SIG_DFL);
        ::execv(argv[0], argv);
        WriteRecord(pipeFds[1], 'E', errno);
        ::_exit(127);
      }
      WriteRecord(pipeFds[1], 'P', static_cast<int32_t>(started));
      ::_exit(0);
    }
    writeEnd.Reset();
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }

    std::vector<char> bytes;
    char buffer[64];
    for (;;) {
      const ssize_t n = ::read(readEnd.get(), buffer, sizeof(buffer));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      bytes.insert(bytes.end(), buffer, buffer + n);
    }
    int32_t started = 0;
    for (std::size_t at = 0; at + sizeof(StartRecord) <= bytes.size(); at += sizeof(StartRecord)) {
      StartRecord record;
      std::memcpy(&record, bytes.data() + at, sizeof(record));
      if (record.kind == 'E') return 0;
      if (record.kind == 'P') started = record.value;
    }
    return started;
  }

  bool ActivateTask(int32_t taskId) override {
    FileDescriptor socket(ConnectToTask(taskId));
    if (socket.get() < 0) return false;
    if (!SendAll(socket.get(), std::string(kTaskRequestActivate) + "\n")) return false;
    if (!ReadsOk(socket.get())) return false;
    activeTask_ = taskId;
    return true;
  }

  bool SendKeys(const std::string& keys) override {
    if (!ParseKeySequence(keys) || keys.find('\n') != std::string::npos) return false;
    FileDescriptor socket(ConnectToTask(activeTask_));
    if (socket.get() < 0) return false;
    return SendAll(socket.get(), kTaskRequestKeysPrefix + keys + "\n");
  }

 private:
  // The task whose window was activated last: the active window that keys
  // go to.
  int32_t activeTask_ = 0;
};

}  // namespace

std::string TaskSocketPath(int64_t pid) {
  std::string folder = "/tmp";
  if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp) folder = tmp;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  const std::string name =
      "/tracciati-task-" + std::to_string(::getuid()) + "-" + std::to_string(pid) + ".sock";
  // A socket path has a small fixed limit; a deep temporary folder falls
  // back to /tmp.
  if (folder.size() + name.size() >= sizeof(sockaddr_un{}.sun_path)) folder = "/tmp";
  return folder + name;
}

std::unique_ptr<TaskControl> MakeHostTaskControl() {
  return std::make_unique<PortableTaskControl>();
}
