#include "best_scores.h"

#include "board.h"
#include "text_encoding.h"

namespace qlx {

int16_t rankOfScore(const BestScoreTable& table, const Configuration& config, int32_t score) {
    const BestScoreRecord& record = table.recordFor(config);
    for (int16_t r = 1; r <= kEntriesPerRecord; ++r) {
        if (record.score(r) < score) return r;
    }
    return kNotRanked;
}

bool isRanked(const BestScoreTable& table, const Configuration& config, int32_t score) {
    return rankOfScore(table, config, score) != kNotRanked;
}

void insertScore(BestScoreTable& table, const Configuration& config, int32_t score, const std::string& name) {
    const int16_t place = rankOfScore(table, config, score);
    if (place == kNotRanked) return;
    BestScoreRecord& record = table.recordFor(config);
    for (int m = kEntriesPerRecord - 1; m >= place; --m) {
        record.score(m + 1) = record.score(m);
        record.name(m + 1) = record.name(m);
    }
    record.score(place) = score;
    record.name(place) = name;
}

std::string userNameFromText(const std::string& utf8) {
    if (utf8.empty()) return std::string(kEmptyUserName);
    std::size_t pos = 0;
    for (std::size_t chars = 0; chars < kMaxUserNameChars && pos < utf8.size(); ++chars) {
        pos += readUtf8(utf8, pos).length;
    }
    return utf8.substr(0, pos);
}

void clearRecord(BestScoreRecord& record) {
    for (int r = 1; r <= kEntriesPerRecord; ++r) {
        record.name(r) = kClearedName;
        record.score(r) = 0;
    }
}

}  // namespace qlx
