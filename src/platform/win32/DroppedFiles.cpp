#include "platform/win32/DroppedFiles.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cwchar>

#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

void FinishDrop(HDROP drop) { DragFinish(drop); }
using UniqueDrop = UniqueHandle<NullInvalid<HDROP, FinishDrop>>;

std::string Ansi(const wchar_t* text, std::size_t length) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string ansi(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace

// The drop's own block is read in one pass: DragQueryFile walks the list
// from its start for every item, which makes a drop of thousands of names
// take seconds.
DroppedFiles TakeDrop(WPARAM wParam) {
    const UniqueDrop drop(reinterpret_cast<HDROP>(wParam));
    DroppedFiles files;
    POINT point{};
    DragQueryPoint(drop.get(), &point);
    files.x = point.x;
    const auto* block = static_cast<const DROPFILES*>(GlobalLock(drop.get()));
    if (block == nullptr) return files;
    const char* names = reinterpret_cast<const char*>(block) + block->pFiles;
    if (block->fWide) {
        for (auto* name = reinterpret_cast<const wchar_t*>(names); *name; name += std::wcslen(name) + 1)
            files.paths.push_back(Ansi(name, std::wcslen(name)));
    } else {
        for (const char* name = names; *name; name += lstrlenA(name) + 1) files.paths.emplace_back(name);
    }
    GlobalUnlock(drop.get());
    return files;
}

}  // namespace quorvex
