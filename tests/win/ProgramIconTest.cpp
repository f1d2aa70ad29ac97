// The program's icon as Explorer finds it in the file and the forms show it.
#include <set>
#include <utility>

#include "MainFormFixture.h"
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

const BYTE* Resource(HMODULE module, LPCSTR name, LPCSTR type) {
    const HRSRC found = FindResourceA(module, name, type);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

// Windows Me and 2000 take the 16- or 256-colour image and its mask, XP and
// Vista the one with alpha; a mask that hides nothing shows a black square
// (the mask starts at the bottom-left corner, which the drawing leaves clear).
TEST(ProgramIcon, TheProgramHoldsEachSizeInEveryDepthWithAMask) {
    const HMODULE product = LoadLibraryExA(Product("Quorvex.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const BYTE* group = Resource(product, MAKEINTRESOURCEA(IDI_PROGRAM), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    std::set<std::pair<int, int>> images;
    for (WORD i = 0; i < reinterpret_cast<const WORD*>(group)[2]; ++i) {
        const auto* entry = reinterpret_cast<const GroupEntry*>(group + 6 + i * sizeof(GroupEntry));
        const auto* header =
            reinterpret_cast<const BITMAPINFOHEADER*>(Resource(product, MAKEINTRESOURCEA(entry->id), RT_ICON));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biHeight, 2 * header->biWidth);  // the colour image and its mask
        const BYTE* mask =
            reinterpret_cast<const BYTE*>(header) + entry->bytes - (entry->width + 31) / 32 * 4 * entry->width;
        EXPECT_EQ(mask[0], 0xFF) << entry->width << " px, " << entry->bits << " bits";
        images.emplace(header->biWidth, header->biBitCount);
    }
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{
                          {16, 4}, {16, 8}, {16, 32}, {32, 4}, {32, 8}, {32, 32}, {48, 4}, {48, 8}, {48, 32}}));
    FreeLibrary(product);
}

// The caption and the taskbar show the program's own icon, the small one
// drawn for its size.
TEST_F(MainFormTest, ShowsTheProgramsIconInBothSizes) {
    const auto width = [&](int which) {
        ICONINFO info{};
        BITMAP mask{};
        if (!GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(Form(), which)), &info)) return 0L;
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        return mask.bmWidth;
    };
    EXPECT_NE(GetClassLongPtrA(Form(), GCLP_HICON), reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, IDI_APPLICATION)));
    EXPECT_EQ(width(GCLP_HICON), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(width(GCLP_HICONSM), GetSystemMetrics(SM_CXSMICON));
}

}  // namespace
}  // namespace quorvex::test
