// Update runs that reach their entries: waiting for running programs, the order of the
// entries, and the messages after which the run goes on.
#include "installer_test.h"

namespace e2e {
namespace {

using namespace expected;

using Text = std::optional<std::string>;

class UpdateRunTest : public InstallerTest {
protected:
    void ExpectAllRetired() const {
        const IniText manifest = folder.Manifest();
        EXPECT_EQ(Text("0"), manifest.Value("Main", "NbFilesToInstal"));
        for (const char* section : {"File_1", "File_2", "File_3"})
            EXPECT_FALSE(manifest.HasSection(section)) << section << " still listed";
    }
};

TEST_F(UpdateRunTest, WaitsForTheRunningProductThenReplacesIt) {
    folder.PutMainProduct();
    folder.Put("Update\\Pellix.exe", "new Pellix");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "Pellix.exe", FolderNoSlash()));
    const std::string oldProduct = folder.Fingerprint("Pellix.exe");
    const std::string manifest = folder.ManifestBytes();
    Process product = folder.StartProgram("Pellix.exe", 60000);

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(kInformation, dialog.caption);
    EXPECT_EQ(PleaseClose("Pellix.exe"), dialog.text);
    EXPECT_EQ(WaitingFor("Pellix.exe"), windows.StatusText());

    PressOk(dialog);
    WaitForStatusText(windows, StillWaiting("Pellix.exe"), 5000);
    Pause(600);  // several polls: nothing is touched while the product runs
    ASSERT_TRUE(installer.Running());
    EXPECT_EQ(oldProduct, folder.Fingerprint("Pellix.exe"));
    EXPECT_EQ(Text("new Pellix"), folder.Read("Update\\Pellix.exe"));
    EXPECT_EQ(manifest, folder.ManifestBytes());

    product.Kill();
    const DWORD killed = GetTickCount();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    Report("product ended -> installer ended", GetTickCount() - killed);
    EXPECT_EQ(Text("new Pellix"), folder.Read("Pellix.exe"));
    EXPECT_FALSE(folder.Exists("Update\\Pellix.exe"));
    EXPECT_EQ(std::vector<std::string>{"Main"}, folder.Manifest().Sections());
    ExpectAllRetired();
}

TEST_F(UpdateRunTest, HandlesTheLastEntryFirst) {
    folder.PutMainProduct();
    folder.PutReportUpdate();
    folder.Put("Update\\Telvarra.exe", "new Telvarra");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=2"}) +
                         FileSection(1, "Telvarra.exe", folder.Path()) +
                         FileSection(2, "report.dll", folder.At("Modules")) +
                         IniLines({"[Notes]", "Source=update search", "Kept=yes"}));
    Process telvarra = folder.StartProgram("Telvarra.exe", 60000);

    Process installer = folder.StartInstaller();
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(PleaseClose("Telvarra.exe"), dialog.text);
    // Entry 1 waits: entry 2 is already installed and retired.
    EXPECT_EQ(Text("new report"), folder.Read("Modules\\report.dll"));
    EXPECT_FALSE(folder.Exists("Update\\report.dll"));
    const IniText during = folder.Manifest();
    EXPECT_EQ(Text("1"), during.Value("Main", "NbFilesToInstal"));
    EXPECT_TRUE(during.HasSection("File_1"));
    EXPECT_FALSE(during.HasSection("File_2"));

    PressOk(dialog);
    telvarra.Kill();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    EXPECT_EQ(Text("new Telvarra"), folder.Read("Telvarra.exe"));
    const IniText after = folder.Manifest();
    EXPECT_EQ((std::vector<std::string>{"Main", "Notes"}), after.Sections());
    EXPECT_EQ(Text("update search"), after.Value("Notes", "Source"));
    EXPECT_EQ(Text("yes"), after.Value("Notes", "Kept"));
    ExpectAllRetired();
}

TEST_F(UpdateRunTest, InstallsEveryEntryWhenNothingRuns) {
    folder.PutMainProduct();
    folder.MakeFolder("Help");
    folder.Put("Data\\sub\\b.dat", "old b");
    folder.Put("Modules\\report.dll", "old report");
    folder.Put("Update\\help.chm", "new help");
    folder.Put("Update\\sub\\b.dat", "new b");
    folder.Put("Update\\report.dll", "new report");
    // Section and key names in other letter cases; a Name with a folder part; Destination
    // with and without the trailing backslash.
    folder.WriteManifest(
        IniLines({"[main]", "nbfilestoinstal=3"}) + FileSection(1, "help.chm", folder.At("Help\\")) +
        IniLines({"[file_2]", "name=sub\\b.dat", "destination=" + folder.At("Data")}) +
        FileSection(3, "report.dll", folder.At("Modules")) + IniLines({"[Notes]", "Kept=yes"}));

    Process installer = folder.StartInstaller();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kWindowTimeoutMs + kExitTimeoutMs));

    EXPECT_EQ(Text("new help"), folder.Read("Help\\help.chm"));
    EXPECT_EQ(Text("new b"), folder.Read("Data\\sub\\b.dat"));
    EXPECT_EQ(Text("new report"), folder.Read("Modules\\report.dll"));
    for (const char* staged : {"Update\\help.chm", "Update\\sub\\b.dat", "Update\\report.dll"})
        EXPECT_FALSE(folder.Exists(staged)) << staged;
    EXPECT_EQ(Text("yes"), folder.Manifest().Value("Notes", "Kept"));
    ExpectAllRetired();
}

