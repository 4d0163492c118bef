// loadSettings and saveSettings against the store of this platform: the real
// registry on Windows, the REGEDIT4 file elsewhere.
#include "store_fixture.h"

namespace qlx::test {

// What a load makes of the values in the key (none: no key, a first run):
// the options with their default rules, and the entries of mode 2, grid 4,
// 7 kinds. A value of another type or length than the game writes loads as
// missing; a name that cannot be read takes its score with it.
TEST_F(StoreTest, OptionsAndEntriesLoadWithTheirDefaultRules) {
    const RegValue scores = bin("2STATS3_4VAL", {0xF4, 1, 0, 0, 0x2C, 1, 0, 0, 100, 0, 0, 0});  // 500 300 100
    // Cy's name in lower case: names are compared without regard to case, as the registry does.
    const RegValue ann = sz("2STATS3_4_1", "Ann"), bob = sz("2STATS3_4_2", "Bob"), cy = sz("2stats3_4_3", "Cy");
    const std::string none(kMissingName), n24 = "twenty-four characters!!";
    std::string han24;  // 24 characters of 3 bytes each
    for (int i = 0; i < 24; ++i) han24 += "李";
    const Options noOptions{1, 0, 0, 0, 5, 3, 3};
    const BestScoreRecord missing = allMissing().record(2, 4, 3), namesOnly{{0, 0, 0}, {"Ann", "Bob", "Cy"}};
    auto options = [](Options s) { auto b = encodeSettings(s); return bin("SOLVINGDATA", {b.begin(), b.end()}); };
    const std::tuple<const char*, std::optional<std::vector<RegValue>>, Options, BestScoreRecord> cases[] = {
        {"first run", {}, {1, 0, 1, 0, 5, 3, 3}, missing},
        {"a key without options: small tiles", {{}}, noOptions, missing},
        {"speed and time 0 become 3", {{options({2, 1, 0, 1, 6, 0, 0})}}, {2, 1, 0, 1, 6, 3, 3}, missing},
        {"3 kinds become 5, mode 0 becomes 1", {{options({0, 0, 1, 0, 3, 5, 6})}}, {1, 0, 1, 0, 5, 5, 6}, missing},
        {"4 kinds stay 4", {{options({2, 0, 1, 0, 4, 5, 6})}}, {2, 0, 1, 0, 4, 5, 6}, missing},
        {"no other option corrected", {{options({-3, 9, 7, -1, 12, 20, -5})}}, {1, 9, 7, -1, 12, 20, -5}, missing},
        {"names without their scores", {{ann, bob, cy}}, noOptions, namesOnly},
        {"a name missing, one stored as binary", {{scores, ann, bin("2STATS3_4_2", {'B', 'o', 'b', 0})}}, noOptions,
         {{500, 0, 0}, {"Ann", none, none}}},
        {"names of 24 and 25 characters", {{scores, ann, sz("2STATS3_4_2", n24), sz("2STATS3_4_3", n24 + "!")}},
         noOptions, {{500, 300, 0}, {"Ann", n24, none}}},
        {"names of 24 and 25 characters beyond Latin-1: characters count, not bytes",
         {{scores, sz("2STATS3_4_1", han24), sz("2STATS3_4_2", han24 + "雷"), sz("2STATS3_4_3", "😀" + n24)}},
         noOptions, {{500, 0, 0}, {han24, none, none}}},
        {"scores given as text of 12 bytes", {{sz("2STATS3_4VAL", "500 300 100"), ann, bob, cy}}, noOptions, namesOnly},
        {"scores of 8 bytes", {{bin("2STATS3_4VAL", {1, 0, 0, 0, 2, 0, 0, 0}), ann, bob, cy}}, noOptions, namesOnly},
    };
    for (const auto& [what, values, loaded, record] : cases) {
        SCOPED_TRACE(what);
        startOver();
        if (values) put(*values);
        Options s;
        BestScoreTable t;
        EXPECT_EQ(load(s, t), StoreOutcome::Done);
        EXPECT_EQ(s, loaded);
        EXPECT_EQ(t.record(2, 4, 3), record);
        t.record(2, 4, 3) = missing;
        EXPECT_EQ(t, allMissing());  // the values belong to that record and no other
    }
}

// The stored form byte for byte: little-endian 16-bit options and 32-bit
// scores, names as given (UTF-8 at the registry's interface) and a zero;
// every character of a name comes back, in Latin-1 or not.
TEST_F(StoreTest, ASaveStoresEveryValueByteForByteAndTheNextRunLoadsItExactly) {
    BestScoreTable table = allMissing();
    save(firstRunOptions(), table);  // and then a save over it
    // Records at both ends of each index, so that a loop that stops short loses one.
    table.record(2, 1, 4) = {{70000, 300, -1}, {"", "Zoë", "Ωmega 😀"}};
    table.record(1, 4, 1) = {{2'000'000'000, 7, 0}, {"a \"quoted\" \\ name", "  spaced  ", "1234567890123456789"}};
    table.record(1, 2, 3) = {{3, 2, 1}, {"李雷", "Łukasz", "A😀B"}};
    const Options saved{2, 3, 1, -2, 8, 19, 0x1234};
    save(saved, table);
    EXPECT_EQ(get("SOLVINGDATA"), bin("SOLVINGDATA", {2, 0, 3, 0, 1, 0, 0xFE, 0xFF, 8, 0, 19, 0, 0x34, 0x12}));
    EXPECT_EQ(get("2STATS4_1VAL"), bin("2STATS4_1VAL", {0x70, 0x11, 1, 0, 0x2C, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(get("2STATS4_1_2"), sz("2STATS4_1_2", "Zoë"));
    EXPECT_EQ(get("1STATS3_2_3"), sz("1STATS3_2_3", "A😀B"));

    running_.reset();  // the next run
    Options s;
    BestScoreTable t;
    EXPECT_EQ(load(s, t), StoreOutcome::Done);
    EXPECT_EQ(s, saved);
    EXPECT_EQ(t, table);
}

// Each option outside the range the game plays goes back to its first-run
// value on its own; values at the ends of their ranges stay.
TEST(ClampToPlayable, PutsEachOptionOutsideItsRangeBackToItsFirstRunValue) {
    const std::tuple<Options, Options, bool> cases[] = {  // before, after, changed
        {{7, 3, 2, -1, 4, 19, 20}, {1, 3, 2, 0, 5, 19, 3}, true},
        {{0, -1, 3, 5, 9, -1, 0}, {1, 0, 1, 0, 5, 3, 0}, true},
        {{2, 0, 0, 4, 8, 0, 19}, {2, 0, 0, 4, 8, 0, 19}, false},
        {firstRunOptions(), firstRunOptions(), false},
    };
    for (auto [options, after, changed] : cases) {
        EXPECT_EQ(clampToPlayable(options), changed);
        EXPECT_EQ(options, after);
    }
}

}  // namespace qlx::test
