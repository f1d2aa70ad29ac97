// A main form created in the test process, shown and initialised as at
// start-up, with its controls found by their identifiers.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "WinTestSupport.h"
#include "app/win32/ControlIds.h"
#include "app/win32/Quorvex.h"

namespace quorvex::test {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = Quorvex::Create(GetModuleHandleA(nullptr));
        ASSERT_NE(form_, nullptr) << "no window: is there an X display?";
        form_->Show();
        PumpFor(0);
    }

    void TearDown() override {
        form_.reset();
        PumpFor(0);
    }

    HWND Form() const { return form_->hWnd(); }
    HWND Item(int id) const { return GetDlgItem(form_->hWnd(), id); }
    HWND Textbox(int pane) const { return Item(control::kTextbox + pane); }
    HWND Listbox(int pane) const { return Item(control::kListbox + pane); }
    HWND Status(int pane) const { return Item(control::kStatus + pane); }
    HWND BtnOpen(int pane) const { return Item(control::kBtnOpen + pane); }
    HWND BtnOpenDropDown(int pane) const { return Item(control::kBtnOpenDropDown + pane); }
    HWND CompareIt(int index) const { return Item(control::kCompareIt + index); }

    void Click(HWND button) const { SendMessageA(button, BM_CLICK, 0, 0); }
    void ClickCompare(int index) const { Click(CompareIt(index)); }

    // Start and end of a text box's selection.
    static std::pair<DWORD, DWORD> Selection(HWND edit) {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    using Items = std::vector<std::string>;
    std::pair<Items, Items> Results() const { return {ListItems(Listbox(0)), ListItems(Listbox(1))}; }
    Items Statuses() const { return {TextOf(Status(0)), TextOf(Status(1))}; }

    // Waits until the pane's status box reads `text`.
    bool StatusBecomes(int pane, const std::string& text) const {
        return PumpUntil([&] { return TextOf(Status(pane)) == text; });
    }

    RegistrySandbox registry_;
    TempFolder folder_;
    std::unique_ptr<Quorvex> form_;
};

}  // namespace quorvex::test
