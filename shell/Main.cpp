#include "shell/Main.h"

#include <objbase.h>

#include "install/update_run.h"
#include "platform/kernel32/installer_identity.h"
#include "platform/kernel32/tinifile.h"
#include "platform/kernel32/toolhelp_process_list.h"
#include "platform/kernel32/win32_clock.h"
#include "platform/kernel32/win32_file_system.h"
#include "platform/ui/application.h"
#include "shell/FormRunWindow.h"

TFMain* FMain = nullptr;

namespace {

// The module's initialisation and finalisation: COM for the thread, single-threaded apartment,
// for the life of the program. application.h is included above, so the application object is
// constructed before this one and outlives it.
class ModuleCom {
public:
    ModuleCom() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ModuleCom() {
        if (initialized_) CoUninitialize();
    }
    ModuleCom(const ModuleCom&) = delete;
    ModuleCom& operator=(const ModuleCom&) = delete;

private:
    const bool initialized_;
};
const ModuleCom moduleCom;

constexpr COLORREF kTextColour = RGB(16, 73, 101);  // 6637840

ui::TFormDesign MainDesign() {
    ui::TFormDesign d;
    d.className = "TFMain";
    d.caption = "Korvane - mise à jour de Telvarra";
    d.clientWidth = 630;
    d.clientHeight = 177;
    d.position = ui::poScreenCenter;
    d.stayOnTop = true;
    d.colour = ui::clLime;
    d.transparentColor = true;
    d.transparentColorValue = ui::clLime;
    d.cursor = ui::crHourGlass;
    d.font = {"MS Sans Serif", -11, false, DEFAULT_CHARSET, GetSysColor(COLOR_WINDOWTEXT)};
    d.visible = true;
    return d;
}

ui::TFont ArialFont(bool bold) { return {"Arial", -15, bold, ANSI_CHARSET, kTextColour}; }

}  // namespace

TFMain::TFMain()
    : TForm(MainDesign()),
      Label1(*this, 101),
      Image1(*this, 100),
      lProgramme(*this, 102),
      SpeedButton1(*this, 103) {
    LoadLayout();
}

void TFMain::LoadLayout() {
    // The banner is 627 x 172 and lime outside its rounded shape, like the strips it leaves
    // uncovered, so the window takes the banner's shape.
    Image1.SetBounds(0, 0, 630, 177);
    Image1.SetAlign(ui::alClient);
    Image1.Picture().LoadFromResourceName("BANNER");
    Image1.SetTransparent(true);

    Label1.SetBounds(256, 90, 209, 18);
    Label1.SetFont(ArialFont(true));
    Label1.SetCaption("Mise à jour des composants...");

    lProgramme.SetVisible(false);
    lProgramme.SetBounds(256, 110, 104, 17);
    lProgramme.SetFont(ArialFont(false));
    lProgramme.SetCaption("Installation de ...");

    SpeedButton1.SetBounds(560, 1, 23, 22);
    SpeedButton1.Glyph().LoadFromResourceName("CLOSEGLYPH");
    SpeedButton1.SetHint("Fermer le programme");
    SpeedButton1.SetShowHint(true);
    SpeedButton1.SetOnClick([this] { SpeedButton1Click(); });

    // From the bottom up.
    Image1.BringToFront();
    Label1.BringToFront();
    lProgramme.BringToFront();
    SpeedButton1.BringToFront();

    Timer1.SetInterval(1000);
    Timer1.SetOnTimer([this] { Timer1Timer(); });
    Timer1.SetEnabled(true);
    TmrClose.SetInterval(500);
    TmrClose.SetOnTimer([this] { TmrCloseTimer(); });
    TmrClose.SetEnabled(false);

    SetOnCreate([this] { FormCreate(); });
}

void TFMain::FormCreate() { Label1.SetCaption("Mise à jour des composants..."); }

void TFMain::Timer1Timer() {
    FormRunWindow window(*this);
    kernel32::Win32FileSystem files;
    kernel32::Win32Clock clock;
    kernel32::ToolhelpProcessList processes;
    kernel32::TIniFileFactory manifests;
    install::RunUpdate({window, files, clock, processes, manifests},
                       kernel32::CurrentInstallerIdentity());
}

void TFMain::TmrCloseTimer() { Close(); }

void TFMain::SpeedButton1Click() { Close(); }
