// Arbitrary bytes as the settings file: the reader must never crash, must
// read back whatever it writes, and the game must start with playable
// options without losing the bytes it could not read, and keep a name of
// any characters. Every input is tried
// as it is and as the registry editor's Unicode form of the same text
// (UTF-16LE after a byte-order mark), which must read the same.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "settings_store.h"
#include "key_file_format.h"
#include "registry_file.h"
#include "text_encoding.h"

namespace {

namespace fs = std::filesystem;
using namespace qlx;

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0";
constexpr std::size_t kLimit = 256 * 1024;  // below the longest input, so that inputs reach past it

#define CHECK(cond)                                                       \
    do {                                                                  \
        if (!(cond)) {                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                 \
        }                                                                 \
    } while (0)

const fs::path& workFolder() {
    static const fs::path folder = [] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "quellix-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        const fs::path made = pattern;
        std::atexit([] { std::error_code ec; fs::remove_all(workFolder(), ec); });
        return made;
    }();
    return folder;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

void checkRoundTrip(std::string_view text) {
    const ParsedKeyFile parsed = parseKeyFile(text, kKey);
    const std::string written = formatKeyFile(kKey, parsed.values);
    const ParsedKeyFile again = parseKeyFile(written, kKey);
    CHECK(again.whole);
    CHECK(again.values == parsed.values);
}

// The text as UTF-16LE after a byte-order mark, one unit a byte.
std::string widened(std::string_view text) {
    std::string out = "\xFF\xFE";
    for (char c : text) out += {c, '\0'};
    return out;
}

void checkSameInBothForms(std::string_view text, const std::string& wide) {
    const ParsedKeyFile narrow = parseKeyFile(text, kKey);
    const ParsedKeyFile unicode = parseKeyFile(wide, kKey);
    CHECK(unicode.whole == narrow.whole);
    CHECK(unicode.values == narrow.values);
}

void checkStart(std::string_view text) {
    const fs::path software = workFolder() / "config";
    std::error_code ec;
    fs::remove_all(software, ec);
    const fs::path file = software / "Orlenda" / "Quellix" / "1.0.reg";
    fs::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const auto ops = std::make_shared<UnsyncedFileOps>();

    Options settings;
    BestScoreTable table;
    {
        FileRegistry registry(software, ops, kLimit);
        CHECK(loadSettings(registry, settings, table) == StoreOutcome::Done);
        clampToPlayable(settings);
        CHECK(isPlayable(settings));
        for (int m = 1; m <= kModes; ++m)
            for (int g = 1; g <= kGridSizes; ++g)
                for (int k = 1; k <= kKindCounts; ++k)
                    for (int r = 1; r <= kEntriesPerRecord; ++r) {
                        const std::string& name = table.record(m, g, k).name(r);
                        CHECK(isUtf8(name) && utf8Length(name) <= kMaxStoredNameChars);
                    }
        // A name from the input's own bytes, of any characters, which the
        // next start must read back exactly (the file turning Unicode when
        // it does not fit Latin-1).
        std::string typed = validUtf8(text.substr(0, 64));
        std::size_t end = 0;
        for (std::size_t chars = 0; chars < kMaxStoredNameChars && end < typed.size(); ++chars)
            end += readUtf8(typed, end).length;
        typed.resize(end);
        table.record(2, 4, 4).name(3) = typed;
        CHECK(saveSettings(registry, settings, table) == StoreOutcome::Done);
    }
    // What could not be read is still there, in the file or kept beside it.
    const ParsedKeyFile parsed = parseKeyFile(text, kKey);
    if (!parsed.whole || text.size() > kLimit) {
        fs::path kept = file;
        kept += ".damaged";
        CHECK(readFile(file) == text || readFile(kept) == text);
    }
    // The next start finds what was saved (unless values of the file's own
    // pushed the saved file past the size limit: then it is kept, unread).
    if (fs::file_size(file) > kLimit) return;
    Options again;
    BestScoreTable againTable;
    FileRegistry registry(software, ops, kLimit);
    CHECK(loadSettings(registry, again, againTable) == StoreOutcome::Done);
    Options expected = settings;
    if (expected.fallSpeedIndex == 0) expected.fallSpeedIndex = 3;
    if (expected.fallTimeIndex == 0) expected.fallTimeIndex = 3;
    CHECK(again == expected);
    CHECK(againTable == table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRoundTrip(text);
    checkStart(text);
    if (!text.starts_with("\xFF\xFE")) {
        const std::string wide = widened(text);
        checkSameInBothForms(text, wide);
        checkStart(wide);
    }
    return 0;
}
