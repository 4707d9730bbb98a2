#pragma once

// A started program as the tests see it: waiting for what it does, and off
// Windows asking it over its task socket.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/task_control.h"

// Waits for a condition for at most the given time.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

inline sockaddr_un SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
  return address;
}

// One line read from the socket, without its LF.
inline std::string ReadLine(int fd) {
  std::string line;
  char c;
  while (::read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

// The task's answer to one request line; empty when nobody listens.
inline std::string AskTask(int64_t pid, const std::string& request) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const sockaddr_un address = SocketAddress(TaskSocketPath(pid));
  std::string answer;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
      ::write(fd, (request + "\n").data(), request.size() + 1) > 0) {
    answer = ReadLine(fd);
  }
  ::close(fd);
  return answer;
}
#endif
