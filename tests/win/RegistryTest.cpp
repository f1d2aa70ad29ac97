#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "platform/Handles.h"
#include "platform/Registry.h"

namespace quorvex::test {
namespace {

TEST(Registry, ReadsWhatItWroteCreatingAMissingKeyEmpty) {
    RegistrySandbox sandbox;
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "missing"), "");
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "A\\B", &opened), ERROR_SUCCESS);
    const UniqueKey key(opened);
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "C:\\Program Files\\");
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "long", std::string(300, 'x'));
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "C:\\Program Files\\");
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "long"), std::string(300, 'x'));
    // The empty text is a value of size 0; a zero ends what is read.
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "");
    DWORD size = 1;
    EXPECT_EQ(RegQueryValueExA(key.get(), "path", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "");
    RegSetValueExA(key.get(), "zero", 0, REG_SZ, reinterpret_cast<const BYTE*>("ab\0cd"), 6);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "zero"), "ab");
}

}  // namespace
}  // namespace quorvex::test
