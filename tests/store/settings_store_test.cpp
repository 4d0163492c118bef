// loadSettings and saveSettings against the store of this platform: the real
// registry on Windows, the REGEDIT4 file elsewhere.
#include <gtest/gtest.h>

#include "store_fixture.h"

namespace qlx::test {
namespace {

TEST_F(StoreTest, OptionsLoadWithTheirDefaultRulesAndAreThenMadePlayable) {
    struct Case {
        const char* what;
        bool key;                              // the key is there before the load
        std::optional<SavedSettings> stored;  // its SOLVINGDATA
        SavedSettings loaded;
        std::optional<SavedSettings> playable = {};  // when made playable; none: as loaded
    };
    const Case cases[] = {
        {"first run", false, {}, {1, 0, 1, 0, 5, 3, 3}},
        {"a key without options: small tiles", true, {}, {1, 0, 0, 0, 5, 3, 3}},
        {"every option at its upper edge", true, {{2, 3, 2, 4, 8, 19, 19}}, {2, 3, 2, 4, 8, 19, 19}},
        {"speed and time 0 become 3", true, {{2, 1, 0, 1, 6, 0, 0}}, {2, 1, 0, 1, 6, 3, 3}},
        {"3 kinds become 5", true, {{1, 0, 1, 0, 3, 5, 6}}, {1, 0, 1, 0, 5, 5, 6}},
        {"4 kinds stay 4, then 5", true, {{1, 0, 1, 0, 4, 5, 6}}, {1, 0, 1, 0, 4, 5, 6}, {{1, 0, 1, 0, 5, 5, 6}}},
        {"mode 0 becomes 1", true, {{0, 0, 1, 0, 5, 1, 1}}, {1, 0, 1, 0, 5, 1, 1}},
        {"the rest is left to the clamp", true, {{-3, 9, 7, -1, 12, 20, -5}}, {1, 9, 7, -1, 12, 20, -5},
         {{1, 0, 1, 0, 5, 3, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        const auto bytes = encodeSettings(c.stored.value_or(SavedSettings{}));
        if (c.key) put({c.stored ? bin("SOLVINGDATA", {bytes.begin(), bytes.end()}) : sz("Comment", "mine")});
        SavedSettings s;
        BestScoreTable t;
        EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
        EXPECT_EQ(s, c.loaded);
        EXPECT_EQ(t, allMissing());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(valueCount(), c.key ? 1 : 0);  // the load makes the key and writes nothing
        clampToPlayable(s);
        EXPECT_EQ(s, c.playable.value_or(c.loaded));
    }
}

// A value of another type or length than the game writes loads as missing;
// a name that cannot be read takes its score with it.
TEST_F(StoreTest, EntriesLoadOnlyFromValuesOfTheTypeAndLengthTheGameWrites) {
    const RegValue scores = bin("2STATS3_4VAL", {0xF4, 1, 0, 0, 0x2C, 1, 0, 0, 100, 0, 0, 0});  // 500 300 100
    // Cy's name in lower case: names are compared without regard to case, as the registry does.
    const RegValue ann = sz("2STATS3_4_1", "Ann"), bob = sz("2STATS3_4_2", "Bob"), cy = sz("2stats3_4_3", "Cy");
    const std::string none(kMissingName);
    struct Case {
        const char* what;
        std::vector<RegValue> values;
        Names names;
        Scores scores;
    };
    const Case cases[] = {
        {"names without their scores", {ann, bob, cy}, {"Ann", "Bob", "Cy"}, {0, 0, 0}},
        {"a name missing", {scores, ann, cy}, {"Ann", none, "Cy"}, {500, 0, 100}},
        {"a name stored as binary", {scores, ann, bin("2STATS3_4_2", {'B', 'o', 'b', 0}), cy}, {"Ann", none, "Cy"},
         {500, 0, 100}},
        {"names of 19, 24 and 25 characters",
         {scores, sz("2STATS3_4_1", "Nineteen characters"), sz("2STATS3_4_2", "twenty-four characters!!"),
          sz("2STATS3_4_3", "twenty-five characters!!!")},
         {"Nineteen characters", "twenty-four characters!!", none},
         {500, 300, 0}},
        {"scores given as text of 12 bytes", {sz("2STATS3_4VAL", "500 300 100"), ann, bob, cy}, {"Ann", "Bob", "Cy"},
         {0, 0, 0}},
        {"scores of 16 bytes", {bin("2STATS3_4VAL", std::vector<uint8_t>(16, 1)), ann, bob, cy}, {"Ann", "Bob", "Cy"},
         {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        put(c.values);
        SavedSettings s;
        BestScoreTable t;
        load(s, t);
        EXPECT_EQ(t.record(2, 4, 3).names, c.names);  // mode 2, grid 4, 7 kinds
        EXPECT_EQ(t.record(2, 4, 3).scores, c.scores);
        t.record(2, 4, 3) = allMissing().record(2, 4, 3);
        EXPECT_EQ(t, allMissing());  // the values belong to that record and no other
    }
}

TEST_F(StoreTest, ASaveStoresEveryValueByteForByteAndTheNextRunLoadsItExactly) {
    BestScoreTable table = allMissing();
    save(firstRunSettings(), table);  // and then a save over it
    table.record(2, 1, 4) = {{70000, 300, -1}, {"", "Zoë", "Ωmega 😀"}};
    table.record(1, 3, 2) = {{2'000'000'000, 7, 0}, {"a \"quoted\" \\ name", "  spaced  ", "1234567890123456789"}};
    const SavedSettings saved{2, 3, 1, -2, 8, 19, 0x1234};
    save(saved, table);
    EXPECT_EQ(valueCount(), 129);
    // Little-endian 16-bit options and 32-bit scores; names one byte per
    // character (? outside Latin-1) and a zero.
    EXPECT_EQ(get("SOLVINGDATA"), bin("SOLVINGDATA", {2, 0, 3, 0, 1, 0, 0xFE, 0xFF, 8, 0, 19, 0, 0x34, 0x12}));
    EXPECT_EQ(get("2STATS4_1VAL"), bin("2STATS4_1VAL", {0x70, 0x11, 1, 0, 0x2C, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(get("2STATS4_1_1"), sz("2STATS4_1_1", ""));
    EXPECT_EQ(get("2STATS4_1_2"), (RegValue{"2STATS4_1_2", kRegSz, {'Z', 'o', 0xEB, 0}}));
    EXPECT_EQ(get("2STATS4_1_3"), sz("2STATS4_1_3", "?mega ?"));

    running_.reset();  // the next run
    SavedSettings s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), LoadOutcome::Loaded);
    EXPECT_EQ(s, saved);
    table.record(2, 1, 4).names[2] = "?mega ?";
    EXPECT_EQ(t, table);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace qlx::test
