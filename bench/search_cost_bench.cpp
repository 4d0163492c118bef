// What "Best found" costs and what it finds: for fixed deals of every grid
// size, the search at the best-found node budget (without its time limit, so
// that the figures are the same on every machine), run on a thread of its own
// as the game runs it. Per deal: the total found, the boards made, the CPU
// time of the search's thread, how far the resident memory rose during the
// search and how much of that was still resident after it, once the freed
// memory was handed back as the game does (each deal in a process of its
// own, so that no search inherits another's freed memory).
// A report, not a test: it prints figures and asserts nothing.
//
//   search_cost_bench [deals per size, default 5] [grid sizes, e.g. "0123"]
//
// Deal 0 of each size is the deal a first game of that size and five kinds
// gets (the game's generator from its fixed start state); deal k > 0 comes
// from the generator seeded with k.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include "board.h"
#include "random.h"
#include "search.h"
#include "search_budgets.h"

using namespace qlx;

namespace {

GameState dealt(int16_t gridSizeIndex, int deal) {
    GameState s{.options = {.gameMode = kStandardGame, .gridSizeIndex = gridSizeIndex, .tileSizeIndex = 1,
                            .numColors = 5}};
    resetBoard(s);
    GameRandom rnd = deal == 0 ? GameRandom() : GameRandom(static_cast<uint64_t>(deal));
    fillBoard(s, rnd);
    return s;
}

// A field of /proc/self/status in kB.
long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(in, line)) {
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
    }
    return -1;
}

// Starts the peak resident size (VmHWM) afresh from the current size.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int deals = argc > 1 ? std::atoi(argv[1]) : 5;
    const std::string sizes = argc > 2 ? argv[2] : "0123";
    const SearchBudget budget{.nodes = kBestFoundBudget.nodes};
    std::printf("budget %lld boards, no time limit; CPU ms of the search's thread; memory in kB\n",
                static_cast<long long>(budget.nodes));
    std::printf("%-7s %4s %8s %9s %6s %9s %9s %9s\n", "grid", "deal", "total", "boards", "width", "cpu_ms",
                "rss_rise", "rss_kept");
    long long grand = 0;
    for (const char digit : sizes) {
        const auto grid = static_cast<int16_t>(digit - '0');
        if (grid < 0 || grid > 3) continue;
        long long sum = 0;
        double cpuSum = 0;
        for (int deal = 0; deal < deals; ++deal) {
            int channel[2];
            if (pipe(channel) != 0) return 1;
            std::fflush(stdout);
            const pid_t child = fork();
            if (child == 0) {
                close(channel[0]);
                const GameState s = dealt(grid, deal);
                const long before = statusKb("VmRSS");
                resetPeak();
                SearchResult r;
                double cpu = 0;
                std::thread worker([&] {
                    const double t0 = threadCpuMs();
                    r = searchBest(s, budget);
                    cpu = threadCpuMs() - t0;
                });
                worker.join();
                malloc_trim(0);
                const long peak = statusKb("VmHWM");
                const long after = statusKb("VmRSS");
                std::printf("%2dx%-4d %4d %8d %9lld %6d %9.0f %9ld %9ld\n", s.numCols, s.numRows, deal, r.total,
                            static_cast<long long>(r.nodes), r.width, cpu, peak - before, after - before);
                std::fflush(stdout);
                const double sent[2] = {static_cast<double>(r.total), cpu};
                const bool whole = write(channel[1], sent, sizeof sent) == static_cast<ssize_t>(sizeof sent);
                _exit(whole ? 0 : 1);
            }
            close(channel[1]);
            double got[2] = {0, 0};
            const bool whole = read(channel[0], got, sizeof got) == static_cast<ssize_t>(sizeof got);
            close(channel[0]);
            waitpid(child, nullptr, 0);
            if (!whole) return 1;
            sum += static_cast<long long>(got[0]);
            cpuSum += got[1];
        }
        std::printf("%2dx%-4d  sum %8lld   mean cpu %.0f ms\n", kGrids[static_cast<std::size_t>(grid)].cols,
                    kGrids[static_cast<std::size_t>(grid)].rows, sum, cpuSum / deals);
        grand += sum;
    }
    std::printf("best_found_total=%lld\n", grand);
    return 0;
}
