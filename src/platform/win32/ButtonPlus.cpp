#include "platform/win32/ButtonPlus.h"

#include <iterator>

namespace quorvex {
namespace {

constexpr int kArrowWidth = 16;  // pixels of the drop-down part
constexpr int kPictureGap = 4;   // pixels between the picture and the caption

// A small downward triangle, as a monochrome bitmap: 0 bits draw in the text
// colour, the leftmost pixel is the high bit, rows are padded to 16 bits.
HBITMAP CreateArrowBitmap() {
    static const BYTE rows[7][2] = {{0xFF, 0xFF}, {0xFF, 0xFF}, {0x01, 0xFF}, {0x83, 0xFF},
                                    {0xC7, 0xFF}, {0xEF, 0xFF}, {0xFF, 0xFF}};
    return CreateBitmap(7, 7, 1, 1, rows);
}

constexpr DWORD kButtonStyle = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;

}  // namespace

bool ButtonPlus::Create(const CreateArgs& args) {
    latching_ = args.latching;
    DWORD style = latching_ ? (BS_CHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
    // A picture-only button keeps its name as window text for screen readers.
    const char* text = args.caption;
    if (args.picture != nullptr && (text == nullptr || *text == '\0')) {
        style |= BS_ICON;
        text = args.accessibleName ? args.accessibleName : "";
    }
    if (!Control::Create(
            {.parent = args.parent, .className = "BUTTON", .text = text, .style = kButtonStyle | style, .id = args.id}))
        return false;
    if (args.picture != nullptr && (style & BS_ICON))
        SendMessageA(hWnd(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(args.picture));
    if (args.dropDownId != 0) {
        dropDown_ = std::make_unique<DropDownPart>(*this);
        dropDown_->Create(args.parent, args.dropDownId);
    }
    return true;
}

bool ButtonPlus::DropDownPart::Create(HWND parent, int id) {
    if (!Control::Create({.parent = parent,
                          .className = "BUTTON",
                          .text = "More choices",
                          .style = kButtonStyle | BS_PUSHBUTTON | BS_BITMAP,
                          .id = id}))
        return false;
    arrow_.reset(CreateArrowBitmap());
    if (arrow_) SendMessageA(hWnd(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_.get()));
    return true;
}

void ButtonPlus::DropDownPart::OnCommand(HWND from, int code) {
    if (code == BN_CLICKED && IsWindowEnabled(from)) owner_.OpenDropDown();
}

void ButtonPlus::Move(int left, int top, int width, int height) {
    if (!dropDown_) {
        Control::Move(left, top, width, height);
        return;
    }
    const int mainWidth = width > kArrowWidth ? width - kArrowWidth : 0;
    Control::Move(left, top, mainWidth, height);
    dropDown_->Move(left + mainWidth, top, width - mainWidth, height);
}

void ButtonPlus::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (dropDown_) dropDown_->SetEnabled(enabled);
}

bool ButtonPlus::Pressed() const { return latching_ && SendMessageA(hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ButtonPlus::SetPressed(bool pressed) {
    if (latching_) SendMessageA(hWnd(), BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ButtonPlus::SetFocusStyle(int style) {
    const WPARAM change = MAKEWPARAM(style == 0 ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS);
    SendMessageA(hWnd(), WM_UPDATEUISTATE, change, 0);
    if (dropDown_) SendMessageA(dropDown_->hWnd(), WM_UPDATEUISTATE, change, 0);
}

void ButtonPlus::SetPicture(UniqueImageList picture) {
    BUTTON_IMAGELIST image{};
    image.himl = picture.get();
    image.margin = RECT{2, 0, 0, 0};
    image.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (!SendMessageA(hWnd(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image)))
        SendMessageA(hWnd(), BM_SETSTYLE, BS_OWNERDRAW, TRUE);  // Windows 2000 and Me
    picture_ = std::move(picture);
}

// A disabled button never reacts, even to a click sent as a message (Wine
// reports BM_CLICK on a disabled button as a click).
void ButtonPlus::OnCommand(HWND from, int code) {
    if (code == BN_CLICKED && IsWindowEnabled(from) && onClick) onClick();
}

// A push button's face, the picture left of the caption, as the system's
// buttons of Windows 2000 draw them.
bool ButtonPlus::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0, disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    char caption[64] = {};
    GetWindowTextA(hWnd(), caption, static_cast<int>(std::size(caption)));
    SIZE text{};
    GetTextExtentPoint32A(item.hDC, caption, lstrlenA(caption), &text);
    const int pictureSize = picture_ ? kButtonPicturePixels : 0, gap = picture_ ? kPictureGap : 0;
    int left = (face.left + face.right - pictureSize - gap - text.cx) / 2 + shift;
    const int middle = (face.top + face.bottom) / 2 + shift;
    if (picture_)
        ImageList_DrawEx(picture_.get(), 0, item.hDC, left, middle - pictureSize / 2, 0, 0, CLR_NONE, CLR_NONE,
                         disabled ? ILD_BLEND50 : ILD_NORMAL);
    left += pictureSize + gap;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    TextOutA(item.hDC, left, middle - text.cy / 2, caption, lstrlenA(caption));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

void ButtonPlus::AddDropDownItem(std::string key, std::string caption) {
    items_.push_back({std::move(key), std::move(caption)});
}

// Opens the menu under the control and waits for the choice.
bool ButtonPlus::OpenDropDown() {
    if (!dropDown_ || items_.empty() || !Enabled()) return false;
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return false;
    for (std::size_t i = 0; i < items_.size(); ++i)
        AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(i + 1), items_[i].caption.c_str());
    RECT whole{}, arrow{};
    GetWindowRect(hWnd(), &whole);
    GetWindowRect(dropDown_->hWnd(), &arrow);
    whole.right = arrow.right;
    whole.bottom = arrow.bottom;
    // The face stays pressed while its menu is open.
    SendMessageA(dropDown_->hWnd(), BM_SETSTATE, TRUE, 0);
    TPMPARAMS exclude{sizeof(TPMPARAMS), whole};
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON | TPM_VERTICAL,
        whole.left, whole.bottom, GetParent(hWnd()), &exclude));
    SendMessageA(dropDown_->hWnd(), BM_SETSTATE, FALSE, 0);
    if (chosen != 0 && chosen <= items_.size() && onDropDown) onDropDown(items_[chosen - 1].key);
    return true;
}

}  // namespace quorvex
