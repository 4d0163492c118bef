// The search behind Hint and "Best found", its flat board, and the move
// history of Undo and Redo, against the rules they must agree with.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>

#include "board.h"
#include "history.h"
#include "random.h"
#include "search.h"
#include "text_board.h"

using namespace qlx;
using namespace qlx::test;

namespace {

// A Standard deal of any size and number of kinds, from a seed.
GameState randomDeal(int16_t cols, int16_t rows, int16_t kinds, uint64_t seed) {
    GameState s;
    s.options.gameMode = kStandardGame;
    s.options.numColors = kinds;
    s.options.tileSizeIndex = 1;
    resetBoard(s, cols, rows);
    GameRandom rnd(seed);
    fillBoard(s, rnd);
    return s;
}

// One cell of every group of two or more, in index order.
std::vector<Cell> groupCells(const GameState& s) {
    std::vector<Cell> out;
    std::vector<bool> seen(kBoardCapacity);
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (seen[i] || !isGroup(s, i)) continue;
        const Group g = findGroup(s, i);
        for (int16_t k = 0; k < g.size; ++k) seen[g.cells[k]] = true;
        out.push_back(cellOf(s, i));
    }
    return out;
}

// The best total from a board, by trying every move, remembering boards already solved.
int32_t optimum(const GameState& s, std::unordered_map<std::string, int32_t>& memo) {
    const std::string key(reinterpret_cast<const char*>(s.board.data()), sizeof(int16_t) * s.numCells);
    if (const auto it = memo.find(key); it != memo.end()) return it->second;
    int32_t best = 0;
    for (const Cell& c : groupCells(s)) {
        GameState next = s;
        next.score = 0;
        const MoveOutcome m = playMove(next, c);
        best = std::max(best, m.points + optimum(next, memo));
    }
    memo.emplace(key, best);
    return best;
}

// Replays a search's moves through the rules: every move must clear a group,
// and the game must be over at the end. Returns the points scored.
int32_t replay(GameState s, const SearchResult& r) {
    s.score = 0;
    for (std::size_t k = 0; k < r.moves.size(); ++k) {
        const MoveOutcome m = playMove(s, r.moves[k]);
        EXPECT_EQ(m.result, MoveOutcome::Result::Cleared) << "move " << k << " is not a group";
        if (m.result != MoveOutcome::Result::Cleared) return -1;
    }
    EXPECT_TRUE(noMovesLeft(s)) << "the moves stop before the game is over";
    return s.score;
}

// A search on a thread of its own, with its own copy of the board and a
// cancel flag it shares. A search that never ends is left behind (its thread
// detached) rather than waited for: the test fails instead of hanging.
struct SearchOnItsThread {
    std::shared_ptr<std::atomic<bool>> cancel = std::make_shared<std::atomic<bool>>(false);
    std::future<SearchResult> result;

    SearchOnItsThread(const GameState& s, const SearchBudget& budget) {
        std::packaged_task<SearchResult()> task([s, budget, cancel = cancel] { return searchBest(s, budget, cancel.get()); });
        result = task.get_future();
        std::thread(std::move(task)).detach();
    }
    // Generous, for a busy machine: a search that should stop within a
    // moment but has not by then is not going to.
    bool endsWithin(std::chrono::seconds bound = std::chrono::seconds(15)) {
        return result.wait_for(bound) == std::future_status::ready;
    }
};

}  // namespace

