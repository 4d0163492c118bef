// The REGEDIT4 file that stands in for the registry where there is none.
#include <gtest/gtest.h>

#include "Module5.h"
#include "key_file_format.h"
#include "registry_file.h"
#include "store_fixture.h"

namespace qlx::test {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n";

std::string withHeader(std::string_view lines) { return kHead + std::string(lines) + "\r\n"; }

// ---- The format ----

TEST(KeyFileFormat, WritesTheRegistryEditorsExportFormat) {
    const std::string text = formatKeyFile(kKeyPath, {bin("SOLVINGDATA", {1, 0, 0, 0, 0xAB}), sz("1STATS1_1_1", "Ann"),
                                                      sz("Say \"hi\"", "C:\\dir \"x\""),
                                                      {"", kRegDword, {0x2A, 0, 1, 0}}});
    EXPECT_EQ(text, kHead +
                        "\"SOLVINGDATA\"=hex:01,00,00,00,ab\r\n"
                        "\"1STATS1_1_1\"=\"Ann\"\r\n"
                        "\"Say \\\"hi\\\"\"=\"C:\\\\dir \\\"x\\\"\"\r\n"
                        "@=dword:0001002a\r\n"
                        "\r\n");
}

TEST(KeyFileFormat, EveryValueSurvivesWritingAndReadingInLinesOfAtMost80Columns) {
    std::vector<uint8_t> longList(100);
    for (std::size_t i = 0; i < longList.size(); ++i) longList[i] = static_cast<uint8_t>(i * 37);
    const std::vector<RegValue> values = {
        sz("plain", "Zo\xEB"),
        sz("quotes and backslashes", "\\\"\\\\\""),
        sz("empty", ""),
        {"zero inside", kRegSz, {'a', 0, 'b', 0}},
        {"no terminator", kRegSz, {'a', 'b'}},
        {"line break", kRegSz, {'a', '\r', '\n', 'b', 0}},
        {"no bytes", kRegSz, {}},
        bin("empty binary", {}),
        bin("long", longList),
        {"odd type", 0x2B, {1, 2, 3}},
        {"short dword", kRegDword, {1, 2}},
        {"\\name\\ with \"everything\" =;[]@", kRegBinary, {0xFF}},
        {"", kRegSz, textValue("default")},
    };
    const std::string text = formatKeyFile(kKeyPath, values);
    for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2) {
        EXPECT_LE(end - pos, 80u) << text.substr(pos, end - pos);
    }
    // Read back as written, and as edited by hand: LF line ends, a comment,
    // the section in lower case.
    std::string edited = "REGEDIT4\n\n[hkey_current_user\\software\\orlenda\\quellix\\1.0]\n; a comment\n";
    for (char c : text.substr(kHead.size())) {
        if (c != '\r') edited += c;
    }
    for (const std::string& t : {text, edited}) {
        const ParsedKeyFile parsed = parseKeyFile(t, kKeyPath);
        EXPECT_TRUE(parsed.whole);
        EXPECT_EQ(parsed.values, values);
    }
}

TEST(KeyFileFormat, ReadsWhatItCanOfADamagedFile) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> names;  // the values still read
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"no header", kHead.substr(12) + "\"A\"=\"x\"\r\n", {"A"}},
        {"other header", "Windows Registry Editor Version 5.00\r\n" + kHead.substr(10) + "\"A\"=\"x\"\r\n", {"A"}},
        {"cut in a line", kHead + "\"A\"=\"x\"\r\n\"B\"=hex:01,0", {"A", "B"}},
        {"cut in a text", kHead + "\"A\"=\"x\"\r\n\"B\"=\"ab", {"A"}},
        {"cut after a continuation", kHead + "\"A\"=\"x\"\r\n\"B\"=hex:01,\\\r\n", {"A"}},
        {"broken line between", kHead + "\"A\"=\"x\"\r\n\"B\"=hex:zz\r\n\"C\"=\"y\"\r\n", {"A", "C"}},
        {"unknown escape", kHead + "\"A\"=\"a\\nb\"\r\n\"C\"=\"y\"\r\n", {"C"}},
        {"text after the quote", kHead + "\"A\"=\"a\" junk\r\n", {}},
        {"value outside a section", "REGEDIT4\r\n\"A\"=\"x\"\r\n", {}},
        {"another key", kHead + "\"A\"=\"x\"\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n", {"A"}},
        {"a deletion", kHead + "\"A\"=-\r\n\"C\"=\"y\"\r\n", {"C"}},
        {"a name twice", kHead + "\"A\"=\"x\"\r\n\"a\"=\"y\"\r\n", {"A"}},
        {"a line of garbage", kHead + "\x01\x02\xff garbage\r\n\"C\"=\"y\"\r\n", {"C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedKeyFile parsed = parseKeyFile(c.text, kKeyPath);
        EXPECT_FALSE(parsed.whole);
        std::vector<std::string> names;
        for (const RegValue& v : parsed.values) names.push_back(v.name);
        EXPECT_EQ(names, c.names);
    }
    // The last of two values of one name counts, as when importing.
    EXPECT_EQ(parseKeyFile(kHead + "\"A\"=\"x\"\r\n\"a\"=\"y\"\r\n", kKeyPath).values[0].data, textValue("y"));
}

