// quorvex-compare's arguments, inputs and output, driven natively through a
// system of plain strings; the real program is run from outside by
// tests/cli/quorvex-compare-test.sh.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <mutex>
#include <random>

#include "cli/Input.h"
#include "cli/Options.h"
#include "cli/Run.h"
#include "cli/TextBlocks.h"
#include "cli/Utf8.h"

namespace quorvex::cli {
namespace {

TEST(ParseArguments, TakesGnuOptionsLongAndShortAndExactlyTwoInputs) {
    auto parsed = ParseArguments(
        {"--sim", "--names", "always", "--output-left=o.txt", "-rRa", "-S", "2M", "-T/t", "--", "-", "-x"});
    EXPECT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.compare.mode, CompareMode::Similarities);
    EXPECT_EQ(o.compare.names, NameRule::Always);
    EXPECT_EQ(o.outputs[0], "o.txt");
    EXPECT_EQ(o.shown, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(o.inputs, (std::array<std::string, 2>{"-", "-x"}));
    EXPECT_TRUE(o.recursive && o.compare.sort);
    EXPECT_EQ(o.memory, 2u << 20);
    EXPECT_EQ(o.temporaryFolder, "/t");
    const Options& z = ParseArguments({"-zicql", "--threads=3", "a", "b"}).options;
    EXPECT_TRUE(z.compare.itemEnd == ItemEnd::Nul && z.compare.caseRule == CaseRule::Folded && z.count && z.quiet);
    EXPECT_EQ(z.shown, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(z.threads, 3u);
    EXPECT_EQ(ParseArguments({"a", "b"}).options.compare.names, NameRule::Never);  // whole lines by default
    EXPECT_EQ(ParseArguments({"a", "-h", "--bogus"}).options.action, Options::Action::Help);
    const std::pair<std::vector<std::string>, const char*> errors[] = {
        {{"--n", "a", "b"}, "option '--n' is ambiguous"},
        {{"-ix", "a", "b"}, "invalid option -- 'x'"},
        {{"a", "b", "-S"}, "option requires an argument -- 'S'"},
        {{"a", "b", "--output-right"}, "option '--output-right' requires an argument"},
        {{"--sort=yes", "a", "b"}, "option '--sort' doesn't allow an argument"},
        {{"--names=some", "a", "b"}, "invalid argument 'some' for '--names' (never, always or auto)"},
        {{"--memory=lots", "a", "b"}, "invalid argument 'lots' for '--memory' (a size such as 500M or 2G)"},
        {{"--threads=0", "a", "b"}, "invalid argument '0' for '--threads' (1 to 1024)"},
        {{"--gui", "-i", "a", "b"}, "the window takes no options: '-i' cannot go with --gui"},
        {{"--output-left=x", "--output-right=x", "a", "b"}, "both sides cannot be written to the same file 'x'"},
        {{"a"}, "missing operand: LEFT and RIGHT"},
        {{"a", "b", "c"}, "extra operand 'c'"},
    };
    for (const auto& [arguments, error] : errors) EXPECT_EQ(ParseArguments(arguments).error, error);
}

TEST(ParseSize, TakesSortsUnitsKilobytesWhenNone) {
    const std::pair<const char*, std::optional<std::uint64_t>> rows[] = {
        {"10", 10240},
        {"10b", 10},
        {"3K", 3072},
        {"2m", 2 << 20},
        {"1G", 1u << 30},
        {"1T", std::uint64_t{1} << 40},
        {"", std::nullopt},
        {"M", std::nullopt},
        {"5MB", std::nullopt},
        {"-1", std::nullopt},
        {"17179869184T", std::nullopt},  // 2^64 bytes
    };
    for (const auto& [text, size] : rows) EXPECT_EQ(ParseSize(text), size) << text;
}

TEST(DecodedText, DropsTheUtf8MarkAndReadsUtf16) {
    EXPECT_EQ(DecodedText("\xEF\xBB\xBF"
                          "a\nb\r\n"),
              "a\nb\r\n");
    EXPECT_EQ(DecodedText(std::string("\xFF\xFE"
                                      "a\0\n\0\xE9\0=\xD8\x00\xDC",
                                      12)),
              "a\n\xC3\xA9\xF0\x9F\x90\x80");
    EXPECT_EQ(DecodedText(std::string("\xFE\xFF\xD8\x00\x00"
                                      "a\x00",
                                      7)),
              "\xEF\xBF\xBD"
              "a\xEF\xBF\xBD");
    EXPECT_EQ(DecodedText(std::string("\xFE\xFF\xD8\x00\xDC", 5)), "\xEF\xBF\xBD\xEF\xBF\xBD");  // a pair cut short
    EXPECT_EQ(DecodedText(std::string("a\0b\xEF\xBB\xBF", 6)), std::string("a\0b\xEF\xBB\xBF", 6));
    // At the edges of each length and of the surrogates: 7F 80 7FF 800 FFFF D800+DC00 E000 DC00 DC00 D800 E000.
    EXPECT_EQ(DecodedText(std::string("\xFF\xFE\x7F\0\x80\0\xFF\x07\0\x08\xFF\xFF"
                                      "\0\xD8\0\xDC\0\xE0\0\xDC\0\xDC\0\xD8\0\xE0",
                                      26)),
              "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xEE\x80\x80"
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80");
}

// A stream cut anywhere decodes as the whole: a mark, a unit or a surrogate
// pair split between two reads.
TEST(TextDecoder, DecodesAStreamCutAnywhereAsTheWhole) {
    const std::string inputs[] = {
        std::string("\xFF\xFE"
                    "a\0=\xD8\x00\xDC\xE9\0\0\xD8"
                    "b",
                    13),
        std::string("\xFE\xFF\xD8\x3D\xDC\x00\x00\x0A\xDC", 9),
        "\xEF\xBB\xBFx\r\ny",
        "\xEF\xBB",
        "\xFF",
        "\xEF\xBBz",
        "plain",
    };
    for (const std::string& input : inputs) {
        TextDecoder whole;
        std::string expected;
        whole.Decode(input, expected);
        whole.Finish(expected);
        for (std::size_t a = 0; a <= input.size(); ++a)
            for (std::size_t b = a; b <= input.size(); ++b) {
                TextDecoder decoder;
                std::string text;
                decoder.Decode(std::string_view(input).substr(0, a), text);
                decoder.Decode(std::string_view(input).substr(a, b - a), text);
                decoder.Decode(std::string_view(input).substr(b), text);
                decoder.Finish(text);
                ASSERT_EQ(text, expected) << a << " " << b;
            }
    }
    std::string text;
    TextDecoder short16;
    short16.Decode("\xEF\xBB", text);
    short16.Finish(text);
    EXPECT_EQ(text, "\xEF\xBB");  // too short to be a mark
}

// Overlong forms, surrogates and code points beyond U+10FFFF are no UTF-8.
TEST(Utf8Length, TakesWellFormedSequencesOnly) {
    const std::pair<const char*, std::size_t> rows[] = {
        {"\x80", 0},         {"\xC1\xBF", 0},         {"\xC2\x80", 2},         {"\xE0\xA0\x80", 3},
        {"\xED\xA0\x80", 0}, {"\xF0\x90\x80\x80", 4}, {"\xF4\x90\x80\x80", 0}, {"\xF5\x80\x80\x80", 0},
    };
    for (const auto& [text, length] : rows) EXPECT_EQ(Utf8Length(text), length) << text;
}

class TextInput final : public Input {
public:
    TextInput(std::string text, bool sized) : text_(std::move(text)), sized_(sized) {}
    // A few bytes at a time, as a pipe gives them.
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t taken = std::min({size, text_.size() - read_, sized_ ? size : std::size_t{7}});
        std::copy_n(text_.data() + read_, taken, buffer);
        read_ += taken;
        return taken;
    }
    std::optional<std::uint64_t> Size() const override {
        return sized_ ? std::optional<std::uint64_t>(text_.size() - read_) : std::nullopt;
    }

private:
    std::string text_;
    bool sized_;
    std::size_t read_ = 0;
};

struct FakeSystem : System, FolderReader {
    struct FileOutput final : Output {
        FileOutput(FakeSystem& system, std::string path) : system(system), path(std::move(path)) {}
        void Write(std::string_view bytes) override { content.append(bytes); }
        void Commit() override { system.written[path] = content; }
        FakeSystem& system;
        std::string path, content;
    };
    struct Printed final : Output {
        explicit Printed(std::string& out) : out(out) {}
        void Write(std::string_view bytes) override { out.append(bytes); }
        void Commit() override {}
        std::string& out;
    };
    struct Memory final : Scratch {
        explicit Memory(std::uint64_t room) : room(room) {}
        void Write(std::uint64_t offset, const char* data, std::size_t size) override {
            const std::lock_guard<std::mutex> lock(mutex);
            if (offset + size > room) throw Trouble("no room left for temporary files");
            if (bytes.size() < offset + size) bytes.resize(offset + size);
            std::copy_n(data, size, bytes.data() + offset);
        }
        void Read(std::uint64_t offset, char* data, std::size_t size) override {
            const std::lock_guard<std::mutex> lock(mutex);
            ASSERT_LE(offset + size, bytes.size());
            std::copy_n(bytes.data() + offset, size, data);
        }
        std::mutex mutex;
        std::string bytes;
        std::uint64_t room;
    };

    std::map<std::string, std::string> files, written;
    std::map<std::string, std::vector<FolderEntry>> folders;
    std::string input, out, err, opened;
    std::uint64_t memory = std::uint64_t{1} << 30, scratchRoom = UINT64_MAX;
    int scratches = 0;
    Printed printed{out};

    std::unique_ptr<Input> OpenFile(const std::string& path) override {
        if (!files.count(path)) throw Trouble(path + ": No such file or directory");
        return std::make_unique<TextInput>(files[path], true);
    }
    std::unique_ptr<Input> StandardInput() override { return std::make_unique<TextInput>(input, false); }
    bool IsFolder(const std::string& path) override { return folders.count(path) > 0 || path == "unreadable"; }
    bool Exists(const std::string& path, std::string& reason) override {
        reason = "No such file or directory";
        return files.count(path) || IsFolder(path);
    }
    FolderReader& Folders() override { return *this; }
    std::unique_ptr<Output> PrepareOutput(const std::string& path) override {
        return std::make_unique<FileOutput>(*this, path);
    }
    Output& StandardOutput() override { return printed; }
    std::unique_ptr<Scratch> CreateScratch(const std::string&) override {
        ++scratches;
        return std::make_unique<Memory>(scratchRoom);
    }
    std::string TemporaryFolder() override { return "/tmp"; }
    std::uint64_t AvailableMemory() override { return memory; }
    unsigned Processors() override { return 2; }
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
    void Complain(const std::string& text) override { err += text; }
    const char* LineEnd() const override { return "\n"; }
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override {
        if (!folders.count(folder)) return std::nullopt;
        return folders[folder];
    }
    std::string Child(const std::string& folder, const std::string& name) override { return folder + "/" + name; }
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override { return a == b; }

    int Run(const std::vector<std::string>& arguments) {
        out.clear();
        return cli::Run(arguments, *this);
    }
};

TEST(QuorvexCompare, PrintsTheKeptItemsBySideAndSaysInItsStatusWhetherTheListsDiffer) {
    FakeSystem system;
    system.files = {{"l", "pear\napple\n"}, {"r", "apple\r\nkiwi"}};
    system.folders = {{"d", {{"apple"}, {"S", true}}}};
    system.input = "kiwi\napple";
    EXPECT_EQ(system.Run({"l", "r"}), 1);
    EXPECT_EQ(system.out, "< pear\n> kiwi\n");
    EXPECT_EQ(system.Run({"--similarities", "--left", "l", "r"}), 1);
    EXPECT_EQ(system.out, "apple\n");
    system.files["m"] = "pear\rkiwi\r\r\napple";  // any line end ends an item
    EXPECT_EQ(system.Run({"--left", "m", "r"}), 1);
    EXPECT_EQ(system.out, "pear\n");
    EXPECT_EQ(system.Run({"--similarities", "--quiet", "r", "m"}), 1);  // all of r is in m, not all of m in r
    EXPECT_EQ(system.Run({"--count", "--quiet", "--output-right=k.txt", "d", "-"}), 1);
    EXPECT_EQ(system.out, "");
    EXPECT_EQ(system.written["k.txt"], "kiwi\n");  // the folder lists apple and S\ .
    EXPECT_EQ(system.Run({"--count", "r", "-"}), 0);
    EXPECT_EQ(system.out, "left\t2\t0\nright\t2\t0\n");
    EXPECT_EQ(system.Run({"-z", "--output-left=-", "m", "l"}), 1);  // one item, ended by a zero byte
    EXPECT_EQ(system.out, std::string("pear\rkiwi\r\r\napple\0", 18));
    system.files["e"] = "\xC3\x89LAN";  // Élan
    EXPECT_EQ(system.Run({"--ignore-case", "--encoding=utf8", "e", "-"}), 1);
    EXPECT_EQ(system.out, "< \xC3\x89LAN\n> kiwi\n> apple\n");
    system.input = "\xC3\xA9lan";
    EXPECT_EQ(system.Run({"--ignore-case", "--encoding=utf8", "e", "-"}), 0);
    EXPECT_EQ(system.Run({"--ignore-case", "--encoding=ansi", "e", "-"}), 1);
    system.files["q"] = "\" \x01\\\xE9\xC3\xA9";
    EXPECT_EQ(system.Run({"--format=json", "--left", "q", "r"}), 1);
    EXPECT_EQ(system.out, "{\"left\":{\"held\":1,\"kept\":[\"\\\" \\u0001\\\\\\ufffd\xC3\xA9\"]}}\n");
    EXPECT_EQ(system.Run({"--format=json", "--count", "l", "r"}), 1);  // the object lists what was kept all the same
    EXPECT_EQ(system.out, "{\"left\":{\"held\":2,\"kept\":[\"pear\"]},\"right\":{\"held\":2,\"kept\":[\"kiwi\"]}}\n");
    EXPECT_EQ(system.err, "");
}

// Paths compare whole unless asked; a folder's line keeps its own name; the
// line end that ends a file adds no item that could turn path mode off.
TEST(QuorvexCompare, ComparesWholeLinesByDefaultAndFoldersByTheirOwnNames) {
    FakeSystem system;
    system.files = {{"a", "b1\\x.txt\r\nb1\\sub\\\r\n"}, {"b", "b2\\x.txt\r\nb2\\other\\\r\n"}};
    EXPECT_EQ(system.Run({"a", "b"}), 1);
    EXPECT_EQ(system.out, "< b1\\x.txt\n< b1\\sub\\\n> b2\\x.txt\n> b2\\other\\\n");
    EXPECT_EQ(system.Run({"--names=always", "a", "b"}), 1);
    EXPECT_EQ(system.out, "< sub\\\n> other\\\n");
    EXPECT_EQ(system.Run({"--names=auto", "a", "b"}), 1);
    EXPECT_EQ(system.out, "< sub\\\n> other\\\n");
}

// The rules as the window's engine has them, for the same items.
TEST(QuorvexCompare, GivesWhatTheWindowsComparisonGivesUnderItsRules) {
    FakeSystem system;
    const std::string texts[][2] = {{"C:\\x\\A.txt\r\n  D:\\y\\b \r\nE:\\b", "a.TXT\r\nB\r\nc"},
                                    {"\\S\\a\r\nS\\x", "\\s\\A"}};
    for (const auto& [left, right] : texts) {
        system.files = {{"l", left}, {"r", right}};
        for (const CompareOptions& window : {CompareOptions{.mode = CompareMode::Differences},
                                             CompareOptions{.caseRule = CaseRule::Folded, .sort = true}}) {
            std::vector<std::string> arguments{"--left", "--encoding=ansi", "--names=auto", "l", "r"};
            if (window.mode == CompareMode::Similarities) arguments.push_back("--similarities");
            if (window.caseRule == CaseRule::Folded) arguments.insert(arguments.end(), {"--ignore-case", "--sort"});
            system.Run(arguments);
            std::string expected;
            for (const auto item : CompareLists(left, right, window).left) expected.append(item).append("\n");
            EXPECT_EQ(system.out, expected) << left;
        }
    }
}

// Words with case variants, blanks, paths and bytes above 0x7F, many
// repeated, in lines ended every way, or ended by zero bytes.
std::string RandomList(std::mt19937& random, int lines, bool zeros = false) {
    static const char* const kWords[] = {"a",     "A",    "b",  " b ", "\xC3\x89", "\xC3\xA9", "x\\y", "z\\y",
                                         "\\S\\", "\xFF", "ab", "Ab",  "",         "  ",       "q/w",  "\xE9"};
    static const std::string kEnds[] = {"\n", "\r\n", "\r", "\n", std::string(1, '\0')};
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += kWords[random() % 16];
        if (random() % 3 == 0) text += std::to_string(random() % 400);
        text += kEnds[zeros ? 3 + random() % 2 * (random() % 4 > 0) : random() % 4];
    }
    if (random() % 2) text.pop_back();
    return text;
}

// Every combination of the comparison's options, each with one of the ways
// to write the result in turn.
std::vector<std::vector<std::string>> EveryCombination() {
    const std::vector<std::vector<std::string>> axes[] = {
        {{}, {"-s"}},     {{}, {"-i"}, {"-i", "--encoding=ansi"}},
        {{}, {"-a"}},     {{}, {"--names=always"}, {"--names=auto"}},
        {{}, {"--pair"}}, {{}, {"--no-trim"}},
    };
    const std::vector<std::vector<std::string>> writes = {
        {}, {"--format=json"}, {"-c"}, {"-r"}, {"-z"}, {"--output-left=o", "--output-right=p", "-q"}};
    std::vector<std::vector<std::string>> combinations = {{}};
    for (const auto& axis : axes) {
        std::vector<std::vector<std::string>> longer;
        for (const auto& start : combinations)
            for (const auto& choice : axis) {
                longer.push_back(start);
                longer.back().insert(longer.back().end(), choice.begin(), choice.end());
            }
        combinations.swap(longer);
    }
    for (std::size_t i = 0; i < combinations.size(); ++i)
        combinations[i].insert(combinations[i].begin(), writes[i % writes.size()].begin(),
                               writes[i % writes.size()].end());
    return combinations;
}

// A CR LF that two reads split, after an item longer than a read, still ends
// that item: the search for a separator goes on from the CR.
TEST(TextBlocks, EndsALongItemAtACrLfThatTwoReadsSplit) {
    TextInput input(std::string(11, 'a') + "\r\nb", true);
    TextBlocks blocks("", input, false, ItemEnd::CrLf, 4, 1000);
    std::vector<std::string> handedOut;
    for (std::string block; blocks.Next(block);) handedOut.push_back(block);
    EXPECT_EQ(handedOut, (std::vector<std::string>{std::string(11, 'a') + "\r\n", "b"}));
}

// Lists too large for the memory are split into partitions on disk: every
// combination of options gives the same bytes as in memory, and the scratch
// files are used.
TEST(QuorvexCompare, GivesTheSameBytesInPiecesOnDiskAsInMemory) {
    std::mt19937 random(5);
    const auto combinations = EveryCombination();
    for (int round = 0; round < 2; ++round) {
        FakeSystem system;
        for (const bool zeros : {false, true}) {
            const std::string left = RandomList(random, 400, zeros), right = RandomList(random, 400, zeros);
            system.files[zeros ? "lz" : "l"] = round % 2 ? right.substr(0, right.size() / 2) : left;
            system.files[zeros ? "rz" : "r"] = right;
        }
        for (std::size_t i = 0; i < combinations.size(); ++i) {
            const auto& options = combinations[i];
            const bool zeros = !options.empty() && options.front() == "-z";
            system.input = system.files[zeros ? "rz" : "r"];
            std::vector<std::string> arguments = options;
            const char* right = i % 3 == 0 ? "-" : zeros ? "rz" : "r";
            arguments.insert(arguments.end(), {zeros ? "lz" : "l", right});
            const int inMemory = system.Run(arguments);
            const std::string expected = system.out;
            const auto expectedFiles = system.written;
            arguments.insert(arguments.begin(), {"--memory=1K", "--threads=" + std::to_string(1 + i % 2)});
            const int scratches = system.scratches;
            EXPECT_EQ(system.Run(arguments), inMemory);
            EXPECT_EQ(system.out, expected) << testing::PrintToString(arguments);
            EXPECT_EQ(system.written, expectedFiles);
            EXPECT_GT(system.scratches, scratches);
        }
        EXPECT_EQ(system.err, "");
    }
}

// A missing file, a full disk and a reader that went away are tried from
// outside.
TEST(QuorvexCompare, EndsWithStatusTwoAndSaysWhyWhenAnInputCannotBeTaken) {
    FakeSystem system;
    system.files = {{"l", "a"}};
    EXPECT_EQ(system.Run({"unreadable", "l"}), 2);
    EXPECT_EQ(system.Run({"--gui", "l", "-"}), 2);
    EXPECT_EQ(system.Run({"--gui", "l", "missing"}), 2);
    EXPECT_EQ(system.err,
              "quorvex-compare: unreadable: cannot read the folder\n"
              "quorvex-compare: the window takes two files or two folders\n"
              "quorvex-compare: missing: No such file or directory\n");
    EXPECT_EQ(system.Run({"--gui", "l", "l"}), 0);
    EXPECT_EQ(system.opened, "l and file l");
}

// Out of memory or of scratch room: status 2, a message that says what to
// try, and no output file replaced.
TEST(QuorvexCompare, EndsWithStatusTwoWhenMemoryOrScratchRoomRunsOut) {
    FakeSystem system;
    std::mt19937 random(1);
    system.files = {{"l", std::string(3000, 'x') + "\nshort\n"}, {"r", RandomList(random, 2000)}};
    system.written["o"] = "old";
    EXPECT_EQ(system.Run({"--memory=8K", "--output-left=o", "l", "r"}), 2);
    EXPECT_EQ(system.err,
              "quorvex-compare: memory exhausted: an item is longer than the 1024 bytes the memory "
              "allowed can compare; try a larger --memory\n");
    system.err.clear();
    system.scratchRoom = 4096;
    EXPECT_EQ(system.Run({"--memory=1K", "--output-left=o", "r", "r"}), 2);
    EXPECT_EQ(system.err, "quorvex-compare: no room left for temporary files\n");
    EXPECT_EQ(system.written["o"], "old");
}

}  // namespace
}  // namespace quorvex::cli
