#include "platform/win32/Registry.h"

#include <vector>

#include "compare/TextRoutines.h"
#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

UniqueKey OpenOrCreate(HKEY root, const std::string& keyPath) {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, keyPath.c_str(), &key) != ERROR_SUCCESS) return UniqueKey();
    return UniqueKey(key);
}

}  // namespace

std::string GetRegString(HKEY root, const std::string& keyPath, const std::string& valueName) {
    const UniqueKey key = OpenOrCreate(root, keyPath);
    if (!key) return {};
    // A buffer as large as the key's largest value: one read always does.
    DWORD largest = 0;
    RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &largest,
                     nullptr, nullptr);
    std::vector<char> data(largest + 1, '\0');
    DWORD size = largest;
    const LONG read =
        RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    if (read == ERROR_FILE_NOT_FOUND) return {};
    return std::string(StripNulls({data.data(), size < data.size() ? size : largest}));
}

void SaveRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text) {
    if (const UniqueKey key = OpenOrCreate(root, keyPath))
        RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                       static_cast<DWORD>(text.size()));
}

}  // namespace quorvex
