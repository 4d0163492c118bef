// The best-score table: ranking, inserting, and the texts of the dialogs
// ("Clear Data" and the falling title are read through the scores dialog).
#include <gtest/gtest.h>

#include "settings_store.h"
#include "best_scores.h"

namespace qlx::test {

TEST(BestScores, ScoresRankAndEnterAsTheExamplesSay) {
    using Scores = std::array<int32_t, kEntriesPerRecord>;
    const std::tuple<Scores, int32_t, int16_t, BestScoreRecord> cases[] = {  // before, score, its rank, after
        {{500, 300, 100}, 300, 3, {{500, 300, 300}, {"Ann", "Bob", "New"}}},  // equal to the second: ranks below it
        {{500, 300, 100}, 301, 2, {{500, 301, 300}, {"Ann", "New", "Bob"}}},
        {{500, 300, 100}, 100, 4, {{500, 300, 100}, {"Ann", "Bob", "Cy"}}},  // equal to the third: does not enter
        {{500, 300, 100}, 600, 1, {{600, 500, 300}, {"New", "Ann", "Bob"}}},
        {{40000, 32768, 32767}, 32768, 3, {{40000, 32768, 32768}, {"Ann", "Bob", "New"}}},  // 32 bits, not 16
    };
    for (const auto& [before, score, rank, after] : cases) {
        SCOPED_TRACE(testing::Message() << score << " into " << before[0] << " " << before[1]);
        BestScoreTable t;
        t.record(2, 3, 1) = {before, {"Ann", "Bob", "Cy"}};  // Falling Tiles, 20 x 15, 5 kinds
        const Configuration config{2, 2, 5};
        EXPECT_EQ(rankOfScore(t, config, score), rank);
        insertScore(t, config, score, "New");
        EXPECT_EQ(t.record(2, 3, 1), after);
        t.record(2, 3, 1) = {};
        EXPECT_EQ(t, BestScoreTable{});  // no other record changed
    }
    EXPECT_THROW(BestScoreTable{}.recordFor({1, 0, 9}), std::out_of_range);  // 9 kinds: outside the table
    EXPECT_THROW(BestScoreTable{}.recordFor({1, 4, 5}), std::out_of_range);  // and the fifth grid
}

TEST(UserName, AnEmptyTextGivesADashAndALongOneItsFirst19Characters) {
    const auto times = [](std::string_view s, int n) { std::string out; while (n-- > 0) out += s; return out; };
    const std::pair<std::string, std::string> cases[] = {
        {"", "-"}, {" ", " "},
        {times("x", 19), times("x", 19)},
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
        {"€ 😀 ÿ", "? ? \xFF"},
        {"a\xC3", "a?"}, {"\xE9t\xE9", "?t?"},      // bytes that are not UTF-8, one by one
        {"\xC0\xAF", "??"}, {"\xED\xA0\x80", "???"},  // an overlong '/', a surrogate
    };
    for (const auto& [utf8, latin1] : cases) EXPECT_EQ(utf8ToLatin1(utf8), latin1) << utf8;
}

}  // namespace qlx::test
