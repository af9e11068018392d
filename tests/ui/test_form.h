// A visible stay-on-top form for the tests, layered with a lime colour key and centred on the
// screen like the status window, so that message boxes open over it.
#pragma once

#include "platform/ui/form.h"

namespace uitest {

inline ui::TFormDesign TestDesign() {
    ui::TFormDesign d;
    d.className = "TTestForm";
    d.caption = "Essai";
    d.clientWidth = 630;
    d.clientHeight = 177;
    d.position = ui::poScreenCenter;
    d.stayOnTop = true;
    d.colour = ui::clLime;
    d.transparentColor = true;
    d.transparentColorValue = ui::clLime;
    d.cursor = ui::crHourGlass;
    d.visible = true;
    return d;
}

class TestForm : public ui::TForm {
public:
    TestForm() : TForm(TestDesign()) { Show(); }
};

}  // namespace uitest
