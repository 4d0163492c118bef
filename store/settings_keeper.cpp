#include "settings_keeper.h"

#include "best_scores.h"

namespace qlx {

void mergeChanges(StoredSettings& stored, const Options& mine, const Options& baseline,
                  std::span<const ScoreChange> changes) {
    for (const OptionField& f : kOptionFields) {
        if (!stored.optionsStored || mine.*f.member != baseline.*f.member) stored.options.*f.member = mine.*f.member;
    }
    for (const ScoreChange& change : changes) {
        if (change.cleared) {
            clearRecord(stored.table.recordFor(change.config));
        } else {
            insertScore(stored.table, change.config, change.score, change.name);
        }
    }
}

StoreOutcome SettingsKeeper::load(Options& options, BestScoreTable& table) {
    StoreOutcome outcome = StoreOutcome::Done;
    if (registry_) {
        outcome = loadSettings(*registry_, options, table);
    } else {
        options = firstRunOptions();  // nothing stored: a first run
    }
    // Whatever was stored, the game starts with options it can play.
    clampToPlayable(options);
    baseline_ = options;
    pending_.clear();
    return outcome;
}

void SettingsKeeper::enterScore(BestScoreTable& table, const Configuration& config, int32_t score,
                                const std::string& name) {
    if (!isRanked(table, config, score)) return;
    insertScore(table, config, score, name);
    pending_.push_back({config, false, score, name});
}

void SettingsKeeper::clearScores(BestScoreTable& table, const Configuration& config) {
    clearRecord(table.recordFor(config));
    pending_.push_back({config, true, 0, {}});
}

StoreOutcome SettingsKeeper::save(const Options& options, BestScoreTable& table) {
    if (!registry_) {
        pending_.clear();
        return StoreOutcome::Done;
    }
    // Held until the key is written, so that the copies of the game take turns.
    const auto lock = registry_->lockKey(kSettingsKeyPath);
    StoredSettings stored;
    // The options as stored: those this copy did not change are written back
    // unchanged, not as a load would correct them.
    const StoreOutcome read = readStoredSettings(*registry_, stored.options, stored.table, &stored.optionsStored);
    if (read != StoreOutcome::Done) return read;
    mergeChanges(stored, options, baseline_, pending_);
    const StoreOutcome written = saveSettings(*registry_, stored.options, stored.table);
    if (written == StoreOutcome::Done) {
        table = stored.table;
        baseline_ = options;
        pending_.clear();
    }
    return written;
}

}  // namespace qlx
