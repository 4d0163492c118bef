#include "search.h"

#include <algorithm>
#include <cstring>

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

void FlatBoard::pack(uint8_t* out) const {
    std::memset(out, 0, static_cast<std::size_t>(packedBytes()));
    int k = 0;
    for (int r = 0; r < rows_; ++r) {
        const uint8_t* line = &cells_[static_cast<std::size_t>(index(0, r))];
        for (int c = 0; c < cols_; ++c, ++k) out[k >> 1] |= static_cast<uint8_t>(line[c] << ((k & 1) * 4));
    }
}

void FlatBoard::unpack(const uint8_t* in, bool settled) {
    int k = 0;
    for (int r = 0; r < rows_; ++r) {
        uint8_t* line = &cells_[static_cast<std::size_t>(index(0, r))];
        for (int c = 0; c < cols_; ++c, ++k) line[c] = static_cast<uint8_t>((in[k >> 1] >> ((k & 1) * 4)) & 0x0F);
    }
    settled_ = settled;
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

// How a board of a layer was reached: its parent's place in the layer
// before, and the cell played there (flat index). Widths are at most 1 << 16.
struct Link {
    uint16_t parent;
    uint16_t move;
};
constexpr int kWidestBeam = 1 << 16;

// A child of a layer's board: 32 bytes.
struct Candidate {
    int64_t promise;
    uint64_t order;  // breaks ties between equal promises
    uint64_t hash;   // of the child's cells
    int32_t score;
    uint16_t parent;
    int16_t move;
};

// The better of two candidates: the higher promise, then the lower order.
bool better(const Candidate& a, const Candidate& b) {
    return a.promise != b.promise ? a.promise > b.promise : a.order < b.order;
}

// One layer of the beam: its boards packed one after the other, with their scores.
class Layer {
public:
    explicit Layer(int bytesPerBoard) : bytes_(static_cast<std::size_t>(std::max(bytesPerBoard, 1))) {}
    std::size_t size() const { return scores_.size(); }
    bool empty() const { return scores_.empty(); }
    int32_t score(std::size_t k) const { return scores_[k]; }
    void add(const FlatBoard& b, int32_t score) {
        cells_.resize(cells_.size() + bytes_);
        b.pack(&cells_[cells_.size() - bytes_]);
        scores_.push_back(score);
    }
    // Board k onto `into`, a board of the same size.
    void get(std::size_t k, FlatBoard& into, bool settled) const { into.unpack(&cells_[k * bytes_], settled); }
    void clear() {
        cells_.clear();
        scores_.clear();
    }
    void swap(Layer& other) {
        cells_.swap(other.cells_);
        scores_.swap(other.scores_);
    }

private:
    std::size_t bytes_;
    std::vector<uint8_t> cells_;
    std::vector<int32_t> scores_;
};

// The best `width` distinct boards among the children of a layer, chosen as
// they come: a board met again is kept once, with its higher score. At most
// twice the width are held: when full, the better half is kept, and a child
// worse than the worst of that half is not taken any more (it could never be
// among the best, as the boards kept only gain). The boards chosen are exactly
// the best `width` of all the distinct children.
class Selection {
public:
    explicit Selection(int width) : width_(static_cast<std::size_t>(width)) {}

    void clear() {
        items_.clear();
        haveFloor_ = false;
        dropped_ = false;
        std::fill(table_.begin(), table_.end(), kFree);
    }

    void offer(const Candidate& c) {
        uint32_t& slot = find(c.hash);
        if (slot != kFree) {
            if (items_[slot].score < c.score) items_[slot] = c;  // the same board, reached with more points
            return;
        }
        if (haveFloor_ && !better(c, floor_)) {
            dropped_ = true;
            return;
        }
        slot = static_cast<uint32_t>(items_.size());
        items_.push_back(c);
        if (items_.size() >= 2 * width_) {
            keepBest();
        } else if (2 * items_.size() > table_.size()) {
            rehash(2 * table_.size());
        }
    }

    // The chosen boards, in no particular order; true in dropped() when any
    // distinct board was left out.
    const std::vector<Candidate>& chosen() {
        if (items_.size() > width_) keepBest();
        return items_;
    }
    bool dropped() const { return dropped_; }

private:
    static constexpr uint32_t kFree = UINT32_MAX;

    uint32_t& find(uint64_t hash) {
        if (table_.empty()) rehash(1024);
        const std::size_t mask = table_.size() - 1;
        for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
            if (table_[i] == kFree || items_[table_[i]].hash == hash) return table_[i];
        }
    }

    void rehash(std::size_t size) {
        table_.assign(size, kFree);
        const std::size_t mask = size - 1;
        for (uint32_t k = 0; k < items_.size(); ++k) {
            std::size_t i = static_cast<std::size_t>(items_[k].hash) & mask;
            while (table_[i] != kFree) i = (i + 1) & mask;
            table_[i] = k;
        }
    }

    // Keeps the best `width` in place; the worst of them is the floor.
    void keepBest() {
        std::nth_element(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(width_), items_.end(), better);
        items_.resize(width_);
        floor_ = *std::min_element(items_.begin(), items_.end(), [](const Candidate& a, const Candidate& b) {
            return better(b, a);
        });
        haveFloor_ = true;
        dropped_ = true;
        rehash(table_.size());
    }

    std::size_t width_;
    std::vector<Candidate> items_;
    std::vector<uint32_t> table_;  // open addressing: places in items_, by hash
    Candidate floor_{};
    bool haveFloor_ = false;
    bool dropped_ = false;
};

