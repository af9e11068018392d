// A timer: while enabled, with an interval and a handler, it calls the handler at that interval
// from the message loop. Its system timer lives on a message-only window of its own, so it runs
// from the moment it is set up, whatever window exists.
#pragma once

#include <functional>

#include "platform/ui/window.h"

namespace ui {

class TTimer : private Window {
public:
    TTimer();
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    void SetOnTimer(std::function<void()> handler);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Stops the system timer and starts it again if the timer is to run.
    void UpdateTimer();

    bool enabled_ = false;
    unsigned interval_ = 1000;
    std::function<void()> onTimer_;
};

}  // namespace ui
