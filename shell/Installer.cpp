// The program's entry: start-up in the platform's order, the message loop, exit code 0.
#include <windows.h>

#include <exception>

#include "platform/ui/application.h"
#include "platform/ui/screen.h"
#include "shell/Main.h"

// Command-line arguments are ignored.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        ui::Screen.SetCursor(ui::crHourGlass);
        ui::Application.Initialize();
        ui::Application.SetTitle("Korvane - Installeur des mises à jour");
        ui::Application.CreateForm(FMain);
        ui::Screen.SetCursor(ui::crDefault);
        ui::Application.Run();
    } catch (...) {
        // Only start-up can get here (handlers report their own errors); the user is told, and
        // the exit code stays 0.
        ui::Application.HandleException(std::current_exception());
    }
    return 0;
}
