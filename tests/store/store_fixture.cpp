#include "store_fixture.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <stdlib.h>

#include <fstream>
#include <sstream>
#endif

namespace qlx::test {

#ifdef _WIN32

namespace {
constexpr const char* kKeyPath = "Software\\Orlenda\\Quellix\\1.0";
}  // namespace

void StoreTest::SetUp() { RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath); }
void StoreTest::TearDown() {
    running_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
}

std::unique_ptr<Registry> StoreTest::makeRegistry() { return std::make_unique<Win32Registry>(); }

int StoreTest::valueCount() {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &h) != ERROR_SUCCESS) return -1;
    DWORD values = 0;
    const LONG rc = RegQueryInfoKeyA(h, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                     nullptr, nullptr, nullptr);
    RegCloseKey(h);
    return rc == ERROR_SUCCESS ? static_cast<int>(values) : -1;
}

#else

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

void writeFile(const std::filesystem::path& p, std::string_view bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void StoreTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quellix-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    software_ = root_ / "config";
}

void StoreTest::TearDown() {
    running_.reset();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::unique_ptr<Registry> StoreTest::makeRegistry() { return std::make_unique<FileRegistry>(software_); }

int StoreTest::valueCount() {
    // What the file holds, not what a registry object remembers.
    const ParsedKeyFile parsed = parseKeyFile(readFile(keyFile()), kKeyPath);
    return parsed.whole ? static_cast<int>(parsed.values.size()) : -1;
}

#endif

BestScoreTable allMissing() {
    BestScoreTable t;
    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k) t.record(m, g, k).names.fill(std::string(kMissingName));
    return t;
}

void StoreTest::put(const std::vector<RegValue>& values) {
    withKey([&](Registry& reg, RegKey key) {
        for (const RegValue& v : values) EXPECT_TRUE(reg.setValue(key, v.name, v.type, v.data)) << v.name;
    });
}

std::optional<RegValue> StoreTest::get(std::string_view name) {
    std::optional<RegValue> out;
    withKey([&](Registry& reg, RegKey key) {
        std::vector<uint8_t> buffer(1 << 20);
        const QueryResult r = reg.queryValue(key, name, buffer);
        if (r.ok()) out = RegValue{std::string(name), r.type, {buffer.begin(), buffer.begin() + r.size}};
    });
    return out;
}

}  // namespace qlx::test
