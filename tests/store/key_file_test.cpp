// The REGEDIT4 file that stands in for the registry where there is none.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "Module5.h"
#include "registry_file.h"
#include "store_fixture.h"

namespace qlx::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0";

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

void writeFile(const fs::path& p, std::string_view bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

RegValue sz(std::string name, std::string_view text) { return {std::move(name), kRegSz, textValue(text)}; }
RegValue bin(std::string name, std::vector<uint8_t> data) { return {std::move(name), kRegBinary, std::move(data)}; }

// ---- The format ----

TEST(KeyFileFormat, WritesTheRegistryEditorsExportFormat) {
    const std::string text = formatKeyFile(kKey, {bin("SOLVINGDATA", {1, 0, 0, 0, 0xAB}), sz("1STATS1_1_1", "Ann"),
                                                  sz("Say \"hi\"", "C:\\dir \"x\""), {"", kRegDword, {0x2A, 0, 1, 0}}});
    EXPECT_EQ(text,
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n"
              "\"SOLVINGDATA\"=hex:01,00,00,00,ab\r\n"
              "\"1STATS1_1_1\"=\"Ann\"\r\n"
              "\"Say \\\"hi\\\"\"=\"C:\\\\dir \\\"x\\\"\"\r\n"
              "@=dword:0001002a\r\n"
              "\r\n");
}

TEST(KeyFileFormat, WrapsLongHexListsAndReadsThemBack) {
    std::vector<uint8_t> data(100);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 37);
    const std::string text = formatKeyFile(kKey, {bin("Long", data)});
    std::size_t lines = 0;
    for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2) {
        EXPECT_LE(end - pos, 80u) << text.substr(pos, end - pos);
        ++lines;
    }
    EXPECT_GT(lines, 6u);
    EXPECT_NE(text.find(",\\\r\n  "), std::string::npos);
    const ParsedKeyFile parsed = parseKeyFile(text, kKey);
    EXPECT_TRUE(parsed.whole);
    ASSERT_EQ(parsed.values.size(), 1u);
    EXPECT_EQ(parsed.values[0].data, data);
}

TEST(KeyFileFormat, EveryValueSurvivesWritingAndReading) {
    const std::vector<RegValue> values = {
        sz("plain", "Zo\xEB"),
        sz("quotes and backslashes", "\\\"\\\\\""),
        sz("empty", ""),
        {"zero inside", kRegSz, {'a', 0, 'b', 0}},
        {"no terminator", kRegSz, {'a', 'b'}},
        {"line break", kRegSz, {'a', '\r', '\n', 'b', 0}},
        {"no bytes", kRegSz, {}},
        bin("empty binary", {}),
        {"odd type", 0x2B, {1, 2, 3}},
        {"short dword", kRegDword, {1, 2}},
        {"\\name\\ with \"everything\" =;[]@", kRegBinary, {0xFF}},
        {"", kRegSz, textValue("default")},
    };
    const ParsedKeyFile parsed = parseKeyFile(formatKeyFile(kKey, values), kKey);
    EXPECT_TRUE(parsed.whole);
    EXPECT_EQ(parsed.values, values);
}

TEST(KeyFileFormat, ReadsLfAndCrLfFilesAlike) {
    const std::string lf =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\n"
        "; a comment\n"
        "\"SOLVINGDATA\"=hex:02,00,\\\n   01,00\n"
        "\"A\"=\"x\"\n"
        "\"T\"=hex(1):41,42,00\n\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {lf, crlf}) {
        const ParsedKeyFile parsed = parseKeyFile(text, kKey);
        EXPECT_TRUE(parsed.whole);
        EXPECT_EQ(parsed.values, (std::vector<RegValue>{bin("SOLVINGDATA", {2, 0, 1, 0}), sz("A", "x"), sz("T", "AB")}));
    }
}

TEST(KeyFileFormat, SectionNamesAreMatchedWithoutRegardToCase) {
    const ParsedKeyFile parsed =
        parseKeyFile("REGEDIT4\r\n\r\n[hkey_current_user\\software\\orlenda\\quellix\\1.0]\r\n\"A\"=\"x\"\r\n", kKey);
    EXPECT_TRUE(parsed.whole);
    EXPECT_EQ(parsed.values.size(), 1u);
}