TEST(KeyFileFormat, TheConfigurationFolderComesFromAnAbsoluteXdgPathOrHome) {
    EXPECT_EQ(softwareFolderFrom("/x/conf", "/home/u"), fs::path("/x/conf"));
    for (const char* xdg : {"", "relative/conf", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(softwareFolderFrom(xdg, "/home/u"), fs::path("/home/u/.config")) << (xdg ? xdg : "unset");
    }
    EXPECT_EQ(softwareFolderFrom(nullptr, nullptr), fs::path());
    EXPECT_EQ(softwareFolderFrom("", ""), fs::path());
}

// ---- The file as a key ----

class FileKeyTest : public StoreTest {
protected:
    fs::path damagedCopy(std::string_view n = "") const { return keyFile().string() + ".damaged" + std::string(n); }
};

TEST_F(FileKeyTest, AWholeFileIsNotRewrittenByALoadNorKeptAsideNorWrittenUnchanged) {
    const std::string handWritten = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\n"
                                    "\"SOLVINGDATA\"=hex:02,00,01,00,02,00,03,00,06,00,04,00,05,00\n"
                                    "\"Extra\"=dword:00000007\n";
    writeFile(keyFile(), handWritten);
    SavedSettings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (SavedSettings{2, 1, 2, 3, 6, 4, 5}));
    EXPECT_EQ(readFile(keyFile()), handWritten);
    save(s, t);
    EXPECT_FALSE(fs::exists(damagedCopy()));
    EXPECT_EQ(valueCount(), 130);
    const auto earlier = fs::last_write_time(keyFile()) - std::chrono::hours(1);
    fs::last_write_time(keyFile(), earlier);
    save(s, t);
    EXPECT_EQ(fs::last_write_time(keyFile()), earlier);
}

// File operations that fail at one step.
struct FailingOps : FileOps {
    explicit FailingOps(bool atRename) : atRename(atRename) {}
    bool atRename;  // else at the write, when the disk fills up half way
    bool writeSynced(const fs::path& path, std::string_view bytes) override {
        return FileOps::writeSynced(path, atRename ? bytes : bytes.substr(0, bytes.size() / 2)) && atRename;
    }
    bool rename(const fs::path& from, const fs::path& to) override { return !atRename && FileOps::rename(from, to); }
};

TEST_F(FileKeyTest, ASaveThatCannotFinishLeavesThePreviousFileWhole) {
    BestScoreTable first;
    first.record(1, 1, 1) = {{1234, 0, 0}, {"Ann", "", ""}};
    save({2, 1, 2, 3, 6, 4, 5}, first);
    const std::string previous = readFile(keyFile());
    for (const bool atRename : {false, true}) {
        FileRegistry reg(software_, std::make_shared<FailingOps>(atRename));
        saveSettings(reg, messages, firstRunSettings(), BestScoreTable{});
        EXPECT_EQ(readFile(keyFile()), previous);
        EXPECT_EQ(std::distance(fs::directory_iterator(keyFile().parent_path()), fs::directory_iterator()), 1)
            << "a temporary file was left";
    }
}

TEST_F(FileKeyTest, AKeyFileThatIsALinkStaysALink) {
    const fs::path real = root_ / "dotfiles" / "quellix.reg";
    writeFile(real, withHeader("\"Comment\"=\"mine\""));
    fs::create_directories(keyFile().parent_path());
    fs::create_symlink(real, keyFile());
    save(firstRunSettings(), BestScoreTable{});
    EXPECT_TRUE(fs::is_symlink(keyFile()));
    EXPECT_EQ(parseKeyFile(readFile(real), kKeyPath).values.size(), 130u);
}

