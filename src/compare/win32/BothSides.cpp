// The 32-bit product's runtime has no std::thread; the system's threads do.
#include <windows.h>

#include <exception>
#include <vector>

#include "compare/BothSides.h"
#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

struct Piece {
    const std::function<void(unsigned)>* work;
    unsigned index;
    std::exception_ptr failure;
};

DWORD WINAPI RunPiece(LPVOID parameter) {
    auto* piece = static_cast<Piece*>(parameter);
    try {
        (*piece->work)(piece->index);
    } catch (...) {
        piece->failure = std::current_exception();
    }
    return 0;
}

}  // namespace

void OnThreads(unsigned count, const std::function<void(unsigned index)>& work) {
    std::vector<Piece> pieces(count);
    std::vector<UniqueThread> threads(count);
    for (unsigned index = 0; index < count; ++index) pieces[index] = {&work, index, nullptr};
    for (unsigned index = 1; index < count; ++index) {
        DWORD id = 0;
        threads[index] = UniqueThread(CreateThread(nullptr, 0, RunPiece, &pieces[index], 0, &id));
        if (!threads[index]) RunPiece(&pieces[index]);  // no thread to be had: this one does the work
    }
    RunPiece(&pieces[0]);
    for (const auto& thread : threads)
        if (thread) WaitForSingleObject(thread.get(), INFINITE);
    for (const auto& piece : pieces)
        if (piece.failure) std::rethrow_exception(piece.failure);
}

}  // namespace quorvex
