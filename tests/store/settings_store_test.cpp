// loadSettings and saveSettings against the store of this platform: the real
// registry on Windows, the REGEDIT4 file elsewhere.
#include <gtest/gtest.h>

#include "Module5.h"
#include "store_fixture.h"

namespace qlx::test {
namespace {

using Settings = SavedSettings;

// Every entry of every record, with where it is, for messages.
template <typename F>
void forEachEntry(const BestScoreTable& t, F check) {
    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k)
                for (int r = 1; r <= kEntriesPerRecord; ++r) {
                    SCOPED_TRACE(nameValueName(m, g, k, r));
                    check(t.record(m, g, k), r);
                }
}

void expectAllMissing(const BestScoreTable& t) {
    forEachEntry(t, [](const BestScoreRecord& rec, int r) {
        EXPECT_EQ(rec.name(r), "Anononymous");
        EXPECT_EQ(rec.score(r), 0);
    });
}

// A table where every entry differs, with awkward names.
BestScoreTable sampleTable() {
    static const char* const kNames[] = {"Ann", "", "Zoë Ørsted", "a \"quoted\" \\ name", "  spaced  ",
                                         "1234567890123456789", "Anonoymous", "ÿ", "-"};
    BestScoreTable t;
    int n = 0;
    for (int m = 1; m <= kModes; ++m)
        for (int g = 1; g <= kGridSizes; ++g)
            for (int k = 1; k <= kKindCounts; ++k)
                for (int r = 1; r <= kEntriesPerRecord; ++r, ++n) {
                    t.record(m, g, k).score(r) = (n % 5 == 0) ? 2000000000 - n : 40000 + 7 * n;
                    t.record(m, g, k).name(r) = std::string(kNames[n % 9]) + (n % 2 ? std::to_string(n) : "");
                }
    return t;
}

TEST_F(StoreTest, FirstRunGivesTheFirstRunOptionsAndAnEmptyTable) {
    Settings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
    EXPECT_EQ(s, (Settings{1, 0, 1, 0, 5, 3, 3}));
    EXPECT_EQ(s, firstRunSettings());
    expectAllMissing(t);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoreTest, TheFirstLoadMakesTheKeySoTheNextFindsItWithoutOptions) {
    Settings first;
    BestScoreTable t;
    load(first, t);
    EXPECT_EQ(valueCount(), 0);

    Settings second;
    BestScoreTable t2;
    load(second, t2);
    EXPECT_EQ(second, (Settings{1, 0, 0, 0, 5, 3, 3}));
}

TEST_F(StoreTest, KeyWithoutOptionsLoadsTheSmallTileSize) {
    makeEmptyKey();
    Settings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (Settings{1, 0, 0, 0, 5, 3, 3}));
    expectAllMissing(t);
}

TEST_F(StoreTest, LoadCorrectsOnlyTheOptionsItIsToldTo) {
    struct Case {
        Settings stored;
        Settings loaded;
    };
    const Case cases[] = {
        {{2, 3, 2, 4, 8, 19, 19}, {2, 3, 2, 4, 8, 19, 19}},  // all in range, kept
        {{2, 1, 0, 1, 6, 0, 0}, {2, 1, 0, 1, 6, 3, 3}},      // speed and time 0 come back as 3
        {{1, 0, 1, 0, 3, 5, 6}, {1, 0, 1, 0, 5, 5, 6}},      // 3 kinds become 5
        {{1, 0, 1, 0, 4, 5, 6}, {1, 0, 1, 0, 4, 5, 6}},      // a stored 4 stays 4
        {{1, 0, 1, 0, -7, 5, 6}, {1, 0, 1, 0, 5, 5, 6}},
        {{0, 0, 1, 0, 5, 1, 1}, {1, 0, 1, 0, 5, 1, 1}},      // mode 0 becomes 1
        {{-3, 9, 7, -1, 12, 20, -5}, {1, 9, 7, -1, 12, 20, -5}},  // the rest is left as stored
        {{7, 0, 0, 0, 5, 3, 3}, {7, 0, 0, 0, 5, 3, 3}},
    };
    for (const Case& c : cases) {
        TearDown();  // a fresh key for every case
        SetUp();
        putSettings(c.stored);
        Settings s;
        BestScoreTable t;
        load(s, t);
        EXPECT_EQ(s, c.loaded) << "stored numColors " << c.stored.numColors << " gameMode " << c.stored.gameMode;
    }
}

