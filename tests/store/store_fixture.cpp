#include "store_fixture.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <stdlib.h>
#endif

namespace qlx::test {

#ifdef _WIN32

namespace {
void deleteKey() { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenda\\Quellix\\1.0"); }
}  // namespace

void StoreTest::SetUp() { deleteKey(); }
void StoreTest::TearDown() {
    running_.reset();
    deleteKey();
}

std::unique_ptr<Registry> StoreTest::makeRegistry() { return std::make_unique<Win32Registry>(); }

int StoreTest::valueCount() {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orlenda\\Quellix\\1.0", 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return -1;
    }
    DWORD values = 0;
    const LONG rc = RegQueryInfoKeyA(h, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                     nullptr, nullptr, nullptr);
    RegCloseKey(h);
    return rc == ERROR_SUCCESS ? static_cast<int>(values) : -1;
}

#else

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
    // Count what the file holds, not what a registry object remembers.
    FILE* f = std::fopen(keyFile().c_str(), "rb");
    if (!f) return -1;
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
    std::fclose(f);
    const ParsedKeyFile parsed = parseKeyFile(text, "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0");
    return parsed.whole ? static_cast<int>(parsed.values.size()) : -1;
}

#endif

void StoreTest::put(std::string_view name, uint32_t type, const std::vector<uint8_t>& data) {
    withKey([&](Registry& reg, RegKey key) {
        if (type != 0) {
            EXPECT_TRUE(reg.setValue(key, name, type, data));
        }
    });
}

Stored StoreTest::get(std::string_view name) {
    Stored out;
    withKey([&](Registry& reg, RegKey key) {
        std::vector<uint8_t> buffer(4096);
        const QueryResult r = reg.queryValue(key, name, buffer);
        out.status = r.status;
        out.type = r.type;
        if (r.ok()) out.bytes.assign(buffer.begin(), buffer.begin() + r.size);
    });
    return out;
}

}  // namespace qlx::test
