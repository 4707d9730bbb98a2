// The task layer on Windows: CreateProcess starts the program, its task
// identifier is the process identifier, and the process's top-level window
// is found by enumerating the desktop's windows.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "platform/key_sequence.h"
#include "platform/task_control.h"

namespace {

// How long a start waits for the program to be ready for input, so that a
// preview right after the start finds its window.
constexpr DWORD kInputIdleTimeoutMs = 10000;

WORD ShowCommandOf(int16_t windowStyle) {
  switch (windowStyle) {
    case kWindowHide:
      return SW_HIDE;
    case kWindowMinimizedFocus:
      return SW_SHOWMINIMIZED;
    case kWindowMaximizedFocus:
      return SW_SHOWMAXIMIZED;
    case kWindowNormalNoFocus:
      return SW_SHOWNOACTIVATE;
    case kWindowMinimizedNoFocus:
      return SW_SHOWMINNOACTIVE;
    default:
      return SW_SHOWNORMAL;
  }
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindTopLevelWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) ||
      GetWindow(window, GW_OWNER) != nullptr) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

WORD VirtualKeyOf(KeyName name) {
  switch (name) {
    case KeyName::Shift:
      return VK_SHIFT;
    case KeyName::Control:
      return VK_CONTROL;
    case KeyName::Alt:
      return VK_MENU;
    case KeyName::Enter:
      return VK_RETURN;
    case KeyName::Tab:
      return VK_TAB;
    case KeyName::Escape:
      return VK_ESCAPE;
    case KeyName::Backspace:
      return VK_BACK;
    case KeyName::Delete:
      return VK_DELETE;
    case KeyName::Insert:
      return VK_INSERT;
    case KeyName::Home:
      return VK_HOME;
    case KeyName::End:
      return VK_END;
    case KeyName::PageUp:
      return VK_PRIOR;
    case KeyName::PageDown:
      return VK_NEXT;
    case KeyName::Left:
      return VK_LEFT;
    case KeyName::Right:
      return VK_RIGHT;
    case KeyName::Up:
      return VK_UP;
    case KeyName::Down:
      return VK_DOWN;
    case KeyName::Character:
      return 0;
    default:
      return static_cast<WORD>(VK_F1 + (static_cast<int>(name) - static_cast<int>(KeyName::F1)));
  }
}

INPUT KeyInput(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  return input;
}

// A character through the key that types it on the user's keyboard layout
// (so that Alt with it reaches menu mnemonics), with Shift when that key
// needs it; a character without a key goes as a Unicode character.
void AppendCharacter(std::vector<INPUT>& inputs, char32_t ch, bool down) {
  const SHORT scan = ch <= 0xFFFF ? VkKeyScanW(static_cast<WCHAR>(ch)) : -1;
  if (scan == -1) {
    if (ch > 0xFFFF) return;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(ch);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    inputs.push_back(input);
    return;
  }
  const bool shift = (scan & 0x100) != 0;
  if (shift && down) inputs.push_back(KeyInput(VK_SHIFT, true));
  inputs.push_back(KeyInput(static_cast<WORD>(scan & 0xFF), down));
  if (shift && !down) inputs.push_back(KeyInput(VK_SHIFT, false));
}

class Win32TaskControl : public TaskControl {
 public:
  int32_t StartProgram(const std::filesystem::path& program, int16_t windowStyle) override {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowCommandOf(windowStyle);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
      return 0;
    }
    WaitForInputIdle(process.hProcess, kInputIdleTimeoutMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int32_t>(process.dwProcessId);
  }

  bool ActivateTask(int32_t taskId) override {
    if (taskId <= 0) return false;
    WindowSearch search{static_cast<DWORD>(taskId), nullptr};
    EnumWindows(FindTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return false;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    // Windows may refuse the foreground to a process that is not in it; the
    // window then flashes in the task bar, and the task is still there.
    SetForegroundWindow(search.found);
    return true;
  }

  bool SendKeys(const std::string& keys) override {
    const auto actions = ParseKeySequence(keys);
    if (!actions) return false;
    std::vector<INPUT> inputs;
    for (const KeyAction& action : *actions) {
      if (action.name == KeyName::Character) {
        AppendCharacter(inputs, action.character, action.down);
      } else {
        inputs.push_back(KeyInput(VirtualKeyOf(action.name), action.down));
      }
    }
    if (inputs.empty()) return true;
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
  }
};

}  // namespace

std::unique_ptr<TaskControl> MakeHostTaskControl() { return std::make_unique<Win32TaskControl>(); }
