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

class FolderListing : public MainFormTest {
protected:
    // top: a.txt, S\, b.txt; S: c.txt, U\; U: d.txt
    void SetUp() override {
        MainFormTest::SetUp();
        top_ = folder_.MakeFolder("top");
        for (const char* file : {"top\\a.txt", "top\\b.txt", "top\\S\\c.txt", "top\\S\\U\\d.txt"}) folder_.Write(file, "");
    }
    // Lists a folder answering the question with `answer`, or expecting none
    // when it is 0.
    Lines Listing(const std::string& path, int answer) {
        Answerer answerer(answer ? std::vector<Step>{{"Compare Folders", answer}} : std::vector<Step>{});
        form_->AddListing(path, 0, "");
        EXPECT_TRUE(answerer.Answered(0));
        EXPECT_EQ(answerer.Unexpected(), "");
        question_ = answer ? answerer.Text() : "";
        return LinesOf(TextOf(Textbox(0)));
    }

    TempFolder folder_;
    std::string top_;
    std::string question_;
};

TEST_F(FolderListing, ListsTheWholeTreeRelativeToTheTopWhenTheUserAgrees) {
    const Lines lines = Listing(top_ + "\\", IDYES);
    EXPECT_EQ(question_.substr(0, question_.find("(warning")),
              "The folder:\r\n\r\n" + top_ + "\\\r\n\r\ncontains at least one subfolder. Do you want to recurse all "
              "subfolders and include their contents in the comparison?\r\n\r\n");
    EXPECT_EQ(Sorted(lines), Sorted({"a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt"}));
    // A folder's own entries come before anything below them.
    const auto position = [&](const char* line) { return std::find(lines.begin(), lines.end(), line); };
    for (const char* top : {"a.txt", "S\\", "b.txt"}) EXPECT_LT(position(top), position("\\S\\c.txt"));
    EXPECT_LT(position("\\S\\U\\"), position("\\S\\U\\d.txt"));
    EXPECT_TRUE(StatusBecomes(0, "6 items - contents of " + top_ + "\\"));  // the path as passed
    // No keeps the subfolders' lines but lists nothing inside them.
    EXPECT_EQ(Sorted(Listing(top_, IDNO)), Sorted({"a.txt", "S\\", "b.txt"}));
}

TEST_F(FolderListing, FolderWithoutSubfoldersAsksNothingAndListsHiddenAndSystemFiles) {
    SetFileAttributesA((top_ + "\\S\\U\\d.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(Listing(top_ + "\\S\\U", 0), Lines{"d.txt"});
}

TEST_F(FolderListing, EmptyOrMissingFolderEmptiesThePaneAndNamesIt) {
    for (const std::string& path : {folder_.MakeFolder("empty"), folder_.Path() + "\\missing"}) {
        Paste(Textbox(0), "old");
        EXPECT_TRUE(Listing(path, 0).empty());
        EXPECT_TRUE(StatusBecomes(0, "1 items - contents of " + path));
    }
}

TEST_F(FolderListing, EmptyPathEmptiesThePaneAndLeavesItsStatus) {
    Paste(Textbox(0), "a\r\nb");
    form_->AddListing("", 0, "");
    EXPECT_EQ(TextOf(Textbox(0)), "");
    Type(Textbox(0), "x");  // the listing's flag is down again, the status follows the text
    EXPECT_TRUE(StatusBecomes(0, "1 items"));
}

// A link to a sibling is listed like a folder of its own; a link back to an
// ancestor gets its line but is not followed.
TEST_F(FolderListing, LinksAreFollowedUnlessTheyLeadBackUp) {
    if (!folder_.MakeFolderLink("top\\S\\U\\back", "..\\..") || !folder_.MakeFolderLink("top\\L", "S"))
        GTEST_SKIP() << "cannot make a folder link here";
    EXPECT_EQ(Sorted(Listing(top_, IDYES)),
              Sorted({"a.txt", "S\\", "b.txt", "L\\", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt", "\\S\\U\\back\\",
                      "\\L\\c.txt", "\\L\\U\\", "\\L\\U\\d.txt", "\\L\\U\\back\\"}));
}

// A subfolder that goes after the walk found it costs its own lines only.
// Entries come sorted, as from NTFS, so the question comes just after A.
TEST_F(FolderListing, GoesOnPastASubfolderThatVanished) {
    const std::string vanishing = folder_.Write("top\\A\\e.txt", "");
    const auto vanish = [&] {
        return FindWindowA("#32770", "Compare Folders") && DeleteFileA(vanishing.c_str()) &&
               RemoveDirectoryA((top_ + "\\A").c_str());
    };
    Answerer answerer({{"", 0, {}, vanish}, {"Compare Folders", IDYES}});
    form_->AddListing(top_, 0, "");
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(Sorted(LinesOf(TextOf(Textbox(0)))),
              Sorted({"A\\", "a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt"}));
}

}  // namespace
}  // namespace quorvex::test
