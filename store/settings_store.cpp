#include "settings_store.h"

#include "text_encoding.h"

namespace qlx {

namespace {

// What loadSettings found while reading.
struct LoadNotes {
    bool unusable = false;  // a value the game reads had the wrong type or length
};

void startAsFirstRun(Options& settings, BestScoreTable& table) {
    settings = firstRunOptions();
    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k) {
                BestScoreRecord& record = table.record(m, g, k);
                for (int r = 1; r <= kEntriesPerRecord; ++r) {
                    record.score(r) = 0;
                    record.name(r) = kMissingName;
                }
            }
}

// Reads a value that must have exactly the given type and size. Anything else
// leaves bytes as they were; a value that is there but unusable is noted.
bool readExact(Registry& registry, RegKey key, std::string_view name, uint32_t type,
               std::span<uint8_t> bytes, LoadNotes& notes) {
    std::array<uint8_t, 64> buffer{};
    const std::span<uint8_t> into(buffer.data(), bytes.size());
    const QueryResult result = registry.queryValue(key, name, into);
    if (result.ok() && result.type == type && result.size == bytes.size()) {
        std::copy(into.begin(), into.end(), bytes.begin());
        return true;
    }
    if (result.status != QueryStatus::NotFound) notes.unusable = true;
    return false;
}

void readName(Registry& registry, RegKey key, int m, int g, int k, int r, BestScoreRecord& record,
              LoadNotes& notes) {
    std::array<uint8_t, kNameBufferBytes> buffer{};
    const QueryResult result = registry.queryValue(key, nameValueName(m, g, k, r), buffer);
    if (result.ok() && result.type == kRegSz) {
        // The stored text without its terminating zero.
        const std::size_t length = result.size > 0 ? result.size - 1 : 0;
        const std::string_view name(reinterpret_cast<const char*>(buffer.data()), length);
        if (utf8Length(name) <= kMaxStoredNameChars) {
            record.name(r) = name;
            return;
        }
    }
    if (result.status != QueryStatus::NotFound) notes.unusable = true;  // too long, or not text
    record.name(r) = kMissingName;
    record.score(r) = 0;
}

void applyLoadDefaults(Options& s, KeyDisposition disposition) {
    if (disposition == KeyDisposition::CreatedNew) {
        s.tileSizeIndex = optionField(&Options::tileSizeIndex).firstRun;
    }
    if (s.numColors < 4) s.numColors = optionField(&Options::numColors).firstRun;
    if (s.gameMode < 1) s.gameMode = optionField(&Options::gameMode).firstRun;
    if (s.fallSpeedIndex == 0) s.fallSpeedIndex = optionField(&Options::fallSpeedIndex).firstRun;
    if (s.fallTimeIndex == 0) s.fallTimeIndex = optionField(&Options::fallTimeIndex).firstRun;
}

void putInt16(std::span<uint8_t> out, std::size_t at, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    out[at] = static_cast<uint8_t>(u & 0xFF);
    out[at + 1] = static_cast<uint8_t>(u >> 8);
}

int16_t getInt16(std::span<const uint8_t> in, std::size_t at) {
    return static_cast<int16_t>(static_cast<uint16_t>(in[at] | (in[at + 1] << 8)));
}

void putInt32(std::span<uint8_t> out, std::size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (std::size_t b = 0; b < 4; ++b) out[at + b] = static_cast<uint8_t>(u >> (8 * b));
}

int32_t getInt32(std::span<const uint8_t> in, std::size_t at) {
    uint32_t u = 0;
    for (std::size_t b = 0; b < 4; ++b) u |= static_cast<uint32_t>(in[at + b]) << (8 * b);
    return static_cast<int32_t>(u);
}

}  // namespace

std::array<uint8_t, kSettingsBytes> encodeSettings(const Options& settings) {
    std::array<uint8_t, kSettingsBytes> bytes{};
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) putInt16(bytes, 2 * i, settings.*kOptionFields[i].member);
    return bytes;
}

Options decodeSettings(std::span<const uint8_t, kSettingsBytes> bytes) {
    Options settings;
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) settings.*kOptionFields[i].member = getInt16(bytes, 2 * i);
    return settings;
}

std::array<uint8_t, kScoreValueBytes> encodeScores(const BestScoreRecord& record) {
    std::array<uint8_t, kScoreValueBytes> bytes{};
    for (int r = 1; r <= kEntriesPerRecord; ++r) putInt32(bytes, 4 * static_cast<std::size_t>(r - 1), record.score(r));
    return bytes;
}