TEST_F(StoreTest, StoredOptionsAreNotOverwrittenByTheFirstRunTileSize) {
    // The key is made by the save, so the next load opens an existing key.
    save({2, 2, 2, 3, 7, 4, 5}, sampleTable());
    Settings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (Settings{2, 2, 2, 3, 7, 4, 5}));
}

TEST_F(StoreTest, NamesWithoutTheirScoresLoadWithScoreZero) {
    putText("1STATS1_1_1", "Ann");
    putText("1STATS1_1_2", "Bob");
    putText("1STATS1_1_3", "Cy");
    Settings s;
    BestScoreTable t;
    load(s, t);
    const BestScoreRecord& rec = t.record(1, 1, 1);
    EXPECT_EQ(rec.names, (std::array<std::string, 3>{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(rec.scores, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(StoreTest, AMissingNameClearsOnlyItsOwnEntry) {
    BestScoreRecord rec;
    rec.scores = {500, 300, 100};
    const auto bytes = encodeScores(rec);
    putBinary("2STATS3_4VAL", {bytes.begin(), bytes.end()});  // mode 2, grid 4, 7 kinds
    putText("2STATS3_4_1", "Ann");
    putText("2STATS3_4_3", "Cy");
    Settings s;
    BestScoreTable t;
    load(s, t);
    const BestScoreRecord& got = t.record(2, 4, 3);
    EXPECT_EQ(got.names, (std::array<std::string, 3>{"Ann", "Anononymous", "Cy"}));
    EXPECT_EQ(got.scores, (std::array<int32_t, 3>{500, 0, 100}));
    // The name and score values belong to (m, g, k) = (2, 4, 3) and no other record.
    EXPECT_EQ(t.record(2, 3, 4).score(1), 0);
    EXPECT_EQ(t.recordFor(2, 3, 7), got);
}

TEST_F(StoreTest, NamesUpTo24BytesLoadAndLongerOnesLoadAsMissing) {
    BestScoreRecord rec;
    rec.scores = {900, 800, 700};
    const auto bytes = encodeScores(rec);
    putBinary("1STATS2_3VAL", {bytes.begin(), bytes.end()});
    putText("1STATS2_3_1", "Nineteen characters");
    putText("1STATS2_3_2", "twenty-four characters!!");
    putText("1STATS2_3_3", "twenty-five characters!!!");
    Settings s;
    BestScoreTable t;
    load(s, t);
    const BestScoreRecord& got = t.record(1, 3, 2);
    EXPECT_EQ(got.name(1), "Nineteen characters");
    EXPECT_EQ(got.name(2), "twenty-four characters!!");
    EXPECT_EQ(got.name(3), "Anononymous");
    EXPECT_EQ(got.scores, (std::array<int32_t, 3>{900, 800, 0}));
}

TEST_F(StoreTest, SaveThenLoadGivesBackEverything) {
    const Settings saved{2, 3, 2, 4, 8, 19, 1};
    const BestScoreTable table = sampleTable();
    save(saved, table);
    Settings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
    EXPECT_EQ(s, saved);
    EXPECT_EQ(t, table);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoreTest, NamesAreStoredOneBytePerCharacter) {
    BestScoreTable table = sampleTable();
    table.record(1, 1, 1).name(1) = "Zoë";
    table.record(1, 1, 1).name(2) = "Ωmega 😀";  // outside Latin-1
    table.record(1, 1, 1).name(3) = "ABCDEFGHIJKLMNOPQRSÿ";
    save(firstRunSettings(), table);

    EXPECT_EQ(get("1STATS1_1_1").bytes, (std::vector<uint8_t>{'Z', 'o', 0xEB, 0}));
    EXPECT_EQ(get("1STATS1_1_2").bytes, textValue("?mega ?"));
    EXPECT_EQ(get("1STATS1_1_3").bytes.size(), 21u);

    Settings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(t.record(1, 1, 1).name(1), "Zoë");
    EXPECT_EQ(t.record(1, 1, 1).name(2), "?mega ?");
    EXPECT_EQ(t.record(1, 1, 1).name(3), "ABCDEFGHIJKLMNOPQRSÿ");
}

TEST_F(StoreTest, OptionsAreStoredAsSevenLittleEndian16BitNumbers) {
    save({2, 3, 1, -2, 8, 19, 0x1234}, BestScoreTable{});
    const Stored v = get("SOLVINGDATA");
    EXPECT_EQ(v.status, QueryStatus::Ok);
    EXPECT_EQ(v.type, kRegBinary);
    EXPECT_EQ(v.bytes, (std::vector<uint8_t>{2, 0, 3, 0, 1, 0, 0xFE, 0xFF, 8, 0, 19, 0, 0x34, 0x12}));
}

TEST_F(StoreTest, ScoresAreStoredAsThreeLittleEndian32BitNumbers) {
    BestScoreTable table;
    table.record(2, 1, 4).scores = {70000, 300, -1};
    save(firstRunSettings(), table);
    const Stored v = get("2STATS4_1VAL");
    EXPECT_EQ(v.type, kRegBinary);
    EXPECT_EQ(v.bytes, (std::vector<uint8_t>{0x70, 0x11, 0x01, 0x00, 0x2C, 0x01, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    const Stored name = get("2STATS4_1_1");
    EXPECT_EQ(name.type, kRegSz);
    EXPECT_EQ(name.bytes, textValue(""));
}

TEST_F(StoreTest, ASaveWritesTheWholeKeyAndKeepsOtherValues) {
    putText("Comment", "kept by hand");
    putBinary("SOLVINGDATAX", {1, 2, 3});
    put("Counter", kRegDword, {0x2A, 0, 0, 0});
    save(firstRunSettings(), BestScoreTable{});
    EXPECT_EQ(valueCount(), kValuesInCompleteKey + 3);
    EXPECT_EQ(get("Comment").bytes, textValue("kept by hand"));
    EXPECT_EQ(get("SOLVINGDATAX").bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(get("Counter").type, kRegDword);
    EXPECT_EQ(kValuesInCompleteKey, 129);
}

TEST_F(StoreTest, ASaveOverAnOlderSaveLeaves129Values) {
    save(firstRunSettings(), sampleTable());
    save({2, 1, 1, 1, 6, 7, 8}, BestScoreTable{});
    EXPECT_EQ(valueCount(), 129);
    Settings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (Settings{2, 1, 1, 1, 6, 7, 8}));
    EXPECT_EQ(t, BestScoreTable{});
}

TEST_F(StoreTest, LoadReadsInTheStoredOrderWithTheStoredBufferSizes) {
    putSettings({1, 0, 1, 0, 5, 3, 3});
    auto inner = makeRegistry();
    RecordingRegistry reg(*inner);
    Settings s;
    BestScoreTable t;
    loadSettings(reg, messages, s, t);

    const auto& c = reg.calls;
    ASSERT_EQ(c.size(), 2u + 1u + 32u * 4u + 2u);
    EXPECT_EQ(c[0], "openSoftware");
    EXPECT_EQ(c[1], "createKey Orlenda\\Quellix\\1.0 USERDATA");
    EXPECT_EQ(c[2], "query SOLVINGDATA 14");
    EXPECT_EQ(c[3], "query 1STATS1_1VAL 12");
    EXPECT_EQ(c[4], "query 1STATS1_1_1 25");
    EXPECT_EQ(c[6], "query 1STATS1_1_3 25");
    EXPECT_EQ(c[7], "query 1STATS2_1VAL 12");  // the kinds index runs innermost
    EXPECT_EQ(c[3 + 4 * 4], "query 1STATS1_2VAL 12");
    EXPECT_EQ(c[3 + 4 * 16], "query 2STATS1_1VAL 12");
    EXPECT_EQ(c[c.size() - 3], "query 2STATS4_4_3 25");
    EXPECT_EQ(c[c.size() - 2], "close");
    EXPECT_EQ(c[c.size() - 1], "close");
}

TEST_F(StoreTest, SaveWritesInTheStoredOrderWithTypesAndSizes) {
    auto inner = makeRegistry();
    RecordingRegistry reg(*inner);
    BestScoreTable table;
    table.record(1, 1, 1).name(2) = "Zoë";  // three bytes stored
    saveSettings(reg, messages, firstRunSettings(), table);

    const auto& c = reg.calls;
    ASSERT_EQ(c.size(), 2u + 129u + 2u);
    EXPECT_EQ(c[2], "set SOLVINGDATA 3 14");
    EXPECT_EQ(c[3], "set 1STATS1_1VAL 3 12");
    EXPECT_EQ(c[4], "set 1STATS1_1_1 1 1");
    EXPECT_EQ(c[5], "set 1STATS1_1_2 1 4");
    EXPECT_EQ(c[7], "set 1STATS2_1VAL 3 12");
    EXPECT_EQ(c[c.size() - 3], "set 2STATS4_4_3 1 1");
    EXPECT_EQ(c[c.size() - 2], "close");
}

TEST_F(StoreTest, ValuesOfTheWrongTypeOrLengthLoadAsMissing) {
    putBinary("SOLVINGDATA", {2, 0, 3});                   // 3 bytes
    putText("1STATS1_1VAL", "500");                         // a score value given as text
    putText("1STATS1_1_1", "Ann");
    putBinary("1STATS1_1_2", {'B', 'o', 'b', 0});          // a name given as binary
    putText("1STATS1_1_3", "Cy");
    putBinary("2STATS1_1VAL", std::vector<uint8_t>(16, 1));  // 16 bytes for 12
    Settings s;
    BestScoreTable t;
    load(s, t);
    EXPECT_EQ(s, (Settings{1, 0, 0, 0, 5, 3, 3}));
    EXPECT_EQ(t.record(1, 1, 1).names, (std::array<std::string, 3>{"Ann", "Anononymous", "Cy"}));
    EXPECT_EQ(t.record(1, 1, 1).scores, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(t.record(2, 1, 1).scores, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(StoreTest, ValueNamesAreMatchedWithoutRegardToCase) {
    putSettings({2, 1, 2, 3, 6, 4, 4});
    withKey([](Registry& reg, RegKey key) {
        std::array<uint8_t, 14> buffer{};
        EXPECT_TRUE(reg.queryValue(key, "solvingData", buffer).ok());
        EXPECT_EQ(decodeSettings(buffer), (Settings{2, 1, 2, 3, 6, 4, 4}));
    });
}

TEST_F(StoreTest, ATooSmallBufferFailsAndIsLeftAsItWas) {
    putBinary("Twenty", std::vector<uint8_t>(20, 7));
    withKey([](Registry& reg, RegKey key) {
        std::array<uint8_t, 12> buffer{};
        buffer.fill(0xAA);
        const QueryResult r = reg.queryValue(key, "Twenty", buffer);
        EXPECT_EQ(r.status, QueryStatus::MoreData);
        EXPECT_EQ(r.size, 20u);
        EXPECT_EQ(buffer[0], 0xAA);
        EXPECT_EQ(reg.queryValue(key, "Absent", buffer).status, QueryStatus::NotFound);
    });
}

}  // namespace
}  // namespace qlx::test
