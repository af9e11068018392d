// A program that does nothing until it is killed, so that tests can see a process of a chosen
// file name. Its command line names an event it sets once it runs. A GUI program without a
// window: no console host process comes with it.
#include <windows.h>

#include "platform/kernel32/win_handle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (commandLine[0] != '\0') {
        kernel32::AutoCloseHandle started(::OpenEventA(EVENT_MODIFY_STATE, FALSE, commandLine));
        if (!started || !::SetEvent(started.Get())) return 1;
    }
    ::Sleep(INFINITE);
    return 0;
}
