// One poll of the process wait: FindRunningProcess over a snapshot taken with the installer's
// flags (heap lists, processes, threads and modules), against a snapshot of processes only with
// the same walk, in the same run. Prints mean times per call and their ratio; asserts nothing
// about speed.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/process_list.h"
#include "platform/kernel32/toolhelp_process_list.h"
#include "running_program.h"
#include "test_files.h"

namespace {

constexpr int kIdleProcesses = 20;
constexpr int kRounds = 10;
constexpr int kCallsPerRound = 20;  // 200 calls of each kind in all
constexpr int kWarmUpCalls = 10;

double Seconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Ticks spent on `calls` polls; every answer must be `expected`.
bool Poll(install::ProcessList& processes, const std::string& name, std::uint32_t expected,
          int calls, LONGLONG& ticks) {
    const LONGLONG start = Now();
    for (int i = 0; i < calls; ++i) {
        if (install::FindRunningProcess(processes, name, ::GetCurrentProcessId()) != expected)
            return false;
    }
    ticks = Now() - start;
    return true;
}

struct Timing {
    LONGLONG total = 0;
    LONGLONG bestRound = 0;

    void Add(LONGLONG round) {
        total += round;
        if (bestRound == 0 || round < bestRound) bestRound = round;
    }
};

int ProcessCount() {
    kernel32::ToolhelpProcessList processes(TH32CS_SNAPPROCESS);
    const auto snapshot = processes.TakeSnapshot();
    install::ProcessEntry entry;
    int count = 0;
    for (bool more = snapshot->First(entry); more; more = snapshot->Next(entry)) ++count;
    return count;
}

// Rounds alternate between the two kinds so that drift in the machine's load hits both alike;
// the best round of each shows the cost with the least interference from other work.
bool Measure(const char* what, const std::string& name, std::uint32_t expected) {
    kernel32::ToolhelpProcessList installer(kernel32::kInstallerSnapshotFlags);
    kernel32::ToolhelpProcessList baseline(TH32CS_SNAPPROCESS);
    LONGLONG round = 0;
    Timing installerTiming;
    Timing baselineTiming;
    bool right = Poll(installer, name, expected, kWarmUpCalls, round) &&
                 Poll(baseline, name, expected, kWarmUpCalls, round);
    for (int i = 0; right && i < kRounds; ++i) {
        right = Poll(installer, name, expected, kCallsPerRound, round);
        installerTiming.Add(round);
        right = right && Poll(baseline, name, expected, kCallsPerRound, round);
        baselineTiming.Add(round);
    }
    if (!right) {
        std::printf("%s: wrong answer for %s, nothing measured\n", what, name.c_str());
        return false;
    }
    const double mean = Seconds(installerTiming.total) / (kRounds * kCallsPerRound) * 1e6;
    const double baseMean = Seconds(baselineTiming.total) / (kRounds * kCallsPerRound) * 1e6;
    const double best = Seconds(installerTiming.bestRound) / kCallsPerRound * 1e6;
    const double baseBest = Seconds(baselineTiming.bestRound) / kCallsPerRound * 1e6;
    std::printf("%s\n", what);
    std::printf("  mean per call:  flags 15 %8.1f us   processes only %8.1f us   ratio %.2f\n", mean,
                baseMean, mean / baseMean);
    std::printf("  best round:     flags 15 %8.1f us   processes only %8.1f us   ratio %.2f\n", best,
                baseBest, best / baseBest);
    return true;
}

}  // namespace

int main() {
    try {
        kernel32_test::TempFolder folder;
        std::vector<kernel32_test::RunningProgram> idle;
        idle.reserve(kIdleProcesses);
        for (int i = 1; i <= kIdleProcesses; ++i)
            idle.emplace_back(folder / ("KvBenchIdle" + std::to_string(i) + ".exe"));

        std::printf("%d processes running (%d idle ones started), %d calls of each kind\n",
                    ProcessCount(), kIdleProcesses, kRounds * kCallsPerRound);
        const bool ok =
            Measure("program running (walk stops there)", "KVBENCHIDLE20.EXE", idle.back().Id()) &&
            Measure("no such program (whole walk)", "KvBenchAbsent.exe", 0);
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("poll_bench: %s\n", error.what());
        return 1;
    }
}