TEST_F(UpdateRunTest, DoesNotWaitForItself) {
    folder.PutMainProduct();
    folder.MakeFolder("Backup");
    folder.Put("Update\\Maj.exe", "new installer");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "Maj.exe", folder.At("Backup")));

    Process installer = folder.StartInstaller();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kWindowTimeoutMs + kExitTimeoutMs));
    EXPECT_EQ(Text("new installer"), folder.Read("Backup\\Maj.exe"));
    ExpectAllRetired();
}

TEST_F(UpdateRunTest, WaitsForALockedTargetToGo) {
    folder.PutMainProduct();
    folder.PutReportUpdate();
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "report.dll", folder.At("Modules\\")));
    // Open without FILE_SHARE_DELETE: the installer cannot delete it.
    Handle lock = folder.Hold("Modules\\report.dll", FILE_SHARE_READ | FILE_SHARE_WRITE);

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(kWarning, dialog.caption);
    EXPECT_EQ(CannotDelete(folder.At("Modules\\report.dll")), dialog.text);
    PressOk(dialog);
    Pause(600);
    ASSERT_TRUE(installer.Running()) << "the run did not wait for the target to go";
    EXPECT_EQ(Removing("report.dll"), windows.StatusText());
    EXPECT_EQ(Text("new report"), folder.Read("Update\\report.dll"));

    lock.Reset();
    ASSERT_TRUE(DeleteFileA(folder.At("Modules\\report.dll").c_str()));
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    EXPECT_EQ(Text("new report"), folder.Read("Modules\\report.dll"));
    EXPECT_FALSE(folder.Exists("Update\\report.dll"));
    ExpectAllRetired();
}

// Entry 2 meets a message; entry 1 (help.chm) is installed afterwards all the same.
struct GoOnCase {
    const char* name;
    void (*arrange)(const ProductFolder&);  // writes File_2 and what it needs
    const std::string* caption;
    std::string (*text)(const ProductFolder&);
    void (*check)(const ProductFolder&);  // what entry 2 left behind
};

const GoOnCase kGoOnCases[] = {
    {"StagedFileMissing",
     [](const ProductFolder& f) {
         f.Put("Modules\\report.dll", "old report");
         f.Put("Maj.ini", f.ManifestBytes() + FileSection(2, "report.dll", f.At("Modules")));
     },
     &kWarning, [](const ProductFolder& f) { return StagedFileMissing(f.At("Update\\report.dll")); },
     [](const ProductFolder& f) {
         EXPECT_EQ(Text("old report"), f.Read("Modules\\report.dll"));
     }},
    {"WildcardNameIsNoFile",
     [](const ProductFolder& f) {
         f.MakeFolder("Modules");
         f.Put("Update\\report.dll", "new report");
         f.Put("Maj.ini", f.ManifestBytes() + FileSection(2, "*.dll", f.At("Modules")));
     },
     &kWarning, [](const ProductFolder& f) { return StagedFileMissing(f.At("Update\\*.dll")); },
     [](const ProductFolder& f) {
         EXPECT_EQ(Text("new report"), f.Read("Update\\report.dll"));
         EXPECT_FALSE(f.Exists("Modules\\report.dll"));
     }},
    {"DestinationFolderMissing",
     [](const ProductFolder& f) {
         f.Put("Update\\report.dll", "new report");
         f.Put("Maj.ini", f.ManifestBytes() + FileSection(2, "report.dll", f.At("Missing")));
     },
     &kError,
     [](const ProductFolder& f) {
         return CannotCopy(f.At("Update\\report.dll"), f.At("Missing\\report.dll"));
     },
     [](const ProductFolder& f) {
         EXPECT_EQ(Text("new report"), f.Read("Update\\report.dll"));
         EXPECT_FALSE(f.Exists("Missing"));
     }},
};

class GoOnTest : public UpdateRunTest, public testing::WithParamInterface<GoOnCase> {};

TEST_P(GoOnTest, RetiresTheEntryAndGoesOn) {
    const GoOnCase& c = GetParam();
    folder.PutMainProduct();
    folder.MakeFolder("Help");
    folder.Put("Update\\help.chm", "new help");
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=2"}) +
                         FileSection(1, "help.chm", folder.At("Help")));
    c.arrange(folder);

    Process installer = folder.StartInstaller();
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(*c.caption, dialog.caption);
    EXPECT_EQ(c.text(folder), dialog.text);
    EXPECT_FALSE(folder.Exists("Help\\help.chm")) << "entry 1 was handled before entry 2";
    PressOk(dialog);
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));

    c.check(folder);
    EXPECT_EQ(Text("new help"), folder.Read("Help\\help.chm"));
    ExpectAllRetired();
}

INSTANTIATE_TEST_SUITE_P(Cases, GoOnTest, testing::ValuesIn(kGoOnCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
