#include "platform/kernel32/win32_clock.h"

#include <windows.h>

namespace kernel32 {

void Win32Clock::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace kernel32
