// A label: its caption drawn in its font and colour on a transparent background, without
// word wrap; a carriage return breaks the line and "&" marks the accelerator character.
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"

namespace ui {

class TLabel : public TControl {
public:
    TLabel(TForm& owner, int id);

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    // On: the label takes the size of its text (left and top stay) whenever it changes.
    void SetAutoSize(bool autoSize);

    void Paint(HDC dc) const override;

protected:
    void CaptionChanged() override;

private:
    void AdjustBounds();

    TFont font_;
    FontHandle fontHandle_;
    bool autoSize_ = true;
};

}  // namespace ui
