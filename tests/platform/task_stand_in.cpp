// A Win32 program that stands in for the viewer: one top-level window that
// records in "<program>.log" when it is made active and every key that
// reaches it. It closes itself after a minute, so that nothing outlives a test.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_log;

void Record(const std::string& line) {
  if (FILE* f = _wfopen(g_log.c_str(), L"ab")) {
    std::fputs((line + "\n").c_str(), f);
    std::fclose(f);
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE) Record("ACTIVE");
      break;
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
      if (w != VK_MENU) Record((message == WM_SYSKEYDOWN ? "ALT " : "KEY ") + std::string(1, char(w)));
      break;
    case WM_TIMER:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  g_log = std::wstring(self) + L".log";
  WNDCLASSW type = {};
  type.lpfnWndProc = Procedure;
  type.hInstance = instance;
  type.lpszClassName = L"TaskStandIn";
  RegisterClassW(&type);
  HWND window = CreateWindowW(L"TaskStandIn", L"stand-in", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  SetTimer(window, 1, 60000, nullptr);
  Record("READY");
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
