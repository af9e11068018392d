// The installer never waits for itself, and a close request is a way out of every wait that
// leaves the entry in hand and all lower ones listed and untouched.
#include "run_fixture.h"

namespace install_test {
namespace {

using install::MessageKind;

TEST_F(RunTest, TheInstallersOwnProcessIsNotWaitedFor) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Maj.exe", "C:\\Apps\\Demo");
    processes.Add(kOwnProcessId, "C:\\Apps\\Demo\\MAJ.EXE");
    files.MakeUndeletable(kInstaller, 1000);  // a running executable cannot be deleted
    clock.AfterSleep(1, [this] { files.RemoveByHand(kInstaller); });

    Run();

    ExpectEvents(Start() + Open() + Remove("Maj.exe", kInstaller) +
                 Message(MessageKind::Warning, install::TextCannotDelete(kInstaller)) +
                 Events{"sleep:200", "user:remove:" + std::string(kInstaller), "pump"} +
                 Copy("Maj.exe", Staged("Maj.exe"), kInstaller) +
                 Events{"delete:" + Staged("Maj.exe")} + Retire(1) + End());
}

TEST_F(RunTest, AnotherProcessOfTheInstallersNameIsStillWaitedFor) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Maj.exe", "C:\\Apps\\Demo");
    files.AddFile("C:\\Apps\\Demo\\Maj.exe", "installer");
    processes.Add(kOwnProcessId, "C:\\Apps\\Demo\\Maj.exe");
    processes.Add(31, "D:\\Copy\\Maj.exe");
    clock.AfterSleep(1, ProgramExits(31));
    files.MakeUndeletable(kInstaller, 1000);
    clock.AfterSleep(2, [this] { files.RemoveByHand(kInstaller); });

    Run();

    ExpectEvents(Start() + Open() + WaitFor("Maj.exe", 1) + Events{"user:exit:31"} +
                 Remove("Maj.exe", kInstaller) +
                 Message(MessageKind::Warning, install::TextCannotDelete(kInstaller)) +
                 Events{"sleep:200", "user:remove:" + std::string(kInstaller), "pump"} +
                 Copy("Maj.exe", Staged("Maj.exe"), kInstaller) +
                 Events{"delete:" + Staged("Maj.exe")} + Retire(1) + End());
}

// Three entries, each with a target of its own; lets a test see which were left alone.
class CloseRequest : public RunTest {
protected:
    void SetUp() override {
        SetUpProduct();
        SetCount("3");
        AddEntry(1, "a.dll", "C:\\Apps\\Demo");
        AddEntry(2, "b.dll", "C:\\Apps\\Demo");
        AddEntry(3, "c.dll", "C:\\Apps\\Demo");
        for (const char* name : {"a.dll", "b.dll", "c.dll"}) {
            files.AddFile(std::string(kApp) + name, std::string("old ") + name);
        }
    }

    std::string Target(const std::string& name) const { return std::string(kApp) + name; }

    // Entries 1 .. n still listed, their files as they were.
    void ExpectListedAndUntouched(int n) {
        std::string text = "[Main]\nNbFilesToInstal=" + std::to_string(n) + "\n";
        const char* names[] = {"a.dll", "b.dll", "c.dll"};
        for (int i = 1; i <= 3; ++i) {
            const std::string name = names[i - 1];
            if (i <= n) {
                text += "[File_" + std::to_string(i) + "]\nName=" + name +
                        "\nDestination=C:\\Apps\\Demo\n";
                EXPECT_EQ(files.Contents(Target(name)), std::optional<std::string>("old " + name));
                EXPECT_EQ(files.Contents(Staged(name)), std::optional<std::string>("new " + name));
            } else {
                EXPECT_EQ(files.Contents(Target(name)), std::optional<std::string>("new " + name));
            }
        }
        EXPECT_EQ(manifest.Text(), text);
        EXPECT_EQ(manifest.Released(), 1);
        ExpectSnapshotsReleased();
    }
};

TEST_F(CloseRequest, DuringTheProcessWaitStopsThere) {
    processes.Add(50, "c.dll");  // never exits
    clock.AfterSleep(3, UserCloses());

    Run();

    ExpectEvents(Start() + Open() + WaitFor("c.dll", 3) + Events{"user:close"} + End());
    EXPECT_EQ(processes.SnapshotsTaken(), 5);  // the first look, three polls, the one that stops
    ExpectListedAndUntouched(3);
}

