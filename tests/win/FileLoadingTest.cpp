#include <string>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

class FileLoading : public MainFormTest {
protected:
    TempFolder folder_;
};

TEST_F(FileLoading, MakesLineFeedsCrLfOnlyWhenTheFileHasNoCarriageReturn) {
    const struct {
        const char* bytes;
        const char* shown;
    } rows[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\nb\n", "a\r\nb\r\n"},      {"a\r\nb\nc", "a\r\nb\nc"},
        {"a\nb\rc", "a\nb\rc"},       {"no line end", "no line end"}, {"\xE9t\xE9\n\xFF", "\xE9t\xE9\r\n\xFF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        form_->OpenFile(folder_.Write("list.txt", row.bytes), 0);
        EXPECT_EQ(TextOf(Textbox(0)), row.shown);
    }
}

TEST_F(FileLoading, StatusShowsTheCountAndThePathAsPassed) {
    const std::string path = folder_.Write("fruit.txt", "apple\nkiwi\n");
    form_->OpenFile(path, 1);
    EXPECT_TRUE(StatusBecomes(1, "2 items - " + path));
    Type(Textbox(1), "fig");  // editing keeps the file as the source
    EXPECT_TRUE(StatusBecomes(1, "3 items - " + path));
}

TEST_F(FileLoading, EmptyOrMissingFileEmptiesThePaneAndStillNamesIt) {
    for (const std::string& path : {folder_.Write("empty.txt", ""), folder_.Path() + "\\missing.txt"}) {
        SCOPED_TRACE(path);
        Paste(Textbox(0), "old");
        form_->OpenFile(path, 0);
        EXPECT_EQ(TextOf(Textbox(0)), "");
        EXPECT_TRUE(StatusBecomes(0, "1 items - " + path));
    }
}

TEST_F(FileLoading, AsksBeforeLoadingMoreThan50000Bytes) {
    const std::string exact = folder_.Write("exact.txt", std::string(50000, 'x'));
    const std::string large = folder_.Write("large.txt", std::string(50001, 'y'));
    {
        DialogAnswerer answerer({});
        form_->OpenFile(exact, 0);
        EXPECT_EQ(answerer.Unexpected(), "");
        EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 50000);
    }
    {
        DialogAnswerer answerer("Quorvex", IDNO);
        form_->OpenFile(large, 0);
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Text(),
                  "Warning: the file you've opened is quite large, which may cause Quorvex to run more slowly or "
                  "even stop responding.  Do you want to proceed?");
        EXPECT_TRUE(answerer.HadButton(IDHELP));
        EXPECT_EQ(TextOf(Textbox(0)), std::string(50000, 'x'));  // unchanged, and so is its source
        EXPECT_TRUE(StatusBecomes(0, "1 items - " + exact));
    }
    DialogAnswerer answerer("Quorvex", IDYES);
    form_->OpenFile(large, 0);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 50001);
}

}  // namespace
}  // namespace quorvex::test
