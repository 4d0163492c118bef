#include "search.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace qlx {

namespace {

constexpr uint8_t kNone = 0;      // an empty cell
constexpr uint8_t kFrame = 0xFF;  // outside the playing area

}  // namespace

// ---------------------------------------------------------------- the flat board

FlatBoard::FlatBoard(const GameState& s) : cols_(s.numCols), rows_(s.numRows) {
    cells_.fill(kFrame);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            const int16_t code = s.board[cellIndex(s, static_cast<int16_t>(c + 1), static_cast<int16_t>(r + 1))];
            cells_[static_cast<std::size_t>(index(c, r))] = isTile(code) ? static_cast<uint8_t>(code) : kNone;
        }
    }
    // Settled: below a tile only tiles, right of a tile only tiles.
    settled_ = true;
    for (int r = 0; r < rows_ && settled_; ++r) {
        for (int c = 0; c < cols_ && settled_; ++c) {
            if (at(c, r) == kNone) continue;
            if ((r + 1 < rows_ && at(c, r + 1) == kNone) || (c + 1 < cols_ && at(c + 1, r) == kNone)) settled_ = false;
        }
    }
}

int FlatBoard::play(int i) {
    const uint8_t kind = cells_[static_cast<std::size_t>(i)];
    if (kind == kNone || kind == kFrame) return 0;
    const int w = stride();
    if (cells_[i + 1] != kind && cells_[i - 1] != kind && cells_[i + w] != kind && cells_[i - w] != kind) return 0;
    // Empty the group as it is found; note the columns and the lowest row it spans.
    std::array<int16_t, kCells> open;
    int openSize = 0;
    int size = 0;
    int cmin = cols_, cmax = -1, rmax = -1;
    cells_[i] = kNone;
    open[openSize++] = static_cast<int16_t>(i);
    while (openSize > 0) {
        const int cur = open[--openSize];
        ++size;
        const int c = col(cur), r = row(cur);
        cmin = std::min(cmin, c);
        cmax = std::max(cmax, c);
        rmax = std::max(rmax, r);
        for (const int nb : {cur + 1, cur - 1, cur + w, cur - w}) {
            if (cells_[nb] == kind) {
                cells_[nb] = kNone;
                open[openSize++] = static_cast<int16_t>(nb);
            }
        }
    }
    if (!settled_) {  // a board given unsettled is settled whole, as the rules settle it
        cmin = 0;
        cmax = cols_ - 1;
        rmax = rows_ - 1;
        settled_ = true;
    }
    // The fall: only the columns the group touched change.
    for (int c = cmin; c <= cmax; ++c) {
        int slot = rmax;
        for (int r = rmax; r >= 0; --r) {
            const uint8_t v = cells_[index(c, r)];
            if (v == kNone) continue;
            if (slot != r) {
                cells_[index(c, slot)] = v;
                cells_[index(c, r)] = kNone;
            }
            --slot;
        }
    }
    // The slide: rows below the group's lowest row did not change and stay packed.
    for (int r = 0; r <= rmax; ++r) {
        uint8_t* line = &cells_[index(0, r)];
        int slot = cols_ - 1;
        for (int c = cols_ - 1; c >= 0; --c) {
            const uint8_t v = line[c];
            if (v == kNone) continue;
            if (slot != c) {
                line[slot] = v;
                line[c] = kNone;
            }
            --slot;
        }
    }
    return size;
}

uint64_t FlatBoard::hash() const {
    // Whole words of the padded array; the frame bytes are the same on every board of a size.
    uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(cols_ * 131 + rows_);
    const int n = (rows_ + 2) * stride();
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        uint64_t word;
        std::memcpy(&word, &cells_[static_cast<std::size_t>(k)], 8);
        h = (h ^ word) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
    }
    for (; k < n; ++k) h = (h ^ cells_[static_cast<std::size_t>(k)]) * 0x94D049BB133111EBull;
    return h ^ (h >> 32);
}

