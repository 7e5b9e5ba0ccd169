// The Windows entry point: the process heap and the Win32 windowing layer.
#include <windows.h>

#include "app/lifecycle.h"
#include "ui/win32/process_heap.h"
#include "ui/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  veskaro::win32::ProcessHeap heap;
  veskaro::win32::Win32Platform platform(instance);
  const int code = veskaro::RunProgram(platform, heap);
  platform.ExitProcess(code);
}