void decodeScores(std::span<const uint8_t, kScoreValueBytes> bytes, BestScoreRecord& record) {
    for (int r = 1; r <= kEntriesPerRecord; ++r) record.score(r) = getInt32(bytes, 4 * static_cast<std::size_t>(r - 1));
}

std::string scoreValueName(int m, int g, int k) {
    return std::to_string(m) + "STATS" + std::to_string(k) + "_" + std::to_string(g) + "VAL";
}

std::string nameValueName(int m, int g, int k, int r) {
    return std::to_string(m) + "STATS" + std::to_string(k) + "_" + std::to_string(g) + "_" + std::to_string(r);
}

bool clampToPlayable(Options& settings) {
    bool changed = false;
    for (const OptionField& f : kOptionFields) {
        if (!f.inRange(settings.*f.member)) {
            settings.*f.member = f.firstRun;
            changed = true;
        }
    }
    return changed;
}

namespace {

// Reads the key; with loadRules the options come back as loadSettings gives
// them, without as they are stored.
StoreOutcome readKey(Registry& registry, Options& settings, BestScoreTable& table, bool* optionsStored,
                     bool loadRules) {
    if (optionsStored) *optionsStored = false;
    const std::optional<RegKey> software = registry.openSoftware();
    if (!software) {
        startAsFirstRun(settings, table);
        return StoreOutcome::SoftwareUnavailable;
    }
    const std::optional<CreatedKey> key = registry.createKey(*software, kSettingsKeyPath, kSettingsKeyClass);
    if (!key) {
        startAsFirstRun(settings, table);
        registry.closeKey(*software);
        return StoreOutcome::KeyUnavailable;
    }

    LoadNotes notes;
    std::array<uint8_t, kSettingsBytes> options = encodeSettings(settings);
    if (readExact(registry, key->key, kSettingsValueName, kRegBinary, options, notes)) {
        settings = decodeSettings(options);
        if (optionsStored) *optionsStored = true;
    }
    // What a load makes of them decides whether the stored content is usable,
    // whichever form the caller asked for.
    Options loaded = settings;
    applyLoadDefaults(loaded, key->disposition);
    if (loadRules) settings = loaded;

    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k) {
                BestScoreRecord& record = table.record(m, g, k);
                std::array<uint8_t, kScoreValueBytes> scores = encodeScores(record);
                if (readExact(registry, key->key, scoreValueName(m, g, k), kRegBinary, scores, notes)) {
                    decodeScores(scores, record);
                }
                for (int r = 1; r <= kEntriesPerRecord; ++r) readName(registry, key->key, m, g, k, r, record, notes);
            }

    if (notes.unusable || !isPlayable(loaded)) registry.keepStoredCopy(key->key);
    registry.closeKey(key->key);
    registry.closeKey(*software);
    return StoreOutcome::Done;
}

}  // namespace

StoreOutcome loadSettings(Registry& registry, Options& settings, BestScoreTable& table, bool* optionsStored) {
    return readKey(registry, settings, table, optionsStored, true);
}

StoreOutcome readStoredSettings(Registry& registry, Options& settings, BestScoreTable& table, bool* optionsStored) {
    return readKey(registry, settings, table, optionsStored, false);
}

StoreOutcome saveSettings(Registry& registry, const Options& settings, const BestScoreTable& table) {
    const std::optional<RegKey> software = registry.openSoftware();
    if (!software) return StoreOutcome::SoftwareUnavailable;
    const std::optional<CreatedKey> key = registry.createKey(*software, kSettingsKeyPath, kSettingsKeyClass);
    if (key) {
        registry.setValue(key->key, kSettingsValueName, kRegBinary, encodeSettings(settings));
        for (int m = 1; m <= kModes; ++m)
            for (int g = 1; g <= kGridSizes; ++g)
                for (int k = 1; k <= kKindCounts; ++k) {
                    const BestScoreRecord& record = table.record(m, g, k);
                    registry.setValue(key->key, scoreValueName(m, g, k), kRegBinary, encodeScores(record));
                    for (int r = 1; r <= kEntriesPerRecord; ++r) {
                        std::string stored = record.name(r);
                        stored.push_back('\0');
                        registry.setValue(key->key, nameValueName(m, g, k, r), kRegSz,
                                          std::span(reinterpret_cast<const uint8_t*>(stored.data()), stored.size()));
                    }
                }
        registry.closeKey(key->key);
    }
    registry.closeKey(*software);
    return key ? StoreOutcome::Done : StoreOutcome::KeyUnavailable;
}

}  // namespace qlx
