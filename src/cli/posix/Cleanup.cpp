#include "cli/posix/Cleanup.h"

#include <limits.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <atomic>

namespace quorvex::cli {
namespace {

// Fixed slots, as only async-signal-safe work may be done in the handler:
// an output beside each of two targets needs two.
struct Slot {
    std::atomic<bool> used{false};
    std::atomic<bool> ready{false};
    char path[PATH_MAX] = {};
};
Slot slots[4];

extern "C" void RemoveAndEnd(int signal) {
    for (Slot& slot : slots)
        if (slot.ready.load()) unlink(slot.path);
    // Ended by the same signal, as the caller expects.
    struct sigaction restored = {};
    restored.sa_handler = SIG_DFL;
    sigaction(signal, &restored, nullptr);
    raise(signal);
}

// An input mapped into memory that another program shortened: what was to
// be read is gone, which no reading could have told either.
extern "C" void InputShrank(int) {
    for (Slot& slot : slots)
        if (slot.ready.load()) unlink(slot.path);
    static const char message[] = "quorvex-compare: an input file was shortened while it was compared\n";
    const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(2);
}

}  // namespace

void RemoveFilesOnSignals() {
    struct sigaction bus = {};
    bus.sa_handler = InputShrank;
    sigaction(SIGBUS, &bus, nullptr);
    struct sigaction action = {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old = {};
        // A signal ignored when the program started (nohup) stays ignored.
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

int RemoveOnSignal(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < static_cast<int>(sizeof slots / sizeof slots[0]); ++i) {
        bool free = false;
        if (!slots[i].used.compare_exchange_strong(free, true)) continue;
        memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].ready.store(true);
        return i;
    }
    return -1;
}

void Forget(int slot) {
    if (slot < 0) return;
    slots[slot].ready.store(false);
    slots[slot].used.store(false);
}

}  // namespace quorvex::cli
