// The main form's decisions, driven natively through a port of plain strings
// that stands in for the controls, the dialogs and the file system.
#include "app/QuorvexModel.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "folderbrowse/FolderChoice.h"
#include "window/ScrollRules.h"

namespace quorvex {
namespace {

using Items = std::vector<std::string>;
using Pair = std::array<std::string, 2>;

std::string Next(std::deque<std::string>& answers) {
    std::string answer = answers.empty() ? "" : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
}

struct FakePort : QuorvexPort {
    Pair text, status;
    std::array<bool, 2> statusTimer{};
    std::array<int, 2> statusTimerStarts{};
    bool syncTimer = false;
    std::pair<std::size_t, std::size_t> selection;  // start, length
    View view = View::Edit;
    Options options;
    std::array<Items, 2> results;
    Items aligned;  // "<pane> lists" or "<pane> texts"
    std::map<std::string, std::string> files, listings, written;
    Items handedOver;
    std::deque<std::string> openDialog, saveDialog;
    std::string browserChoice, desktop, clipboard;
    int browsed = 0;
    std::deque<bool> answers;  // none left: No
    std::vector<Question> asked;
    std::string askedAbout;
    std::vector<Notice> told;
    std::function<void()> whileAsked;

    std::string Text(int pane) const override { return text[pane]; }
    std::size_t TextLength(int pane) const override { return text[pane].size(); }
    void SetText(int pane, const std::string& t) override { text[pane] = t.substr(0, t.find('\0')); }
    void AddText(int pane, const std::string& added) override { text[pane] += added; }
    void Select(int, std::size_t start, std::size_t length) override { selection = {start, length}; }
    std::int64_t LineCount(int pane) const override {
        std::int64_t lines = 1;
        for (auto hit = text[pane].find("\r\n"); hit != std::string::npos; hit = text[pane].find("\r\n", hit + 2))
            ++lines;
        return lines;
    }
    void SetStatus(int pane, const std::string& t) override { status[pane] = t; }
    void SetStatusTimer(int pane, bool on) override {
        statusTimerStarts[pane] += on && !statusTimer[pane];
        statusTimer[pane] = on;
    }
    void SetSyncTimer(bool on) override { syncTimer = on; }
    void ShowView(View v) override { view = v; }
    void ShowOptions(const Options& o) override { options = o; }
    void ShowResults(const CompareResult& kept) override {
        results = {Items(kept.left.begin(), kept.left.end()), Items(kept.right.begin(), kept.right.end())};
    }
    void FocusCompareButton(int) override {}
    void AlignOtherPane(int pane, bool lists) override {
        aligned.push_back(std::to_string(pane) + (lists ? " lists" : " texts"));
    }
    std::optional<std::uint64_t> FileLength(const std::string& path) override {
        if (!files.count(path)) return std::nullopt;
        return files[path].size();
    }
    std::string ReadFile(const std::string& path) override {
        if (path == "beyond memory") throw std::bad_alloc();
        return files.count(path) ? files[path] : "";
    }
    void WriteFile(const std::string& path, const std::string& content) override { written[path] = content; }
    bool IsFolder(const std::string& path) override { return listings.count(path) > 0; }
    std::string ListFolder(const std::string& path, const std::string&, const std::function<bool()>& ask) override {
        if (path == "beyond memory") throw std::bad_alloc();
        return listings[path] + (ask() ? "\\sub\\x\r\n" : "");
    }
    Items ReadHandedOverList(const std::string&) override { return handedOver; }
    std::string ShowOpenDialog() override { return Next(openDialog); }
    std::string ShowSaveDialog() override { return Next(saveDialog); }
    void ShowFolderBrowser() override {
        FolderLastChosen() = browserChoice;
        ++browsed;
    }
    std::string DesktopFolder() override { return desktop; }
    bool Ask(Question question, const std::string& subject) override {
        asked.push_back(question);
        askedAbout = subject;
        if (whileAsked) whileAsked();
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    void Tell(Notice notice) override { told.push_back(notice); }
    void PutOnClipboard(const std::string& t) override { clipboard = t; }
};

class Model : public ::testing::Test {
protected:
    void SetUp() override { FolderLastChosen().clear(); }
    // Text typed into a pane, as its box reports it.
    void Type(int pane, const std::string& text) {
        port.text[pane] = text;
        model.Textbox_Change(pane);
    }

