#include "app/QuorvexModel.h"

#include "app/CommandLine.h"
#include "compare/TextRoutines.h"
#include "platform/Tried.h"

namespace quorvex {
namespace {

const char kStartPrompt[] = "Type a list or open a file or folder to compare";

}  // namespace

// Start-up runs before the window takes messages, outside their barrier: a
// command line that fails (a file too large for memory) loads what it
// could, and start-up goes on.
void QuorvexModel::Start(std::string_view commandLine) {
    Tried([&] { HandleCommandLine(commandLine); });
    if (port_.TextLength(0) == 0 && port_.TextLength(1) == 0)
        for (int pane = 0; pane < 2; ++pane) port_.SetStatus(pane, kStartPrompt);
}

void QuorvexModel::EnumFileList(std::string listFile) {
    for (std::string& name : port_.ReadHandedOverList(listFile)) FileList.push_back(std::move(name));
}

// Fills the panes from a list file another program handed over; never
// compares, but says when the two panes came out the same.
void QuorvexModel::HandleCommandLine(std::string_view commandLine) {
    const CommandLine line = ParseCommandLine(commandLine);
    if (!line.acted) return;
    if (line.command.size() == 2) Tried([&] { EnumFileList(line.listFile); });
    const std::size_t n = FileList.size() - 1;
    const bool files = line.command == "/f", folders = line.command == "/d";
    if ((files || folders) && n == 3) Tried([&] { AppendNames(0, n); });
    if (files && n == 1) {
        Tried([&] { OpenFile(FileList[1], 0); });
        Tried([&] { BtnOpen_Click(1); });
    }
    if (files && n == 2) {
        Tried([&] { OpenFile(FileList[1], 0); });
        Tried([&] { OpenFile(FileList[2], 1); });
    }
    if (folders && (n == 1 || n == 2)) Tried([&] { AddListing(FileList[1], 0, ""); });
    if (folders && n == 1) Tried([&] { BrowseAndList(1); });
    if (folders && n == 2) Tried([&] { AddListing(FileList[2], 1, ""); });
    Tried([&] {
        const std::string left = port_.Text(0);
        if (!left.empty() && left == port_.Text(1)) port_.Tell(Notice::FilesIdentical);
    });
}

// The bare names of the first handed-over entries, a line each.
void QuorvexModel::AppendNames(int pane, std::size_t count) {
    std::string text = port_.Text(pane);
    for (std::size_t i = 1; i <= count; ++i) text.append(StripPath(FileList[i], "\\")).append("\r\n");
    port_.SetText(pane, text);
    Textbox_Change(pane);
}

}  // namespace quorvex