TEST_F(FileKeyTest, WithoutSoftwareTheErrorShowsAtLoadAndSaveAndTheGameStartsAsOnAFirstRun) {
    struct Case {
        const char* what;
        fs::path blocker;  // a file in the way, below the test's folder; none: no configuration folder at all
        LoadOutcome outcome;
        int errors;  // " Error Failerd" shown by the load, and again by the save
    };
    const Case cases[] = {
        {"the configuration folder is a file", "config", LoadOutcome::SoftwareUnavailable, 1},
        {"no configuration folder", "", LoadOutcome::SoftwareUnavailable, 1},
        {"the key cannot be made", "config/Orlenda", LoadOutcome::KeyUnavailable, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        if (c.blocker.empty()) {
            software_.clear();
        } else {
            writeFile(root_ / c.blocker, "in the way");
        }
        SavedSettings s;
        BestScoreTable t;
        EXPECT_EQ(load(s, t), c.outcome);
        EXPECT_EQ(messages.shown, std::vector<std::string>(c.errors, " Error Failerd"));
        EXPECT_EQ(s, firstRunSettings());
        EXPECT_EQ(t, allMissing());
        save(s, t);
        EXPECT_EQ(messages.shown, std::vector<std::string>(2 * c.errors, " Error Failerd"));
        if (!c.blocker.empty()) {
            EXPECT_EQ(readFile(root_ / c.blocker), "in the way");
        }
    }
}

// A file the game cannot use in full starts the game with playable options;
// nothing touches it until the first save, which keeps it as "1.0.reg.damaged"
// and writes a whole new one.
TEST_F(FileKeyTest, ADamagedFileStartsPlayableAndIsKeptAsideAtTheFirstSave) {
    const auto options = [](std::string_view hex) { return withHeader("\"SOLVINGDATA\"=hex:" + std::string(hex)); };
    std::string garbage, forty = "02,00";
    for (uint32_t i = 0, x = 12345; i < 5000; ++i) garbage += static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    for (int i = 0; i < 38; ++i) forty += ",01";
    const SavedSettings noOptions{1, 0, 0, 0, 5, 3, 3};  // of a key that was there
    struct Case {
        const char* what;
        std::optional<std::string> file;  // none: a folder in its place, which no one can read
        SavedSettings playable;
        Scores scores;  // of record (1, 1, 1)
    };
    const Case cases[] = {
        {"empty", "", noOptions, {}},
        {"cut off in a line",
         options("02,00,01,00,02,00,03,00,06,00,04,00,05,00") +
             "\"1STATS1_1VAL\"=hex:f4,01,00,00,2c,01,00,00,64,00,00,00\r\n"
             "\"1STATS1_1_1\"=\"Ann\"\r\n\"1STATS1_1_2\"=\"Bo",
         {2, 1, 2, 3, 6, 4, 5},
         {500, 0, 0}},
        {"binary garbage", garbage, noOptions, {}},
        {"10 MB, not read at all",
         options("02,00,01,00,02,00,03,00,06,00,04,00,05,00") + std::string(10 << 20, ';') + "\r\n", noOptions, {}},
        {"options of 3 bytes", options("02,00,01"), noOptions, {}},
        {"options of 40 bytes", options(forty), noOptions, {}},
        {"a score value given as text", withHeader("\"1STATS1_1VAL\"=\"500\"\r\n\"1STATS1_1_1\"=\"Ann\""),
         noOptions, {}},
        {"options out of range", options("07,00,09,00,03,00,ff,ff,0c,00,14,00,fb,ff"), firstRunSettings(), {}},
        {"unreadable", std::nullopt, noOptions, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        // What is stored at a path: the file, or the note inside the folder.
        const auto stored = [&](const fs::path& p) { return readFile(c.file ? p : p / "note"); };
        writeFile(c.file ? keyFile() : keyFile() / "note", c.file.value_or("old"));
        SavedSettings s;
        BestScoreTable t;
        EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
        EXPECT_TRUE(messages.shown.empty());
        clampToPlayable(s);
        EXPECT_EQ(s, c.playable);
        EXPECT_EQ(t.record(1, 1, 1).scores, c.scores);
        EXPECT_EQ(stored(keyFile()), c.file.value_or("old")) << "the load changed the file";
        EXPECT_FALSE(fs::exists(damagedCopy()));

        save(s, t);
        EXPECT_EQ(stored(damagedCopy()), c.file.value_or("old"));
        EXPECT_EQ(valueCount(), 129);
        t.record(2, 4, 4).score(1) = 77;
        save(s, t);  // the next save of the run has nothing more to keep
        EXPECT_FALSE(fs::exists(damagedCopy(".2")));
    }
}

TEST_F(FileKeyTest, AnOlderDamagedCopyIsNotReplaced) {
    writeFile(damagedCopy(), "older");
    writeFile(damagedCopy(".2"), "old");
    writeFile(keyFile(), "broken");
    SavedSettings s;
    BestScoreTable t;
    load(s, t);
    save(s, t);
    EXPECT_EQ(readFile(damagedCopy()), "older");
    EXPECT_EQ(readFile(damagedCopy(".2")), "old");
    EXPECT_EQ(readFile(damagedCopy(".3")), "broken");
}

}  // namespace
}  // namespace qlx::test
