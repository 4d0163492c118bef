// The best-score table: ranking, inserting, and the texts of the dialogs.
#include <gtest/gtest.h>

#include "Module5.h"
#include "Module6.h"
#include "store_fixture.h"

namespace qlx::test {
namespace {

TEST(BestScores, ScoresRankAndEnterAsTheExamplesSay) {
    struct Case {
        Scores before;
        int32_t score;
        int16_t rank;
        Scores after;
        Names names;
    };
    const Case cases[] = {
        {{500, 300, 100}, 300, 3, {500, 300, 300}, {"Ann", "Bob", "New"}},  // equal to the second: ranks below it
        {{500, 300, 100}, 301, 2, {500, 301, 300}, {"Ann", "New", "Bob"}},
        {{500, 300, 100}, 100, 4, {500, 300, 100}, {"Ann", "Bob", "Cy"}},  // equal to the third: does not enter
        {{500, 300, 100}, 600, 1, {600, 500, 300}, {"New", "Ann", "Bob"}},
        {{0, 0, 0}, 1, 1, {1, 0, 0}, {"New", "Ann", "Bob"}},  // a fresh record takes any score above 0
        {{0, 0, 0}, 0, 4, {0, 0, 0}, {"Ann", "Bob", "Cy"}},
        {{40000, 32768, 32767}, 32768, 3, {40000, 32768, 32768}, {"Ann", "Bob", "New"}},  // 32 bits, not 16
        {{40000, 32768, 32767}, 2'000'000'000, 1, {2'000'000'000, 40000, 32768}, {"New", "Ann", "Bob"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.score << " into " << c.before[0] << " " << c.before[1]);
        BestScoreTable t;
        t.record(2, 3, 1) = {c.before, {"Ann", "Bob", "Cy"}};  // Falling Tiles, 20 x 15, 5 kinds
        const Configuration config{2, 2, 5};
        EXPECT_EQ(rankOfScore(t, config, c.score), c.rank);
        insertScore(t, config, c.score, "New");
        EXPECT_EQ(t.record(2, 3, 1), (BestScoreRecord{c.after, c.names}));
        t.record(2, 3, 1) = {};
        EXPECT_EQ(t, BestScoreTable{});  // no other record changed
    }
}

TEST(BestScores, AConfigurationOutsideTheTableIsRefused) {
    BestScoreTable t;
    EXPECT_THROW(t.record(3, 1, 1), std::out_of_range);
    EXPECT_THROW(t.record(1, 5, 1), std::out_of_range);
    EXPECT_THROW(t.recordFor({1, 0, 9}), std::out_of_range);  // 9 kinds
}

TEST(BestScores, ClearDataLeavesEveryEntryAnonoymousWithScoreZero) {
    BestScoreRecord record{{500, 300, 100}, {"Ann", "Bob", "Cy"}};
    clearRecord(record);
    EXPECT_EQ(record, (BestScoreRecord{{0, 0, 0}, {"Anonoymous", "Anonoymous", "Anonoymous"}}));
}

TEST(UserName, AnEmptyTextGivesADashAndALongOneItsFirst19Characters) {
    const auto times = [](std::string_view s, int n) { std::string out; while (n-- > 0) out += s; return out; };
    const std::pair<std::string, std::string> cases[] = {
        {"", "-"},
        {" ", " "},
        {"Zoë", "Zoë"},
        {times("x", 19), times("x", 19)},
        {times("x", 20), times("x", 19)},
        {"  two  spaces  each  ", "  two  spaces  each"},
        {times("é", 25), times("é", 19)},  // characters, not bytes
        {times("😀", 20), times("😀", 19)},
    };
    for (const auto& [text, name] : cases) EXPECT_EQ(userNameFromText(text), name) << "typed: " << text;
}

TEST(Latin1, NamesKeepEveryLatin1CharacterAndStoreOthersAsQuestionMarks) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Zoë", "Zo\xEB"},
        {"€ 😀 ÿ", "? ? \xFF"},
        {"a\xC3", "a?"},  // bytes that are not UTF-8, one by one
        {"\xE9t\xE9", "?t?"},
        {"\xC0\xAF", "??"},       // an overlong '/'
        {"\xED\xA0\x80", "???"},  // a surrogate
    };
    for (const auto& [utf8, latin1] : cases) EXPECT_EQ(utf8ToLatin1(utf8), latin1) << utf8;
}

TEST(ScoreTexts, TheScoresTitleNamesModeGridAndKinds) {
    EXPECT_EQ(statsTitle({1, 0, 5}), "Blokkar - Standard Game\r\nSize (12 x 10)   Tiles (5)");
    EXPECT_EQ(statsTitle({2, 1, 6}), "Blokkar - Falling Tiles Game\r\nSize (16 x 12)   Tiles (6)");
    EXPECT_EQ(statsTitle({1, 2, 7}), "Blokkar - Standard Game\r\nSize (20 x 15)   Tiles (7)");
    EXPECT_EQ(statsTitle({2, 3, 8}), "Blokkar - Falling Tiles Game\r\nSize (25 x 20)   Tiles (8)");
}

}  // namespace
}  // namespace qlx::test
