// The REGEDIT4 file that stands in for the registry where there is none.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>

#include "store_fixture.h"

namespace qlx::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKeyPath = "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0";
const std::string kHead = "REGEDIT4\r\n\r\n[" + std::string(kKeyPath) + "]\r\n";
std::string withHeader(std::string_view lines) { return kHead + std::string(lines) + "\r\n"; }

// A text of one byte per character in UTF-16LE after a byte-order mark, as
// the registry editor's Unicode export stores it.
std::u16string widen(std::string_view text) {
    std::u16string out;
    for (unsigned char c : text) out += c;
    return out;
}
std::string utf16(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}
const std::u16string kUnicodeHead = u"Windows Registry Editor Version 5.00" + widen(kHead.substr(8));

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void writeFile(const fs::path& p, std::string_view bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// ---- The format ----

// The registry editor's export format, to the letter; and every value comes
// back as written, in lines of at most 80 columns.
TEST(KeyFileFormat, WritesTheRegistryEditorsExportFormatAndReadsBackEveryValue) {
    EXPECT_EQ(formatKeyFile(kKeyPath, {bin("SOLVINGDATA", {1, 0, 0, 0, 0xAB}), sz("1STATS1_1_1", "Ann"),
                                       sz("Say \"hi\"", "C:\\dir \"x\""), {"", kRegDword, {0x2A, 0, 1, 0}}}),
              withHeader("\"SOLVINGDATA\"=hex:01,00,00,00,ab\r\n"
                         "\"1STATS1_1_1\"=\"Ann\"\r\n"
                         "\"Say \\\"hi\\\"\"=\"C:\\\\dir \\\"x\\\"\"\r\n"
                         "@=dword:0001002a\r\n"));
    const std::vector<RegValue> values = {
        sz("plain", "Zoë"), sz("quotes and backslashes", "\\\"\\\\\""), sz("empty", ""), sz("", "default"),
        {"zero inside", kRegSz, {'a', 0, 'b', 0}}, {"no terminator", kRegSz, {'a', 'b'}}, {"no bytes", kRegSz, {}},
        {"line break", kRegSz, {'a', '\r', '\n', 'b', 0}}, {"carriage return", kRegSz, {'a', '\r', 'b', 0}},
        {"odd type", 0x2B, {1, 2, 3}}, {"dword", kRegDword, {0x2A, 0, 1, 0x80}},
        bin("empty binary", {}), bin("long", std::vector<uint8_t>(100, 0xA5)), {"short dword", kRegDword, {1, 2}},
        {"\\name\\ with \"everything\" =;[]@", kRegBinary, {0xFF}},
    };
    // Hex lists wrap before a byte that would pass column 76 (counted in
    // characters), never before the first, and go on indented by two.
    const auto times = [](std::string_view s, int n) { std::string out; while (n-- > 0) out += s; return out; };
    const std::string longName(70, 'n');
    EXPECT_EQ(formatKeyFile(kKeyPath, {bin("Zoë", std::vector<uint8_t>(50, 0xA5)), bin(longName, {1, 2})}),
              withHeader("\"Zo\xEB\"=hex:" + times("a5,", 22) + "\\\r\n  " + times("a5,", 24) + "\\\r\n  " +
                         times("a5,", 3) + "a5\r\n\"" + longName + "\"=hex:01,\\\r\n  02\r\n"));
    const std::string text = formatKeyFile(kKeyPath, values);
    for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        EXPECT_LE(end - pos, 80u) << text.substr(pos, end - pos);
    EXPECT_EQ(text.find('\0'), std::string::npos);  // a zero byte only ever as hex
    // Read back as written, and as edited by hand: LF line ends, a comment,
    // the section in lower case.
    std::string edited = text;
    std::erase(edited, '\r');
    edited.replace(0, kHead.size() - 3, "REGEDIT4\n\n[hkey_current_user\\software\\orlenda\\quellix\\1.0]\n; note\n");
    for (const ParsedKeyFile& parsed : {parseKeyFile(text, kKeyPath), parseKeyFile(edited, kKeyPath)}) {
        EXPECT_TRUE(parsed.whole);
        EXPECT_EQ(parsed.values, values);
    }
}

// What cannot be read is skipped and makes the file not whole. A name given
// twice keeps its first place and its last value, as when importing.
TEST(KeyFileFormat, ReadsWhatItCanOfADamagedFile) {
    const std::string a = "\"A\"=\"x\"\r\n";
    const RegValue x = sz("A", "x");
    const std::tuple<const char*, std::string, std::vector<RegValue>> cases[] = {  // and the values still read
        {"no header", kHead.substr(12) + a, {x}},
        {"unknown header", "Windows Registry Editor Version 6.00\r\n" + kHead.substr(10) + a, {x}},
        {"cut in a text", kHead + a + "\"B\"=\"ab", {x}},
        {"cut after a continuation", kHead + a + "\"B\"=hex:01,\\\r\n", {x}},
        {"lines that do not parse, before one that does: bad hex, an unknown escape, text after the quote, a deletion",
         kHead + "\"B\"=hex:zz\r\n\"C\"=\"a\\nb\"\r\n\"D\"=\"a\" junk\r\n\"E\"=-\r\n" + a, {x}},
        {"a byte of three digits, a number of nine", kHead + "\"B\"=hex:01,100\r\n\"C\"=dword:100000000\r\n" + a, {x}},
        {"no line end after the last value, which may be cut short", kHead + a + "\"B\"=dword:1",
         {x, {"B", kRegDword, {1, 0, 0, 0}}}},
        {"value outside a section", "REGEDIT4\r\n" + a, {}},
        {"another key", kHead + a + "[HKEY_CURRENT_USER\\Software\\Other]\r\n", {x}},
        {"a name twice: its first place, its last data", kHead + a + "\"B\"=\"z\"\r\n\"a\"=\"y\"\r\n",
         {sz("A", "y"), sz("B", "z")}},
        {"a line of garbage", kHead + "\x01\x02\xff garbage\r\n" + a, {x}},
        {"Unicode: half a character in quotes", utf16(kUnicodeHead + widen(a) + u"\"B\"=\"\xD83D\"\r\n"),
         {x, sz("B", "\uFFFD")}},
        {"Unicode: half a character in a hex text", utf16(kUnicodeHead + widen(a) + u"\"B\"=hex(2):3d,d8,00,00\r\n"),
         {x}},
        {"Unicode: cut in a character", utf16(kUnicodeHead + widen(a)) + "\x41", {x}},
    };
    for (const auto& [what, text, values] : cases) {
        SCOPED_TRACE(what);
        const ParsedKeyFile parsed = parseKeyFile(text, kKeyPath);
        EXPECT_FALSE(parsed.whole);
        EXPECT_EQ(parsed.values, values);
    }
}

// Text that fits Latin-1 is written one byte a character, as ever; a single
// character beyond turns the whole file into the registry editor's Unicode
// export, which keeps every character, in quotes and in hex lists alike.
TEST(KeyFileFormat, TextBeyondLatin1TurnsTheFileIntoTheUnicodeExportAndComesBackExactly) {
    const RegValue zoe = sz("1STATS1_1_1", "Zoë"), broken = {"Ærø", kRegSz, {0xC3, 0xA9, '\r', '\n', 0}};
    EXPECT_EQ(formatKeyFile(kKeyPath, {zoe, broken}),
              withHeader("\"1STATS1_1_1\"=\"Zo\xEB\"\r\n\"\xC6r\xF8\"=hex(1):e9,0d,0a,00\r\n"));

    const std::vector<RegValue> values = {
        zoe, sz("1STATS1_1_2", "李雷"), sz("1STATS1_1_3", "Łukasz"), sz("Ω", "A😀B"), bin("SOLVINGDATA", {1, 0, 0xFF}),
        {"expandable", kRegExpandSz, {'%', 0xCE, 0xA9, '%', 0}},  // %Ω%
        {"texts", kRegMultiSz, {'a', 0, 0xF0, 0x9F, 0x98, 0x80, 0, 0}},  // a, 😀
        {"line break", kRegSz, {'a', '\n', 0xE6, 0x9D, 0x8E, 0}}, broken,  // a, line break, 李
    };
    const std::string text = formatKeyFile(kKeyPath, values);
    EXPECT_EQ(text, utf16(u"Windows Registry Editor Version 5.00\r\n\r\n[" + widen(kKeyPath) + u"]\r\n"
                          u"\"1STATS1_1_1\"=\"Zoë\"\r\n\"1STATS1_1_2\"=\"李雷\"\r\n\"1STATS1_1_3\"=\"Łukasz\"\r\n"
                          u"\"Ω\"=\"A😀B\"\r\n\"SOLVINGDATA\"=hex:01,00,ff\r\n"
                          u"\"expandable\"=hex(2):25,00,a9,03,25,00,00,00\r\n"
                          u"\"texts\"=hex(7):61,00,00,00,3d,d8,00,de,00,00,00,00\r\n"
                          u"\"line break\"=hex(1):61,00,0a,00,4e,67,00,00\r\n"
                          u"\"Ærø\"=hex(1):e9,00,0d,00,0a,00,00,00\r\n\r\n"));
    const ParsedKeyFile parsed = parseKeyFile(text, kKeyPath);
    EXPECT_TRUE(parsed.whole);
    EXPECT_EQ(parsed.values, values);
    // A value's name or the key's path beyond Latin-1 makes the file Unicode as well.
    const std::string kyiv = "HKEY_CURRENT_USER\\Software\\Київ";
    for (const auto& [path, value] : {std::pair{std::string(kKeyPath), bin("Ω", {1})}, {kyiv, bin("A", {1})}}) {
        const std::string other = formatKeyFile(path, {value});
        EXPECT_TRUE(other.starts_with(utf16(u"Windows Registry Editor Version 5.00"))) << path;
        EXPECT_EQ(parseKeyFile(other, path).values, std::vector<RegValue>{value}) << path;
    }
    // Latin-1 read from a REGEDIT4 file comes in as UTF-8.
    EXPECT_EQ(parseKeyFile(withHeader("\"\xC6\"=\"Zo\xEB\"\r\n\"b\"=hex(1):e9,00"), kKeyPath).values,
              (std::vector<RegValue>{sz("Æ", "Zoë"), sz("b", "é")}));
}

// A name repeated among many, in any case, is found however many there are:
// reading stays in proportion to the file, and the key finds each value.
TEST(KeyFileFormat, RepeatedNamesAmongManyKeepTheirFirstPlaceAndTheirLastData) {
    std::string text = kHead;
    std::vector<RegValue> expected;
    const auto name = [](char first, int i) { return std::string(1, first) += std::to_string(i); };
    const auto line = [](const std::string& name, std::string_view data) {
        return std::string("\"").append(name).append("\"=\"").append(data).append("\"\r\n");
    };
    for (int i = 0; i < 3000; ++i) {
        text += line(name('v', i), "first");
        if (i % 5 == 0) text += line(name('v', i), "again");  // repeated at once, among the values read together
        expected.push_back(sz(name('v', i), i % 3 == 0 ? "last" : i % 5 == 0 ? "again" : "first"));
    }
    for (int i = 2997; i >= 0; i -= 3) text += line(name('V', i), "last");  // in reverse, in upper case
    text += "\r\n";
    const ParsedKeyFile parsed = parseKeyFile(text, kKeyPath);
    EXPECT_FALSE(parsed.whole);
    EXPECT_EQ(parsed.values, expected);
}

TEST_F(StoreTest, TheKeyFindsEachOfManyValuesByNameWithoutRegardToCase) {
    writeFile(keyFile(), formatKeyFile(kKeyPath, {sz("Loaded", "from the file")}));
    const RegKey key = openKey();
    for (int i = 0; i < 2000; ++i) {
        const std::string n = std::to_string(i);
        ASSERT_TRUE(registry().setValue(key, "Value" + n, kRegBinary, std::vector<uint8_t>(n.begin(), n.end())));
    }
    ASSERT_TRUE(registry().setValue(key, "VALUE7", kRegSz, std::vector<uint8_t>{'x', 0}));  // replaces Value7
    ASSERT_TRUE(registry().setValue(key, "Value8", kRegSz, std::vector<uint8_t>{'8'}));  // the same bytes as text
    // Bytes that are not UTF-8 are kept as the file gives them back.
    ASSERT_TRUE(registry().setValue(key, "broken", kRegSz, std::vector<uint8_t>{'a', 0xE9, 0}));
    std::vector<uint8_t> back(16);
    const QueryResult r = registry().queryValue(key, "BROKEN", back);
    back.resize(r.size);
    EXPECT_EQ((RegValue{"broken", r.type, back}), sz("broken", "a\uFFFD"));  // before the file gives it back so
    registry().closeKey(key);
    for (int i = 0; i < 2000; i += 37) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(get("vAlUe" + n), (RegValue{"vAlUe" + n, kRegBinary, {n.begin(), n.end()}}));
    }
    EXPECT_EQ(get("value7"), sz("value7", "x"));
    EXPECT_EQ(get("value8"), (RegValue{"value8", kRegSz, {'8'}}));
    EXPECT_EQ(get("loaded"), sz("loaded", "from the file"));
    EXPECT_EQ(get("broken"), sz("broken", "a\uFFFD"));
    EXPECT_EQ(get("Value2000"), std::nullopt);
    running_.reset();  // and as the next run reads the file
    EXPECT_EQ(get("value7"), sz("value7", "x"));
    EXPECT_EQ(get("value8"), (RegValue{"value8", kRegSz, {'8'}}));
    EXPECT_EQ(get("broken"), sz("broken", "a\uFFFD"));
    EXPECT_EQ(parseKeyFile(readFile(keyFile()), kKeyPath).values.size(), 2002u);
}