// The flat board the search plays on must play exactly as the rules, from
// settled deals and from boards given unsettled (a Falling Tiles start, holes).
TEST(FlatBoard, PlaysEveryMoveAsTheRulesDo) {
    GameRandom pick(7);
    for (int game = 0; game < 300; ++game) {
        const auto cols = static_cast<int16_t>(2 + pick.next() * 24), rows = static_cast<int16_t>(2 + pick.next() * 19);
        GameState s = randomDeal(cols, rows, static_cast<int16_t>(3 + pick.next() * 6), 100 + game);
        if (game % 3 == 0) {  // holes anywhere: the first move settles the whole board
            for (int k = 0; k < cols * rows / 4; ++k)
                s.board[cellAt(s, int(pick.next() * cols), int(pick.next() * rows))->index] = kEmpty;
        }
        FlatBoard flat(s);
        for (std::vector<Cell> groups = groupCells(s); !groups.empty(); groups = groupCells(s)) {
            FlatGroups found;
            findGroups(flat, found);
            int32_t points = 0;
            for (const Cell& c : groups) points += groupScore(findGroup(s, c.index).size);
            ASSERT_EQ(found.count, static_cast<int>(groups.size()));
            ASSERT_EQ(found.points, points);
            // A lone tile or an empty cell changes nothing.
            for (int16_t i = 0; i < s.numCells; ++i) {
                if (isInside(s, i) && !isGroup(s, i)) {
                    const Cell c = cellOf(s, i);
                    EXPECT_EQ(flat.play(flat.index(c.c, c.r)), 0);
                    break;
                }
            }
            const Cell c = groups[static_cast<std::size_t>(pick.next() * groups.size())];
            const MoveOutcome m = playMove(s, c);
            ASSERT_EQ(groupScore(static_cast<int16_t>(flat.play(flat.index(c.c, c.r)))), m.points);
            for (int r = 0; r < rows; ++r)
                for (int k = 0; k < cols; ++k) {
                    const int16_t code = s.board[cellAt(s, k, r)->index];
                    ASSERT_EQ(flat.at(k, r), code == kEmpty ? 0 : code) << "game " << game << " at " << k << "," << r;
                }
        }
        FlatGroups none;
        findGroups(flat, none);
        EXPECT_EQ(none.count, 0);
    }
}

// The beam keeps its boards packed: a board packed and unpacked at every move
// of random games, of every size and number of kinds, has every cell back
// and plays on exactly as the game's board, unsettled boards included.
TEST(FlatBoard, PackedBoardsComeBackWholeAndPlayOnAsTheRulesDo) {
    GameRandom pick(31);
    for (int game = 0; game < 300; ++game) {
        const auto cols = static_cast<int16_t>(2 + pick.next() * 24), rows = static_cast<int16_t>(2 + pick.next() * 19);
        GameState s = randomDeal(cols, rows, static_cast<int16_t>(3 + pick.next() * 6), 700 + game);
        if (game % 3 == 0) {
            for (int k = 0; k < cols * rows / 4; ++k)
                s.board[cellAt(s, int(pick.next() * cols), int(pick.next() * rows))->index] = kEmpty;
        }
        const FlatBoard original(s);
        FlatBoard flat = original;
        std::vector<uint8_t> packed(static_cast<std::size_t>(flat.packedBytes()) + 1, 0xAB);
        for (std::vector<Cell> groups = groupCells(s);; groups = groupCells(s)) {
            flat.pack(packed.data());
            ASSERT_EQ(packed.back(), 0xAB) << "packing writes past its " << flat.packedBytes() << " bytes";
            FlatBoard back = original;  // a board of the size, whatever its cells
            back.unpack(packed.data(), flat.settled());
            ASSERT_EQ(back.hash(), flat.hash());
            for (int r = 0; r < rows; ++r)
                for (int k = 0; k < cols; ++k) ASSERT_EQ(back.at(k, r), flat.at(k, r)) << "game " << game;
            if (groups.empty()) break;
            const Cell c = groups[static_cast<std::size_t>(pick.next() * groups.size())];
            const MoveOutcome m = playMove(s, c);
            ASSERT_EQ(groupScore(static_cast<int16_t>(back.play(back.index(c.c, c.r)))), m.points);
            for (int r = 0; r < rows; ++r)
                for (int k = 0; k < cols; ++k) {
                    const int16_t code = s.board[cellAt(s, k, r)->index];
                    ASSERT_EQ(back.at(k, r), code == kEmpty ? 0 : code) << "game " << game << " at " << k << "," << r;
                }
            flat = back;
        }
    }
}

