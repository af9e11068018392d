#include "shell/FormRunWindow.h"

#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "shell/Main.h"

namespace {

ui::TMsgDlgType DialogType(install::MessageKind kind) {
    switch (kind) {
        case install::MessageKind::Warning: return ui::mtWarning;
        case install::MessageKind::Information: return ui::mtInformation;
        case install::MessageKind::Error: return ui::mtError;
    }
    return ui::mtError;
}

}  // namespace

void FormRunWindow::DisableStartTimer() { form_.Timer1.SetEnabled(false); }

void FormRunWindow::SetStatusText(const std::string& text) { form_.lProgramme.SetCaption(text); }

void FormRunWindow::ShowStatus() { form_.lProgramme.SetVisible(true); }

void FormRunWindow::EnableCloseTimer() { form_.TmrClose.SetEnabled(true); }

void FormRunWindow::Close() { form_.Close(); }

void FormRunWindow::ProcessMessages() { ui::Application.ProcessMessages(); }

void FormRunWindow::ShowMessage(install::MessageKind kind, const std::string& text) {
    ui::MessageDlg(text, DialogType(kind), ui::mbOK, 0);
}

bool FormRunWindow::EndRequested() { return ui::Application.Terminated(); }
