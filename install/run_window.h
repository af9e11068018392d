// What the update run needs from its window and the message loop.
#pragma once

#include <string>

namespace install {

enum class MessageKind { Warning, Information, Error };

class RunWindow {
public:
    virtual ~RunWindow() = default;

    virtual void DisableStartTimer() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void ShowStatus() = 0;
    virtual void EnableCloseTimer() = 0;
    // Closes the main window, which requests the end of the program.
    virtual void Close() = 0;
    // Dispatches every pending window message of the thread and returns.
    virtual void ProcessMessages() = 0;
    // Modal, one OK button. Once the end is requested it closes by itself as soon as it opens.
    virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
    // The end of the program was requested (Close, the close button, the taskbar menu).
    virtual bool EndRequested() = 0;
};

}  // namespace install
