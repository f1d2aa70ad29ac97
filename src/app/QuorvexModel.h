// The main form's model: what the form shows and every decision it makes,
// apart from its window. The form hands it the user's actions and carries
// out what it asks through a QuorvexPort; the tests drive it natively
// through a port of plain strings. Its members are defined here, a file per
// concern: start-up and the command line (QuorvexModel.cpp), the compare
// buttons and options (QuorvexModelCompare.cpp), where a pane's list comes
// from and its status line (QuorvexModelSources.cpp), each pane's Open, Copy
// and Save (QuorvexModelPaneButtons.cpp), and the scrolling
// (QuorvexModelScrolling.cpp). The rules they apply are the subsystems'
// plain routines.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/CompareEngine.h"
#include "compare/CompareView.h"

namespace quorvex {

// The questions and messages of the main form; the port gives them their
// texts and buttons.
enum class Question { LargeFile, SameFile, Subfolders };
enum class Notice { NothingToCopy, NothingToSave, FilesIdentical };

enum class Option { Sync, Sort, CaseSensitive };

// Panes are 0 (left) and 1 (right).
inline int OtherPane(int pane) { return pane == 0 ? 1 : 0; }

struct Options {
    bool sync = true;
    bool sort = true;
    bool caseSensitive = false;
};

// What the model needs of the form's controls and of the system.
class QuorvexPort {
public:
    // A pane's text box.
    virtual std::string Text(int pane) const = 0;
    virtual std::size_t TextLength(int pane) const = 0;
    // A whole new text; the box reports no change for it.
    virtual void SetText(int pane, const std::string& text) = 0;
    // At the end of the text, as typing does.
    virtual void AddText(int pane, const std::string& added) = 0;
    virtual void Select(int pane, std::size_t start, std::size_t length) = 0;
    // What the box itself counts: 1 for an empty text.
    virtual std::int64_t LineCount(int pane) const = 0;

    virtual void SetStatus(int pane, const std::string& text) = 0;
    // Enabling a running timer changes nothing; disabling and enabling it
    // starts its interval anew.
    virtual void SetStatusTimer(int pane, bool enabled) = 0;
    virtual void SetSyncTimer(bool enabled) = 0;

    // The pressed compare button, the panes' text boxes or result lists, and
    // the Open buttons, enabled in the edit view only.
    virtual void ShowView(View view) = 0;
    virtual void ShowOptions(const Options& options) = 0;
    // Both result lists, also while they are hidden.
    virtual void ShowResults(const CompareResult& kept) = 0;
    virtual void FocusCompareButton(int button) = 0;
    // The other pane's text box, or result list, to the first line of this one's.
    virtual void AlignOtherPane(int pane, bool resultLists) = 0;

    virtual std::optional<std::uint64_t> FileLength(const std::string& path) = 0;
    // Everything read; empty when the file cannot be opened.
    virtual std::string ReadFile(const std::string& path) = 0;
    virtual void WriteFile(const std::string& path, const std::string& content) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // The listing lines of a folder, relative to `rootPath` (the folder
    // itself when that is empty); asks `includeSubfolders` at the top
    // folder's first subfolder.
    virtual std::string ListFolder(const std::string& path, const std::string& rootPath,
                                   const std::function<bool()>& includeSubfolders) = 0;
    virtual std::vector<std::string> ReadHandedOverList(const std::string& listFile) = 0;
    // The chosen path, or the empty text when the user cancelled.
    virtual std::string ShowOpenDialog() = 0;
    virtual std::string ShowSaveDialog() = 0;
    // Modal; the choice is left in FolderLastChosen.
    virtual void ShowFolderBrowser() = 0;
    // The user's desktop folder as the registry gives it.
    virtual std::string DesktopFolder() = 0;
    // Yes or any other answer; `subject` is the file or folder asked about.
    virtual bool Ask(Question question, const std::string& subject) = 0;
    virtual void Tell(Notice notice) = 0;
    virtual void PutOnClipboard(const std::string& text) = 0;

protected:
    ~QuorvexPort() = default;
};

class QuorvexModel {
public:
    explicit QuorvexModel(QuorvexPort& port) : port_(port) {}
    QuorvexModel(const QuorvexModel&) = delete;
    QuorvexModel& operator=(const QuorvexModel&) = delete;

    // Start-up once the form is placed: the command line, then the prompt
    // when both panes are empty.
    void Start(std::string_view commandLine);
    // Adds the names of a handed-over list file to FileList and deletes it.
    void EnumFileList(std::string listFile);
    // The handed-over names, numbered from 1 (position 0 is not used).
    std::vector<std::string> FileList{std::string()};

    View view() const { return view_; }
    const Options& options() const { return options_; }
    // Button 0 shows the similarities, button 1 the differences.
    void CompareIt_Click(int button);
    void Option_Click(Option option);
    void DoCompare();

    void OpenFile(const std::string& filename, int pane);
    // Callers pass an empty root.
    void AddListing(const std::string& path, int pane, const std::string& rootPath);
    bool ListingInProgress() const { return listingInProgress_; }
    const std::string& SourceLabel(int pane) const { return sourceLabel_[pane]; }
    void Textbox_Change(int pane);
    void StatusTimer_Timer(int pane);

    void BtnOpen_Click(int pane);
    void BtnOpen_DropDown(int pane, const std::string& key);
    void BtnCopy_Click(int pane);
    void BtnSave_Click(int pane);
    // Writes the content exactly as given (see the definition).
    void SaveFile(const std::string& filename, const std::string& content);
    // What Copy and Save take: the kept result while results are shown,
    // otherwise the text.
    std::string PaneContent(int pane) const;

    // Files and folders dropped onto pane `pane`.
    void Form_Drop(int pane, const std::vector<std::string>& paths);

    void Textbox_Scrolled(int pane);
    void Textbox_KeyDown(int pane, int keyCode, int shift);
    void Listbox_Scrolled(int pane);
    void SyncTimer_Timer();
    // Brings the other pane to the first line of pane `pane`.
    void Sync(int pane);

private:
    // The texts compared last and the items each side kept, which view them.
    struct Comparison {
        std::array<std::string, 2> texts;
        CompareResult result;
    };

    void HandleCommandLine(std::string_view commandLine);
    void AppendNames(int pane, std::size_t count);
    void BrowseAndList(int pane);
    // The path the user chose, once it is not empty and, when it names the
    // other pane's source, the user said Yes; otherwise empty.
    std::string Confirmed(std::string path, int pane);

    QuorvexPort& port_;
    View view_ = View::Edit;
    Options options_;
    Comparison kept_;
    std::array<std::string, 2> sourceLabel_;
    bool listingInProgress_ = false;
    std::optional<int> syncPane_;
};

}  // namespace quorvex