TEST(KeyFileFormat, ReadsWhatItCanOfADamagedFile) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> names;  // the values still read
    };
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n";
    const Case cases[] = {
        {"empty", "", {}},
        {"no header", "[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n\"A\"=\"x\"\r\n", {"A"}},
        {"other header", "Windows Registry Editor Version 5.00\r\n" + head.substr(10) + "\"A\"=\"x\"\r\n", {"A"}},
        {"cut in a line", head + "\"A\"=\"x\"\r\n\"B\"=hex:01,0", {"A", "B"}},
        {"cut in a text", head + "\"A\"=\"x\"\r\n\"B\"=\"ab", {"A"}},
        {"cut after a continuation", head + "\"A\"=\"x\"\r\n\"B\"=hex:01,\\\r\n", {"A"}},
        {"broken line between", head + "\"A\"=\"x\"\r\n\"B\"=hex:zz\r\n\"C\"=\"y\"\r\n", {"A", "C"}},
        {"unknown escape", head + "\"A\"=\"a\\nb\"\r\n\"C\"=\"y\"\r\n", {"C"}},
        {"text after the quote", head + "\"A\"=\"a\" junk\r\n", {}},
        {"value outside a section", "REGEDIT4\r\n\"A\"=\"x\"\r\n", {}},
        {"another key", head + "\"A\"=\"x\"\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"B\"=\"y\"\r\n", {"A"}},
        {"a deletion", head + "\"A\"=-\r\n\"C\"=\"y\"\r\n", {"C"}},
        {"a name twice", head + "\"A\"=\"x\"\r\n\"a\"=\"y\"\r\n", {"A"}},
        {"a line of garbage", head + "\x01\x02\xff garbage\r\n\"C\"=\"y\"\r\n", {"C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedKeyFile parsed = parseKeyFile(c.text, kKey);
        EXPECT_FALSE(parsed.whole);
        std::vector<std::string> names;
        for (const RegValue& v : parsed.values) names.push_back(v.name);
        EXPECT_EQ(names, c.names);
    }
    // The last of two values of one name counts, as when importing.
    EXPECT_EQ(parseKeyFile(head + "\"A\"=\"x\"\r\n\"a\"=\"y\"\r\n", kKey).values[0].data, textValue("y"));
}

TEST(KeyFileFormat, TheConfigurationFolderComesFromXdgOrHome) {
    EXPECT_EQ(softwareFolderFrom("/x/conf", "/home/u"), fs::path("/x/conf"));
    EXPECT_EQ(softwareFolderFrom("", "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(softwareFolderFrom(nullptr, "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(softwareFolderFrom("relative/conf", "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(softwareFolderFrom(nullptr, nullptr), fs::path());
    EXPECT_EQ(softwareFolderFrom("", ""), fs::path());
}

// ---- The file as a key ----

class FileKeyTest : public StoreTest {
protected:
    // The values as they are in the file now.
    ParsedKeyFile onDisk() { return parseKeyFile(readFile(keyFile()), kKey); }

    fs::path damagedCopy(int n = 1) const {
        fs::path p = keyFile();
        p += n == 1 ? std::string(".damaged") : ".damaged." + std::to_string(n);
        return p;
    }

    // Starts the game over a settings file holding bytes: load, then make the
    // options playable.
    SavedSettings startWith(std::string_view bytes, BestScoreTable& table) {
        writeFile(keyFile(), bytes);
        SavedSettings s;
        const LoadOutcome outcome = load(s, table);
        EXPECT_EQ(outcome, LoadOutcome::Loaded);
        clampToPlayable(s);
        EXPECT_TRUE(isPlayable(s));
        EXPECT_TRUE(messages.shown.empty());
        return s;
    }

    // After starting over a damaged file: nothing is touched until the save,
    // which keeps the old file as .damaged and writes a whole new one.
    void expectKeptOnSave(std::string_view original, const SavedSettings& s, const BestScoreTable& t) {
        EXPECT_EQ(readFile(keyFile()), original) << "the load changed the file";
        EXPECT_FALSE(fs::exists(damagedCopy()));
        save(s, t);
        EXPECT_EQ(readFile(damagedCopy()), original);
        EXPECT_TRUE(onDisk().whole);
        EXPECT_EQ(onDisk().values.size(), 129u);
        // The next save of the run has nothing more to keep.
        BestScoreTable changed = t;
        changed.record(2, 4, 4).score(1) = 77;
        save(s, changed);
        EXPECT_FALSE(fs::exists(damagedCopy(2)));
        EXPECT_EQ(readFile(damagedCopy()), original);
    }

    static std::string withHeader(std::string_view lines) {
        return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n" + std::string(lines) + "\r\n";
    }
};

TEST_F(FileKeyTest, TheKeyIsNewOnlyWhenItsFileDidNotExist) {
    FileRegistry reg(software_);
    const auto software = reg.openSoftware();
    ASSERT_TRUE(software);
    const auto made = reg.createKey(*software, "Orlenda\\Quellix\\1.0", "USERDATA");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->disposition, KeyDisposition::CreatedNew);
    EXPECT_TRUE(fs::is_regular_file(keyFile()));
    EXPECT_TRUE(onDisk().whole);
    const auto again = reg.createKey(*software, "Orlenda\\Quellix\\1.0", "USERDATA");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->disposition, KeyDisposition::OpenedExisting);
    EXPECT_TRUE(reg.closeKey(made->key));
    EXPECT_TRUE(reg.closeKey(again->key));
    EXPECT_TRUE(reg.closeKey(*software));
    EXPECT_FALSE(reg.closeKey(*software));  // already closed
}

TEST_F(FileKeyTest, AKeyOfAHandEditedFileIsNotRewrittenByALoad) {
    const std::string handWritten = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\n"
                                    "\"SOLVINGDATA\"=hex:02,00,01,00,02,00,03,00,06,00,04,00,05,00\n";
    BestScoreTable t;
    const SavedSettings s = startWith(handWritten, t);
    EXPECT_EQ(s, (SavedSettings{2, 1, 2, 3, 6, 4, 5}));
    EXPECT_EQ(readFile(keyFile()), handWritten);
}

TEST_F(FileKeyTest, ASaveThatChangesNothingDoesNotWrite) {
    save(firstRunSettings(), BestScoreTable{});
    const auto before = fs::last_write_time(keyFile());
    fs::last_write_time(keyFile(), before - std::chrono::hours(1));
    save(firstRunSettings(), BestScoreTable{});
    EXPECT_EQ(fs::last_write_time(keyFile()), before - std::chrono::hours(1));
}

TEST_F(FileKeyTest, TheFileIsWrittenAtCloseAndNotBefore) {
    FileRegistry reg(software_);
    const auto software = reg.openSoftware();
    const auto key = reg.createKey(*software, "Orlenda\\Quellix\\1.0", "USERDATA");
    ASSERT_TRUE(key);
    ASSERT_TRUE(reg.setValue(key->key, "A", kRegSz, textValue("x")));
    EXPECT_TRUE(onDisk().values.empty());
    EXPECT_TRUE(reg.closeKey(key->key));
    EXPECT_EQ(onDisk().values, (std::vector<RegValue>{sz("A", "x")}));
    reg.closeKey(*software);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(keyFile().parent_path()), fs::directory_iterator()), 1);
}

// File operations that fail at one step.
class FailingOps : public FileOps {
public:
    enum class Step { Write, Rename } failAt;
    explicit FailingOps(Step step) : failAt(step) {}
    bool writeSynced(const fs::path& path, std::string_view bytes) override {
        if (failAt != Step::Write) return FileOps::writeSynced(path, bytes);
        FileOps::writeSynced(path, bytes.substr(0, bytes.size() / 2));  // the disk fills up half way
        return false;
    }
    bool rename(const fs::path& from, const fs::path& to) override {
        return failAt == Step::Rename ? false : FileOps::rename(from, to);
    }
};

TEST_F(FileKeyTest, ASaveThatCannotFinishLeavesThePreviousFileWhole) {
    const SavedSettings first{2, 1, 2, 3, 6, 4, 5};
    BestScoreTable firstTable;
    firstTable.record(1, 1, 1).score(1) = 1234;
    firstTable.record(1, 1, 1).name(1) = "Ann";
    save(first, firstTable);
    const std::string previous = readFile(keyFile());

    for (const auto step : {FailingOps::Step::Write, FailingOps::Step::Rename}) {
        FileRegistry reg(software_, std::make_shared<FailingOps>(step));
        const auto software = reg.openSoftware();
        const auto key = reg.createKey(*software, "Orlenda\\Quellix\\1.0", "USERDATA");
        ASSERT_TRUE(key);
        reg.setValue(key->key, "SOLVINGDATA", kRegBinary, std::vector<uint8_t>(14, 9));
        EXPECT_FALSE(reg.closeKey(key->key));
        reg.closeKey(*software);
        EXPECT_EQ(readFile(keyFile()), previous);
        EXPECT_EQ(std::distance(fs::directory_iterator(keyFile().parent_path()), fs::directory_iterator()), 1)
            << "a temporary file was left";
    }
    SavedSettings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, first);
    EXPECT_EQ(t.record(1, 1, 1).name(1), "Ann");
}

