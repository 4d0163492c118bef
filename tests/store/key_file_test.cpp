// The REGEDIT4 file that stands in for the registry where there is none.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "store_fixture.h"

namespace qlx::test {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n";
const std::u16string kUnicodeHead =
    u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n";

std::string withHeader(std::string_view lines) { return kHead + std::string(lines) + "\r\n"; }

// A text as the registry editor's Unicode export stores it.
std::string utf16(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}

// ---- The format ----

// The registry editor's export format, to the letter; and every value comes
// back as written, in lines of at most 80 columns.
TEST(KeyFileFormat, WritesTheRegistryEditorsExportFormatAndReadsBackEveryValue) {
    EXPECT_EQ(formatKeyFile(kKeyPath, {bin("SOLVINGDATA", {1, 0, 0, 0, 0xAB}), sz("1STATS1_1_1", "Ann"),
                                       sz("Say \"hi\"", "C:\\dir \"x\""), {"", kRegDword, {0x2A, 0, 1, 0}}}),
              kHead +
                  "\"SOLVINGDATA\"=hex:01,00,00,00,ab\r\n"
                  "\"1STATS1_1_1\"=\"Ann\"\r\n"
                  "\"Say \\\"hi\\\"\"=\"C:\\\\dir \\\"x\\\"\"\r\n"
                  "@=dword:0001002a\r\n"
                  "\r\n");
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
        {"no header", kHead.substr(12) + "\"A\"=\"x\"\r\n", {"A"}},
        {"unknown header", "Windows Registry Editor Version 6.00\r\n" + kHead.substr(10) + "\"A\"=\"x\"\r\n", {"A"}},
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
        {"Unicode: text beyond Latin-1, read as ?", utf16(kUnicodeHead + u"\"A\"=\"x\"\r\n\"B\"=\"\u03A9\"\r\n"),
         {"A", "B"}},
        {"Unicode: hex text beyond Latin-1", utf16(kUnicodeHead + u"\"A\"=\"x\"\r\n\"B\"=hex(2):a9,03,00,00\r\n"),
         {"A"}},
        {"Unicode: cut in a character", utf16(kUnicodeHead + u"\"A\"=\"x\"\r\n") + "\x41", {"A"}},
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
    for (const char* no : {"", static_cast<const char*>(nullptr)}) EXPECT_EQ(softwareFolderFrom(no, no), fs::path());
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
            ::lchown(root.c_str(), kNobody, kNobody);
            for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
                ::lchown(e.path().c_str(), kNobody, kNobody);
            }
            if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                ::setresuid(kNobody, kNobody, kNobody) != 0) {
                ::_exit(77);
            }
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
    return [=](const fs::path& key, const fs::path&) {
        writeFile(key, text);
        fs::permissions(key, rights);
    };
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
    bool writeSynced(const fs::path& path, std::string_view bytes) override {
        return FileOps::writeSynced(path, atRename ? bytes : bytes.substr(0, bytes.size() / 2)) && atRename;
    }
    bool rename(const fs::path& from, const fs::path& to) override { return !atRename && FileOps::rename(from, to); }
};

