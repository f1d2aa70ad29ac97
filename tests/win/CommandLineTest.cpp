#include <string>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"

namespace quorvex::test {
namespace {

// The form started as another program starts it, with a handed-over list
// read by the system's profile reader.
class CommandLineTest : public MainFormTest {
protected:
    void SetUp() override {}
    void Start(const std::string& files) {
        list_ = folder_.Write("list.ini", "[Files]\r\n" + files);
        form_ = Quorvex::Create(GetModuleHandleA(nullptr), "/F" + list_);
        ASSERT_NE(form_, nullptr);
        form_->Show();
    }

    TempFolder folder_;
    std::string list_;
};

TEST_F(CommandLineTest, TwoFilesAreLoadedAndSaidIdenticalWhenTheyAre) {
    const std::string a = folder_.Write("a.txt", "x\r\ny"), b = folder_.Write("b.txt", "x\r\ny");
    Answerer answerer({{"Quorvex", IDOK}});
    Start("File1=" + a + "\r\nFile2=" + b + "\r\n");
    EXPECT_EQ(answerer.Text(), "Files are identical.");
    EXPECT_TRUE(answerer.HadHelp());
    EXPECT_EQ(TextOf(Textbox(1)), "x\r\ny");
    EXPECT_FALSE(FileLength(list_));  // consumed
}

// The system's collation takes the two names for one; only letter case
// makes a repeat. The panes differ, so nothing is said.
TEST_F(CommandLineTest, NamesThatDifferBeyondLetterCaseAreTwo) {
    const std::string a = folder_.Write("Masse.txt", "a"), b = folder_.Write("Ma\xDF" "e.txt", "b");
    Answerer nothing({});
    Start("File1=" + a + "\r\nFile2=" + b + "\r\n");
    EXPECT_EQ(TextOf(Textbox(0)) + TextOf(Textbox(1)), "ab");
    PumpFor(100);
    EXPECT_EQ(nothing.Unexpected(), "");
}

}  // namespace
}  // namespace quorvex::test