// Whatever the budget, the answer is a whole game of legal moves whose
// replayed points are the reported total; a node budget gives the same
// answer every time.
TEST(Search, ReturnsAWholeGameOfLegalMovesWhoseReplayScoresItsTotal) {
    GameRandom pick(11);
    for (int game = 0; game < 40; ++game) {
        const auto cols = static_cast<int16_t>(2 + pick.next() * 24), rows = static_cast<int16_t>(2 + pick.next() * 19);
        GameState s = randomDeal(cols, rows, static_cast<int16_t>(3 + pick.next() * 6), 500 + game);
        s.score = 77;  // the score so far is not the search's
        const SearchBudget budget{.nodes = game % 2 ? 1 : 3000, .seed = static_cast<uint64_t>(game)};
        const SearchResult r = searchBest(s, budget);
        EXPECT_EQ(replay(s, r), r.total) << "game " << game;
        EXPECT_FALSE(r.cancelled);
        const SearchResult again = searchBest(s, budget);
        EXPECT_EQ(again.moves, r.moves);
    }
    // A board without a group: no move, nothing scored, and that is the best there is.
    const SearchResult none = searchBest(boardFromPicture({"12", "21"}), SearchBudget{.nodes = 100});
    EXPECT_TRUE(none.moves.empty() && none.total == 0 && none.optimal);
    // Boards given unsettled, as a Falling Tiles game starts.
    GameState falling = randomDeal(12, 10, 5, 3);
    falling.options.gameMode = kFallingTiles;
    resetBoard(falling);
    GameRandom rnd(3);
    fillBoard(falling, rnd);
    falling.board[cellAt(falling, 11, 9)->index] = kEmpty;
    const SearchResult r = searchBest(falling, SearchBudget{.nodes = 5000});
    EXPECT_EQ(replay(falling, r), r.total);
}

// On 200 small boards (up to 6 x 6, 3 kinds) the search at a small budget
// scores at least 99 % of the optimum found by trying every move; where it
// says it saw every board, it has the optimum.
TEST(Search, ComesWithinOnePercentOfTheOptimumOnSmallBoards) {
    GameRandom pick(2024);
    int64_t searchSum = 0, optimumSum = 0;
    int exact = 0;
    for (int board = 0; board < 200; ++board) {
        const auto cols = static_cast<int16_t>(3 + pick.next() * 4), rows = static_cast<int16_t>(3 + pick.next() * 4);
        const GameState s = randomDeal(cols, rows, 3, 9000 + board);
        std::unordered_map<std::string, int32_t> memo;
        const int32_t best = optimum(s, memo);
        const SearchResult r = searchBest(s, SearchBudget{.nodes = 2000});
        ASSERT_EQ(replay(s, r), r.total);
        ASSERT_LE(r.total, best);
        if (r.optimal) {
            EXPECT_EQ(r.total, best) << "board " << board;
        }
        searchSum += r.total;
        optimumSum += best;
        exact += r.total == best;
    }
    const double ratio = 100.0 * static_cast<double>(searchSum) / static_cast<double>(optimumSum);
    std::printf("search %lld / optimum %lld = %.2f %%, exact on %d of 200 boards\n", static_cast<long long>(searchSum),
                static_cast<long long>(optimumSum), ratio, exact);
    RecordProperty("sum_ratio_percent", std::to_string(ratio));
    RecordProperty("exact_boards", exact);
    EXPECT_GE(ratio, 99.0);
}

// A flag set from another thread stops a search that has no limit of its own.
TEST(Search, StopsWhenCancelledFromAnotherThread) {
    const GameState s = randomDeal(25, 20, 8, 1);
    SearchOnItsThread search(s, SearchBudget{});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let it get going: not a condition of the test
    *search.cancel = true;
    ASSERT_TRUE(search.endsWithin()) << "the search went on for 15 s after its cancel flag was set";
    const SearchResult r = search.result.get();
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.optimal);
    // What it had found by then is a whole legal game; a search stopped
    // before its first beam ended (a slow build) has found nothing yet.
    if (r.moves.empty()) {
        EXPECT_EQ(r.total, 0);
    } else {
        EXPECT_EQ(replay(s, r), r.total);
    }
}