// Every file a player may have at the key file's place, from the start of a
// run to its save: what the game starts with, and what the save does. Nothing
// readable is lost (a file not read whole is kept aside before it is
// replaced, and the new one keeps every value that could be read), and
// nothing that is not the game's is replaced.
TEST_F(StoreTest, EachFileAPlayerMayHaveStartsTheGameAndIsSavedOverOrLeftAlone) {
    using enum LoadOutcome;
    constexpr std::size_t kLimit = 2 << 20;
    const auto options = [](std::string_view hex) { return withHeader("\"SOLVINGDATA\"=hex:" + std::string(hex)); };
    const std::string mine = "\"1STATS2_1VAL\"=hex:f4,01,00,00,00,00,00,00,00,00,00,00\r\n\"1STATS2_1_1\"=\"Ann\"";
    const std::vector<RegValue> stored = {bin("SOLVINGDATA", {2, 0, 1, 0, 2, 0, 3, 0, 6, 0, 4, 0, 5, 0}),
                                          bin("1STATS2_1VAL", {0xF4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                                          {"1STATS2_1_1", kRegSz, {'Z', 'o', 0xEB, ' ', '"', 0xD8, 'r', 0}},
                                          {"Path", 2, {'%', 0xFC, 0}}};
    std::vector<RegValue> large = stored;  // and 1.2 MB of text more:
    large.push_back(bin("Big", std::vector<uint8_t>(400'000, 0x5A)));
    const std::string crlf = formatKeyFile(kKeyPath, stored);
    std::string cr = crlf;
    std::erase(cr, '\n');
    const SavedSettings chosen{2, 1, 2, 3, 6, 4, 5}, noOptions{1, 0, 0, 0, 5, 3, 3}, first = firstRunSettings();
    const std::string anon(kMissingName);
    const BestScoreRecord zoe{{500, 0, 0}, {"Zoë \"Ør", anon, anon}}, ann{{500, 0, 0}, {"Ann", anon, anon}},
        none = allMissing().record(1, 1, 2);
    struct Case {
        const char* what;
        Make make;
        LoadOutcome outcome;
        SavedSettings options;   // after the load, made playable
        BestScoreRecord record;  // (1, 1, 2) after the load
        const char* keptAs;      // the save keeps the old file aside under this name (if any), then replaces it
        bool saves = true;       // false: the save leaves every file as it was
        int errors = 0;          // " Error Failerd" shown by the load, and again by the save
        const char* removed = "";  // a file beside the key file that the save removes
        std::shared_ptr<FileOps> ops = std::make_shared<FileOps>();
    };
    const auto whole = [&](const char* what, Make make) { return Case{what, make, Loaded, chosen, zoe, ""}; };
    const auto damaged = [&](const char* what, std::string text, SavedSettings options = {1, 0, 0, 0, 5, 3, 3},
                             BestScoreRecord record = allMissing().record(1, 1, 2)) {
        return Case{what, file(text), Loaded, options, record, ".damaged"};
    };
    const auto skipped = [&](const char* what, Make make, LoadOutcome outcome = KeyUnavailable, int errors = 0) {
        return Case{what, make, outcome, first, none, "", false, errors};
    };
    const auto failing = [&](const char* what, bool atRename) {
        return Case{what, file(crlf), Loaded, chosen, zoe, "", false, 0, "", std::make_shared<FailingOps>(atRename)};
    };
    const auto inTheWay = [](const fs::path& p) { fs::remove_all(p), writeFile(p, "in the way"); };
    const Case cases[] = {
        whole("CR LF", file(crlf)),
        whole("CR", file(cr)),
        whole("over 1 MiB", file(formatKeyFile(kKeyPath, large))),
        whole("the registry editor's Unicode export, through a link",
              linkTo({}, file(utf16(kUnicodeHead + u"\"SOLVINGDATA\"=hex:02,00,01,00,02,00,03,00,06,00,04,00,05,00\r\n"
                                                   u"\"1STATS2_1VAL\"=hex:f4,01,00,00,00,00,00,00,00,00,00,00\r\n"
                                                   u"\"1STATS2_1_1\"=\"Zoë \\\"Ør\"\r\n"
                                                   u"\"Path\"=hex(2):25,00,fc,00,00,00\r\n\r\n")))),
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
         Loaded, chosen, zoe, "", true, 0, "1.0.reg.999999999.tmp"},
        damaged("empty", ""),
        damaged("cut off in a line", crlf.substr(0, crlf.size() - 9), chosen, zoe),
        damaged("over the size limit, not read at all", withHeader(mine) + std::string(kLimit, ';') + "\r\n"),
        damaged("options of 3 bytes", options("02,00,01")),
        damaged("a name of 25 characters", withHeader(mine + "\r\n\"1STATS2_1_2\"=\"" + std::string(25, 'x') + "\""),
                noOptions, ann),
        damaged("options out of range", options("07,00,09,00,03,00,ff,ff,0c,00,14,00,fb,ff"), first),
        {"damaged, with 99 copies kept before",
         [](const fs::path& key, const fs::path&) {
             for (int n = 1; n <= 99; ++n) writeFile(key.string() + ".damaged." + std::to_string(n), std::to_string(n));
             fs::rename(key.string() + ".damaged.1", key.string() + ".damaged"), writeFile(key, "broken");
         },
         Loaded, noOptions, none, ".damaged.100"},
        skipped("a link to /dev/null", linkTo("/dev/null")),
        skipped("a link to a pipe", linkTo({}, [](auto& p, auto&) { ::mkfifo(p.c_str(), 0600); })),
        skipped("a link to a folder", linkTo({}, [](auto& p, auto&) { writeFile(p / "note", "x"); })),
        skipped("a link to nothing", linkTo({})),
        skipped("a link to itself", [](auto& key, auto&) { fs::create_symlink(key, key); }),
        skipped("a pipe", [](auto& key, auto&) { ::mkfifo(key.c_str(), 0600); }),
        skipped("a folder", [](auto& key, auto&) { writeFile(key / "note", "x"); }),
        skipped("the key cannot be made", [&](auto& key, auto&) { inTheWay(key.parent_path().parent_path()); }),
        skipped("the configuration folder is a file",
                [&](auto& key, auto&) { inTheWay(key.parent_path().parent_path().parent_path()); },
                SoftwareUnavailable, 1),
        skipped("no configuration folder", [this](auto&, auto&) { software_.clear(); }, SoftwareUnavailable, 1),
        failing("the disk fills up during the save", false),
        failing("the save's rename fails", true),
        skipped("a file the user may not read", file(crlf, fs::perms{0200})),
        {"a file the user may read, not write", file(crlf, fs::perms{0444}), Loaded, chosen, zoe, "", false},
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
            SavedSettings s;
            BestScoreTable t;
            EXPECT_EQ(load(s, t), c.outcome);
            clampToPlayable(s);
            EXPECT_EQ(s, c.options);
            EXPECT_EQ(t.record(1, 1, 2), c.record);
            EXPECT_EQ(messages.shown, std::vector<std::string>(c.errors, " Error Failerd"));
            EXPECT_EQ(snapshot(root_), atStart) << "the load changed a file";
            t.record(2, 4, 4).score(1) = 77;
            save(s, t);
            EXPECT_EQ(messages.shown.size(), 2u * c.errors);
            const std::size_t entries = snapshot(root_).size();
            t.record(2, 4, 4).score(1) = 78;
            save(s, t);  // the next save of the run has nothing more to keep
            EXPECT_EQ(snapshot(root_).size(), entries);
        });
        if (result == 77) GTEST_SKIP() << "this test runs as root and cannot become another user";
        EXPECT_EQ(result, 0) << "a check failed in the process that ran the game";
        auto after = snapshot(root_);
        if (!c.saves) {
            EXPECT_EQ(after, before);
            continue;
        }
        // The save replaced the key file (behind its link), kept what it must
        // and changed nothing else.
        const fs::path name = fs::canonical(keyFile()).lexically_relative(fs::canonical(root_));
        const std::string old = before[name].substr(6);  // past "file: "
        EXPECT_TRUE(!*c.keptAs || after[name.string() + c.keptAs] == before[name]) << "not kept as " << c.keptAs;
        after.erase(name.string() + c.keptAs), after.erase(name);
        before.erase(name), before.erase(name.parent_path() / c.removed);
        EXPECT_EQ(after, before) << "the save changed other files";
        for (const RegValue& v : parseKeyFile(old, kKeyPath).values)  // and the values that are not the game's are kept
            EXPECT_TRUE(v.name.find("STATS") != std::string::npos || v.name == "SOLVINGDATA" || get(v.name) == v);
    }
}

}  // namespace
}  // namespace qlx::test