    FakePort port;
    QuorvexModel model{port};
};

const char kPrompt[] = "Type a list or open a file or folder to compare";

// What a handed-over list does, by its switch and its number of names. The
// prompt shows when both panes are empty; filled panes keep the status their
// loading gave them.
TEST_F(Model, TheCommandLineFillsThePanesByItsSwitchAndItsNumberOfNames) {
    struct Row {
        const char* line;
        Items names;
        Pair texts;
        std::size_t openDialogsLeft;
    };
    const Row rows[] = {
        {"/Fl.ini", {"C:\\a", "C:\\b"}, {"A", "B"}, 1},
        {"/fl.ini", {"C:\\a"}, {"A", ""}, 0},  // the right pane's Open dialog, cancelled
        {"/fl.ini", {"C:\\x\\a", "b", "C:\\c\\"}, {"a\r\nb\r\n\r\n", ""}, 1},
        {"/dl.ini", {"C:\\x\\a", "b", "C:\\c\\"}, {"a\r\nb\r\n\r\n", ""}, 1},
        {"/fl.ini", {"C:\\a", "C:\\b", "C:\\a2", "C:\\b2"}, {"", ""}, 1},
        {"/dl.ini", {"C:\\d", "C:\\e"}, {"d\r\n", "e\r\n"}, 1},
        {"/dl.ini", {"beyond memory", "C:\\e"}, {"", "e\r\n"}, 1},  // a failed listing: the next one runs
        {"/xl.ini", {"C:\\a", "C:\\b"}, {"", ""}, 1},
        {"l.ini", {"C:\\a", "C:\\b"}, {"", ""}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        FakePort port;
        port.files = {{"C:\\a", "A"}, {"C:\\b", "B"}, {"C:\\a2", "A"}, {"C:\\b2", "B"}};
        port.listings = {{"C:\\d", "d\r\n"}, {"C:\\e", "e\r\n"}, {"beyond memory", ""}};
        port.handedOver = row.names;
        port.openDialog = {""};
        QuorvexModel model(port);
        model.Start(row.line);
        EXPECT_EQ(port.text, row.texts);
        EXPECT_EQ(port.openDialog.size(), row.openDialogsLeft);
        EXPECT_EQ(port.browsed, 0);
        EXPECT_EQ(model.FileList.size(), row.line[0] == '/' ? row.names.size() + 1 : 1);
        EXPECT_TRUE(port.told.empty());
        EXPECT_EQ(port.status[0] == kPrompt && port.status[1] == kPrompt, row.texts == Pair{});
    }
}

// The desktop is resolved in the folder last chosen itself.
TEST_F(Model, OneHandedOverFolderAsksForTheOtherAndTheDesktopBecomesItsFolder) {
    port.listings = {{"C:\\d", "d\r\n"}, {"C:\\Desk\\", "e\r\n"}};
    port.handedOver = {"C:\\d"};
    port.browserChoice = kDesktopChoice;
    port.desktop = " C:\\Desk ";
    model.Start("/dl.ini");
    EXPECT_EQ(port.text, (Pair{"d\r\n", "e\r\n"}));
    EXPECT_EQ(FolderLastChosen(), "C:\\Desk\\");
    EXPECT_EQ(model.SourceLabel(1), "contents of C:\\Desk\\");
}

// A checked "Case sensitive" makes items that differ only in case match.
TEST_F(Model, OptionClicksToggleTheOptionAndCompareAgainExceptSync) {
    Type(0, "b\r\nReadme.txt\r\nA");
    Type(1, "README.TXT\r\nb");
    model.Option_Click(Option::CaseSensitive);
    EXPECT_TRUE(port.options.caseSensitive);
    EXPECT_EQ(port.results, (std::array<Items, 2>{Items{"b", "Readme.txt"}, Items{"b", "README.TXT"}}));
    model.CompareIt_Click(1);
    model.Option_Click(Option::CaseSensitive);
    model.Option_Click(Option::Sort);
    EXPECT_EQ(port.results[0], (Items{"Readme.txt", "A"}));
    port.results = {};
    model.Option_Click(Option::Sync);
    EXPECT_FALSE(port.options.sync);
    EXPECT_EQ(port.results, (std::array<Items, 2>{}));
}

TEST_F(Model, TheStatusCountsTheItemsAMomentAfterTheLastChangeAndNamesTheSource) {
    port.files = {{"C:\\list.txt", "a\nb\n"}};
    model.OpenFile("C:\\list.txt", 1);
    EXPECT_EQ(port.text[1], "a\r\nb\r\n");
    Type(1, port.text[1] + "\r\n\r\n  ");
    EXPECT_EQ(port.statusTimerStarts[1], 2);  // each change starts the interval anew
    model.StatusTimer_Timer(1);
    EXPECT_EQ(port.status[1], "3 items - C:\\list.txt");
    EXPECT_FALSE(port.statusTimer[1]);
    Type(1, "");
    model.StatusTimer_Timer(1);
    EXPECT_EQ(port.status[1], "1 items");  // emptied: the source is forgotten
}

TEST_F(Model, AFileOfMoreThan50000BytesAsksFirstAndNoLeavesThePaneAsItWas) {
    port.files = {{"exact", std::string(50000, 'x')}, {"large", std::string(50001, 'y')}};
    model.OpenFile("exact", 0);
    EXPECT_TRUE(port.asked.empty());
    model.OpenFile("large", 0);
    EXPECT_EQ(port.asked, std::vector<Question>{Question::LargeFile});
    EXPECT_EQ(port.text[0].size(), 50000u);
    EXPECT_EQ(model.SourceLabel(0), "exact");
    port.answers = {true};
    model.OpenFile("large", 0);
    EXPECT_EQ(port.text[0].size(), 50001u);
    for (const char* unread : {"beyond memory", "missing"}) {  // empty, and still named
        model.OpenFile(unread, 0);
        EXPECT_EQ(port.text[0], "");
        EXPECT_EQ(model.SourceLabel(0), unread);
    }
}

TEST_F(Model, AListingAsksAboutSubfoldersAndWritesTheStatusOnlyOnceItIsDone) {
    port.listings = {{"C:\\top\\", "a.txt\r\nS\\\r\n"}};
    port.whileAsked = [&] { EXPECT_TRUE(model.ListingInProgress()); };
    port.answers = {true};
    Type(0, "old");
    model.AddListing("C:\\top\\", 0, "");
    EXPECT_EQ(port.askedAbout, "C:\\top\\");
    EXPECT_EQ(port.text[0], "a.txt\r\nS\\\r\n\\sub\\x\r\n");
    EXPECT_EQ(port.statusTimerStarts[0], 2);
    EXPECT_FALSE(model.ListingInProgress());
    model.StatusTimer_Timer(0);
    EXPECT_EQ(port.status[0], "3 items - contents of C:\\top\\");
    model.AddListing("", 0, "");  // empties the pane, leaves the flag down
    EXPECT_EQ(port.text[0], "");
    EXPECT_FALSE(model.ListingInProgress());
}

// Letter case counts: another spelling of the other pane's file asks nothing.
TEST_F(Model, OpeningOrSavingTheOtherPanesFileAsksFirst) {
    port.files = {{"C:\\same.txt", "s"}, {"C:\\SAME.TXT", "S"}};
    model.OpenFile("C:\\same.txt", 1);
    port.openDialog = {"C:\\same.txt", "C:\\same.txt", "C:\\SAME.TXT"};
    port.answers = {false, true};
    model.BtnOpen_Click(0);
    EXPECT_EQ(port.text[0], "");
    model.BtnOpen_DropDown(0, "File");
    EXPECT_EQ(port.text[0], "s");
    model.BtnOpen_Click(1);
    EXPECT_EQ(port.asked.size(), 2u);
    EXPECT_EQ(port.text[1], "S");
    port.saveDialog = {"C:\\same.txt", "  "};  // a blank name is a cancel
    model.BtnSave_Click(1);
    model.BtnSave_Click(1);
    EXPECT_EQ(port.asked.back(), Question::SameFile);
    EXPECT_TRUE(port.written.empty());
}

// Each pane's Copy and Save take that pane's own text, or its own result
// list, every item ending in CR LF; an empty one is told, never copied.
TEST_F(Model, CopyAndSaveTakeTheirOwnPanesTextOrResult) {
    Type(0, "a\r\nb");
    Type(1, "b\r\nc");
    model.BtnCopy_Click(1);
    EXPECT_EQ(port.clipboard, "b\r\nc");
    model.CompareIt_Click(1);
    model.BtnCopy_Click(0);
    EXPECT_EQ(port.clipboard, "a\r\n");
    model.BtnCopy_Click(1);
    EXPECT_EQ(port.clipboard, "c\r\n");
    port.saveDialog = {"C:\\left.txt", "C:\\right.txt"};
    model.BtnSave_Click(0);
    model.BtnSave_Click(1);
    EXPECT_EQ(port.written,
              (std::map<std::string, std::string>{{"C:\\left.txt", "a\r\n"}, {"C:\\right.txt", "c\r\n"}}));
    Type(1, "x");
    model.CompareIt_Click(0);  // nothing in common
    port.clipboard.clear();
    model.BtnCopy_Click(1);
    model.BtnSave_Click(1);
    EXPECT_EQ(port.clipboard, "");
    EXPECT_EQ(port.told, (std::vector<Notice>{Notice::NothingToCopy, Notice::NothingToSave}));
}

TEST_F(Model, TheFolderEntryListsTheChosenFolderAndCancelKeepsThePane) {
    port.listings = {{"C:\\d", "d\r\n"}};
    Type(0, "kept");
    model.BtnOpen_DropDown(0, "Folder");  // cancelled: the choice is empty
    EXPECT_EQ(port.text[0], "kept");
    port.browserChoice = "C:\\d";
    model.BtnOpen_DropDown(0, "Folder");
    EXPECT_EQ(port.text[0], "d\r\n");
}

TEST_F(Model, OneDropOntoAnEmptyPaneOpensItOtherwiseTheNamesAreAddedAndSelected) {
    port.files = {{"C:\\x\\list.txt", "x\r\ny"}};
    port.listings = {{"C:\\folder", "f\r\n"}};
    model.Form_Drop(1, {"C:\\x\\list.txt"});
    EXPECT_EQ(port.text[1], "x\r\ny");
    EXPECT_EQ(port.selection, std::make_pair(std::size_t{0}, std::size_t{65386}));
    model.Form_Drop(1, {"C:\\x\\list.txt"});  // one more: its name, never the file again
    EXPECT_EQ(port.text[1], "x\r\ny\r\nlist.txt");
    model.Form_Drop(0, {"C:\\folder"});
    EXPECT_EQ(port.text[0], "f\r\n");
    model.Form_Drop(0, {"D:\\y\\F", " E:\\list.txt ", "C:\\x\\list.txt"});
    EXPECT_EQ(port.text[0], "f\r\n\r\nlist.txt\r\nlist.txt");
    EXPECT_EQ(port.selection, std::make_pair(std::size_t{3}, std::size_t{65386}));
    EXPECT_EQ(port.statusTimerStarts[0], 2);
}

TEST_F(Model, ADropWhileAListingAsksItsQuestionIsLetGo) {
    port.listings = {{"C:\\top", "a\r\n"}};
    port.files = {{"C:\\dropped.txt", "d"}};
    port.whileAsked = [&] { model.Form_Drop(1, {"C:\\dropped.txt"}); };
    model.AddListing("C:\\top", 0, "");
    EXPECT_EQ(port.text, (Pair{"a\r\n", ""}));
}

// The pane scrolled last leads; no sync while a listing writes a pane.
TEST_F(Model, AScrolledTextBoxLeadsTheOtherOnTheTimersTickUnlessAListingRuns) {
    model.Textbox_Scrolled(1);
    model.Textbox_Scrolled(0);
    model.SyncTimer_Timer();
    EXPECT_EQ(port.aligned, Items{"0 texts"});
    port.whileAsked = [&] { model.Textbox_Scrolled(0); };
    model.AddListing("C:\\top", 0, "");
    EXPECT_FALSE(port.syncTimer);
}

// A wheel turn in the edit view moves a hidden list, which moves no text box.
TEST_F(Model, AScrolledResultListLeadsTheOtherInTheResultsViewOnly) {
    model.Listbox_Scrolled(0);
    EXPECT_TRUE(port.aligned.empty());
    model.CompareIt_Click(1);
    model.Listbox_Scrolled(1);
    EXPECT_EQ(port.aligned, Items{"1 lists"});
}

TEST_F(Model, CtrlAOnlySelectsThePanesWholeText) {
    port.text[1] = "abc";
    model.Textbox_KeyDown(1, 'A', kCtrlMask | kShiftMask);
    model.Textbox_KeyDown(1, 'B', kCtrlMask);
    model.Textbox_KeyDown(1, 'A', 0);
    EXPECT_EQ(port.selection, std::make_pair(std::size_t{0}, std::size_t{0}));
    model.Textbox_KeyDown(1, 'A', kCtrlMask);
    EXPECT_EQ(port.selection, std::make_pair(std::size_t{0}, std::size_t{3}));
}

}  // namespace
}  // namespace quorvex
