#include <windows.h>

#include "filer/core/filer_app_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qd::Win32Startup startup;
  qd::RunFiler(startup);
  return 0;
}
