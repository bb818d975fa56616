#include <windows.h>

#include "filer/win32/filer_app_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qd::Win32Startup startup;
  qd::RunFiler(startup);
  return 0;
}
