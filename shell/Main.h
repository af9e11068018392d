// Module Main: the status window, a borderless always-on-top banner with a headline, a status
// line and a close button, which owns the timers that start the update run and close the
// program after a failed precondition.
#pragma once

#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/timer.h"

class TFMain : public ui::TForm {
public:
    // Loads the layout: the components' settings and handlers (which starts Timer1).
    TFMain();

    ui::TLabel Label1;
    ui::TImage Image1;
    ui::TTimer Timer1;
    ui::TLabel lProgramme;
    ui::TTimer TmrClose;
    ui::TSpeedButton SpeedButton1;

    void FormCreate();
    void Timer1Timer();
    void TmrCloseTimer();
    void SpeedButton1Click();

private:
    void LoadLayout();
};

extern TFMain* FMain;
