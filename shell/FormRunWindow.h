// The status window and the message loop as the update run sees them.
#pragma once

#include "install/run_window.h"

class TFMain;

class FormRunWindow : public install::RunWindow {
public:
    explicit FormRunWindow(TFMain& form) : form_(form) {}

    void DisableStartTimer() override;
    void SetStatusText(const std::string& text) override;
    void ShowStatus() override;
    void EnableCloseTimer() override;
    void Close() override;
    void ProcessMessages() override;
    void ShowMessage(install::MessageKind kind, const std::string& text) override;
    bool EndRequested() override;

private:
    TFMain& form_;
};
