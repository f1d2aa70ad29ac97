// The program's icon as Explorer finds it in the file and the forms show it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "MainFormFixture.h"
#include "WinTestSupport.h"
#include "window/win32/ProgramIcon.h"

namespace quorvex::test {
namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::string_view Resource(HMODULE module, LPCSTR name, LPCSTR type) {
    const HRSRC found = FindResourceA(module, name, type);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (loaded == nullptr) return {};
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
}

// Pixels that the AND mask at the end of an icon image leaves transparent.
int TransparentPixels(std::string_view image, int size) {
    const int row = (size + 31) / 32 * 4;
    const std::string_view mask = image.substr(image.size() - static_cast<std::size_t>(row * size));
    int count = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) count += (mask[y * row + x / 8] >> (7 - x % 8)) & 1;
    return count;
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return mask.bmWidth;
}

// Windows Me and 2000 take the 16- or 256-colour image and its mask, XP and
// Vista the one with alpha; a mask that hides nothing shows a black square.
TEST(ProgramIcon, TheProgramHoldsEachSizeInEveryDepthWithAMask) {
    const HMODULE product = LoadLibraryExA(BesideTests("Quorvex.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(product, nullptr);
    const std::string_view group = Resource(product, MAKEINTRESOURCEA(IDI_PROGRAM), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupEntry));
    std::set<std::pair<int, int>> images;
    for (WORD i = 0; i < count; ++i) {
        GroupEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        images.emplace(entry.width, entry.bits);
        SCOPED_TRACE(std::to_string(entry.width) + " px, " + std::to_string(entry.bits) + " bits");
        const std::string_view image = Resource(product, MAKEINTRESOURCEA(entry.id), RT_ICON);
        BITMAPINFOHEADER header{};
        ASSERT_GE(image.size(), sizeof header);
        std::memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(header.biWidth, entry.width);
        EXPECT_EQ(header.biHeight, 2 * entry.width);  // the colour image and its mask
        EXPECT_EQ(header.biBitCount, entry.bits);
        const int transparent = TransparentPixels(image, entry.width);
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, entry.width * entry.width);
    }
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{
                          {16, 4}, {16, 8}, {16, 32}, {32, 4}, {32, 8}, {32, 32}, {48, 4}, {48, 8}, {48, 32}}));
    FreeLibrary(product);
}

// The caption and the taskbar show the program's own icon, the small one
// drawn for its size.
TEST_F(MainFormTest, ShowsTheProgramsIconInBothSizes) {
    const auto icon = [](HWND window, int which) { return reinterpret_cast<HICON>(GetClassLongPtrA(window, which)); };
    EXPECT_NE(icon(Form(), GCLP_HICON), LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(IconWidth(icon(Form(), GCLP_HICON)), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(icon(Form(), GCLP_HICONSM)), GetSystemMetrics(SM_CXSMICON));
}

}  // namespace
}  // namespace quorvex::test
