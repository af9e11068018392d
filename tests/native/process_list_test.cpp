#include "install/process_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_process_list.h"

namespace {

using install::FindRunningProcess;
using install::UpperAscii;
using install_test::FakeProcessList;

TEST(UpperAsciiFolding, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(UpperAscii("Pellix.exe"), "PELLIX.EXE");
    EXPECT_EQ(UpperAscii("az@[`{AZ09"), "AZ@[`{AZ09");
    // é, à, ê and ÿ stay as they are; so does É.
    EXPECT_EQ(UpperAscii("\xE9\xE0\xEA\xFF\xC9"), "\xE9\xE0\xEA\xFF\xC9");
    EXPECT_EQ(UpperAscii(std::string("a\0b", 3)), std::string("A\0B", 3));
}

struct Process {
    std::uint32_t id;
    std::string exeFile;
};

struct FindCase {
    const char* what;
    std::vector<Process> processes;
    std::string name;
    std::uint32_t skip;
    std::uint32_t expected;
};

std::ostream& operator<<(std::ostream& out, const FindCase& c) { return out << c.what; }

const std::string k260(260, 'A');  // a name filling the whole field, with no NUL

class FindRunningProcessTable : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindRunningProcessTable, AnswersTheFirstMatchingProcessAndReleasesTheSnapshot) {
    FakeProcessList processes;
    for (const Process& p : GetParam().processes) processes.Add(p.id, p.exeFile);
    EXPECT_EQ(FindRunningProcess(processes, GetParam().name, GetParam().skip), GetParam().expected);
    EXPECT_EQ(processes.SnapshotsTaken(), 1);
    EXPECT_EQ(processes.SnapshotsReleased(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindRunningProcessTable,
    ::testing::Values(
        FindCase{"folder and case ignored", {{4, "C:\\Other\\PELLIX.EXE"}}, "Pellix.exe", 1, 4},
        FindCase{"bare entry text", {{4, "pellix.exe"}}, "PELLIX.EXE", 1, 4},
        FindCase{"colon separates too", {{4, "C:pellix.exe"}}, "Pellix.exe", 1, 4},
        FindCase{"first entry is looked at", {{4, "Pellix.exe"}, {5, "Pellix.exe"}}, "Pellix.exe", 1, 4},
        FindCase{"first match wins", {{3, "a.exe"}, {9, "D:\\Pellix.exe"}, {5, "Pellix.exe"}},
                 "Pellix.exe", 1, 9},
        FindCase{"last entry is looked at", {{3, "a.exe"}, {8, "Pellix.exe"}}, "Pellix.exe", 1, 8},
        FindCase{"none", {{3, "a.exe"}, {8, "Pellix.exe.bak"}}, "Pellix.exe", 1, 0},
        FindCase{"no process at all", {}, "Pellix.exe", 1, 0},
        FindCase{"accented letter not folded", {{4, "C:\\R\xC9SUM\xC9.EXE"}}, "r\xE9sum\xE9.exe", 1, 0},
        FindCase{"accented letter same byte", {{4, "C:\\r\xE9sum\xE9.EXE"}}, "R\xE9SUM\xE9.exe", 1, 4},
        FindCase{"folder part in name never matches", {{4, "C:\\App\\sub\\x.exe"}, {5, "sub\\x.exe"}},
                 "sub\\x.exe", 1, 0},
        FindCase{"name is not a prefix", {{4, "Pellix.exe"}}, "Pellix", 1, 0},
        FindCase{"text ends at its NUL", {{4, std::string("Pellix.exe\0junk", 15)}}, "Pellix.exe", 1, 4},
        FindCase{"260 bytes without NUL are all read", {{4, k260}}, k260, 1, 4},
        FindCase{"260 bytes without NUL, file part", {{4, "C:\\" + k260.substr(3)}},
                 k260.substr(3), 1, 4},
        FindCase{"own process skipped", {{7, "Maj.exe"}}, "Maj.exe", 7, 0},
        FindCase{"other of same name found", {{7, "Maj.exe"}, {12, "D:\\Maj.exe"}}, "Maj.exe", 7, 12},
        FindCase{"other before own found", {{12, "Maj.exe"}, {7, "Maj.exe"}}, "Maj.exe", 7, 12},
        FindCase{"skip only that ID", {{8, "Maj.exe"}}, "Maj.exe", 7, 8},
        FindCase{"ID 0 never reported", {{0, "Idle.exe"}}, "Idle.exe", 1, 0},
        FindCase{"ID 0 passed over", {{0, "Idle.exe"}, {6, "Idle.exe"}}, "Idle.exe", 1, 6},
        FindCase{"skip 0 skips no real process", {{0, "Idle.exe"}, {6, "Idle.exe"}}, "Idle.exe", 0, 6}));

TEST(FindRunningProcessSnapshot, AnUnreadableSnapshotFindsNothingAndIsReleased) {
    FakeProcessList processes;
    processes.Add(4, "Pellix.exe");
    processes.FailFirst();
    EXPECT_EQ(FindRunningProcess(processes, "Pellix.exe", 1), 0u);
    EXPECT_EQ(processes.SnapshotsTaken(), 1);
    EXPECT_EQ(processes.SnapshotsReleased(), 1);
}

TEST(FindRunningProcessSnapshot, EveryCallTakesAFreshSnapshot) {
    FakeProcessList processes;
    processes.Add(4, "Pellix.exe");
    EXPECT_EQ(FindRunningProcess(processes, "Pellix.exe", 1), 4u);
    processes.Exit(4);
    EXPECT_EQ(FindRunningProcess(processes, "Pellix.exe", 1), 0u);
    processes.Add(5, "PELLIX.exe");
    EXPECT_EQ(FindRunningProcess(processes, "pellix.EXE", 1), 5u);
    EXPECT_EQ(processes.SnapshotsTaken(), 3);
    EXPECT_EQ(processes.SnapshotsReleased(), 3);
}

}  // namespace
