#include "sources/win32/HandedOverList.h"

#include <windows.h>

#include <iterator>

#include "sources/HandedOverList.h"

namespace quorvex {

std::vector<std::string> ReadHandedOverList(const std::string& listFile) {
    auto names = HandedOverNames([&](int key) {
        char value[255] = {};
        const DWORD length = GetPrivateProfileStringA("Files", ("File" + std::to_string(key)).c_str(), "", value,
                                                      static_cast<DWORD>(std::size(value)), listFile.c_str());
        return std::string(value, length);
    });
    DeleteFileA(listFile.c_str());
    return names;
}

}  // namespace quorvex
