// An installer in C:\Apps\Demo with its doubles, and builders for the event sequences of a run.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "fake_file_system.h"
#include "fake_ini_file.h"
#include "fake_process_list.h"
#include "install/texts.h"
#include "install/update_run.h"
#include "journal.h"
#include "recording_window.h"

namespace install_test {

using Events = std::vector<std::string>;

inline Events operator+(Events a, const Events& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const char* const kApp = "C:\\Apps\\Demo\\";
inline const char* const kInstaller = "C:\\Apps\\Demo\\Maj.exe";
inline const char* const kManifest = "C:\\Apps\\Demo\\Maj.ini";
inline const char* const kMainProduct = "C:\\Apps\\Demo\\Pellix.exe";
inline constexpr std::uint32_t kOwnProcessId = 4242;

inline std::string Staged(const std::string& name) { return std::string(kApp) + "Update\\" + name; }

// What every run does before it looks at any file.
inline Events Start() { return {"disable-timer", "pump", "status:", "show-status"}; }
inline Events Open() { return {std::string("open:") + kManifest}; }
inline Events End() { return {"release", "close"}; }
inline Events Status(const std::string& text) { return {"status:" + text, "pump"}; }
inline Events Message(install::MessageKind kind, const std::string& text) {
    return {"message:" + KindName(kind) + ":" + text};
}
inline Events Retire(int n) {
    return {"write:Main/NbFilesToInstal=" + std::to_string(n - 1), "erase:File_" + std::to_string(n)};
}
// S1 and M4, then `polls` polls that still find the program.
inline Events WaitFor(const std::string& name, int polls) {
    Events e = Status(install::StatusWaitingFor(name)) +
               Message(install::MessageKind::Information, install::TextPleaseCloseProgram(name));
    for (int i = 0; i < polls; ++i) e = e + Status(install::StatusStillWaiting(name)) + Events{"sleep:200"};
    return e;
}
inline Events Remove(const std::string& name, const std::string& target, bool targetExists = true) {
    Events e = Status(install::StatusRemoving(name));
    if (targetExists) e.push_back("delete:" + target);
    return e;
}
inline Events Copy(const std::string& name, const std::string& staged, const std::string& target) {
    return Status(install::StatusInstalling(name)) + Events{"copy:" + staged + " -> " + target};
}
// S3 to the staged copy's deletion, for an entry whose target exists and is deletable.
inline Events Install(const std::string& name, const std::string& target) {
    return Remove(name, target) + Copy(name, Staged(name), target) + Events{"delete:" + Staged(name)};
}

class RunTest : public ::testing::Test {
protected:
    Journal journal;
    RecordingWindow window{journal};
    FakeFileSystem files{journal};
    FakeClock clock{journal};
    FakeProcessList processes;
    IniStore manifest{journal, kManifest};
    FakeIniFileFactory manifests{manifest};

    // The product beside the installer and a manifest file (its content is `manifest`).
    void SetUpProduct() {
        files.AddFile(kInstaller, "installer");
        files.AddFile(kMainProduct, "old Pellix.exe");
        files.AddFile(kManifest, "manifest");
    }

    void SetCount(const std::string& text) { manifest.Set("Main", "NbFilesToInstal", text); }

    // Lists File_n; with `staged`, the staged file holds "new " + name. A target is made separately.
    void AddEntry(int n, const std::string& name, const std::string& destination,
                  bool staged = true) {
        manifest.Set("File_" + std::to_string(n), "Name", name);
        manifest.Set("File_" + std::to_string(n), "Destination", destination);
        if (staged) files.AddFile(Staged(name), "new " + name);
    }

    // Scheduled actions of the user and of other programs, marked in the sequence.
    std::function<void()> ProgramExits(std::uint32_t processId) {
        return [this, processId] {
            journal.Record("user:exit:" + std::to_string(processId));
            processes.Exit(processId);
        };
    }
    std::function<void()> UserCloses() {
        return [this] { window.UserCloses(); };
    }

    void Run() {
        install::RunUpdate({window, files, clock, processes, manifests},
                           install::InstallerIdentity{kInstaller, kOwnProcessId});
    }

    void ExpectEvents(const Events& expected) {
        const Events& actual = journal.Events();
        EXPECT_EQ(actual, expected);
        // Shows where the sequences part, which the whole-vector message makes hard to find.
        for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
            if (actual[i] != expected[i]) {
                ADD_FAILURE() << "first difference at event " << i << ": got \"" << actual[i]
                              << "\", expected \"" << expected[i] << "\"";
                break;
            }
        }
    }

    void ExpectSnapshotsReleased() {
        EXPECT_EQ(processes.SnapshotsReleased(), processes.SnapshotsTaken());
    }
};

}  // namespace install_test