TEST_F(FileKeyTest, AKeyFileThatIsALinkStaysALink) {
    const fs::path real = root_ / "dotfiles" / "quellix.reg";
    writeFile(real, withHeader("\"Comment\"=\"mine\""));
    fs::create_directories(keyFile().parent_path());
    fs::create_symlink(real, keyFile());
    save(firstRunSettings(), BestScoreTable{});
    EXPECT_TRUE(fs::is_symlink(keyFile()));
    EXPECT_EQ(parseKeyFile(readFile(real), kKey).values.size(), 130u);
}

// ---- Where "Software" cannot be had ----

TEST_F(FileKeyTest, AConfigurationFolderThatIsAFileShowsTheErrorAndStartsAsOnAFirstRun) {
    writeFile(software_, "not a folder");
    SavedSettings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::SoftwareUnavailable);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{" Error Failerd"}));
    EXPECT_EQ(s, firstRunSettings());
    EXPECT_EQ(t.record(2, 4, 4).name(3), "Anononymous");

    save(s, t);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{" Error Failerd", " Error Failerd"}));
    EXPECT_EQ(readFile(software_), "not a folder");
}

TEST_F(FileKeyTest, NoConfigurationFolderAtAllShowsTheError) {
    FileRegistry reg{fs::path()};
    SavedSettings s;
    BestScoreTable t;
    EXPECT_EQ(loadSettings(reg, messages, s, t), LoadOutcome::SoftwareUnavailable);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FileKeyTest, AKeyThatCannotBeMadeStartsAsOnAFirstRunWithoutAMessage) {
    writeFile(software_ / "Orlenda", "in the way");
    SavedSettings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::KeyUnavailable);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(s, firstRunSettings());
    EXPECT_EQ(t.record(1, 1, 1).name(1), "Anononymous");
    save(s, t);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readFile(software_ / "Orlenda"), "in the way");
}

