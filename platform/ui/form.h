// A form: a top-level pop-up owned by the application window, without border or caption,
// holding components as child windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/screen.h"
#include "platform/ui/window.h"

namespace ui {

class TControl;

inline constexpr COLORREF clLime = RGB(0, 255, 0);

enum TPosition { poDesigned, poScreenCenter };

// The settings a form is created with (its layout's own part).
struct TFormDesign {
    const char* className = nullptr;
    std::string caption;
    int left = 0, top = 0;  // used with poDesigned only
    int clientWidth = 0, clientHeight = 0;
    TPosition position = poDesigned;
    bool stayOnTop = false;
    COLORREF colour = GetSysColor(COLOR_BTNFACE);
    // A layered window in which the pixels of this colour are see-through (and let clicks pass).
    bool transparentColor = false;
    COLORREF transparentColorValue = 0;
    TCursor cursor = crDefault;
    TFont font;
    bool visible = false;
};

class TForm : public Window {
public:
    explicit TForm(const TFormDesign& design);
    ~TForm() override;

    const TFormDesign& Design() const { return design_; }
    const TFont& Font() const { return design_.font; }
    int ClientWidth() const;
    int ClientHeight() const;

    // Shows the form; the first time, it is placed as its position setting says.
    void Show();
    void Hide();
    void Maximize();
    bool Visible() const;
    // The main form ends the program (the application terminates); any other form hides.
    void Close();

    void SetOnCreate(std::function<void()> handler) { onCreate_ = std::move(handler); }
    // The creation handler, once the layout is loaded.
    void DoCreate();

    // What lies under a component: the form's colour and the visible components below it.
    void PaintUnder(const TControl& control, HDC dc) const;
    void AddControl(TControl& control);
    void RemoveControl(TControl& control);
    // Sizes the client-aligned components to the client area.
    void Realign();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool SetCursorForForm();
    void PlaceForFirstShow();

    TFormDesign design_;
    BrushHandle background_;
    std::vector<TControl*> controls_;
    std::function<void()> onCreate_;
    bool shownBefore_ = false;
};

}  // namespace ui
