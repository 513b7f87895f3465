// Keeps Wine's desktop alive for a test run. Wine closes the desktop a second after the last
// program with a window ends, and its explorer.exe holds the test runner's output pipe open
// meanwhile, so every test program would cost a second more. This one owns a hidden window and
// waits until the wineserver is stopped. Once its window exists (and with it the desktop, started
// with this program's output rather than a test's) it creates the file named by its argument.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR readyFile, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"TamsendorDesktopKeeper";
  RegisterClassW(&windowClass);
  CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, instance,
                  nullptr);
  if (readyFile != nullptr && *readyFile != L'\0') {
    const HANDLE ready = CreateFileW(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE)
      CloseHandle(ready);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    DispatchMessageW(&message);
  return 0;
}
