// A manifest that cannot be written: the run stops after the entry in hand, the error box
// captioned with the application title waits for OK, then the program ends.
#include "installer_test.h"

namespace e2e {
namespace {

using namespace expected;

using Text = std::optional<std::string>;

class ManifestWriteTest : public InstallerTest {};

TEST_F(ManifestWriteTest, FailureStopsTheRunAndIsReportedUntilOk) {
    folder.PutMainProduct();
    folder.MakeFolder("Help");
    folder.PutReportUpdate();
    folder.Put("Update\\help.chm", "new help");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=2"}) +
                         FileSection(1, "help.chm", folder.At("Help")) +
                         FileSection(2, "report.dll", folder.At("Modules")));
    const std::string manifest = folder.ManifestBytes();
    // Readable by others, not writable: WritePrivateProfileStringA fails.
    Handle hold = folder.Hold("Maj.ini", FILE_SHARE_READ);

    Process installer = folder.StartInstaller();
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(kTitle, dialog.caption);
    EXPECT_EQ(CannotWrite(folder.ManifestPath()), dialog.text);

    Pause(1000);
    ASSERT_TRUE(installer.Running()) << "the installer ended without OK";
    ASSERT_TRUE(IsOpen(dialog)) << "the error box closed without OK";
    // Entry 2 was handled on disk; entry 1 was not reached.
    EXPECT_EQ(Text("new report"), folder.Read("Modules\\report.dll"));
    EXPECT_FALSE(folder.Exists("Update\\report.dll"));
    EXPECT_EQ(Text("new help"), folder.Read("Update\\help.chm"));
    EXPECT_FALSE(folder.Exists("Help\\help.chm"));

    const DWORD pressed = GetTickCount();
    PressOk(dialog);
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, 5000));
    Report("write error: OK -> process ended", GetTickCount() - pressed);
    EXPECT_FALSE(folder.Exists("Help\\help.chm"));
    hold.Reset();
    EXPECT_EQ(manifest, folder.ManifestBytes()) << "both entries should still be listed";
}

}  // namespace
}  // namespace e2e
