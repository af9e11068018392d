// The screen: its size, the program's forms, and the cursor that overrides every window's own.
#pragma once

#include <windows.h>

#include <vector>

namespace ui {

class TForm;

enum TCursor { crDefault = 0, crHourGlass = -11 };

// The system cursor shown for `cursor` (crDefault: the arrow).
HCURSOR CursorHandle(TCursor cursor);

class TScreen {
public:
    TCursor Cursor() const { return cursor_; }
    // Anything but crDefault is shown over all of the program's windows at once; back to
    // crDefault, the window under the pointer chooses its cursor again.
    void SetCursor(TCursor cursor);

    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

    // Every existing form, in order of creation.
    const std::vector<TForm*>& Forms() const { return forms_; }
    void AddForm(TForm& form);
    void RemoveForm(TForm& form);

private:
    TCursor cursor_ = crDefault;
    std::vector<TForm*> forms_;
};

// Inline, so that it is constructed before (and destroyed after) the application object,
// whose forms remove themselves from it.
inline TScreen Screen;

}  // namespace ui
