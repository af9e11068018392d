#include "platform/ui/dialogs.h"

#include <windows.h>

#include "platform/ui/application.h"
#include "platform/ui/modal_box.h"

namespace ui {
namespace {

struct Kind {
    const char* caption;
    UINT icon;
};

Kind KindOf(TMsgDlgType type) {
    switch (type) {
        case mtWarning: return {"Avertissement", MB_ICONEXCLAMATION};
        case mtError: return {"Erreur", MB_ICONSTOP};
        case mtInformation: return {"Information", MB_ICONINFORMATION};
    }
    return {"", 0};
}

}  // namespace

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgBtn, int) {
    const Kind kind = KindOf(type);
    ShowModalBox(Application.Handle(), message, kind.caption, MB_OK | kind.icon,
                 Application.Terminated() ? BoxEnd::CloseAtOnce : BoxEnd::WaitForOk);
    return mrOk;
}

}  // namespace ui
