#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// Window styles of a started program.
constexpr int16_t kWindowHide = 0;
constexpr int16_t kWindowNormalFocus = 1;
constexpr int16_t kWindowMinimizedFocus = 2;
constexpr int16_t kWindowMaximizedFocus = 3;
constexpr int16_t kWindowNormalNoFocus = 4;
constexpr int16_t kWindowMinimizedNoFocus = 6;

// Starting another program and driving its window: what the preview needs
// to show a drawing in the viewer and make the viewer reload it later. A task
// is named by the identifier its start returned (the process identifier).
class TaskControl {
 public:
  virtual ~TaskControl() = default;

  // Starts the program at program (a path of this host) with the window
  // style and returns its task identifier, or 0 when it could not be started.
  // Does not wait for the program beyond its start.
  virtual int32_t StartProgram(const std::filesystem::path& program, int16_t windowStyle) = 0;

  // Brings the top-level window of the task to the front and makes it the
  // active window. False when there is no such task or it has no window
  // (never started, or closed since): that is how a closed program is told.
  virtual bool ActivateTask(int32_t taskId) = 0;

  // Sends a key sequence (platform/key_sequence.h) to the active window,
  // without waiting for it to be handled. False when the sequence is not
  // valid or could not be sent.
  virtual bool SendKeys(const std::string& keys) = 0;
};

// The implementation of this host: the Win32 calls on Windows; elsewhere
// our own portable layer, in which the program listens on a local socket
// (TaskSocketPath) that answers activation and takes the keys.
std::unique_ptr<TaskControl> MakeHostTaskControl();

// A suite program path ("...\progra\Ostrel.exe") as the path of the
// executable on this host: the suite path mapped by HostPath, and off
// Windows without its ".exe", the executables there having none.
std::filesystem::path HostProgramPath(const std::string& suiteProgramPath);

#ifndef _WIN32
// The portable layer: the local socket on which the program with process
// identifier pid listens, in the temporary folder. Both ends compute it the
// same way, so the program and the editor that started it agree.
std::string TaskSocketPath(int64_t pid);
#endif

// The lines of the portable layer's conversation: the client sends one
// request line ("KEYS " is followed by the key sequence); the program answers
// "OK" after doing it.
inline constexpr const char* kTaskRequestActivate = "ACTIVATE";
inline constexpr const char* kTaskRequestKeysPrefix = "KEYS ";
// Asks what the program shows; it answers "OK " and a description.
inline constexpr const char* kTaskRequestStatus = "STATUS";
inline constexpr const char* kTaskAnswerOk = "OK";
