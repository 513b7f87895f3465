// Stands in for the system's url.dll in the news window's offline test: Wine's own always says
// the machine is online, so the test puts this one in the prefix's system folder for one run.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI InetIsOffline(DWORD) {
  return TRUE;
}