// The stored file of a table whose names fit Latin-1 is the one earlier
// versions wrote, byte for byte. (Names beyond Latin-1: the Unicode export
// above, and their round trip in settings_store_test.cpp.)
TEST_F(StoreTest, NamesInLatin1KeepTheFileAsEarlierVersionsWroteIt) {
    BestScoreTable table = allMissing();
    table.record(2, 3, 4) = {{900, 90, 9}, {"Zoë", "Ærø \"ÿ\"", "plain"}};
    save({2, 1, 0, 4, 8, 19, 3}, table);
    std::string expected = kHead + "\"SOLVINGDATA\"=hex:02,00,01,00,00,00,04,00,08,00,13,00,03,00\r\n";
    for (int m = 1; m <= 2; ++m)
        for (int g = 1; g <= 4; ++g)
            for (int k = 1; k <= 4; ++k) {
                std::string prefix = "\"";
                prefix.append(std::to_string(m)).append("STATS").append(std::to_string(k)).append("_");
                prefix.append(std::to_string(g));
                const bool ours = m == 2 && g == 3 && k == 4;
                expected += prefix + (ours ? "VAL\"=hex:84,03,00,00,5a,00,00,00,09,00,00,00\r\n"
                                           : "VAL\"=hex:00,00,00,00,00,00,00,00,00,00,00,00\r\n");
                const char* names[] = {"Zo\xEB", "\xC6r\xF8 \\\"\xFF\\\"", "plain"};  // escaped as in the file
                for (int r = 1; r <= 3; ++r)
                    expected += prefix + "_" + std::to_string(r) + "\"=\"" + (ours ? names[r - 1] : "Anononymous") + "\"\r\n";
            }
    EXPECT_EQ(readFile(keyFile()), expected + "\r\n");
}

