// The settings as this copy of the game keeps them: loaded once at start-up,
// and saved whenever something worth keeping changes (a best score entered, a
// record cleared, an option chosen) and again when the window unloads.
//
// Other copies of the game may save to the same key while this one runs. A
// save therefore never writes this copy's whole picture: under the key's lock
// it reads what is stored now and applies to it only what this copy changed
// since its last save:
//   - an option is written only when this copy changed it; the others keep
//     the stored value, whoever stored it, exactly as stored (the load's
//     corrections, such as a stored speed of 0 loading as 3, apply only to
//     the options loaded into the game);
//   - each best score this copy entered goes into the stored record by the
//     usual rule (an equal score ranks below one already there), and a record
//     this copy cleared is cleared there, in the order they happened;
//   - the scores this copy only loaded are never entered again.
// After a save the in-memory table is the stored one, so the scores that
// other copies entered appear here too; the options in play stay as they are.
// Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "registry.h"
#include "settings.h"
#include "settings_store.h"

namespace qlx {

// One change this copy made to the best scores.
struct ScoreChange {
    Configuration config;
    bool cleared = false;  // "Clear Data"; otherwise score and name were entered
    int32_t score = 0;
    std::string name;
};

// What a key holds, as readStoredSettings reads it.
struct StoredSettings {
    Options options;  // as stored, uncorrected
    BestScoreTable table;
    bool optionsStored = false;  // the key held usable options
};

// Applies this copy's changes to what is stored: the options that differ
// from baseline (those this copy chose since its last save) replace the
// stored ones, or all of them when none are stored; the score changes are
// applied in order.
void mergeChanges(StoredSettings& stored, const Options& mine, const Options& baseline,
                  std::span<const ScoreChange> changes);

class SettingsKeeper {
public:
    // No registry: nothing is loaded (a first run) and nothing is saved.
    explicit SettingsKeeper(Registry* registry = nullptr) : registry_(registry) {}

    // Reads the options and the best scores at start-up (see loadSettings)
    // and makes the options playable.
    StoreOutcome load(Options& options, BestScoreTable& table);

    // Enters a best score in table, as insertScore does, to be kept.
    void enterScore(BestScoreTable& table, const Configuration& config, int32_t score, const std::string& name);
    // Clears the configuration's record in table ("Clear Data"), to be kept.
    void clearScores(BestScoreTable& table, const Configuration& config);

    // Saves what changed: under the key's lock, reads the key, merges, writes
    // it. On success table becomes what was stored. On failure nothing
    // changes here and the changes are kept for the next save.
    StoreOutcome save(const Options& options, BestScoreTable& table);

    // Changes not yet saved.
    bool hasUnsavedScores() const { return !pending_.empty(); }

private:
    Registry* registry_;
    Options baseline_{};  // the options as last loaded or saved by this copy
    std::vector<ScoreChange> pending_;
};

}  // namespace qlx