class Search {
public:
    Search(const GameState& s, const SearchBudget& budget, const std::atomic<bool>* cancel)
        : state_(s), root_(s), budget_(budget), cancel_(cancel), start_(Clock::now()) {}

    SearchResult run() {
        const int widest = std::clamp(budget_.maxWidth, 1, kWidestBeam);
        for (int width = 1;; width = std::min(width * 2, widest)) {
            const bool exhaustive = beam(width);
            if (stopped_) break;
            result_.width = width;
            if (exhaustive) {
                result_.optimal = true;
                break;
            }
            if (width >= widest) break;
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
        layers_.emplace_back();  // the root has no link
        Layer layer(root_.packedBytes()), next(root_.packedBytes());
        layer.add(root_, 0);
        bool settled = root_.settled();  // the boards of the layer; after a move, every board is
        Selection selection(width);
        FlatGroups groups;
        FlatGroups childGroups;
        FlatBoard parent = root_, child = root_;
        while (!layer.empty()) {
            selection.clear();
            for (uint32_t k = 0; k < layer.size(); ++k) {
                layer.get(k, parent, settled);
                findGroups(parent, groups);
                if (groups.count == 0) {
                    finished(k, layer.score(k));
                    continue;
                }
                for (int g = 0; g < groups.count; ++g) {
                    if (outOfBudget()) {
                        finishGreedily(layer, settled);
                        return false;
                    }
                    child = parent;
                    const int size = child.play(groups.first[g]);
                    const int32_t score = layer.score(k) + groupScore(static_cast<int16_t>(size));
                    ++nodes_;
                    findGroups(child, childGroups);
                    const uint64_t h = child.hash();
                    selection.offer({promise(score, childGroups), mix(h ^ budget_.seed), h, score,
                                     static_cast<uint16_t>(k), groups.first[g]});
                }
            }
            const std::vector<Candidate>& chosen = selection.chosen();
            if (chosen.empty()) break;
            dropped = dropped || selection.dropped();
            next.clear();
            std::vector<Link> links;
            links.reserve(chosen.size());
            for (const Candidate& c : chosen) {
                layer.get(c.parent, child, settled);
                child.play(c.move);
                next.add(child, c.score);
                links.push_back({static_cast<uint16_t>(c.parent), static_cast<uint16_t>(c.move)});
            }
            layers_.push_back(std::move(links));
            layer.swap(next);
            settled = true;
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
            path.push_back(static_cast<int16_t>(link.move));
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

    // Out of budget in the middle of a beam: the boards of the layer with
    // the highest score so far are each played to their end by always taking
    // the largest group, and the best of those games is kept, so that even
    // the smallest budget gives a whole game.
    void finishGreedily(const Layer& layer, bool settled) {
        if (cancelled_) return;
        int32_t top = -1;
        for (uint32_t k = 0; k < layer.size(); ++k) top = std::max(top, layer.score(k));
        FlatBoard b = root_;
        FlatGroups groups;
        for (uint32_t k = 0; k < layer.size(); ++k) {
            if (layer.score(k) != top) continue;
            layer.get(k, b, settled);
            std::vector<int16_t> path = pathTo(k);
            int32_t total = top;
            for (findGroups(b, groups); groups.count > 0; findGroups(b, groups)) {
                const int g = static_cast<int>(std::max_element(groups.size.begin(),
                                                                groups.size.begin() + groups.count) -
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
