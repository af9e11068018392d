// Stand-in for a product program: no window, it just stays running for the number of
// milliseconds given on its command line (or until it is killed), then ends with code 0.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const long ms = std::strtol(commandLine, nullptr, 10);
    if (ms > 0) Sleep(static_cast<DWORD>(ms));
    return 0;
}
