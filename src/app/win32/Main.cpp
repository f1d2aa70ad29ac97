// The program's entry: the common controls, then the one main form.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/Quorvex.h"
#include "window/win32/Form.h"

namespace quorvex {
namespace {

int Main(HINSTANCE instance, const char* arguments) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls);

    // What escapes every other barrier ends the program with a failure code
    // rather than the system's crash report.
    try {
        auto form = Quorvex::Create(instance, arguments ? arguments : "");
        if (!form) return 1;
        form->Show();
        return RunMessageLoop();
    } catch (...) {
        return 1;
    }
}

}  // namespace
}  // namespace quorvex

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) { return quorvex::Main(instance, arguments); }