// ---- Damaged files: each starts with sensible options and keeps what it could not read ----

TEST_F(FileKeyTest, AnEmptyFile) {
    BestScoreTable t;
    const SavedSettings s = startWith("", t);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    expectKeptOnSave("", s, t);
}

TEST_F(FileKeyTest, AFileCutOffInALine) {
    BestScoreTable saved;
    saved.record(1, 1, 1).scores = {500, 300, 100};
    saved.record(1, 1, 1).names = {"Ann", "Bob", "Cy"};
    save({2, 1, 2, 3, 6, 4, 5}, saved);
    restart();
    const std::string whole = readFile(keyFile());
    const std::string cut = whole.substr(0, whole.find("\"1STATS1_1_2\"") + 18);  // in the middle of "Bob"

    BestScoreTable t;
    const SavedSettings s = startWith(cut, t);
    EXPECT_EQ(s, (SavedSettings{2, 1, 2, 3, 6, 4, 5}));
    EXPECT_EQ(t.record(1, 1, 1).names, (std::array<std::string, 3>{"Ann", "Anononymous", "Anononymous"}));
    EXPECT_EQ(t.record(1, 1, 1).scores, (std::array<int32_t, 3>{500, 0, 0}));
    expectKeptOnSave(cut, s, t);
}

TEST_F(FileKeyTest, AFileOfBinaryGarbage) {
    std::string garbage;
    uint32_t x = 12345;
    for (int i = 0; i < 5000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage += static_cast<char>(x >> 24);
    }
    BestScoreTable t;
    const SavedSettings s = startWith(garbage, t);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    expectKeptOnSave(garbage, s, t);
}

TEST_F(FileKeyTest, AFileOfTenMegabytesIsNotReadAtAll) {
    std::string huge = withHeader("\"SOLVINGDATA\"=hex:02,00,01,00,02,00,03,00,06,00,04,00,05,00");
    huge += std::string(10 * 1024 * 1024, ';');
    huge += "\r\n";
    BestScoreTable t;
    const SavedSettings s = startWith(huge, t);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    expectKeptOnSave(huge, s, t);
}

