// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Qt's worker threads (the image pools a paint may start) are detached: the pools' destructors
// return while the threads are still leaving. LeakSanitizer's check, the last step of exit, may
// then stop a thread half gone and crash after every test has passed. This object is built before
// main and so destroyed after Qt's globals and before that check: it gives the leaving threads a
// moment to be gone.

#include <chrono>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <thread>

namespace {

long threadsInProcess()
{
    std::error_code error;
    const std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? 1 : std::distance(tasks, std::filesystem::directory_iterator());
}

struct WaitForThreadsAtExit {
    WaitForThreadsAtExit() = default;
    WaitForThreadsAtExit(const WaitForThreadsAtExit&) = delete;
    WaitForThreadsAtExit& operator=(const WaitForThreadsAtExit&) = delete;
    ~WaitForThreadsAtExit()
    {
        using namespace std::chrono_literals;
        for (int tries = 0; tries < 200 && threadsInProcess() > 1; ++tries)
            std::this_thread::sleep_for(10ms);
    }
};

const WaitForThreadsAtExit waitForThreadsAtExit;

} // namespace
