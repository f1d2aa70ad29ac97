// Control identifiers of the main form. Per-pane controls add the pane index
// (0 left, 1 right); the compare buttons add their index.
#pragma once

namespace quorvex::control {

constexpr int kTextbox = 100;
constexpr int kListbox = 110;
constexpr int kStatus = 120;
constexpr int kBtnOpen = 130;
constexpr int kBtnOpenDropDown = 140;
constexpr int kBtnCopy = 150;
constexpr int kBtnSave = 160;
constexpr int kCompareIt = 170;
constexpr int kBtnHelp = 180;
constexpr int kOptSync = 190;
constexpr int kOptSort = 191;
constexpr int kOptCaseSensitive = 192;
constexpr int kControlFrame = 200;
constexpr int kOptionFrame = 201;

}  // namespace quorvex::control
