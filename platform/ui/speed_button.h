// A flat speed button: no face of its own, a raised edge while the pointer is over it, a sunken
// edge and the glyph one pixel lower right while it is pressed; the glyph is centred with the
// colour of its bottom-left pixel left out. A click is a press and release inside it, or
// BM_CLICK; neither counts while its form is disabled (a modal box is open).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"
#include "platform/ui/hint.h"

namespace ui {

class TSpeedButton : public TControl {
public:
    TSpeedButton(TForm& owner, int id);

    TBitmap& Glyph() { return glyph_; }
    // The tooltip text, shown on hover when ShowHint is on.
    void SetHint(const std::string& hint);
    void SetShowHint(bool showHint);
    void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void Click();

    void Paint(HDC dc) const override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool AcceptsInput() const;
    bool Contains(LPARAM point) const;
    void OnMouseMove(LPARAM point);
    void OnButtonDown();
    void OnButtonUp(LPARAM point);
    void SetState(bool hovering, bool pressed);
    void UpdateHint();

    TBitmap glyph_;
    std::string hint_;
    bool showHint_ = false;
    std::unique_ptr<Hint> hintWindow_;
    std::function<void()> onClick_;
    bool hovering_ = false;
    bool tracking_ = false;  // the button is held down and the mouse captured
    bool pressed_ = false;   // held down with the pointer inside
};

}  // namespace ui
