// The smallest Win32 window program: one 559 x 475 window titled "Empty Window", shown at once,
// ended by a click into it. The start-up benchmark (scripts/bench-start-up.sh) measures the time
// it takes to show under Wine, as the floor that any windowed program pays.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"EmptyWindow";
  RegisterClassExW(&windowClass);
  // The same outer shape as the program's main window: borderless, 559 x 475.
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"EmptyWindow", L"Empty Window",
                                WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 559, 475, nullptr,
                                nullptr, instance, nullptr);
  if (window == nullptr)
    return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
