#include <exception>
#include <system_error>
#include <thread>

#include "compare/BothSides.h"

namespace quorvex {

void ForBothSides(const std::function<void(int side)>& work) {
    std::exception_ptr failure;
    std::thread right;
    try {
        right = std::thread([&] {
            try {
                work(1);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        work(1);  // no second thread: the right side runs first, on this one
    }
    try {
        work(0);
    } catch (...) {
        if (right.joinable()) right.join();
        throw;
    }
    if (right.joinable()) right.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace quorvex
