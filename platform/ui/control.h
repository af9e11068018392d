// A visual component of a form, as a real child window whose window text is its caption.
// It paints double-buffered over what lies under it (the form's colour and the components
// below it), so components look transparent wherever they draw nothing.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ui/window.h"

namespace ui {

class TForm;

enum TAlign { alNone, alClient };

class TControl : public Window {
public:
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Puts the component above the form's other components.
    void BringToFront();
    void Invalidate();

    // Draws the component itself at the origin of `dc`; what lies under it is already there.
    virtual void Paint(HDC dc) const = 0;

protected:
    TControl(TForm& owner, const char* className, int id);

    TForm& Owner() const { return owner_; }
    virtual void CaptionChanged() { Invalidate(); }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBuffered();

    TForm& owner_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    std::string caption_;
};

}  // namespace ui
