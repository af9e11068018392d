// The status window as the window system sees it: styles, owner, size, place, children,
// its always-on-top place around a dialog, and the see-through lime parts on screen.
#include "installer_test.h"

#include <cstdlib>

namespace e2e {
namespace {

using namespace expected;

constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kBackdrop = RGB(255, 0, 255);

// Position of a child in its parent's client area, and its size.
RECT ChildRect(HWND parent, HWND child) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// True when `upper` comes before `lower` in the top-level Z order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

bool IsTopmost(HWND window) { return (ExStyle(window) & WS_EX_TOPMOST) != 0; }

class StatusWindowTest : public InstallerTest {
protected:
    // A run that waits for a running Telvarra.exe, so the window stays up as long as needed.
    void ArrangeWaitingRun() {
        folder.PutMainProduct();
        folder.Put("Update\\Telvarra.exe", "new Telvarra");
        folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                             FileSection(1, "Telvarra.exe", folder.Path()));
        telvarra = folder.StartProgram("Telvarra.exe", 60000);
    }

    std::optional<Process> telvarra;
};

TEST_F(StatusWindowTest, IsABorderlessTopmostColourKeyedBannerCentredOnTheScreen) {
    ArrangeWaitingRun();
    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const HWND status = windows.status;

    EXPECT_EQ(kTitle, TopLevelText(windows.application));
    EXPECT_EQ(kStatusCaption, TopLevelText(status));
    EXPECT_EQ(windows.application, GetWindow(status, GW_OWNER));

    const LONG_PTR style = Style(status);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(0, style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    const LONG_PTR exStyle = ExStyle(status);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW) << "the banner has no taskbar button of its own";

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(status, &key, &alpha, &flags));
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), flags & (LWA_COLORKEY | LWA_ALPHA));
    EXPECT_EQ(kLime, key);

    const RECT client = ClientRect(status);
    EXPECT_EQ(630, client.right);
    EXPECT_EQ(177, client.bottom);
    const RECT outer = WindowRect(status);
    EXPECT_EQ(630, outer.right - outer.left) << "no border";
    EXPECT_EQ(177, outer.bottom - outer.top) << "no border";
    EXPECT_LE(std::abs(outer.left - (GetSystemMetrics(SM_CXSCREEN) - 630) / 2), 1);
    EXPECT_LE(std::abs(outer.top - (GetSystemMetrics(SM_CYSCREEN) - 177) / 2), 1);

    struct Child {
        int id;
        const char* className;
        RECT rect;  // right and bottom -1: the size follows the text
    };
    const Child children[] = {
        {100, "TImage", {0, 0, 630, 177}},
        {101, "TLabel", {256, 90, -1, -1}},
        {102, "TLabel", {256, 110, -1, -1}},
        {103, "TSpeedButton", {560, 1, 583, 23}},
    };
    for (const Child& c : children) {
        SCOPED_TRACE("child id " + std::to_string(c.id));
        const HWND child = ChildById(status, c.id);
        EXPECT_EQ(c.className, ClassName(child));
        const RECT r = ChildRect(status, child);
        EXPECT_EQ(c.rect.left, r.left);
        EXPECT_EQ(c.rect.top, r.top);
        if (c.rect.right >= 0) {
            EXPECT_EQ(c.rect.right, r.right);
            EXPECT_EQ(c.rect.bottom, r.bottom);
        }
    }
    EXPECT_EQ(kHeadline, ControlText(ChildById(status, 101)));
    EXPECT_FALSE(IsWindowVisible(windows.StatusLine())) << "shown before the run started";

    // While a message is open the banner gives up its topmost place; afterwards it takes
    // it back.
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_TRUE(IsWindowVisible(windows.StatusLine()));
    EXPECT_TRUE(IsAbove(dialog.window, status)) << "the message is hidden by the banner";
    EXPECT_FALSE(IsTopmost(status)) << "still topmost while a message is open";
    const RECT box = WindowRect(dialog.window);
    EXPECT_LE(std::abs(box.left - (GetSystemMetrics(SM_CXSCREEN) - (box.right - box.left)) / 2), 2)
        << "message not centred on the screen";
    EXPECT_LE(std::abs(box.top - (GetSystemMetrics(SM_CYSCREEN) - (box.bottom - box.top)) / 2), 2)
        << "message not centred on the screen";

    PressOk(dialog);
    WaitUntil([&] { return IsTopmost(status); }, 3000, "the banner topmost again after OK");
    EXPECT_TRUE(installer.Running());
    telvarra->Kill();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
}

TEST_F(StatusWindowTest, LimePartsShowTheScreenBehind) {
    const Backdrop backdrop(kBackdrop);
    ArrangeWaitingRun();
    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    PressOk(dialog);
    // The banner with its status text, no message over it.
    WaitForStatusText(windows, StillWaiting("Telvarra.exe"), 5000);
    Pause(300);

    const RECT w = WindowRect(windows.status);
    auto pixel = [&](int x, int y) { return ScreenPixel({w.left + x, w.top + y}); };
    EXPECT_EQ(kBackdrop, pixel(-3, 88)) << "left of the window: the backdrop itself";
    EXPECT_EQ(kBackdrop, pixel(315, 175)) << "the lime strip below the banner";
    EXPECT_EQ(kBackdrop, pixel(628, 88)) << "the lime strip right of the banner";
    EXPECT_EQ(kBackdrop, pixel(1, 1)) << "the lime corner outside the rounded banner";
    const COLORREF inside = pixel(500, 130);
    EXPECT_NE(kBackdrop, inside) << "the banner does not cover the screen behind";
    EXPECT_NE(kLime, inside) << "lime drawn on screen";

    telvarra->Kill();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
}

}  // namespace
}  // namespace e2e