// A save keeps the file's permission bits, whatever the umask, and its owner
// and group where the process may give them (root may; a user may not).
TEST_F(StoreTest, ASaveKeepsTheFilesModeAndOwner) {
    const bool root = ::geteuid() == 0;
    for (const auto& [mode, mask] : {std::pair{0600, 022}, {0640, 022}, {0604, 0}, {0644, 077}}) {
        SCOPED_TRACE(testing::Message() << std::oct << mode << " under umask " << mask);
        startOver();
        writeFile(keyFile(), withHeader("\"Other\"=\"kept\""));
        ::chmod(keyFile().c_str(), static_cast<mode_t>(mode));
        if (root) {
            ASSERT_EQ(::chown(keyFile().c_str(), 65534, 65534), 0);
        }
        const mode_t old = ::umask(static_cast<mode_t>(mask));
        Options s;
        BestScoreTable t;
        load(s, t);
        t.record(1, 1, 1).score(1) = 5;
        save(s, t);
        ::umask(old);
        struct stat st {};
        ASSERT_EQ(::stat(keyFile().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, static_cast<mode_t>(mode));
        EXPECT_EQ(st.st_uid, root ? 65534u : ::geteuid());
        EXPECT_EQ(st.st_gid, root ? 65534u : ::getegid());
        EXPECT_EQ(get("1STATS1_1VAL"), bin("1STATS1_1VAL", {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // it was saved
    }
    // A key file the game makes has the bits 0666 that the umask leaves.
    startOver();
    const mode_t old = ::umask(027);
    openKey();
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(keyFile().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(KeyFileFormat, TheConfigurationFolderComesFromAnAbsoluteXdgPathOrHome) {
    EXPECT_EQ(softwareFolderFrom("/x/conf", "/home/u"), fs::path("/x/conf"));
    EXPECT_EQ(softwareFolderFrom("relative/conf", "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(softwareFolderFrom(nullptr, ""), fs::path());
    EXPECT_EQ(softwareFolderFrom("", nullptr), fs::path());
}

// ---- The file as a key ----

// Everything below a folder: each entry's kind, and a file's content or a
// link's target, so that a test can show that nothing there changed.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        const fs::file_type type = e.symlink_status().type();
        out[e.path().lexically_relative(folder).string()] =
            type == fs::file_type::symlink   ? "link to " + fs::read_symlink(e.path()).string()
            : type == fs::file_type::regular ? "file: " + readFile(e.path())
                                             : "kind " + std::to_string(static_cast<int>(type));
    }
    return out;
}

// Runs check in a child process without root's rights: as nobody when this
// test runs as root, with everything below root handed to nobody, so that
// only a file's own rights protect it.
// Gives the child's exit code: 0 passed, 1 failed, 77 could not drop rights.
int withoutRoot(const fs::path& root, const std::function<void()>& check) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0) {
            if (::lchown(root.c_str(), kNobody, kNobody) != 0) ::_exit(77);
            for (const fs::directory_entry& e : fs::recursive_directory_iterator(root))
                if (::lchown(e.path().c_str(), kNobody, kNobody) != 0) ::_exit(77);
            if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                ::setresuid(kNobody, kNobody, kNobody) != 0)
                ::_exit(77);
        }
        check();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Lays out what a player has at the key file's place; elsewhere is a free
// path outside the key's folder.
using Make = std::function<void(const fs::path& key, const fs::path& elsewhere)>;
Make file(std::string text, fs::perms rights = fs::perms{0644}) {
    return [=](const fs::path& key, const fs::path&) { writeFile(key, text), fs::permissions(key, rights); };
}
Make linkTo(fs::path target, Make makeTarget = {}) {
    return [=](const fs::path& key, const fs::path& elsewhere) {
        if (makeTarget) makeTarget(elsewhere, {});
        fs::create_symlink(target.empty() ? elsewhere : target, key);
    };
}

// File operations that fail at one step of a save.
struct FailingOps : FileOps {
    explicit FailingOps(bool atRename) : atRename(atRename) {}
    bool atRename;  // else at the write, when the disk fills up half way
    bool writeSynced(const fs::path& path, std::string_view bytes, const std::optional<FileOwnership>& like) override {
        return FileOps::writeSynced(path, atRename ? bytes : bytes.substr(0, bytes.size() / 2), like) && atRename;
    }
    bool rename(const fs::path& from, const fs::path& to) override { return !atRename && FileOps::rename(from, to); }
};

// A file system without hard links, where a damaged file can be kept aside
// only by moving it; with failKeep not even that.
struct NoHardLinkOps : FileOps {
    explicit NoHardLinkOps(bool failKeep) : failKeep(failKeep) {}
    bool failKeep;
    bool hardLink(const fs::path&, const fs::path&) override { return false; }
    bool rename(const fs::path& from, const fs::path& to) override {
        return !(failKeep && to.filename().string().find(".damaged") != std::string::npos) && FileOps::rename(from, to);
    }
};

// Every file a player may have at the key file's place, from the start of a
// run to its save: what the game starts with, and what the save does. Nothing
// readable is lost (a file not read whole is kept aside before it is
// replaced, and the new one keeps every value that could be read), and
// nothing that is not the game's is replaced.
TEST_F(StoreTest, EachFileAPlayerMayHaveStartsTheGameAndIsSavedOverOrLeftAlone) {
    using enum StoreOutcome;
    constexpr std::size_t kLimit = 2 << 20;
    const auto options = [](std::string_view hex) { return withHeader("\"SOLVINGDATA\"=hex:" + std::string(hex)); };
    const std::string crlf = formatKeyFile(kKeyPath, {bin("SOLVINGDATA", {2, 0, 1, 0, 2, 0, 3, 0, 6, 0, 4, 0, 5, 0}),
                                                      bin("1STATS2_1VAL", {0xF4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                                                      sz("1STATS2_1_1", "Zoë \"Ør"),
                                                      {"Count", kRegDword, {7, 0, 0, 0}}});
    std::string cr = crlf;
    std::erase(cr, '\n');
    const Options chosen{2, 1, 2, 3, 6, 4, 5}, first = firstRunOptions();
    const BestScoreRecord none = allMissing().record(1, 1, 2);
    const BestScoreRecord zoe{{500, 0, 0}, {"Zoë \"Ør", "Anononymous", "Anononymous"}};
    struct Case {
        const char* what;
        Make make;
        Options options;   // after the load, made playable
        BestScoreRecord record;  // (1, 1, 2) after the load
        const char* keptAs;  // the save keeps the old file aside under this name (if any), then replaces it;
                             // null: the save leaves every file as it was
        StoreOutcome outcome = Done;  // of the load and of each save
        std::shared_ptr<FileOps> ops = std::make_shared<FileOps>();
    };
    const auto damaged = [&](const char* what, std::string text, Options options = {1, 0, 0, 0, 5, 3, 3},
                             BestScoreRecord record = allMissing().record(1, 1, 2)) {
        return Case{what, file(text), options, record, ".damaged"};
    };
    const auto skipped = [&](const char* what, Make make, StoreOutcome outcome = KeyUnavailable) {
        return Case{what, make, first, none, nullptr, outcome};
    };
    const auto inTheWay = [](const fs::path& p) { fs::remove_all(p), writeFile(p, "in the way"); };
    const Case cases[] = {
        {"CR line ends, over 1 MiB", file(cr + std::string(1'200'000, ';') + "\r"), chosen, zoe, ""},
        {"the registry editor's Unicode export, through a link",
         linkTo({}, file(utf16(kUnicodeHead + widen(crlf.substr(kHead.size()))))), chosen, zoe, ""},
        {"a killed save's temporary file beside it, and files that only look alike",
         [&](const fs::path& key, const fs::path&) {
             writeFile(key, crlf);
             const fs::path in = key.parent_path();
             for (const char* name : {"1.0.reg.999999999.tmp", "1.0.reg.1.tmp", "1.0.reg.0999.tmp", "1.0.reg.12a.tmp",
                                      "1.0.reg.tmp", "x1.0.reg.999999997.tmp", "1.0.reg.999999996.tmp/note"}) {
                 writeFile(in / name, name);
                 fs::last_write_time(in / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
             }
             fs::create_symlink("1.0.reg.1.tmp", in / "1.0.reg.999999995.tmp");
             writeFile(in / "1.0.reg.999999998.tmp", "fresh");  // a running copy's
         },
         chosen, zoe, ""},
        {"exactly at the size limit", file(crlf + std::string(kLimit - crlf.size() - 2, ';') + "\r\n"), chosen, zoe, ""},
        damaged("empty", ""),
        damaged("cut off in its last value, which reads as another", crlf.substr(0, crlf.rfind("07")), chosen, zoe),
        damaged("over the size limit, not read at all",
                options("02,00,01,00,02,00,03,00,06,00,04,00,05,00") + std::string(kLimit, ';') + "\r\n"),
        damaged("options of 3 bytes", options("02,00,01")),
        damaged("a name of 25 characters", crlf + "\"1STATS2_1_2\"=\"" + std::string(25, 'x') + "\"\r\n", chosen, zoe),
        damaged("options out of range", options("07,00,09,00,03,00,ff,ff,04,00,14,00,fb,ff"), first),
        {"damaged, with 99 copies kept before",
         [](const fs::path& key, const fs::path&) {
             for (int n = 2; n <= 99; ++n) writeFile(key.string() + ".damaged." + std::to_string(n), "");
             writeFile(key.string() + ".damaged", ""), writeFile(key, "broken");
         },
         {1, 0, 0, 0, 5, 3, 3}, none, ".damaged.100"},
        {"damaged, where files cannot be linked: moved aside", file("broken"), {1, 0, 0, 0, 5, 3, 3}, none, ".damaged",
         Done, std::make_shared<NoHardLinkOps>(false)},
        {"damaged, and it cannot be kept aside: never replaced", file("broken"), {1, 0, 0, 0, 5, 3, 3}, none, nullptr,
         Done, std::make_shared<NoHardLinkOps>(true)},
        skipped("a link to /dev/null", linkTo("/dev/null")),
        skipped("a link to a folder", linkTo({}, [](auto& p, auto&) { writeFile(p / "note", "x"); })),
        skipped("a link to nothing", linkTo({})),
        skipped("a pipe", [](auto& key, auto&) { ::mkfifo(key.c_str(), 0600); }),
        skipped("a folder", [](auto& key, auto&) { writeFile(key / "note", "x"); }),
        skipped("a file the user may not read", file(crlf, fs::perms{0200})),
        skipped("the key cannot be made", [&](auto& key, auto&) { inTheWay(key.parent_path().parent_path()); }),
        skipped("the configuration folder is a file",
                [&](auto& key, auto&) { inTheWay(key.parent_path().parent_path().parent_path()); },
                SoftwareUnavailable),
        skipped("no configuration folder", [this](auto&, auto&) { software_.clear(); }, SoftwareUnavailable),
        {"the disk fills up", file(crlf), chosen, zoe, nullptr, Done, std::make_shared<FailingOps>(false)},
        {"the save's rename fails", file(crlf), chosen, zoe, nullptr, Done, std::make_shared<FailingOps>(true)},
        {"a file the user may read, not write", file(crlf, fs::perms{0444}), chosen, zoe, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        fs::create_directories(keyFile().parent_path());
        c.make(keyFile(), root_ / "elsewhere");
        running_ = std::make_unique<FileRegistry>(software_, c.ops, kLimit);
        auto before = snapshot(root_);
        const int result = withoutRoot(root_, [&] {
            const auto atStart = snapshot(root_);
            Options s;
            BestScoreTable t;
            EXPECT_EQ(load(s, t), c.outcome);
            clampToPlayable(s);
            EXPECT_EQ(s, c.options);
            EXPECT_EQ(t.record(1, 1, 2), c.record);
            BestScoreTable others = t;
            others.record(1, 1, 2) = none;
            EXPECT_EQ(others, allMissing()) << "a record the file does not hold";
            EXPECT_EQ(snapshot(root_), atStart) << "the load changed a file";
            for (int32_t score : {77, 78}) {  // the second save keeps no more aside
                t.record(2, 4, 4).score(1) = score;
                EXPECT_EQ(save(s, t), c.outcome);
            }
        });
        if (result == 77) GTEST_SKIP() << "this test runs as root and cannot become another user";
        EXPECT_EQ(result, 0) << "a check failed in the process that ran the game";
        auto after = snapshot(root_);
        if (c.keptAs) {  // the key file (behind its link) replaced whole, and kept aside first if it must
            const std::string name = fs::canonical(keyFile()).lexically_relative(fs::canonical(root_)).string();
            EXPECT_TRUE(parseKeyFile(after[name].substr(6), kKeyPath).whole);
            for (const RegValue& v : parseKeyFile(before[name].substr(6), kKeyPath).values)  // others' values stay
                EXPECT_TRUE(v.name.find("STATS") != std::string::npos || v.name == "SOLVINGDATA" || get(v.name) == v);
            if (*c.keptAs) before[name + c.keptAs] = before[name];
            before[name] = after[name];
            before.erase("config/Orlenda/Quellix/1.0.reg.999999999.tmp");  // a killed save's: removed
        }
        EXPECT_EQ(after, before) << "the save changed other files";
    }
}

// A change reaches the disk when its key is closed: the new text into a
// temporary file beside the key file, renamed over it, the folder flushed.
// The close tells whether that worked; a close without a change writes nothing.
TEST_F(StoreTest, AKeysChangesReachTheDiskThroughATemporaryFileWhenItIsClosed) {
    struct Recording : FileOps {
        std::vector<std::string> steps;
        bool writeSynced(const fs::path& p, std::string_view bytes, const std::optional<FileOwnership>& like) override {
            steps.push_back("write " + p.filename().string());
            return FileOps::writeSynced(p, bytes, like);
        }
        bool rename(const fs::path& from, const fs::path& to) override {
            steps.push_back("rename " + from.filename().string() + " to " + to.filename().string());
            return FileOps::rename(from, to);
        }
        void syncFolder(const fs::path& folder) override {
            steps.push_back("sync " + folder.string());
            FileOps::syncFolder(folder);
        }
    };
    writeFile(keyFile(), withHeader("\"A\"=\"x\""));
    const auto ops = std::make_shared<Recording>();
    running_ = std::make_unique<FileRegistry>(software_, ops);
    RegKey key = openKey();
    EXPECT_TRUE(registry().closeKey(key));
    EXPECT_EQ(ops->steps, std::vector<std::string>{});
    key = openKey();
    ASSERT_TRUE(registry().setValue(key, "B", kRegBinary, std::vector<uint8_t>{1}));
    EXPECT_TRUE(registry().closeKey(key));
    const std::string temp = "1.0.reg." + std::to_string(::getpid()) + ".tmp";
    EXPECT_EQ(ops->steps, (std::vector<std::string>{"write " + temp, "rename " + temp + " to 1.0.reg",
                                                    "sync " + keyFile().parent_path().string()}));
    EXPECT_EQ(readFile(keyFile()), withHeader("\"A\"=\"x\"\r\n\"B\"=hex:01\r\n"));

    for (bool atRename : {false, true}) {
        running_ = std::make_unique<FileRegistry>(software_, std::make_shared<FailingOps>(atRename));
        key = openKey();
        ASSERT_TRUE(registry().setValue(key, "C", kRegBinary, std::vector<uint8_t>{2}));
        EXPECT_FALSE(registry().closeKey(key)) << (atRename ? "the rename failed" : "the write failed");
    }
    EXPECT_EQ(readFile(keyFile()), withHeader("\"A\"=\"x\"\r\n\"B\"=hex:01\r\n"));
}

// A new key's empty file is put in place without waiting for the disk, which
// would hold up the first start; a change to the key is flushed as ever.
TEST_F(StoreTest, ANewKeysEmptyFileIsPlacedWithoutWaitingForTheDisk) {
    struct Recording : FileOps {
        std::vector<std::string> steps;
        bool writeSynced(const fs::path& p, std::string_view bytes, const std::optional<FileOwnership>& like) override {
            steps.push_back("write synced");
            return FileOps::writeSynced(p, bytes, like);
        }
        bool writeUnsynced(const fs::path& p, std::string_view bytes) override {
            steps.push_back("write");
            return FileOps::writeUnsynced(p, bytes);
        }
        void syncFolder(const fs::path& folder) override {
            steps.push_back("sync");
            FileOps::syncFolder(folder);
        }
    };
    const auto ops = std::make_shared<Recording>();
    FileRegistry made(software_, ops);
    const std::optional<CreatedKey> key = made.createKey(made.openSoftware().value(), kSettingsKeyPath, kSettingsKeyClass);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->disposition, KeyDisposition::CreatedNew);
    EXPECT_EQ(ops->steps, std::vector<std::string>{"write"});
    EXPECT_EQ(readFile(keyFile()), formatKeyFile(kKeyPath, {}));
    ASSERT_TRUE(made.setValue(key->key, "B", kRegBinary, std::vector<uint8_t>{1}));
    EXPECT_TRUE(made.closeKey(key->key));
    EXPECT_EQ(ops->steps, (std::vector<std::string>{"write", "write synced", "sync"}));
}

// A key path names a key below "Software" and nothing else: a path with an
// empty part, "." or "..", or a "/" is refused, and nothing is made for it.
TEST_F(StoreTest, AKeyPathThatNamesNoKeyBelowSoftwareIsRefused) {
    const RegKey software = registry().openSoftware().value();
    for (std::string_view path : {"", "a\\\\b", "\\a", "a\\", ".", "..", "..\\x", "a\\..\\..\\x", "a\\.\\b", "a/b"}) {
        EXPECT_EQ(registry().createKey(software, path, kSettingsKeyClass), std::nullopt) << path;
        EXPECT_EQ(registry().lockKey(path), nullptr) << path;
    }
    EXPECT_TRUE(fs::is_empty(software_));
    EXPECT_EQ(snapshot(root_).size(), 1u);  // the configuration folder alone
}

// Copies of the game take turns: while one holds the key's lock another
// waits for it kKeyLockWaitMs, then goes on without; the lock is free again
// as soon as its holder lets it go, and each key has its own.
TEST_F(StoreTest, TheKeysLockIsHeldByOneCopyAtATime) {
    FileRegistry mine(software_), other(software_);
    std::unique_ptr<KeyLock> held = mine.lockKey(kSettingsKeyPath);
    ASSERT_NE(held, nullptr);
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(other.lockKey(kSettingsKeyPath), nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(kKeyLockWaitMs)) << "gave up at once";
    EXPECT_NE(other.lockKey("Orlenda\\Quellix\\2.0"), nullptr);
    held.reset();
    held = other.lockKey(kSettingsKeyPath);
    EXPECT_NE(held, nullptr);
    held.reset();
    EXPECT_NE(mine.lockKey(kSettingsKeyPath), nullptr);
}

// A copy of the game that starts while another saves: the key's file is
// missing when the starting copy looks, and there when it makes the key. The
// other copy's file, with its scores, is read and never replaced by an empty
// one; on a file system without hard links as well.
TEST_F(StoreTest, AKeySavedWhileAnotherCopyMakesItIsReadAndKept) {
    struct SavedMeanwhile : NoHardLinkOps {
        SavedMeanwhile(fs::path key, bool links) : NoHardLinkOps(false), key(std::move(key)), links(links) {}
        fs::path key;
        bool links;
        bool writeUnsynced(const fs::path& path, std::string_view bytes) override {
            if (!fs::exists(key)) writeFile(key, formatKeyFile(kKeyPath, {sz("1STATS1_1_1", "Ann")}));  // the other copy's save
            return FileOps::writeUnsynced(path, bytes);
        }
        bool hardLink(const fs::path& existing, const fs::path& link) override {
            return links && FileOps::hardLink(existing, link);
        }
    };
    for (const bool links : {true, false}) {
        SCOPED_TRACE(links ? "hard links" : "no hard links");
        fs::remove_all(software_);
        FileRegistry registry(software_, std::make_shared<SavedMeanwhile>(keyFile(), links));
        const std::optional<RegKey> software = registry.openSoftware();
        ASSERT_TRUE(software);
        const std::optional<CreatedKey> key = registry.createKey(*software, kSettingsKeyPath, kSettingsKeyClass);
        ASSERT_TRUE(key);
        if (!links) continue;  // a rename replaces: only a hard link can refuse a name that is taken
        EXPECT_EQ(key->disposition, KeyDisposition::OpenedExisting);
        std::array<uint8_t, 32> buffer{};
        EXPECT_TRUE(registry.queryValue(key->key, "1STATS1_1_1", buffer).ok());
        registry.closeKey(key->key);
        EXPECT_NE(readFile(keyFile()).find("Ann"), std::string::npos);
        EXPECT_EQ(snapshot(software_ / "Orlenda" / "Quellix").size(), 1u);  // no temporary file left
    }
}

}  // namespace
}  // namespace qlx::test
