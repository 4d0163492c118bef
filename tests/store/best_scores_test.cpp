// The best-score table: ranking, inserting, and the texts of the dialogs
// ("Clear Data" and the falling title are read through the scores dialog).
#include <gtest/gtest.h>

#include "settings_store.h"
#include "best_scores.h"
#include "text_encoding.h"

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
        EXPECT_EQ(isRanked(t, config, score), rank != kNotRanked);
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

// The conversions between the forms a stored text takes: every character
// survives UTF-8 -> UTF-16 -> UTF-8, and Latin-1 <-> UTF-8 where it fits;
// what is not text becomes U+FFFD and is reported.
TEST(TextEncoding, EveryCharacterSurvivesItsStoredFormsAndBrokenTextIsReplaced) {
    std::string latin1;
    for (int c = 0; c < 256; ++c) latin1 += static_cast<char>(c);
    EXPECT_TRUE(fitsLatin1(latin1ToUtf8(latin1)));
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(latin1)), latin1);
    EXPECT_EQ(utf8Length(latin1ToUtf8(latin1)), 256u);
    for (std::string_view name : {"李雷", "Łukasz", "A😀B", "€"}) EXPECT_FALSE(fitsLatin1(name)) << name;
    EXPECT_EQ(utf8ToLatin1("€ 😀 ÿ"), "? ? \xFF");

    const std::string all = latin1ToUtf8(latin1) + "李雷 Łukasz A😀B \U0010FFFF";
    EXPECT_EQ(utf8ToUtf16("A😀B"), u"A\xD83D\xDE00" u"B");
    bool exact = true;
    EXPECT_EQ(utf16ToUtf8(utf16FromLeBytes(utf16leBytes(utf8ToUtf16(all)), &exact), &exact), all);
    EXPECT_TRUE(exact);
    EXPECT_EQ(utf8Length("A😀B李"), 4u);

    const std::pair<std::u16string, std::string> halves[] = {
        {u"a\xD83D", "a\uFFFD"}, {u"\xDE00" u"b", "\uFFFDb"}, {u"\xD83D\xD83D\xDE00", "\uFFFD😀"}};
    for (const auto& [units, utf8] : halves) {
        exact = true;
        EXPECT_EQ(utf16ToUtf8(units, &exact), utf8);
        EXPECT_FALSE(exact);
    }
    exact = true;
    EXPECT_EQ(utf16FromLeBytes(std::string_view("a\0b", 3), &exact), u"a");
    EXPECT_FALSE(exact);  // half a unit
    // Bytes that are not UTF-8, one by one: a cut character, Latin-1, an
    // overlong '/', a surrogate.
    for (std::string_view broken : {"a\xC3", "\xE9t\xE9", "\xC0\xAF", "\xED\xA0\x80"}) {
        EXPECT_FALSE(isUtf8(broken));
        EXPECT_TRUE(isUtf8(validUtf8(broken)));
        EXPECT_EQ(utf8ToUtf16(broken), utf8ToUtf16(validUtf8(broken)));
    }
    EXPECT_EQ(validUtf8("\xE9t\xE9"), "\uFFFDt\uFFFD");
}

}  // namespace qlx::test
