#include "sources/HandedOverList.h"

#include <windows.h>

namespace quorvex {

std::vector<std::string> ReadHandedOverList(const std::string& listFile) {
    auto names = HandedOverNames([&](int key) {
        char value[255] = {};
        const DWORD length = GetPrivateProfileStringA("Files", ("File" + std::to_string(key)).c_str(), "", value,
                                                      sizeof value, listFile.c_str());
        return std::string(value, length);
    });
    DeleteFileA(listFile.c_str());
    return names;
}

}  // namespace quorvex
