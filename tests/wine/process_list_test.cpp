// FindRunningProcess through the Toolhelp adapter, against real processes started for the test.
#include <gtest/gtest.h>

#include "install/paths.h"
#include "install/process_list.h"
#include "platform/kernel32/toolhelp_process_list.h"
#include "running_program.h"
#include "test_files.h"

namespace kernel32_test {
namespace {

class ProcessListTest : public ::testing::Test {
protected:
    TempFolder folder;
    kernel32::ToolhelpProcessList processes;

    std::uint32_t Find(const std::string& name, std::uint32_t skip = 0) {
        return install::FindRunningProcess(processes, name, skip);
    }
};

TEST_F(ProcessListTest, FindsAProgramByItsFileNameInAnyLetterCase) {
    RunningProgram program(folder / "KvIdle.exe");
    for (const char* name : {"KvIdle.exe", "KVIDLE.EXE", "kvidle.exe", "kVIdLe.ExE"})
        EXPECT_EQ(Find(name), program.Id()) << name;
    // Only the bare file name is compared: neither a folder part nor a different name matches.
    for (const std::string& name : {folder / "KvIdle.exe", std::string("sub\\KvIdle.exe"),
                                     std::string("KvIdle"), std::string("KvIdle.ex")})
        EXPECT_EQ(Find(name), 0u) << name;
}

TEST_F(ProcessListTest, FoldsOnlyAsciiLetters) {
    RunningProgram program(folder / "Caf\xE9.exe");
    EXPECT_EQ(Find("CAF\xE9.EXE"), program.Id());
    EXPECT_EQ(Find("Caf\xC9.exe"), 0u);
}

TEST_F(ProcessListTest, AnswersNoneForANameNotRunningAndOnceTheProgramHasExited) {
    EXPECT_EQ(Find("KvNotStarted.exe"), 0u);
    RunningProgram program(folder / "KvExits.exe");
    ASSERT_EQ(Find("KvExits.exe"), program.Id());
    program.Stop();
    EXPECT_EQ(Find("KvExits.exe"), 0u);
}

TEST_F(ProcessListTest, SkipsTheGivenProcess) {
    RunningProgram first(folder / "KvTwin.exe");
    RunningProgram second(folder / "KvTwin.exe");
    EXPECT_EQ(Find("KvTwin.exe", first.Id()), second.Id());
    EXPECT_EQ(Find("KvTwin.exe", second.Id()), first.Id());

    // The installer's own process never counts as a running program of its own name.
    const std::string self = install::FileNamePart(ExecutablePath());
    EXPECT_EQ(Find(self), ::GetCurrentProcessId());
    EXPECT_EQ(Find(self, ::GetCurrentProcessId()), 0u);
}

// Wine's handle count is always 0, so a leak shows as a handle slot that stays taken: a new
// handle gets the slot of the one closed just before, unless something else kept it.
HANDLE FreshHandleSlot() {
    kernel32::AutoCloseHandle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    EXPECT_TRUE(event);
    return event.Get();
}

TEST_F(ProcessListTest, ClosesEverySnapshot) {
    RunningProgram program(folder / "KvHandles.exe");
    {
        // The check sees a snapshot that is still open.
        const HANDLE slot = FreshHandleSlot();
        kernel32::AutoCloseHandle open(
            ::CreateToolhelp32Snapshot(kernel32::kInstallerSnapshotFlags, 0));
        ASSERT_TRUE(open);
        EXPECT_NE(FreshHandleSlot(), slot);
    }
    // A leak keeps the slot taken on every attempt; a handle that Wine itself happens to open
    // in between takes it once at most.
    bool slotReused = false;
    for (int attempt = 0; attempt < 3 && !slotReused; ++attempt) {
        const HANDLE slot = FreshHandleSlot();
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(Find("KvHandles.exe"), program.Id());  // the walk stops at the match
            ASSERT_EQ(Find("KvNotStarted.exe"), 0u);          // the walk reaches the end
            kernel32::ToolhelpProcessList().TakeSnapshot();   // never walked
        }
        slotReused = FreshHandleSlot() == slot;
    }
    EXPECT_TRUE(slotReused);
}

TEST_F(ProcessListTest, WithoutTheSnapshotFunctionsAllThreeReportFailure) {
    RunningProgram program(folder / "KvUnseen.exe");
    const HMODULE withoutToolhelp[] = {::GetModuleHandleA(nullptr), nullptr};
    for (HMODULE module : withoutToolhelp) {
        const kernel32::ToolhelpFunctions functions = kernel32::ResolveToolhelp(module);
        PROCESSENTRY32 record{};
        record.dwSize = sizeof record;
        EXPECT_EQ(functions.createSnapshot(kernel32::kInstallerSnapshotFlags, 0), nullptr);
        EXPECT_FALSE(functions.first(nullptr, &record));
        EXPECT_FALSE(functions.next(nullptr, &record));

        kernel32::ToolhelpProcessList unresolved(kernel32::kInstallerSnapshotFlags, functions);
        EXPECT_EQ(install::FindRunningProcess(unresolved, "KvUnseen.exe", 0), 0u);
    }
    // Control: through kernel32 itself the same program is seen.
    EXPECT_EQ(Find("KvUnseen.exe"), program.Id());
}

}  // namespace
}  // namespace kernel32_test