// A time limit alone stops a search that would otherwise run practically
// forever; the answer is still a whole legal game, neither cancelled nor the optimum.
TEST(Search, StopsWhenItsTimeIsUp) {
    const GameState s = randomDeal(25, 20, 8, 2);
    SearchOnItsThread search(s, SearchBudget{.time = std::chrono::milliseconds(50)});
    if (!search.endsWithin()) {
        *search.cancel = true;  // no need to keep a core busy for the rest of the tests
        FAIL() << "a search with 50 ms to run was still running after 15 s: its time limit is not kept";
    }
    const SearchResult r = search.result.get();
    EXPECT_FALSE(r.cancelled);
    EXPECT_FALSE(r.optimal);
    ASSERT_FALSE(r.moves.empty());  // the board has groups: even the first board made gives a whole game
    EXPECT_EQ(replay(s, r), r.total);
}

// Undo all, then redo all, over random games: every board and score comes back exactly.
TEST(MoveHistory, UndoingAndRedoingEveryMoveRestoresEveryBoardAndScore) {
    GameRandom pick(5);
    for (int game = 0; game < 50; ++game) {
        GameState s = randomDeal(static_cast<int16_t>(3 + pick.next() * 10), static_cast<int16_t>(3 + pick.next() * 8),
                                 static_cast<int16_t>(3 + pick.next() * 3), 700 + game);
        s.clockSeconds = 42;
        MoveHistory history;
        std::vector<std::pair<Rows, int32_t>> seen{{pictureOf(s), s.score}};
        std::vector<Cell> played;
        EXPECT_FALSE(history.canUndo() || history.canRedo());
        for (std::vector<Cell> groups = groupCells(s); !groups.empty(); groups = groupCells(s)) {
            const Cell c = groups[static_cast<std::size_t>(pick.next() * groups.size())];
            history.play(s, c);
            played.push_back(c);
            seen.emplace_back(pictureOf(s), s.score);
        }
        for (std::size_t k = played.size(); k-- > 0;) {
            ASSERT_TRUE(history.canUndo());
            EXPECT_EQ(history.undo(s), played[k]);
            ASSERT_EQ(std::pair(pictureOf(s), s.score), seen[k]) << "game " << game << " undo to " << k;
        }
        EXPECT_FALSE(history.canUndo());
        for (std::size_t k = 1; k <= played.size(); ++k) {
            ASSERT_TRUE(history.canRedo());
            EXPECT_EQ(history.redo(s).gameOver, k == played.size());
            ASSERT_EQ(std::pair(pictureOf(s), s.score), seen[k]) << "game " << game << " redo to " << k;
        }
        EXPECT_FALSE(history.canRedo());
        EXPECT_EQ(s.clockSeconds, 42);  // the clock is not the history's
    }
}

TEST(MoveHistory, ANewMoveForgetsWhatCouldBeRedoneAndALoneTileIsNoMove) {
    GameState s = boardFromPicture({"1...", "12..", "2233", "1455"});
    MoveHistory history;
    history.play(s, *cellAt(s, 3, 3));  // the pair of 5s
    history.play(s, *cellAt(s, 0, 0));  // an empty cell
    EXPECT_TRUE(history.canUndo());
    history.undo(s);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.canRedo());
    history.play(s, *cellAt(s, 1, 3));  // the lone 4: nothing happens, the redo stays
    EXPECT_TRUE(history.canRedo() && !history.canUndo());
    history.play(s, *cellAt(s, 3, 2));  // the 3s: a new move
    EXPECT_TRUE(history.canUndo() && !history.canRedo());
}
