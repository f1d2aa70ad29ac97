#include "platform/win32/MessageBoxes.h"

#include "platform/win32/Help.h"

namespace quorvex {
namespace {

void CALLBACK OnMessageBoxHelp(LPHELPINFO info) {
    if (info != nullptr) ShowHelp(static_cast<short>(info->dwContextId));
}

}  // namespace

int ShowMessageBox(HWND owner, const MessageBoxArgs& args) {
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = owner;
    params.hInstance = GetModuleHandleA(nullptr);
    params.lpszText = args.text.c_str();
    params.lpszCaption = args.title.c_str();
    params.dwStyle = args.style | (args.helpButton ? MB_HELP : 0);
    params.dwContextHelpId = static_cast<DWORD>(args.helpContext);
    params.lpfnMsgBoxCallback = args.helpButton ? OnMessageBoxHelp : nullptr;
    params.dwLanguageId = LANG_NEUTRAL;
    return MessageBoxIndirectA(&params);
}

}  // namespace quorvex