void findGroups(const FlatBoard& b, FlatGroups& out) {
    out.count = 0;
    out.points = 0;
    out.kindCount.fill(0);
    std::array<uint8_t, FlatBoard::kCells> seen{};
    std::array<int16_t, FlatBoard::kCells> open;
    const int w = b.stride();
    const uint8_t* cells = b.data();
    for (int r = 0; r < b.rows(); ++r) {
        for (int i = b.index(0, r), end = i + b.cols(); i < end; ++i) {
            const uint8_t kind = cells[i];
            if (kind == kNone) continue;
            ++out.kindCount[kind];
            if (seen[i]) continue;
            // A lone tile needs no search.
            if (cells[i + 1] != kind && cells[i - 1] != kind && cells[i + w] != kind && cells[i - w] != kind) continue;
            int openSize = 0, size = 0;
            seen[i] = 1;
            open[openSize++] = static_cast<int16_t>(i);
            while (openSize > 0) {
                const int cur = open[--openSize];
                ++size;
                for (const int nb : {cur + 1, cur - 1, cur + w, cur - w}) {
                    if (cells[nb] == kind && !seen[nb]) {
                        seen[nb] = 1;
                        open[openSize++] = static_cast<int16_t>(nb);
                    }
                }
            }
            out.first[out.count] = static_cast<int16_t>(i);
            out.size[out.count] = static_cast<int16_t>(size);
            ++out.count;
            out.points += groupScore(static_cast<int16_t>(size));
        }
    }
}

// ---------------------------------------------------------------- the search

namespace {

using Clock = std::chrono::steady_clock;

// A board in a beam: how it was reached, and what it promises.
struct Link {
    uint32_t parent;  // index in the layer before
    int16_t move;     // the cell played there (flat index)
};

struct Candidate {
    int64_t promise;
    uint64_t order;  // breaks ties between equal promises
    int32_t score;
    uint32_t parent;
    int16_t move;
};

class Search {
public:
    Search(const GameState& s, const SearchBudget& budget, const std::atomic<bool>* cancel)
        : state_(s), root_(s), budget_(budget), cancel_(cancel), start_(Clock::now()) {}

    SearchResult run() {
        for (int width = 1;; width = std::min(width * 2, std::max(budget_.maxWidth, 1))) {
            const bool exhaustive = beam(width);
            if (stopped_) break;
            result_.width = width;
            if (exhaustive) {
                result_.optimal = true;
                break;
            }
            if (width >= budget_.maxWidth) break;
        }
        result_.cancelled = cancelled_;
        result_.nodes = nodes_;
        result_.total = bestTotal_;
        result_.moves.clear();
        for (const int16_t m : bestMoves_) {
            const int c = root_.col(m), r = root_.row(m);
            result_.moves.push_back(*cellAt(state_, c, r));
        }
        return result_;
    }

private:
    // One beam of the given width, from the root to the last board. True when
    // no board was ever dropped. Sets stopped_ when the budget ran out or the
    // search was cancelled.
    bool beam(int width) {
        bool dropped = false;
        layers_.clear();
        std::vector<FlatBoard> layer{root_};
        std::vector<int32_t> scores{0};
        layers_.emplace_back();  // the root has no link
        std::vector<Candidate> candidates;
        std::unordered_map<uint64_t, uint32_t> seen;
        FlatGroups groups;
        FlatGroups childGroups;
        while (!layer.empty()) {
            candidates.clear();
            seen.clear();
            for (uint32_t k = 0; k < layer.size(); ++k) {
                findGroups(layer[k], groups);
                if (groups.count == 0) {
                    finished(k, scores[k]);
                    continue;
                }
                for (int g = 0; g < groups.count; ++g) {
                    if (outOfBudget()) {
                        finishGreedily(layer, scores);
                        return false;
                    }
                    FlatBoard child = layer[k];
                    const int size = child.play(groups.first[g]);
                    const int32_t score = scores[k] + groupScore(static_cast<int16_t>(size));
                    ++nodes_;
                    findGroups(child, childGroups);
                    const uint64_t h = child.hash();
                    const Candidate cand{promise(score, childGroups), mix(h ^ budget_.seed), score, k,
                                         groups.first[g]};
                    const auto [it, inserted] = seen.try_emplace(h, static_cast<uint32_t>(candidates.size()));
                    if (inserted) {
                        candidates.push_back(cand);
                    } else if (candidates[it->second].score < score) {
                        candidates[it->second] = cand;  // the same board, reached with more points
                    }
                }
            }
            if (candidates.empty()) break;
            if (candidates.size() > static_cast<std::size_t>(width)) {
                dropped = true;
                const auto better = [](const Candidate& a, const Candidate& b) {
                    return a.promise != b.promise ? a.promise > b.promise : a.order < b.order;
                };
                std::nth_element(candidates.begin(), candidates.begin() + width, candidates.end(), better);
                candidates.resize(static_cast<std::size_t>(width));
            }
            std::vector<FlatBoard> next;
            std::vector<int32_t> nextScores;
            std::vector<Link> links;
            next.reserve(candidates.size());
            for (const Candidate& c : candidates) {
                FlatBoard b = layer[c.parent];
                b.play(c.move);
                next.push_back(b);
                nextScores.push_back(c.score);
                links.push_back({c.parent, c.move});
            }
            layers_.push_back(std::move(links));
            layer = std::move(next);
            scores = std::move(nextScores);
        }
        return !dropped;
    }

