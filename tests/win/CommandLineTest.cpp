#include <string>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"

namespace quorvex::test {
namespace {

// The form started as another program starts it, with a handed-over list.
class CommandLineTest : public MainFormTest {
protected:
    void SetUp() override {}
    void Start(const std::string& commandLine) {
        form_ = Quorvex::Create(GetModuleHandleA(nullptr), commandLine);
        ASSERT_NE(form_, nullptr);
        form_->Show();
    }
    std::string List(const std::string& entries) { return folder_.Write("list.ini", "[Files]\r\n" + entries); }

    TempFolder folder_;
};

TEST_F(CommandLineTest, TwoFilesAreLoadedAndSaidIdenticalWhenTheyAre) {
    const std::string a = folder_.Write("a.txt", "x\r\ny"), b = folder_.Write("b.txt", "x\r\ny");
    const std::string list = List("File1=" + a + "\r\nFile2=" + b + "\r\n");
    Answerer answerer({{"Quorvex", IDOK}});
    Start("/F" + list);
    EXPECT_EQ(answerer.Text(), "Files are identical.");
    EXPECT_TRUE(answerer.HadHelp());
    EXPECT_EQ(TextOf(Textbox(1)), "x\r\ny");
    EXPECT_FALSE(FileLength(list));  // consumed
}

// A name repeated in another letter case counts once; keys after a gap are
// never read; a value is cut to 254 characters.
TEST_F(CommandLineTest, ThreeNamesGoToTheLeftPaneAsBareNames) {
    Start("/f" + List("File1=C:\\x\\one.txt\r\nFile2=C:\\X\\ONE.TXT\r\nFile3=D:\\" + std::string(300, 'z') +
                      "\r\nFile4=three\r\nFile6=after a gap\r\n"));
    EXPECT_EQ(TextOf(Textbox(0)), "one.txt\r\n" + std::string(251, 'z') + "\r\nthree\r\n");
}

// The system's collation takes the two names for one; only letter case
// makes a repeat. The panes differ, so nothing is said.
TEST_F(CommandLineTest, NamesThatDifferBeyondLetterCaseAreTwo) {
    const std::string a = folder_.Write("Masse.txt", "a"), b = folder_.Write("Ma\xDF" "e.txt", "b");
    Answerer nothing({});
    Start("/f" + List("File1=" + a + "\r\nFile2=" + b + "\r\n"));
    EXPECT_EQ(TextOf(Textbox(0)) + TextOf(Textbox(1)), "ab");
    PumpFor(100);
    EXPECT_EQ(nothing.Unexpected(), "");  // the panes differ: not "Files are identical."
}

TEST_F(CommandLineTest, TwoFoldersAreListedIntoThePanes) {
    folder_.Write("one\\a.txt", "");
    folder_.Write("two\\b.txt", "");
    Start("/d" + List("File1=" + folder_.Path() + "\\one\r\nFile2=" + folder_.Path() + "\\two\r\n"));
    EXPECT_EQ(TextOf(Textbox(0)), "a.txt\r\n");
    EXPECT_EQ(TextOf(Textbox(1)), "b.txt\r\n");
}

}  // namespace
}  // namespace quorvex::test
