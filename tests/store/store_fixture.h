// A settings key of its own for every test: on Windows the real key
// HKCU\Software\Orlenda\Quellix\1.0, deleted before and after each test;
// elsewhere a REGEDIT4 file in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Module5.h"
#include "doubles.h"
#include "registry.h"

#ifdef _WIN32
#include "registry_win32.h"
#else
#include "registry_file.h"
#endif

namespace qlx::test {

// A value as read back from the key.
struct Stored {
    QueryStatus status = QueryStatus::Failed;
    uint32_t type = kRegNone;
    std::vector<uint8_t> bytes;
};

inline std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// Stored text: its bytes and the terminating zero.
inline std::vector<uint8_t> textValue(std::string_view text) {
    std::vector<uint8_t> v = bytesOf(text);
    v.push_back(0);
    return v;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A registry as the program would make it, over this test's key.
    std::unique_ptr<Registry> makeRegistry();

    // Writes values into the key, making it when missing.
    void put(std::string_view name, uint32_t type, const std::vector<uint8_t>& data);
    void putText(std::string_view name, std::string_view text) { put(name, kRegSz, textValue(text)); }
    void putBinary(std::string_view name, const std::vector<uint8_t>& data) { put(name, kRegBinary, data); }
    void putSettings(const SavedSettings& s) {
        const auto bytes = encodeSettings(s);
        putBinary(kSettingsValueName, {bytes.begin(), bytes.end()});
    }
    // Makes the key without values.
    void makeEmptyKey() { put({}, 0, {}); }

    // Runs f with the key open in a registry of its own.
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

    // Reads a value of the key back (buffer of 4096 bytes).
    Stored get(std::string_view name);
    // The number of values in the key.
    int valueCount();

    // The registry of the running program: one for a run, from the load to
    // the save, as the program holds it. restart() begins another run.
    Registry& registry() {
        if (!running_) running_ = makeRegistry();
        return *running_;
    }
    void restart() { running_.reset(); }

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

// Passes every call on to another registry and writes down what was asked.
class RecordingRegistry final : public Registry {
public:
    explicit RecordingRegistry(Registry& inner) : inner_(inner) {}

    std::optional<RegKey> openSoftware() override {
        calls.push_back("openSoftware");
        return inner_.openSoftware();
    }
    std::optional<CreatedKey> createKey(RegKey parent, std::string_view subPath, std::string_view keyClass) override {
        calls.push_back("createKey " + std::string(subPath) + " " + std::string(keyClass));
        return inner_.createKey(parent, subPath, keyClass);
    }
    QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) override {
        calls.push_back("query " + std::string(name) + " " + std::to_string(buffer.size()));
        return inner_.queryValue(key, name, buffer);
    }
    bool setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) override {
        calls.push_back("set " + std::string(name) + " " + std::to_string(type) + " " + std::to_string(data.size()));
        return inner_.setValue(key, name, type, data);
    }
    bool closeKey(RegKey key) override {
        calls.push_back("close");
        return inner_.closeKey(key);
    }
    void keepStoredCopy(RegKey key) override {
        calls.push_back("keepStoredCopy");
        inner_.keepStoredCopy(key);
    }

    std::vector<std::string> calls;

private:
    Registry& inner_;
};

}  // namespace qlx::test
