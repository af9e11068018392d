// The update run end to end over the real kernel32 adapters and a real product folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/update_run.h"
#include "platform/kernel32/tinifile.h"
#include "platform/kernel32/toolhelp_process_list.h"
#include "platform/kernel32/win32_clock.h"
#include "platform/kernel32/win32_file_system.h"
#include "test_files.h"

namespace kernel32_test {
namespace {

// Writes down what the run shows; the end is requested once the window is closed.
class RecordingWindow : public install::RunWindow {
public:
    std::vector<std::string> events;

    void DisableStartTimer() override { events.push_back("disable start timer"); }
    void SetStatusText(const std::string& text) override { events.push_back("status " + text); }
    void ShowStatus() override { events.push_back("show status"); }
    void EnableCloseTimer() override { events.push_back("enable close timer"); }
    void Close() override {
        events.push_back("close");
        closed_ = true;
    }
    void ProcessMessages() override {}
    void ShowMessage(install::MessageKind, const std::string& text) override {
        events.push_back("message " + text);
    }
    bool EndRequested() override { return closed_; }

private:
    bool closed_ = false;
};

// C:\...\App\ with Pellix.exe, Maj.ini beside the installer Maj.exe and two staged files;
// entry 1 goes to Dest1 (named without a trailing backslash), entry 2 to Dest2\.
class UpdateRunTest : public ::testing::Test {
protected:
    TempFolder root;
    const std::string app = root / "App\\";
    const std::string dest1 = root / "Dest1";
    const std::string dest2 = root / "Dest2\\";
    const std::string manifestPath = app + "Maj.ini";
    std::string manifest;

    kernel32::Win32FileSystem files;
    kernel32::Win32Clock clock;
    kernel32::ToolhelpProcessList processes;
    kernel32::TIniFileFactory manifests;
    RecordingWindow window;

    void SetUp() override {
        MakeFolder(app);
        MakeFolder(app + "Update");
        MakeFolder(dest1);
        MakeFolder(dest2);
        WriteFileBytes(app + "Pellix.exe", "product");
        WriteFileBytes(app + "Update\\KvAlpha.dll", "alpha 2");
        WriteFileBytes(app + "Update\\KvBeta.dll", "beta 2");
        WriteFileBytes(dest1 + "\\KvAlpha.dll", "alpha 1");
        WriteFileBytes(dest2 + "KvBeta.dll", "beta 1");
        manifest = "[Main]\r\nNbFilesToInstal=2\r\n"
                   "[File_1]\r\nName=KvAlpha.dll\r\nDestination=" + dest1 + "\r\n"
                   "[Notes]\r\nSource=update search\r\n"
                   "[File_2]\r\nName=KvBeta.dll\r\nDestination=" + dest2 + "\r\n";
        WriteFileBytes(manifestPath, manifest);
    }

    void Run() {
        install::RunUpdate({window, files, clock, processes, manifests},
                           {app + "Maj.exe", ::GetCurrentProcessId()});
    }

    std::vector<std::string> EntryEvents(const std::string& name) const {
        return {"status Suppression de l'ancienne\rversion de " + name + "...",
                "status Installation de la nouvelle\rversion de " + name + "..."};
    }
};

TEST_F(UpdateRunTest, InstallsEveryEntryFromTheLastAndEmptiesTheManifest) {
    Run();

    std::vector<std::string> expected = {"disable start timer", "status ", "show status"};
    for (const char* name : {"KvBeta.dll", "KvAlpha.dll"})
        for (const std::string& event : EntryEvents(name)) expected.push_back(event);
    expected.push_back("close");
    EXPECT_EQ(window.events, expected);

    EXPECT_EQ(ReadFileBytes(dest1 + "\\KvAlpha.dll"), "alpha 2");
    EXPECT_EQ(ReadFileBytes(dest2 + "KvBeta.dll"), "beta 2");
    EXPECT_FALSE(PathExists(app + "Update\\KvAlpha.dll"));
    EXPECT_FALSE(PathExists(app + "Update\\KvBeta.dll"));

    const std::string text = ReadFileBytes(manifestPath);
    EXPECT_NE(text.find("[Main]\r\nNbFilesToInstal=0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Notes]\r\nSource=update search\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("File_"), std::string::npos) << text;
}

TEST_F(UpdateRunTest, AManifestThatCannotBeWrittenStopsTheRunAfterTheFirstEntry) {
    {
        kernel32::AutoCloseHandle held = HoldOpenForReadOnly(manifestPath);
        try {
            Run();
            ADD_FAILURE() << "the failed write did not escape the run";
        } catch (const install::EIniFileException& error) {
            EXPECT_EQ(std::string(error.what()), "Impossible d'\xE9" "crire dans " + manifestPath);
            // The window was closed before the error reached the caller.
            ASSERT_FALSE(window.events.empty());
            EXPECT_EQ(window.events.back(), "close");
        }
    }
    std::vector<std::string> expected = {"disable start timer", "status ", "show status"};
    for (const std::string& event : EntryEvents("KvBeta.dll")) expected.push_back(event);
    expected.push_back("close");
    EXPECT_EQ(window.events, expected);

    // Entry 2 is installed on disk; entry 1 is not touched; the manifest still lists both.
    EXPECT_EQ(ReadFileBytes(dest2 + "KvBeta.dll"), "beta 2");
    EXPECT_FALSE(PathExists(app + "Update\\KvBeta.dll"));
    EXPECT_EQ(ReadFileBytes(dest1 + "\\KvAlpha.dll"), "alpha 1");
    EXPECT_EQ(ReadFileBytes(app + "Update\\KvAlpha.dll"), "alpha 2");
    EXPECT_EQ(ReadFileBytes(manifestPath), manifest);
}

}  // namespace
}  // namespace kernel32_test
