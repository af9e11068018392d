// Ending the program from outside the run: the close button and the Close command of the
// taskbar button's menu, before the run starts and while it waits for a running program or
// for a target it cannot delete.
#include "installer_test.h"

namespace e2e {
namespace {

using namespace expected;

enum class CloseBy { ButtonClick, ButtonBmClick, TaskbarMenu };

void RequestClose(const InstallerWindows& windows, CloseBy how) {
    switch (how) {
        case CloseBy::ButtonClick: Click(windows.CloseButton()); break;
        case CloseBy::ButtonBmClick: PostButtonClick(windows.CloseButton()); break;
        case CloseBy::TaskbarMenu: PostSystemClose(windows.application); break;
    }
}

std::string Name(CloseBy how) {
    switch (how) {
        case CloseBy::ButtonClick: return "ButtonClick";
        case CloseBy::ButtonBmClick: return "ButtonBmClick";
        case CloseBy::TaskbarMenu: return "TaskbarMenu";
    }
    return "?";
}

class CloseTest : public InstallerTest, public testing::WithParamInterface<CloseBy> {};

TEST_P(CloseTest, WithinTheFirstSecondEndsBeforeTheRun) {
    folder.PutMainProduct();
    folder.PutReportUpdate();
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "report.dll", folder.At("Modules")));
    const auto before = folder.Snapshot();

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    ASSERT_FALSE(IsWindowVisible(windows.StatusLine()))
        << "the run had already started: the close came too late for this test";
    const DWORD requested = GetTickCount();
    RequestClose(windows, GetParam());
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    Report(Name(GetParam()) + " before the run -> process ended", GetTickCount() - requested);

    EXPECT_EQ(before, folder.Snapshot());
}

TEST_P(CloseTest, DuringTheWaitForAProgramEndsWithoutWaiting) {
    folder.PutMainProduct();
    folder.MakeFolder("Help");
    folder.Put("Update\\help.chm", "new help");
    folder.Put("Update\\Telvarra.exe", "new Telvarra");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=2"}) +
                         FileSection(1, "help.chm", folder.At("Help")) +
                         FileSection(2, "Telvarra.exe", folder.Path()));
    Process telvarra = folder.StartProgram("Telvarra.exe", 60000);
    const auto before = folder.Snapshot();

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    ASSERT_EQ(PleaseClose("Telvarra.exe"), dialog.text);
    PressOk(dialog);
    WaitForStatusText(windows, StillWaiting("Telvarra.exe"), 5000);

    const DWORD requested = GetTickCount();
    RequestClose(windows, GetParam());
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    Report(Name(GetParam()) + " during the wait -> process ended", GetTickCount() - requested);

    EXPECT_TRUE(telvarra.Running()) << "the stand-in should still run: the installer ended first";
    // The entry in hand and the one below it stay listed; nothing was touched.
    EXPECT_EQ(before, folder.Snapshot());
}

TEST_P(CloseTest, DuringTheWaitForALockedTargetEndsWithoutWaiting) {
    folder.PutMainProduct();
    folder.PutReportUpdate();
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "report.dll", folder.At("Modules")));
    const Handle lock = folder.Hold("Modules\\report.dll", FILE_SHARE_READ | FILE_SHARE_WRITE);
    const auto before = folder.Snapshot();

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    ASSERT_EQ(CannotDelete(folder.At("Modules\\report.dll")), dialog.text);
    PressOk(dialog);
    Pause(400);
    ASSERT_TRUE(installer.Running()) << "the run did not wait for the target to go";

    const DWORD requested = GetTickCount();
    RequestClose(windows, GetParam());
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    Report(Name(GetParam()) + " during the target wait -> process ended",
           GetTickCount() - requested);
    EXPECT_EQ(before, folder.Snapshot());
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseTest,
                         testing::Values(CloseBy::ButtonClick, CloseBy::ButtonBmClick,
                                         CloseBy::TaskbarMenu),
                         [](const auto& info) { return Name(info.param); });

}  // namespace
}  // namespace e2e
