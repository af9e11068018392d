// Components as real child windows of a form in this process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/ui/application.h"
#include "platform/ui/label.h"
#include "platform/ui/speed_button.h"
#include "test_form.h"

namespace {

using uitest::TestForm;

const ui::TFont kArial{"Arial", -15, false, ANSI_CHARSET, RGB(16, 73, 101)};

class LabelTest : public testing::Test {
protected:
    LabelTest() : label(form, 102) {
        label.SetBounds(20, 30, 104, 17);
        label.SetFont(kArial);
    }

    SIZE SizeFor(const std::string& caption) {
        label.SetCaption(caption);
        return {label.Width(), label.Height()};
    }

    TestForm form;
    ui::TLabel label;
};

TEST_F(LabelTest, CaptionIsTheWindowTextByteForByte) {
    label.SetCaption("Suppression de l'ancienne\rversion de Pellix.exe...");
    char text[128] = {};
    GetWindowTextA(label.Handle(), text, sizeof text);
    EXPECT_STREQ("Suppression de l'ancienne\rversion de Pellix.exe...", text);
    label.SetCaption("Mise \xE0 jour");
    GetWindowTextA(label.Handle(), text, sizeof text);
    EXPECT_STREQ("Mise \xE0 jour", text);
}

TEST_F(LabelTest, SizesItselfToItsTextKeepingItsPlace) {
    const SIZE one = SizeFor("Attente de la fermeture");
    const SIZE two = SizeFor("Attente de la fermeture\rde x");
    EXPECT_EQ(2 * one.cy, two.cy) << "a CR must break the line";
    EXPECT_EQ(one.cx, two.cx) << "the wider line sets the width";
    EXPECT_EQ(20, label.Left());
    EXPECT_EQ(30, label.Top());

    RECT r{};
    GetWindowRect(label.Handle(), &r);
    EXPECT_EQ(two.cx, r.right - r.left) << "the child window has the label's size";
    EXPECT_EQ(two.cy, r.bottom - r.top);
}

TEST_F(LabelTest, LongTextStaysOnOneLineAndGrowsRightward) {
    const SIZE one = SizeFor("x");
    const SIZE wide = SizeFor(std::string(200, 'W'));
    EXPECT_EQ(one.cy, wide.cy) << "no word wrap";
    EXPECT_GT(wide.cx, form.ClientWidth());
}

TEST_F(LabelTest, AmpersandIsAnAcceleratorPrefixNotACharacter) {
    EXPECT_EQ(SizeFor("Fichier").cx, SizeFor("&Fichier").cx);
    EXPECT_LT(SizeFor("Fichier").cx, SizeFor("&&Fichier").cx) << "&& shows one &";
}

TEST_F(LabelTest, EmptyTextIsStillOneLineHigh) {
    const SIZE one = SizeFor("x");
    const SIZE empty = SizeFor("");
    EXPECT_EQ(one.cy, empty.cy);
    EXPECT_GT(empty.cx, 0);
}

TEST_F(LabelTest, BecomesVisibleOnlyWhenShown) {
    label.SetVisible(false);
    EXPECT_FALSE(GetWindowLongPtrA(label.Handle(), GWL_STYLE) & WS_VISIBLE);
    label.SetVisible(true);
    EXPECT_TRUE(GetWindowLongPtrA(label.Handle(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(LabelTest, HourglassOverTheFormAndOverItsComponents) {
    ASSERT_EQ(ui::crDefault, ui::Screen.Cursor());
    const HCURSOR hourglass = LoadCursor(nullptr, IDC_WAIT);
    for (HWND over : {form.Handle(), label.Handle()}) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        SendMessageA(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(hourglass, GetCursor()) << (over == form.Handle() ? "over the form" : "over the label");
    }
}

class SpeedButtonTest : public testing::Test {
protected:
    SpeedButtonTest() : button(form, 103) {
        button.SetBounds(200, 1, 23, 22);
        button.SetHint("Fermer le programme");
        button.SetShowHint(true);
        button.SetOnClick([this] { ++clicks; });
    }

    void Press(int x, int y) {
        SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void Release(int x, int y) { SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    TestForm form;
    ui::TSpeedButton button;
    int clicks = 0;
};

TEST_F(SpeedButtonTest, ClicksOnPressAndReleaseInsideOrOnBmClick) {
    Press(10, 10);
    EXPECT_EQ(0, clicks) << "a press alone is no click";
    Release(10, 10);
    EXPECT_EQ(1, clicks);

    Press(10, 10);
    Release(40, 10);  // dragged off before release
    EXPECT_EQ(1, clicks);

    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(2, clicks);
}

TEST_F(SpeedButtonTest, CannotBePressedWhileItsFormIsDisabled) {
    EnableWindow(form.Handle(), FALSE);
    Press(10, 10);
    Release(10, 10);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(0, clicks);
    EnableWindow(form.Handle(), TRUE);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);
}

BOOL CALLBACK FindTooltip(HWND w, LPARAM found) {
    char name[32] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) != TOOLTIPS_CLASSA) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

TEST_F(SpeedButtonTest, HasItsHintInATooltip) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = button.Handle();
    info.uId = reinterpret_cast<UINT_PTR>(button.Handle());
    char text[80] = {};
    info.lpszText = text;
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(nullptr, tooltip);
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("Fermer le programme", text);
}

}  // namespace
