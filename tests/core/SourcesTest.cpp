#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/DialogText.h"
#include "sources/Drops.h"
#include "sources/FolderWalk.h"
#include "sources/HandedOverList.h"
#include "sources/ItemCount.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

// A drive root as the top folder gives the same prefixes as any other.
TEST(ListingPrefix, IsTheFoldersPathBelowTheTopBetweenBackslashes) {
    EXPECT_EQ(ListingPrefix("C:\\S\\U", "C:\\"), "\\S\\U\\");
    EXPECT_EQ(ListingPrefix("C:\\top\\S", "C:\\top"), "\\S\\");
    EXPECT_EQ(ListingPrefix("C:\\top\\S", "C:\\top\\"), "\\S\\");
    EXPECT_EQ(ListingPrefix("C:\\top", ""), "");
}

// Under Wine this runs with the system's collation, which takes "Masse" and
// "Maße" for one name: a repeat is only a repeat in another letter case.
TEST(HandedOverNames, KeyOrderToTheFirstGapEachCutAndRepeatsInAnotherCaseOnce) {
    const std::vector<std::string> values = {
        "C:\\x\\one.txt", "C:\\X\\ONE.TXT", std::string(300, 'z'), "Masse", "Ma\337e", "", "after a gap"};
    const auto names = HandedOverNames(
        [&](int key) { return static_cast<std::size_t>(key) <= values.size() ? values[key - 1] : std::string(); });
    EXPECT_EQ(names, (std::vector<std::string>{"C:\\x\\one.txt", std::string(254, 'z'), "Masse", "Ma\337e"}));
}

// The section read at once gives each key's value as the profile reader
// gives one: blanks trimmed, quotes around it dropped, the first of two keys.
TEST(HandedOverNames, TheSectionGivesEachValueAsTheProfileReaderDoes) {
    const char section[] = "File1 = \"C:\\a b\" \0file2=' x '\0FILE2=later\0File3=\"half\0no value\0File4=\0File5=\"\0";
    const auto valueOf = FileKeysOf(std::string_view(section, sizeof section - 1));
    EXPECT_EQ(valueOf(1) + "|" + valueOf(2) + "|" + valueOf(3) + "|" + valueOf(4) + "|" + valueOf(5),
              "C:\\a b| x |\"half||\"");
}

