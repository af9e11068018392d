// Message dialogs and the application-level error box, inspected from a timer of this thread
// while they are open (their modal loop dispatches it), then closed with OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/timer.h"
#include "test_form.h"

namespace {

using uitest::TestForm;

std::string ClassOf(HWND w) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

std::string TextOf(HWND w) {
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

BOOL CALLBACK FindVisibleDialog(HWND w, LPARAM result) {
    if (!IsWindowVisible(w) || ClassOf(w) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(result) = w;
    return FALSE;
}

HWND FindOpenBox() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

bool IsTopmost(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// What an open box showed, and the state of the test form meanwhile.
struct SeenBox {
    std::string caption;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool centred = false;
    bool aboveForm = false;
    bool formTopmost = true;
    bool formEnabled = true;
};

SeenBox Inspect(HWND box, HWND form) {
    SeenBox seen;
    seen.caption = TextOf(box);
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (ClassOf(c) != "Static") continue;
        if ((GetWindowLongPtrA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
        } else if (!TextOf(c).empty()) {
            seen.text = TextOf(c);
        }
    }
    seen.owner = GetWindow(box, GW_OWNER);
    RECT r{};
    GetWindowRect(box, &r);
    seen.centred =
        std::abs(r.left - (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2) <= 1 &&
        std::abs(r.top - (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2) <= 1;
    seen.aboveForm = IsAbove(box, form);
    seen.formTopmost = IsTopmost(form);
    seen.formEnabled = IsWindowEnabled(form) != FALSE;
    return seen;
}

// Looks for an open box on every tick. A box that stays open is recorded once it has been open
// for a few ticks (so that what the window system does after opening it has happened), then OK
// is pressed.
class BoxWatcher {
public:
    explicit BoxWatcher(HWND form) : form_(form) {
        timer_.SetInterval(30);
        timer_.SetOnTimer([this] { Tick(); });
        timer_.SetEnabled(true);
    }
    const std::optional<SeenBox>& Seen() const { return seen_; }

private:
    void Tick() {
        const HWND box = FindOpenBox();
        if (!box) return;
        if (++ticksOpen_ < 4) return;
        if (!seen_) seen_ = Inspect(box, form_);
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }

    HWND form_;
    int ticksOpen_ = 0;
    ui::TTimer timer_;
    std::optional<SeenBox> seen_;
};

TEST(MessageDlg, EachKindShowsItsCaptionIconAndTextCentredAboveTheDisabledForm) {
    const struct {
        ui::TMsgDlgType type;
        const char* caption;
        LPCSTR icon;
    } kinds[] = {
        {ui::mtWarning, "Avertissement", IDI_EXCLAMATION},
        {ui::mtInformation, "Information", IDI_ASTERISK},
        {ui::mtError, "Erreur", IDI_HAND},
    };
    TestForm form;
    ui::TSpeedButton button(form, 103);  // its hint is a window of its own, always on top
    button.SetBounds(200, 1, 23, 22);
    button.SetHint("Fermer le programme");
    button.SetShowHint(true);
    ASSERT_TRUE(IsTopmost(form.Handle()));
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.caption);
        BoxWatcher watcher(form.Handle());
        EXPECT_EQ(ui::mrOk, ui::MessageDlg("Veuillez r\xE9" "essayer\rplus tard", kind.type, ui::mbOK));
        ASSERT_TRUE(watcher.Seen());
        const SeenBox& seen = *watcher.Seen();
        EXPECT_EQ(kind.caption, seen.caption);
        EXPECT_EQ("Veuillez r\xE9" "essayer\rplus tard", seen.text);
        EXPECT_EQ(LoadIcon(nullptr, kind.icon), seen.icon);
        EXPECT_EQ(ui::Application.Handle(), seen.owner);
        EXPECT_TRUE(seen.centred);
        EXPECT_TRUE(seen.aboveForm);
        EXPECT_FALSE(seen.formTopmost) << "the form kept its always-on-top place";
        EXPECT_FALSE(seen.formEnabled) << "the form stayed usable under a modal box";

        EXPECT_TRUE(IsTopmost(form.Handle())) << "always on top again after the box";
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    }
}

// Leaves the application terminated, so main registers it after all the others.
class AfterTheEndIsRequested : public testing::Test {
public:
    void TestBody() override;
};

void AfterTheEndIsRequested::TestBody() {
    TestForm form;
    ui::TTimer failing;
    failing.SetInterval(10);
    failing.SetOnTimer([&failing] {
        failing.SetEnabled(false);
        ui::Application.Terminate();  // as the run does before its error goes on
        throw std::runtime_error("Impossible d'\xE9" "crire dans C:\\Apps\\Maj.ini");
    });
    failing.SetEnabled(true);
    {
        BoxWatcher watcher(form.Handle());
        while (!ui::Application.Terminated()) {
            ui::Application.ProcessMessages();
            if (!ui::Application.Terminated()) WaitMessage();
        }
        ASSERT_TRUE(watcher.Seen()) << "the error box did not wait for OK";
        const SeenBox& seen = *watcher.Seen();
        EXPECT_EQ(ui::Application.Title(), seen.caption);
        EXPECT_EQ("Impossible d'\xE9" "crire dans C:\\Apps\\Maj.ini.", seen.text);
        EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), seen.icon);
        EXPECT_EQ(ui::Application.Handle(), seen.owner);
        EXPECT_TRUE(seen.aboveForm);
        EXPECT_FALSE(seen.formTopmost);
    }

    BoxWatcher watcher(form.Handle());
    ui::MessageDlg("Aucune mise \xE0 jour \xE0 effectuer.", ui::mtInformation, ui::mbOK);
    EXPECT_FALSE(watcher.Seen()) << "a dialog waited although the end was requested";
}

}  // namespace

void RegisterTestsThatEndTheApplication() {
    // GoogleTest takes ownership of the test object it is handed.
    testing::RegisterTest("AfterTheEndIsRequested",
                          "TheErrorBoxWaitsForOkAndLaterDialogsCloseByThemselves", nullptr, nullptr,
                          __FILE__, __LINE__, []() -> testing::Test* {
                              return std::make_unique<AfterTheEndIsRequested>().release();
                          });
}
