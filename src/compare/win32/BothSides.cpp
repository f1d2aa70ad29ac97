// The 32-bit product's runtime has no std::thread; the system's threads do.
#include <windows.h>

#include <exception>

#include "compare/BothSides.h"
#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

struct RightSide {
    const std::function<void(int)>* work;
    std::exception_ptr failure;
};

DWORD WINAPI RunRightSide(LPVOID parameter) {
    auto* side = static_cast<RightSide*>(parameter);
    try {
        (*side->work)(1);
    } catch (...) {
        side->failure = std::current_exception();
    }
    return 0;
}

}  // namespace

void ForBothSides(const std::function<void(int side)>& work) {
    RightSide right{&work, nullptr};
    DWORD id = 0;
    const UniqueThread thread(CreateThread(nullptr, 0, RunRightSide, &right, 0, &id));
    if (!thread) RunRightSide(&right);  // no second thread: the right side runs first, on this one
    try {
        work(0);
    } catch (...) {
        if (thread) WaitForSingleObject(thread.get(), INFINITE);
        throw;
    }
    if (thread) WaitForSingleObject(thread.get(), INFINITE);
    if (right.failure) std::rethrow_exception(right.failure);
}

}  // namespace quorvex
