// Runs that stop before any entry: a failed precondition (message, then the delayed close)
// or a count that installs nothing (immediate close, no message). Nothing on disk changes.
#include "installer_test.h"

namespace e2e {
namespace {

using namespace expected;

void OneStagedEntry(const ProductFolder& folder) {
    folder.WriteManifest(IniLines({"[Main]", "NbFilesToInstal=1"}) +
                         FileSection(1, "report.dll", folder.At("Modules")));
    folder.PutReportUpdate();
}

struct PreconditionCase {
    const char* name;
    void (*arrange)(const ProductFolder&);
    const std::string* caption;
    std::string (*text)();
};

const PreconditionCase kPreconditionCases[] = {
    {"NoMainProduct", [](const ProductFolder& f) { OneStagedEntry(f); }, &kWarning,
     MainProductMissing},
    {"MainProductIsAFolder",
     [](const ProductFolder& f) {
         f.MakeFolder("Pellix.exe");
         OneStagedEntry(f);
     },
     &kWarning, MainProductMissing},
    {"NoManifest",
     [](const ProductFolder& f) {
         f.PutMainProduct();
         f.Put("Update\\report.dll", "new report");
     },
     &kInformation, NothingToUpdate},
};

class PreconditionTest : public InstallerTest,
                         public testing::WithParamInterface<PreconditionCase> {};

TEST_P(PreconditionTest, ShowsItsMessageThenClosesHalfASecondAfterOk) {
    const PreconditionCase& c = GetParam();
    c.arrange(folder);
    const auto before = folder.Snapshot();

    Process installer = folder.StartInstaller();
    const InstallerWindows windows = WaitForInstallerWindows(installer);
    const Dialog dialog = WaitForDialog(installer, kDialogTimeoutMs);
    EXPECT_EQ(*c.caption, dialog.caption);
    EXPECT_EQ(c.text(), dialog.text);

    // The message holds the program until OK is pressed.
    Pause(1000);
    ASSERT_TRUE(installer.Running()) << "the installer ended without OK";
    ASSERT_TRUE(IsOpen(dialog)) << "the message closed without OK";

    const DWORD pressed = GetTickCount();
    PressOk(dialog);
    WaitUntil([&] { return !IsWindow(windows.status) || !IsWindowVisible(windows.status); },
              5000, "status window gone after OK");
    const DWORD windowGone = GetTickCount() - pressed;
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, 5000));
    Report(std::string(c.name) + ": OK -> window gone", windowGone);
    Report(std::string(c.name) + ": OK -> process ended", GetTickCount() - pressed);

    EXPECT_EQ(before, folder.Snapshot());
}

INSTANTIATE_TEST_SUITE_P(Cases, PreconditionTest, testing::ValuesIn(kPreconditionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CountCase {
    const char* name;
    const char* mainSection;  // the [Main] lines; the manifest also stages one entry
};

const CountCase kCountCases[] = {
    {"NoCountKey", "[Main]\r\nOther=1\r\n"},
    {"Zero", "[Main]\r\nNbFilesToInstal=0\r\n"},
    {"NotANumber", "[Main]\r\nNbFilesToInstal=two\r\n"},
    {"Negative", "[Main]\r\nNbFilesToInstal=-1\r\n"},
};

class CountTest : public InstallerTest, public testing::WithParamInterface<CountCase> {};

TEST_P(CountTest, InstallsNothingAndClosesWithoutAMessage) {
    folder.PutMainProduct();
    folder.WriteManifest(std::string(GetParam().mainSection) +
                         FileSection(1, "report.dll", folder.At("Modules")));
    folder.PutReportUpdate();
    const auto before = folder.Snapshot();

    Process installer = folder.StartInstaller();
    WaitForInstallerWindows(installer);
    const DWORD shown = GetTickCount();
    EXPECT_EQ(0u, WaitForExitWithoutDialog(installer, kExitTimeoutMs));
    Report(std::string(GetParam().name) + ": window shown -> process ended", GetTickCount() - shown);

    EXPECT_EQ(before, folder.Snapshot());
}

INSTANTIATE_TEST_SUITE_P(Cases, CountTest, testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
