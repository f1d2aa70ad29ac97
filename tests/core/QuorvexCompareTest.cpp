// quorvex-compare's arguments, inputs and output, driven natively through a
// system of plain strings; the real program is run from outside by
// tests/cli/quorvex-compare-test.sh.
#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "cli/Input.h"
#include "cli/Options.h"
#include "cli/Run.h"
#include "cli/Utf8.h"

namespace quorvex::cli {
namespace {

TEST(ParseArguments, TakesGnuLongOptionsAndExactlyTwoInputs) {
    auto parsed = ParseArguments({"--sim", "--names", "always", "--output-left=o.txt", "--right", "--recursive",
                                  "--sort", "--", "-", "-x"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.compare.mode, CompareMode::Similarities);
    EXPECT_EQ(parsed.options.compare.names, NameRule::Always);
    EXPECT_EQ(parsed.options.outputs[0], "o.txt");
    EXPECT_EQ(parsed.options.shown, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(parsed.options.inputs, (std::array<std::string, 2>{"-", "-x"}));
    EXPECT_TRUE(parsed.options.recursive && parsed.options.compare.sort);
    EXPECT_EQ(ParseArguments({"a", "-h", "--bogus"}).options.action, Options::Action::Help);
    const std::pair<std::vector<std::string>, const char*> errors[] = {
        {{"--n", "a", "b"}, "option '--n' is ambiguous"},
        {{"-s", "a", "b"}, "invalid option -- 's'"},
        {{"a", "b", "--output-right"}, "option '--output-right' requires an argument"},
        {{"--sort=yes", "a", "b"}, "option '--sort' doesn't allow an argument"},
        {{"--names=some", "a", "b"}, "invalid argument 'some' for '--names' (auto, always or never)"},
        {{"--format=xml", "a", "b"}, "invalid argument 'xml' for '--format' (lines or json)"},
        {{"--encoding=latin1", "a", "b"}, "invalid argument 'latin1' for '--encoding' (utf8 or ansi)"},
        {{"a"}, "missing operand: LEFT and RIGHT"},
        {{"a", "b", "c"}, "extra operand 'c'"},
    };
    for (const auto& [arguments, error] : errors) EXPECT_EQ(ParseArguments(arguments).error, error);
}

TEST(DecodedText, DropsTheUtf8MarkAndReadsUtf16) {
    EXPECT_EQ(DecodedText("\xEF\xBB\xBF" "a\nb\r\n"), "a\nb\r\n");
    EXPECT_EQ(DecodedText(std::string("\xFF\xFE" "a\0\n\0\xE9\0=\xD8\x00\xDC", 12)), "a\n\xC3\xA9\xF0\x9F\x90\x80");
    EXPECT_EQ(DecodedText(std::string("\xFE\xFF\xD8\x00\x00" "a\x00", 7)), "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
    EXPECT_EQ(DecodedText(std::string("\xFE\xFF\xD8\x00\xDC", 5)), "\xEF\xBF\xBD\xEF\xBF\xBD");  // a pair cut short
    EXPECT_EQ(DecodedText(std::string("a\0b\xEF\xBB\xBF", 6)), std::string("a\0b\xEF\xBB\xBF", 6));
    // At the edges of each length and of the surrogates: 7F 80 7FF 800 FFFF D800+DC00 E000 DC00 DC00 D800 E000.
    EXPECT_EQ(DecodedText(std::string("\xFF\xFE\x7F\0\x80\0\xFF\x07\0\x08\xFF\xFF"
                                      "\0\xD8\0\xDC\0\xE0\0\xDC\0\xDC\0\xD8\0\xE0", 26)),
              "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xEE\x80\x80"
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80");
}

// Overlong forms, surrogates and code points beyond U+10FFFF are no UTF-8.
TEST(Utf8Length, TakesWellFormedSequencesOnly) {
    const std::pair<const char*, std::size_t> rows[] = {
        {"\x80", 0},           {"\xC1\xBF", 0},         {"\xC2\x80", 2},         {"\xE0\xA0\x80", 3},
        {"\xED\xA0\x80", 0},   {"\xF0\x90\x80\x80", 4}, {"\xF4\x90\x80\x80", 0}, {"\xF5\x80\x80\x80", 0},
    };
    for (const auto& [text, length] : rows) EXPECT_EQ(Utf8Length(text), length) << text;
}

struct FakeSystem : System, FolderReader {
    std::map<std::string, std::string> files, written;
    std::map<std::string, std::vector<FolderEntry>> folders;
    std::string input, out, err, opened;

    std::optional<std::string> ReadFile(const std::string& path, std::string&) override {
        return files.count(path) ? std::optional(files[path]) : std::nullopt;
    }
    std::optional<std::string> ReadStandardInput(std::string&) override { return input; }
    bool IsFolder(const std::string& path) override { return folders.count(path) > 0 || path == "unreadable"; }
    FolderReader& Folders() override { return *this; }
    bool WriteFile(const std::string& path, const std::string& content, std::string&) override {
        return written[path] = content, true;
    }
    // As Unicode folds É.
    void FoldCase(std::string_view item, std::string& folded) override {
        for (std::size_t i = 0; i < item.size(); ++i) {
            if (item.substr(i, 2) != "\xC3\x89") {
                folded += static_cast<char>(std::tolower(static_cast<unsigned char>(item[i])));
                continue;
            }
            folded += "\xC3\xA9";
            ++i;
        }
    }
    bool OpenInWindow(const std::string& left, const std::string& right, bool folders, std::string&) override {
        opened = left + (folders ? " and folder " : " and file ") + right;
        return true;
    }
    bool Print(const std::string& text) override { return out += text, true; }
    void Complain(const std::string& text) override { err += text; }
    const char* LineEnd() const override { return "\n"; }
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override {
        if (!folders.count(folder)) return std::nullopt;
        return folders[folder];
    }
    std::string Child(const std::string& folder, const std::string& name) override { return folder + "/" + name; }
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override { return a == b; }
};

TEST(QuorvexCompare, PrintsTheKeptItemsBySideAndSaysInItsStatusWhetherTheListsDiffer) {
    FakeSystem system;
    system.files = {{"l", "pear\napple\n"}, {"r", "apple\r\nkiwi"}};
    system.folders = {{"d", {{"apple"}, {"S", true}}}};
    system.input = "kiwi\napple";
    const auto run = [&](std::vector<std::string> arguments) {
        system.out.clear();
        return cli::Run(arguments, system);
    };
    EXPECT_EQ(run({"l", "r"}), 1);
    EXPECT_EQ(system.out, "< pear\n> kiwi\n");
    EXPECT_EQ(run({"--similarities", "--left", "l", "r"}), 1);
    EXPECT_EQ(system.out, "apple\n");
    system.files["m"] = "pear\rkiwi\r\r\napple";  // any line end ends an item
    EXPECT_EQ(run({"--left", "m", "r"}), 1);
    EXPECT_EQ(system.out, "pear\n");
    EXPECT_EQ(run({"--similarities", "--quiet", "r", "m"}), 1);  // all of r is in m, not all of m in r
    EXPECT_EQ(run({"--count", "--quiet", "--output-right=k.txt", "d", "-"}), 1);
    EXPECT_EQ(system.out, "");
    EXPECT_EQ(system.written["k.txt"], "kiwi\n");  // the folder lists apple and S\ .
    EXPECT_EQ(run({"--count", "r", "-"}), 0);
    EXPECT_EQ(system.out, "left\t2\t0\nright\t2\t0\n");
    EXPECT_EQ(run({"--similarities", "r", "-"}), 0);
    system.files["e"] = "\xC3\x89LAN";  // Élan
    EXPECT_EQ(run({"--ignore-case", "--encoding=utf8", "e", "-"}), 1);
    EXPECT_EQ(system.out, "< \xC3\x89LAN\n> kiwi\n> apple\n");
    system.input = "\xC3\xA9lan";
    EXPECT_EQ(run({"--ignore-case", "--encoding=utf8", "e", "-"}), 0);
    EXPECT_EQ(run({"--ignore-case", "--encoding=ansi", "e", "-"}), 1);
    system.files["q"] = "\" \x01\\\xE9\xC3\xA9";
    EXPECT_EQ(run({"--format=json", "--left", "q", "r"}), 1);
    EXPECT_EQ(system.out, "{\"left\":{\"held\":1,\"kept\":[\"\\\" \\u0001\\\\\\ufffd\xC3\xA9\"]}}\n");
    EXPECT_EQ(system.err, "");
}

// One engine, one result: what the window's panes would show for the same
// texts and options.
TEST(QuorvexCompare, GivesWhatTheWindowsComparisonGives) {
    FakeSystem system;
    const std::string texts[][2] = {{"C:\\x\\A.txt\r\n  D:\\y\\b \r\nE:\\b", "a.TXT\r\nB\r\nc"},  // all paths: names by default
                                    {"\\S\\a\r\nS\\", "\\s\\A"}};
    for (const auto& [left, right] : texts) {
        system.files = {{"l", left}, {"r", right}};
        for (const CompareOptions& window : {CompareOptions{.mode = CompareMode::Differences},
                                            CompareOptions{.caseRule = CaseRule::Folded, .sort = true}}) {
            std::vector<std::string> arguments{"--left", "--encoding=ansi", "l", "r"};
            if (window.mode == CompareMode::Similarities)
                arguments.insert(arguments.end(), {"--similarities", "--sort"});
            if (window.caseRule == CaseRule::Folded) arguments.push_back("--ignore-case");
            system.out.clear();
            cli::Run(arguments, system);
            std::string expected;
            for (const auto item : CompareLists(left, right, window).left) expected.append(item).append("\n");
            EXPECT_EQ(system.out, expected) << left;
        }
    }
}

// A missing file, a full disk and a reader that went away are tried from
// outside.
TEST(QuorvexCompare, EndsWithStatusTwoAndSaysWhyWhenAnInputCannotBeTaken) {
    FakeSystem system;
    system.files = {{"l", "a"}};
    EXPECT_EQ(cli::Run({"unreadable", "l"}, system), 2);
    EXPECT_EQ(cli::Run({"--gui", "l", "-"}, system), 2);
    EXPECT_EQ(system.err, "quorvex-compare: unreadable: cannot read the folder\n"
                          "quorvex-compare: the window takes two files or two folders\n");
    EXPECT_EQ(cli::Run({"--gui", "l", "l"}, system), 0);
    EXPECT_EQ(system.opened, "l and file l");
}

}  // namespace
}  // namespace quorvex::cli
