#include "sources/HandedOverList.h"

#include <windows.h>

#include <algorithm>

#include "compare/Collation.h"

namespace quorvex {

std::vector<std::string> ReadHandedOverList(const std::string& listFile) {
    std::vector<std::string> names;
    for (short n = 1; n > 0; ++n) {
        char value[255] = {};
        const std::string key = "File" + std::to_string(n);
        const DWORD length =
            GetPrivateProfileStringA("Files", key.c_str(), "", value, sizeof value, listFile.c_str());
        if (length < 1) break;
        const std::string name(value, length);
        const bool repeated = std::any_of(names.begin(), names.end(), [&](const std::string& earlier) {
            return CompareIgnoringCase(earlier, name) == 0;  // in the ANSI code page the names are in
        });
        if (!repeated) names.push_back(name);
    }
    DeleteFileA(listFile.c_str());
    return names;
}

}  // namespace quorvex
