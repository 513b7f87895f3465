#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Korvalin Tamsendor", L"Korvalin Tamsendor", MB_OK);
  return 0;
}
