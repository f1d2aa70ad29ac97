#include <algorithm>
#include <string>
#include <vector>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::size_t Position(const Lines& lines, const std::string& line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

class FolderListing : public MainFormTest {
protected:
    // top: a.txt, S\, b.txt; S: c.txt, U\; U: d.txt
    void SetUp() override {
        MainFormTest::SetUp();
        top_ = folder_.MakeFolder("top");
        folder_.Write("top\\a.txt", "");
        folder_.Write("top\\b.txt", "");
        folder_.Write("top\\S\\c.txt", "");
        folder_.Write("top\\S\\U\\d.txt", "");
    }
    // Lists a folder answering the question with `answer`, or expecting none
    // when it is 0.
    Lines Listing(const std::string& path, int answer, int pane = 0) {
        DialogAnswerer answerer(answer ? std::vector<DialogStep>{{"Compare Folders", answer}} : std::vector<DialogStep>{});
        form_->AddListing(path, pane, "");
        EXPECT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Unexpected(), "");
        question_ = answer ? answerer.Text() : "";
        return LinesOf(TextOf(Textbox(pane)));
    }

    TempFolder folder_;
    std::string top_;
    std::string question_;
};

TEST_F(FolderListing, ListsTheWholeTreeRelativeToTheTopWhenTheUserAgrees) {
    const Lines lines = Listing(top_, IDYES);
    EXPECT_EQ(question_, "The folder:\r\n\r\n" + top_ +
                             "\r\n\r\ncontains at least one subfolder. Do you want to recurse all subfolders and "
                             "include their contents in the comparison?\r\n\r\n(warning: if the folder is large, "
                             "this may take a while.)");
    EXPECT_EQ(Sorted(lines), Sorted({"a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt"}));
    // A folder's own entries come before anything below them.
    for (const char* top : {"a.txt", "S\\", "b.txt"}) EXPECT_LT(Position(lines, top), Position(lines, "\\S\\c.txt"));
    EXPECT_LT(Position(lines, "\\S\\U\\"), Position(lines, "\\S\\U\\d.txt"));
    EXPECT_TRUE(StatusBecomes(0, "6 items - contents of " + top_));
}

TEST_F(FolderListing, KeepsSubfolderLinesButNotTheirContentsWhenTheUserDeclines) {
    EXPECT_EQ(Sorted(Listing(top_, IDNO)), Sorted({"a.txt", "S\\", "b.txt"}));
}

TEST_F(FolderListing, FolderWithoutSubfoldersAsksNothingAndListsHiddenAndSystemFiles) {
    SetFileAttributesA((top_ + "\\S\\U\\d.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(Listing(top_ + "\\S\\U", 0), Lines{"d.txt"});
}

TEST_F(FolderListing, FinalBackslashOfTheTopFolderChangesOnlyTheLabel) {
    const Lines withBackslash = Listing(top_ + "\\", IDYES);
    EXPECT_EQ(Sorted(withBackslash), Sorted(Listing(top_, IDYES)));
    EXPECT_TRUE(StatusBecomes(0, "6 items - contents of " + top_));
    Listing(top_ + "\\", IDYES);
    EXPECT_TRUE(StatusBecomes(0, "6 items - contents of " + top_ + "\\"));
}

TEST_F(FolderListing, EmptyOrMissingFolderEmptiesThePaneAndNamesIt) {
    const std::string empty = folder_.MakeFolder("empty");
    for (const std::string& path : {empty, folder_.Path() + "\\missing"}) {
        Paste(Textbox(0), "old");
        EXPECT_TRUE(Listing(path, 0).empty());
        EXPECT_TRUE(StatusBecomes(0, "1 items - contents of " + path));
    }
}

TEST_F(FolderListing, EmptyPathEmptiesThePaneAndLeavesItsStatus) {
    Paste(Textbox(0), "a\r\nb");
    ASSERT_TRUE(StatusBecomes(0, "2 items"));
    form_->AddListing("", 0, "");
    EXPECT_EQ(TextOf(Textbox(0)), "");
    EXPECT_EQ(TextOf(Status(0)), "2 items");
    Type(Textbox(0), "x");  // the listing's flag is down again
    EXPECT_TRUE(StatusBecomes(0, "1 items"));
}

TEST_F(FolderListing, LinkBackToAnAncestorListsEachFolderOnce) {
    if (!folder_.MakeFolderLink("top\\S\\U\\back", "..\\..")) GTEST_SKIP() << "cannot make a folder link here";
    const Lines lines = Listing(top_, IDYES);
    EXPECT_EQ(Sorted(lines),
              Sorted({"a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt", "\\S\\U\\back\\"}));
}

TEST_F(FolderListing, TwoListingsCompareAsRelativeNames) {
    const std::string other = folder_.MakeFolder("other");
    folder_.Write("other\\a.txt", "");
    folder_.Write("other\\S\\c.txt", "");
    folder_.Write("other\\S\\e.txt", "");
    Listing(top_, IDYES, 0);
    Listing(other, IDYES, 1);
    ClickCompare(1);
    EXPECT_EQ(ListItems(Listbox(0)), (Lines{"\\S\\U\\", "\\S\\U\\d.txt", "b.txt"}));
    EXPECT_EQ(ListItems(Listbox(1)), Lines{"\\S\\e.txt"});
}

}  // namespace
}  // namespace quorvex::test
