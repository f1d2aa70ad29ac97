#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "compare/BothSides.h"

namespace quorvex {

void OnThreads(unsigned count, const std::function<void(unsigned index)>& work) {
    std::vector<std::exception_ptr> failures(count);
    const auto run = [&](unsigned index) {
        try {
            work(index);
        } catch (...) {
            failures[index] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(count);
    for (unsigned index = 1; index < count; ++index) {
        try {
            threads.emplace_back(run, index);
        } catch (const std::system_error&) {
            run(index);  // no thread to be had: this one does the work
        }
    }
    run(0);
    for (auto& thread : threads) thread.join();
    for (const auto& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace quorvex