    // What a board promises: its score so far and the points of every group
    // on it, and, at a sixteenth of the weight, the points that each kind's
    // tiles would make as one group. The first part prefers boards whose tiles
    // are joined; the second keeps the plentiful kinds on the board, where
    // they may still join into one large group, and clears the rare ones.
    static int64_t promise(int32_t score, const FlatGroups& groups) {
        int64_t v = 16 * (int64_t{score} + groups.points);
        for (const int64_t n : groups.kindCount) v += n * (n + 1) / 2;
        return v;
    }

    bool outOfBudget() {
        if (stopped_) return true;
        if (cancel_ && cancel_->load(std::memory_order_relaxed)) {
            cancelled_ = stopped_ = true;
        } else if (budget_.nodes > 0 && nodes_ >= budget_.nodes) {
            stopped_ = true;
        } else if (budget_.time.count() > 0 && (nodes_ & 63) == 0 && Clock::now() - start_ >= budget_.time) {
            stopped_ = true;
        }
        return stopped_;
    }

    // The moves that reached board k of the last layer.
    std::vector<int16_t> pathTo(uint32_t k) const {
        std::vector<int16_t> path;
        for (std::size_t d = layers_.size() - 1; d > 0; --d) {
            const Link& link = layers_[d][k];
            path.push_back(link.move);
            k = link.parent;
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    void finished(uint32_t k, int32_t total) {
        if (!haveBest_ || total > bestTotal_) {
            bestTotal_ = total;
            bestMoves_ = pathTo(k);
            haveBest_ = true;
        }
    }

    // Out of budget in the middle of a beam: the most promising board of the
    // layer is played to its end by always taking the largest group, so that
    // even the smallest budget gives a whole game.
    void finishGreedily(const std::vector<FlatBoard>& layer, const std::vector<int32_t>& scores) {
        if (cancelled_) return;
        uint32_t pick = 0;
        int32_t pickScore = -1;
        for (uint32_t k = 0; k < layer.size(); ++k) {
            if (scores[k] > pickScore) pick = k, pickScore = scores[k];
        }
        std::vector<int16_t> path = pathTo(pick);
        FlatBoard b = layer[pick];
        int32_t total = scores[pick];
        FlatGroups groups;
        for (findGroups(b, groups); groups.count > 0; findGroups(b, groups)) {
            const int g = static_cast<int>(std::max_element(groups.size.begin(), groups.size.begin() + groups.count) -
                                           groups.size.begin());
            path.push_back(groups.first[g]);
            total += groupScore(static_cast<int16_t>(b.play(groups.first[g])));
        }
        if (total > bestTotal_ || !haveBest_) {
            bestTotal_ = total;
            bestMoves_ = std::move(path);
            haveBest_ = true;
        }
    }

    static uint64_t mix(uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    const GameState& state_;
    const FlatBoard root_;
    const SearchBudget budget_;
    const std::atomic<bool>* cancel_;
    const Clock::time_point start_;

    std::vector<std::vector<Link>> layers_;
    int64_t nodes_ = 0;
    bool stopped_ = false;
    bool cancelled_ = false;
    bool haveBest_ = false;
    int32_t bestTotal_ = 0;
    std::vector<int16_t> bestMoves_;
    SearchResult result_;
};

}  // namespace

SearchResult searchBest(const GameState& s, const SearchBudget& budget, const std::atomic<bool>* cancel) {
    return Search(s, budget, cancel).run();
}

}  // namespace qlx