TEST_F(CloseRequest, DuringTheProcessWaitOfALowerEntryKeepsTheEntriesDoneBefore) {
    processes.Add(50, "b.dll");
    clock.AfterSleep(1, UserCloses());

    Run();

    ExpectEvents(Start() + Open() + Install("c.dll", Target("c.dll")) + Retire(3) +
                 WaitFor("b.dll", 1) + Events{"user:close"} + End());
    ExpectListedAndUntouched(2);
}

TEST_F(CloseRequest, BeforeTheWaitStillShowsTheDialogThenStops) {
    processes.Add(50, "c.dll");
    journal.On("status:" + install::StatusWaitingFor("c.dll"), UserCloses());

    Run();

    // The dialog still goes through the window, which closes it by itself.
    ExpectEvents(Start() + Open() + Events{"status:" + install::StatusWaitingFor("c.dll"),
                                           "user:close", "pump"} +
                 Message(MessageKind::Information, install::TextPleaseCloseProgram("c.dll")) + End());
    ExpectListedAndUntouched(3);
}

TEST_F(CloseRequest, WhenTheProgramHasJustExitedTheEntryIsStillInstalled) {
    processes.Add(50, "c.dll");
    clock.AfterSleep(2, [this] {
        window.UserCloses();
        processes.Exit(50);
    });

    Run();

    // The wait was over at the poll, so nothing is left half done; the stop comes before b.dll.
    ExpectEvents(Start() + Open() + WaitFor("c.dll", 2) + Events{"user:close"} +
                 Install("c.dll", Target("c.dll")) + Retire(3) + End());
    ExpectListedAndUntouched(2);
}

TEST_F(CloseRequest, DuringTheWaitForALockedTargetStopsThere) {
    files.MakeUndeletable(Target("c.dll"), 1000);
    clock.AfterSleep(2, UserCloses());

    Run();

    ExpectEvents(Start() + Open() + Remove("c.dll", Target("c.dll")) +
                 Message(MessageKind::Warning, install::TextCannotDelete(Target("c.dll"))) +
                 Events{"sleep:200", "pump", "sleep:200", "user:close", "pump"} + End());
    ExpectListedAndUntouched(3);
}

// A request while an entry is being handled lets it finish; the next one is not started.
struct BetweenEntriesCase {
    const char* what;
    std::string trigger;  // the event after which the user closes
    int listedAfter;
};

std::ostream& operator<<(std::ostream& out, const BetweenEntriesCase& c) { return out << c.what; }

class CloseBetweenEntries : public CloseRequest,
                            public ::testing::WithParamInterface<BetweenEntriesCase> {};

TEST_P(CloseBetweenEntries, FinishesTheEntryInHandAndStartsNoOther) {
    journal.On(GetParam().trigger, UserCloses());

    Run();

    EXPECT_EQ(journal.Events().back(), "close");
    EXPECT_EQ(journal.Only("close"), Events{"close"});
    EXPECT_EQ(journal.Only("release"), Events{"release"});
    ExpectListedAndUntouched(GetParam().listedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CloseBetweenEntries,
    ::testing::Values(
        BetweenEntriesCase{"first pump of the run", "pump", 3},
        BetweenEntriesCase{"removal status of c.dll",
                           "status:" + install::StatusRemoving("c.dll"), 2},
        BetweenEntriesCase{"install status of c.dll",
                           "status:" + install::StatusInstalling("c.dll"), 2},
        BetweenEntriesCase{"count written for c.dll", "write:Main/NbFilesToInstal=2", 2},
        BetweenEntriesCase{"install status of b.dll",
                           "status:" + install::StatusInstalling("b.dll"), 1},
        BetweenEntriesCase{"install status of a.dll",
                           "status:" + install::StatusInstalling("a.dll"), 0}));

TEST_F(CloseRequest, AfterAMissingStagedFileStopsBeforeTheNextEntry) {
    files.RemoveByHand(Staged("c.dll"));
    journal.On("message:warning:" + install::TextStagedFileMissing(Staged("c.dll")), UserCloses());

    Run();

    ExpectEvents(Events{"user:remove:" + Staged("c.dll")} + Start() + Open() +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged("c.dll"))) +
                 Events{"user:close"} + Retire(3) + End());
    EXPECT_EQ(files.Contents(Target("c.dll")), std::optional<std::string>("old c.dll"));
    EXPECT_EQ(manifest.Text(),
              "[Main]\nNbFilesToInstal=2\n"
              "[File_1]\nName=a.dll\nDestination=C:\\Apps\\Demo\n"
              "[File_2]\nName=b.dll\nDestination=C:\\Apps\\Demo\n");
}

}  // namespace
}  // namespace install_test
