// A settings key of its own for every test: on Windows the real key
// HKCU\Software\Orlenda\Quellix\1.0, deleted before and after each test;
// elsewhere a REGEDIT4 file in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings_store.h"
#include "key_file_format.h"
#ifdef _WIN32
#include <windows.h>

#include "registry_win32.h"
#else
#include <stdlib.h>

#include "registry_file.h"
#endif

namespace qlx::test {

// Stored text: its bytes and the terminating zero.
inline RegValue sz(std::string name, std::string text) {
    text += '\0';
    return {std::move(name), kRegSz, {text.begin(), text.end()}};
}
inline RegValue bin(std::string name, std::vector<uint8_t> data) { return {std::move(name), kRegBinary, data}; }

// The table a load gives when no entry could be read.
inline BestScoreTable allMissing() {
    BestScoreTable t;
    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k) t.record(m, g, k).names.fill(std::string(kMissingName));
    return t;
}

class StoreTest : public ::testing::Test {
protected:
#ifdef _WIN32
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenda\\Quellix\\1.0"); }
    void TearDown() override { running_.reset(), SetUp(); }
    std::unique_ptr<Registry> makeRegistry() { return std::make_unique<Win32Registry>(); }
#else
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellix-store-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        software_ = (root_ = pattern) / "config";
    }
    void TearDown() override {
        std::error_code ec;
        running_.reset(), std::filesystem::remove_all(root_, ec);
    }
    std::unique_ptr<Registry> makeRegistry() { return std::make_unique<FileRegistry>(software_); }
    std::filesystem::path keyFile() const { return software_ / "Orlenda" / "Quellix" / "1.0.reg"; }
    std::filesystem::path root_, software_;  // this test's temporary folder, the configuration folder inside it
#endif
    // A fresh key and a new run, for the next row of a table.
    void startOver() { TearDown(), SetUp(); }

    // The registry of the running program: one for a run, from the load to
    // the save, as the program holds it.
    Registry& registry() { return running_ ? *running_ : *(running_ = makeRegistry()); }
    StoreOutcome load(Options& s, BestScoreTable& t) { return loadSettings(registry(), s, t); }
    StoreOutcome save(const Options& s, const BestScoreTable& t) { return saveSettings(registry(), s, t); }

    // Opens the key in that registry, making it when missing.
    RegKey openKey() {
        const auto software = registry().openSoftware();
        const auto key = registry().createKey(software.value(), kSettingsKeyPath, kSettingsKeyClass);
        registry().closeKey(*software);
        return key.value().key;
    }
    // Writes values into the key; reads one back (nothing when it cannot be read).
    void put(const std::vector<RegValue>& values) {
        const RegKey key = openKey();
        for (const RegValue& v : values) EXPECT_TRUE(registry().setValue(key, v.name, v.type, v.data)) << v.name;
        registry().closeKey(key);
    }
    std::optional<RegValue> get(std::string_view name) {
        const RegKey key = openKey();
        std::vector<uint8_t> buffer(1 << 20);
        const QueryResult r = registry().queryValue(key, name, buffer);
        registry().closeKey(key);
        if (!r.ok()) return std::nullopt;
        return RegValue{std::string(name), r.type, {buffer.begin(), buffer.begin() + r.size}};
    }

    std::unique_ptr<Registry> running_;
};

}  // namespace qlx::test
