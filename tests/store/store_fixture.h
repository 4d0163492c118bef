// A settings key of its own for every test: on Windows the real key
// HKCU\Software\Orlenda\Quellix\1.0, deleted before and after each test;
// elsewhere a REGEDIT4 file in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Module5.h"
#include "doubles.h"
#include "key_file_format.h"
#ifdef _WIN32
#include "registry_win32.h"
#else
#include "registry_file.h"
#endif

namespace qlx::test {

using Scores = std::array<int32_t, kEntriesPerRecord>;
using Names = std::array<std::string, kEntriesPerRecord>;

// Stored text: its bytes and the terminating zero.
inline std::vector<uint8_t> textValue(std::string_view text) {
    std::vector<uint8_t> v(text.begin(), text.end());
    v.push_back(0);
    return v;
}
inline RegValue sz(std::string name, std::string_view text) { return {std::move(name), kRegSz, textValue(text)}; }
inline RegValue bin(std::string name, std::vector<uint8_t> data) {
    return {std::move(name), kRegBinary, std::move(data)};
}

// The table a load gives when no entry could be read.
BestScoreTable allMissing();

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh key and a new run, for the next row of a table.
    void startOver() {
        TearDown();
        SetUp();
        messages.shown.clear();
    }

    std::unique_ptr<Registry> makeRegistry();

    // Runs f with the key open (made when missing) in a registry of its own.
    template <typename F>
    void withKey(F f) {
        auto reg = makeRegistry();
        const auto software = reg->openSoftware();
        ASSERT_TRUE(software);
        const auto key = reg->createKey(*software, kSettingsKeyPath, kSettingsKeyClass);
        ASSERT_TRUE(key);
        f(*reg, key->key);
        EXPECT_TRUE(reg->closeKey(key->key));
        EXPECT_TRUE(reg->closeKey(*software));
    }
    // Writes values into the key, making it when missing.
    void put(const std::vector<RegValue>& values);
    // A value as read back from the key; nothing when it cannot be read.
    std::optional<RegValue> get(std::string_view name);
    // The number of values in the key.
    int valueCount();

    // The registry of the running program: one for a run, from the load to
    // the save, as the program holds it.
    Registry& registry() {
        if (!running_) running_ = makeRegistry();
        return *running_;
    }
    LoadOutcome load(SavedSettings& s, BestScoreTable& t) { return loadSettings(registry(), messages, s, t); }
    void save(const SavedSettings& s, const BestScoreTable& t) { saveSettings(registry(), messages, s, t); }

    RecordingMessages messages;
    std::unique_ptr<Registry> running_;
#ifndef _WIN32
    std::filesystem::path root_;      // this test's temporary folder
    std::filesystem::path software_;  // the configuration folder inside it
    std::filesystem::path keyFile() const { return software_ / "Orlenda" / "Quellix" / "1.0.reg"; }
#endif
};

#ifndef _WIN32
inline constexpr std::string_view kKeyPath = "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0";
std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, std::string_view bytes);
#endif

}  // namespace qlx::test