// Wine's dialogs take a filter without its zero characters; Windows' do not.
TEST(DialogFilter, HasZeroSeparatorsAndTwoZerosAtTheEnd) {
    EXPECT_EQ(DialogFilter("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
              std::string("Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0\0", 46));
}

TEST(Drops, NamesJoinUnlessALineHoldsThemAndTheMiddleGoesRight) {
    EXPECT_EQ(TextWithDroppedNames("a.txt\r\nB.TXT\r\n", {"C:\\x\\b.txt", " D:\\y\\c.txt ", "E:\\", "F:\\c.txt"}),
              "a.txt\r\nB.TXT\r\n\r\nc.txt\r\nc.txt");
    EXPECT_EQ(TextWithDroppedNames("a", {"E:\\"}), "a\r\n");  // a drive root's empty name
    EXPECT_EQ(DropPane(260, 15, 7830), 0);
    EXPECT_EQ(DropPane(261, 15, 7830), 1);
}

// Line counts as a text box without word wrap reports them: the number of
// CR LF-separated lines, at least 1.
std::int64_t LinesOf(std::string_view text) {
    std::int64_t lines = 1;
    for (auto hit = text.find("\r\n"); hit != std::string_view::npos; hit = text.find("\r\n", hit + 2)) ++lines;
    return lines;
}

TEST(ItemCount, IgnoresLineEndsAtTheEndAndEmptyLinesBetweenItems) {
    const std::pair<const char*, std::int64_t> rows[] = {
        {"a\r\nb\r\nc\r\n", 3},
        {"a\r\nb\r\nc", 3},
        {"a\r\n\r\nb\r\nc", 3},
        {"a\r\n\r\n\r\nb", 2},  // overlapping hits: two empty lines
        {"a\r\n  \r\nb", 3},    // a line of blanks is an item
        {"\r\na", 2},           // so is an empty first line
        {"", 1},
        {"\r\n\r\n", 1},
        {"a\nb", 1},  // a lone line feed does not end a line
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(ItemCountFromLines(LinesOf(text), text), expected) << text;
}

// Folders by path, each with its entries; a link leads to the folder that
// its name names after a "~", and one whose name ends in "?" cannot be told.
// A path not under the root "r" is in the current folder "r\c"; ".." climbs
// from where a link leads, as the system's does, and stays at the root.
struct FakeFolders : FolderReader {
    std::map<std::string, std::vector<FolderEntry>> folders;
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override {
        for (const auto& [path, entries] : folders)
            if (Target(path) == Target(folder)) return entries;
        return std::nullopt;
    }
    std::string Child(const std::string& folder, const std::string& name) override { return folder + "\\" + name; }
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override {
        if (a.back() == '?' || b.back() == '?') return std::nullopt;
        return Target(a) == Target(b);
    }
    static std::string Target(std::string path) {
        if (path.back() == '?') path.pop_back();
        path.erase(0, path.rfind('~') + 1);  // npos + 1 erases nothing
        if (path[0] != 'r') path = "r\\c\\" + path;
        for (std::size_t up; (up = path.find("\\..")) != std::string::npos;) {
            const std::size_t cut = up == 1 ? 1 : path.rfind('\\', up - 1);  // "r\.." is "r"
            path.erase(cut, up + 3 - cut);
        }
        if (path.back() == '\\') path.pop_back();
        return path;
    }
};

// t: a, S\ (b, the vanished V\, U\ (c)), d; the question comes at S.
TEST(WalkFolderTree, ListsEachFolderBeforeWhatIsBelowItAndAsksOnceAtTheFirstSubfolder) {
    FakeFolders fs;
    fs.folders = {
        {"t", {{"a"}, {"S", true}, {"d"}}}, {"t\\S", {{"b"}, {"V", true}, {"U", true}}}, {"t\\S\\U", {{"c"}}}};
    std::string asked;
    const auto listing = [&](bool answer) {
        return WalkFolderTree(
            "t", "", [&] { return asked = "after S", answer; }, fs);
    };
    EXPECT_EQ(listing(true), "a\r\nS\\\r\nd\r\n\\S\\b\r\n\\S\\V\\\r\n\\S\\U\\\r\n\\S\\U\\c\r\n");
    EXPECT_EQ(listing(false), "a\r\nS\\\r\nd\r\n");
    EXPECT_EQ(asked, "after S");
    asked.clear();  // below the top, and without subfolders, nothing is asked
    EXPECT_EQ(WalkFolderTree(
                  "t\\S", "t", [&] { return asked = "asked", false; }, fs),
              "\\S\\b\r\n\\S\\V\\\r\n\\S\\U\\\r\n\\S\\U\\c\r\n");
    EXPECT_EQ(WalkFolderTree(
                  "t\\S\\U", "", [&] { return asked = "asked", false; }, fs),
              "c\r\n");
    const char zeroEnded[] = "\\S\\b\0\\S\\V\\\0\\S\\U\\\0\\S\\U\\c";  // and the zero after it
    EXPECT_EQ(WalkFolderTree(
                  "t\\S", "t", [] { return false; }, fs, std::string_view("\0", 1)),
              std::string(zeroEnded, sizeof zeroEnded));
    EXPECT_EQ(WalkFolderTree(
                  "missing", "", [] { return true; }, fs),
              "");
    EXPECT_EQ(asked, "");
}

// A link back to the folder holding it, or to one that cannot be told,
// gets its line but is not followed; a link elsewhere is followed.
TEST(WalkFolderTree, FollowsLinksUnlessTheyLeadBackUp) {
    FakeFolders fs;
    fs.folders = {{"t", {{"S", true}, {"L~o", true, true}}},
                  {"t\\S", {{"up~t", true, true}, {"q~o?", true, true}}},
                  {"o", {{"f"}}}};
    EXPECT_EQ(WalkFolderTree(
                  "t", "", [] { return true; }, fs),
              "S\\\r\nL~o\\\r\n\\S\\up~t\\\r\n\\S\\q~o?\\\r\n\\L~o\\f\r\n");
    // Above the top folder too, up to the root.
    fs.folders = {
        {"r\\s\\t", {{"p~r\\s", true, true}, {"q~r\\", true, true}}}, {"r\\s", {{"t", true}}}, {"r\\", {{"s", true}}}};
    EXPECT_EQ(WalkFolderTree(
                  "r\\s\\t", "", [] { return true; }, fs),
              "p~r\\s\\\r\nq~r\\\\\r\n");
    // A relative path spells no folders above it, yet it has them.
    fs.folders = {{"t", {{"up~t\\..", true, true}, {"root~r", true, true}, {"self~t", true, true}}},
                  {"r\\c", {{"t", true}}},
                  {"r", {{"c", true}}}};
    EXPECT_EQ(WalkFolderTree(
                  "t", "", [] { return true; }, fs),
              "up~t\\..\\\r\nroot~r\\\r\nself~t\\\r\n");
}

}  // namespace
}  // namespace quorvex