TEST_F(FileKeyTest, OptionsOfThreeBytes) {
    const std::string file = withHeader("\"SOLVINGDATA\"=hex:02,00,01");
    BestScoreTable t;
    const SavedSettings s = startWith(file, t);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, OptionsOfFortyBytes) {
    std::string list = "02,00";
    for (int i = 0; i < 38; ++i) list += ",01";
    const std::string file = withHeader("\"SOLVINGDATA\"=hex:" + list);
    BestScoreTable t;
    const SavedSettings s = startWith(file, t);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, AScoreValueGivenAsText) {
    const std::string file =
        withHeader("\"1STATS1_1VAL\"=\"500\"\r\n\"1STATS1_1_1\"=\"Ann\"\r\n\"1STATS1_1_2\"=\"Bob\"");
    BestScoreTable t;
    const SavedSettings s = startWith(file, t);
    EXPECT_EQ(t.record(1, 1, 1).names, (std::array<std::string, 3>{"Ann", "Bob", "Anononymous"}));
    EXPECT_EQ(t.record(1, 1, 1).scores, (std::array<int32_t, 3>{0, 0, 0}));
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, OptionsOutOfRange) {
    // gameMode 7, grid 9, tile size 3, tile set -1, 12 kinds, speed 20, time -5
    const std::string file = withHeader("\"SOLVINGDATA\"=hex:07,00,09,00,03,00,ff,ff,0c,00,14,00,fb,ff");
    BestScoreTable t;
    const SavedSettings s = startWith(file, t);
    EXPECT_EQ(s, firstRunSettings());
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, FourKindsStayFourWhenLoadedAndBecomeFiveWhenPlayable) {
    const std::string file = withHeader("\"SOLVINGDATA\"=hex:02,00,03,00,02,00,04,00,04,00,13,00,13,00");
    writeFile(keyFile(), file);
    SavedSettings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (SavedSettings{2, 3, 2, 4, 4, 19, 19}));
    EXPECT_TRUE(clampToPlayable(s));
    EXPECT_EQ(s, (SavedSettings{2, 3, 2, 4, 5, 19, 19}));
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, ANameTooLongToRead) {
    const std::string file = withHeader("\"2STATS1_1VAL\"=hex:0a,00,00,00,09,00,00,00,08,00,00,00\r\n"
                                        "\"2STATS1_1_1\"=\"A name of twenty-five ch.\"\r\n"
                                        "\"2STATS1_1_2\"=\"Bob\"");
    BestScoreTable t;
    const SavedSettings s = startWith(file, t);
    EXPECT_EQ(t.record(2, 1, 1).names, (std::array<std::string, 3>{"Anononymous", "Bob", "Anononymous"}));
    EXPECT_EQ(t.record(2, 1, 1).scores, (std::array<int32_t, 3>{0, 9, 0}));
    expectKeptOnSave(file, s, t);
}

TEST_F(FileKeyTest, AFileThatCannotBeReadIsMovedAsideAtTheSave) {
    // The tests run as root, whom file permissions do not stop: a folder in
    // place of the file cannot be read by anyone.
    fs::create_directories(keyFile() / "inside");
    writeFile(keyFile() / "inside" / "note.txt", "old");
    SavedSettings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
    clampToPlayable(s);
    EXPECT_EQ(s, (SavedSettings{1, 0, 0, 0, 5, 3, 3}));
    EXPECT_TRUE(fs::is_directory(keyFile()));
    save(s, t);
    EXPECT_EQ(readFile(damagedCopy() / "inside" / "note.txt"), "old");
    EXPECT_EQ(onDisk().values.size(), 129u);
}

TEST_F(FileKeyTest, AnOlderDamagedCopyIsNotReplaced) {
    writeFile(damagedCopy(), "older");
    writeFile(damagedCopy(2), "old");
    BestScoreTable t;
    const SavedSettings s = startWith("broken", t);
    save(s, t);
    EXPECT_EQ(readFile(damagedCopy()), "older");
    EXPECT_EQ(readFile(damagedCopy(2)), "old");
    EXPECT_EQ(readFile(damagedCopy(3)), "broken");
}

TEST_F(FileKeyTest, AWholeFileWithValuesOfItsOwnKeepsNoCopy) {
    save({2, 1, 2, 3, 6, 4, 5}, BestScoreTable{});
    std::string text = readFile(keyFile());
    text.insert(text.find("\"SOLVINGDATA\""), "\"Extra\"=dword:00000007\r\n");
    writeFile(keyFile(), text);
    BestScoreTable t;
    const SavedSettings s = startWith(text, t);
    EXPECT_EQ(s, (SavedSettings{2, 1, 2, 3, 6, 4, 5}));
    t.record(1, 1, 1).score(1) = 5;
    save(s, t);
    EXPECT_FALSE(fs::exists(damagedCopy()));
    EXPECT_EQ(onDisk().values.size(), 130u);
}

TEST_F(FileKeyTest, ADamagedFileThatIsNeverSavedOverIsLeftAlone) {
    FileRegistry reg(software_);
    SavedSettings s;
    BestScoreTable t;
    writeFile(keyFile(), "broken");
    loadSettings(reg, messages, s, t);
    EXPECT_EQ(readFile(keyFile()), "broken");
    EXPECT_FALSE(fs::exists(damagedCopy()));
}

}  // namespace
}  // namespace qlx::test
