// How well the search plays, over fixed deals: its total at the hint's budget
// and at the best-found budget, against always taking the largest group and
// against random play; and how long a hint takes to answer. A report, not a
// test: it prints figures and asserts nothing.
//
//   search_bench [deals per size, default 100] [sizes: "small", "large" or "both"]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "board.h"
#include "random.h"
#include "search.h"
#include "search_budgets.h"

using namespace qlx;

namespace {

GameState dealt(int16_t gridSizeIndex, int16_t kinds, uint64_t seed) {
    GameState s{.options = {.gameMode = kStandardGame, .gridSizeIndex = gridSizeIndex, .tileSizeIndex = 1,
                            .numColors = kinds}};
    resetBoard(s);
    GameRandom rnd(seed);
    fillBoard(s, rnd);
    return s;
}

// The cells of the groups of two or more, one cell each, with their sizes.
std::vector<std::pair<Cell, int>> groupsOf(const GameState& s) {
    std::vector<std::pair<Cell, int>> out;
    std::vector<bool> seen(kBoardCapacity);
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (seen[i] || !isGroup(s, i)) continue;
        const Group g = findGroup(s, i);
        for (int16_t k = 0; k < g.size; ++k) seen[g.cells[k]] = true;
        out.emplace_back(cellOf(s, i), g.size);
    }
    return out;
}

int32_t largestGroupPlay(GameState s) {
    for (auto groups = groupsOf(s); !groups.empty(); groups = groupsOf(s)) {
        const auto largest = std::max_element(groups.begin(), groups.end(),
                                              [](const auto& a, const auto& b) { return a.second < b.second; });
        playMove(s, largest->first);
    }
    return s.score;
}

int32_t randomPlay(GameState s, uint64_t seed) {
    GameRandom rnd(seed);
    for (auto groups = groupsOf(s); !groups.empty(); groups = groupsOf(s)) {
        playMove(s, groups[static_cast<std::size_t>(rnd.next() * static_cast<double>(groups.size()))].first);
    }
    return s.score;
}

struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double mean() const {
        double sum = 0;
        for (double v : values) sum += v;
        return values.empty() ? 0 : sum / static_cast<double>(values.size());
    }
    double min() const { return *std::min_element(values.begin(), values.end()); }
    double max() const { return *std::max_element(values.begin(), values.end()); }
};

// Scores: the worst is the lowest. Times: the worst is the longest.
void report(const char* what, const Figures& f, const char* unit = "", bool lowerIsBetter = false) {
    const double worst = lowerIsBetter ? f.max() : f.min(), best = lowerIsBetter ? f.min() : f.max();
    std::printf("  %-34s mean %9.1f%s  worst %9.1f%s  best %9.1f%s\n", what, f.mean(), unit, worst, unit, best, unit);
}

void run(const char* name, int16_t gridSizeIndex, int16_t kinds, int deals) {
    Figures largest, random, hint, found, hintTime, hintRatio, foundRatio, worstRatio;
    double hintWidth = 0, foundWidth = 0;
    for (int d = 1; d <= deals; ++d) {
        const GameState s = dealt(gridSizeIndex, kinds, 1000 + static_cast<uint64_t>(d));
        const int32_t g = largestGroupPlay(s);
        largest.add(g);
        random.add(randomPlay(s, static_cast<uint64_t>(d)));

        // The hint as the window asks for it: a search on a worker thread, timed to its answer.
        SearchResult h;
        const auto start = std::chrono::steady_clock::now();
        std::thread worker([&] { h = searchBest(s, kHintBudget); });
        worker.join();
        hintTime.add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        hint.add(h.total);
        hintWidth += h.width;

        const SearchResult b = searchBest(s, kBestFoundBudget);
        found.add(b.total);
        foundWidth += b.width;
        hintRatio.add(100.0 * h.total / std::max(g, 1));
        foundRatio.add(100.0 * b.total / std::max(g, 1));
    }
    std::printf("%s, %d fixed deals (seeds 1001..%d):\n", name, deals, 1000 + deals);
    report("random play", random);
    report("always the largest group", largest);
    report("search, hint budget", hint);
    report("search, best-found budget", found);
    report("hint / largest group", hintRatio, " %");
    report("best found / largest group", foundRatio, " %");
    report("hint's time to answer", hintTime, " ms", true);
    std::printf("  mean beam width finished: hint %.1f, best found %.1f\n\n", hintWidth / deals, foundWidth / deals);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int deals = argc > 1 ? std::atoi(argv[1]) : 100;
    const std::string sizes = argc > 2 ? argv[2] : "both";
    std::printf("hint budget: %lld ms; best-found budget: %lld boards\n\n",
                static_cast<long long>(kHintBudget.time.count()), static_cast<long long>(kBestFoundBudget.nodes));
    if (sizes != "large") run("12 x 10, 5 kinds", 0, 5, deals);
    if (sizes != "small") run("25 x 20, 8 kinds", 3, 8, deals);
}
