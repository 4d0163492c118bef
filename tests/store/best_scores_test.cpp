// The best-score table: ranking, inserting, and the texts of the dialogs.
#include <gtest/gtest.h>

#include "Module5.h"
#include "Module6.h"
#include "settings.h"

namespace qlx {
namespace {

using Scores = std::array<int32_t, 3>;
using Names = std::array<std::string, 3>;

// A table whose Falling Tiles record on the 16 x 12 grid with 6 kinds holds s.
BestScoreTable withRecord(Scores s) {
    BestScoreTable t;
    t.recordFor(2, 1, 6).scores = s;
    t.recordFor(2, 1, 6).names = {"Ann", "Bob", "Cy"};
    return t;
}

TEST(BestScores, ScoresRankAndEnterAsTheExamplesSay) {
    struct Case {
        int32_t score;
        int16_t rank;
        Scores after;
        Names names;
    };
    const Case cases[] = {
        {300, 3, {500, 300, 300}, {"Ann", "Bob", "New"}},  // equal to the second: ranks below it
        {301, 2, {500, 301, 300}, {"Ann", "New", "Bob"}},
        {100, 4, {500, 300, 100}, {"Ann", "Bob", "Cy"}},   // equal to the third: does not enter
        {600, 1, {600, 500, 300}, {"New", "Ann", "Bob"}},
        {101, 3, {500, 300, 101}, {"Ann", "Bob", "New"}},
        {500, 2, {500, 500, 300}, {"Ann", "New", "Bob"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        BestScoreTable t = withRecord({500, 300, 100});
        const BestScoreTable before = t;
        EXPECT_EQ(rankOfScore(t, 2, 1, 6, c.score), c.rank);
        insertScore(t, 2, 1, 6, c.score, "New");
        EXPECT_EQ(t.recordFor(2, 1, 6).scores, c.after);
        EXPECT_EQ(t.recordFor(2, 1, 6).names, c.names);
        // Only this configuration's record changes.
        t.recordFor(2, 1, 6) = before.recordFor(2, 1, 6);
        EXPECT_EQ(t, before);
    }
}

TEST(BestScores, AFreshRecordTakesAnyScoreAboveZero) {
    BestScoreTable t;
    EXPECT_EQ(rankOfScore(t, 1, 0, 5, 1), 1);
    EXPECT_EQ(rankOfScore(t, 1, 0, 5, 0), 4);
    insertScore(t, 1, 0, 5, 0, "Nobody");
    EXPECT_EQ(t, BestScoreTable{});

    insertScore(t, 1, 0, 5, 3, "Ann");
    insertScore(t, 1, 0, 5, 1, "Bob");
    insertScore(t, 1, 0, 5, 2, "Cy");
    EXPECT_EQ(t.record(1, 1, 1).scores, (Scores{3, 2, 1}));
    EXPECT_EQ(t.record(1, 1, 1).names, (Names{"Ann", "Cy", "Bob"}));
}

TEST(BestScores, ScoresKeepTheirFull32Bits) {
    BestScoreTable t = withRecord({40000, 32768, 32767});
    EXPECT_EQ(rankOfScore(t, 2, 1, 6, 32768), 3);  // a 16-bit comparison would see -32768
    EXPECT_EQ(rankOfScore(t, 2, 1, 6, 65536 + 100), 1);
    insertScore(t, 2, 1, 6, 2'000'000'000, "Max");
    EXPECT_EQ(t.recordFor(2, 1, 6).scores, (Scores{2'000'000'000, 40000, 32768}));
    // ... and are stored with them.
    const auto bytes = encodeScores(t.recordFor(2, 1, 6));
    BestScoreRecord back;
    decodeScores(bytes, back);
    EXPECT_EQ(back.scores, t.recordFor(2, 1, 6).scores);
}

TEST(BestScores, RecordsAreAddressedByModeGridAndKinds) {
    BestScoreTable t;
    EXPECT_EQ(t.record(1, 1, 1), BestScoreRecord{});
    t.recordFor(2, 1, 6).score(1) = 9;  // Falling Tiles, 16 x 12, 6 kinds
    EXPECT_EQ(t.record(2, 2, 2).score(1), 9);
    EXPECT_EQ(t.record(1, 2, 2).score(1), 0);
    EXPECT_EQ(t.record(2, 1, 2).score(1), 0);
    EXPECT_EQ(t.record(2, 2, 1).score(1), 0);
    t.record(2, 4, 4).name(3) = "last";
    EXPECT_EQ(t.recordFor(2, 3, 8).name(3), "last");
    EXPECT_THROW(t.record(0, 1, 1), std::out_of_range);
    EXPECT_THROW(t.record(3, 1, 1), std::out_of_range);
    EXPECT_THROW(t.record(1, 5, 1), std::out_of_range);
    EXPECT_THROW(t.recordFor(1, 0, 4), std::out_of_range);
    EXPECT_THROW(t.recordFor(1, 0, 9), std::out_of_range);
    EXPECT_THROW(t.record(1, 1, 1).score(4), std::out_of_range);
}

TEST(BestScores, ClearDataClearsTheRecord) {
    BestScoreTable t = withRecord({500, 300, 100});
    clearRecord(t.recordFor(2, 1, 6));
    EXPECT_EQ(t.recordFor(2, 1, 6).names, (Names{"Anonoymous", "Anonoymous", "Anonoymous"}));
    EXPECT_EQ(t.recordFor(2, 1, 6).scores, (Scores{0, 0, 0}));
    EXPECT_EQ(t.recordFor(1, 1, 6), BestScoreRecord{});
}

TEST(UserName, EmptyTextGivesADash) { EXPECT_EQ(userNameFromText(""), "-"); }

TEST(UserName, LongTextKeepsItsFirst19Characters) {
    EXPECT_EQ(userNameFromText("1234567890123456789"), "1234567890123456789");
    EXPECT_EQ(userNameFromText("12345678901234567890"), "1234567890123456789");
    EXPECT_EQ(userNameFromText(std::string(300, 'x')), std::string(19, 'x'));
    EXPECT_EQ(userNameFromText(" "), " ");
    EXPECT_EQ(userNameFromText("  two  spaces  each  "), "  two  spaces  each");
}

TEST(UserName, CharactersAreCountedNotBytes) {
    std::string accents;
    for (int i = 0; i < 25; ++i) accents += "é";
    std::string kept;
    for (int i = 0; i < 19; ++i) kept += "é";
    EXPECT_EQ(userNameFromText(accents), kept);
    EXPECT_EQ(userNameFromText("😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀"), "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀");
    EXPECT_EQ(userNameFromText("Zoë"), "Zoë");
    // Stored one byte per character, a name the dialog lets through fits the store.
    EXPECT_EQ(utf8ToLatin1(userNameFromText(accents + "😀")).size(), 19u);
}

TEST(Latin1, EveryLatin1CharacterSurvivesAndOthersBecomeQuestionMarks) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    EXPECT_EQ(latin1ToUtf8("Zo\xEB"), "Zoë");
    EXPECT_EQ(utf8ToLatin1("€ 😀 ÿ"), "? ? \xFF");
    // Bytes that are not UTF-8 are stored as '?' one by one.
    EXPECT_EQ(utf8ToLatin1("a\xC3"), "a?");
    EXPECT_EQ(utf8ToLatin1("\xE9t\xE9"), "?t?");
    EXPECT_EQ(utf8ToLatin1("\xC0\xAF"), "??");          // an overlong '/'
    EXPECT_EQ(utf8ToLatin1("\xED\xA0\x80"), "???");     // a surrogate
}

TEST(ScoreTexts, TheModeTitle) {
    EXPECT_EQ(modeTitle(1), "Blokkar - Standard Game");
    EXPECT_EQ(modeTitle(2), "Blokkar - Falling Tiles Game");
}

TEST(ScoreTexts, TheScoresTitleNamesTheConfiguration) {
    EXPECT_EQ(statsTitle(1, 0, 5), "Blokkar - Standard Game\r\nSize (12 x 10)   Tiles (5)");
    EXPECT_EQ(statsTitle(2, 1, 6), "Blokkar - Falling Tiles Game\r\nSize (16 x 12)   Tiles (6)");
    EXPECT_EQ(statsTitle(1, 2, 7), "Blokkar - Standard Game\r\nSize (20 x 15)   Tiles (7)");
    EXPECT_EQ(statsTitle(2, 3, 8), "Blokkar - Falling Tiles Game\r\nSize (25 x 20)   Tiles (8)");
}

TEST(StoredOptions, OutOfRangeOptionsBecomeTheirFirstRunValues) {
    EXPECT_TRUE(isPlayable(firstRunSettings()));
    SavedSettings s{7, 9, 3, -1, 12, 20, -1};
    EXPECT_FALSE(isPlayable(s));
    EXPECT_TRUE(clampToPlayable(s));
    EXPECT_EQ(s, firstRunSettings());

    SavedSettings edges{2, 3, 2, 4, 8, 19, 0};
    EXPECT_TRUE(isPlayable(edges));
    EXPECT_FALSE(clampToPlayable(edges));
    EXPECT_EQ(edges, (SavedSettings{2, 3, 2, 4, 8, 19, 0}));

    SavedSettings four{1, 0, 0, 0, 4, 3, 3};
    EXPECT_TRUE(clampToPlayable(four));
    EXPECT_EQ(four.numColors, 5);
    SavedSettings zero{};
    clampToPlayable(zero);
    EXPECT_EQ(zero, (SavedSettings{1, 0, 0, 0, 5, 0, 0}));
}

TEST(StoredOptions, ValueNamesPutTheKindsBeforeTheGrid) {
    EXPECT_EQ(scoreValueName(1, 1, 1), "1STATS1_1VAL");
    EXPECT_EQ(scoreValueName(2, 4, 4), "2STATS4_4VAL");
    EXPECT_EQ(scoreValueName(1, 2, 3), "1STATS3_2VAL");
    EXPECT_EQ(nameValueName(2, 4, 1, 3), "2STATS1_4_3");
    EXPECT_EQ(nameValueName(1, 1, 1, 1), "1STATS1_1_1");
}

}  // namespace
}  // namespace qlx
