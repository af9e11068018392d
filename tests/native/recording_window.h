// A status window that records what the run asks of it.
#pragma once

#include <string>

#include "install/run_window.h"
#include "journal.h"

namespace install_test {

std::string KindName(install::MessageKind kind);

class RecordingWindow : public install::RunWindow {
public:
    explicit RecordingWindow(Journal& journal) : journal_(journal) {}

    void DisableStartTimer() override { journal_.Record("disable-timer"); }
    void SetStatusText(const std::string& text) override { journal_.Record("status:" + text); }
    void ShowStatus() override { journal_.Record("show-status"); }
    void EnableCloseTimer() override { journal_.Record("close-timer"); }
    void Close() override {
        journal_.Record("close");
        endRequested_ = true;  // closing the main window requests the end of the program
    }
    void ProcessMessages() override { journal_.Record("pump"); }
    void ShowMessage(install::MessageKind kind, const std::string& text) override {
        journal_.Record("message:" + KindName(kind) + ":" + text);
    }
    bool EndRequested() override { return endRequested_; }

    // The user presses the close button (or Close in the taskbar menu).
    void UserCloses() {
        journal_.Record("user:close");
        endRequested_ = true;
    }

private:
    Journal& journal_;
    bool endRequested_ = false;
};

inline std::string KindName(install::MessageKind kind) {
    switch (kind) {
        case install::MessageKind::Warning: return "warning";
        case install::MessageKind::Information: return "information";
        case install::MessageKind::Error: return "error";
    }
    return "unknown";
}

}  // namespace install_test
