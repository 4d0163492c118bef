// Copies of the game that run at once keep each other's scores and options:
// every save reads what is stored, applies its own changes and writes.
#include <gtest/gtest.h>

#include "best_scores.h"
#include "settings_keeper.h"
#include "store_fixture.h"
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qlx::test {
namespace {

constexpr Configuration kStandard{1, 0, 5};

// One running copy of the game: its own registry object, options and table.
struct Copy {
    explicit Copy(std::unique_ptr<Registry> r) : registry(std::move(r)), keeper(registry.get()) {
        loaded = keeper.load(options, table);
    }
    void enter(int32_t score, const std::string& name, Configuration c = kStandard) {
        keeper.enterScore(table, c, score, name);
    }
    StoreOutcome save() { return keeper.save(options, table); }

    std::unique_ptr<Registry> registry;
    SettingsKeeper keeper;
    StoreOutcome loaded;
    Options options;
    BestScoreTable table;
};

std::vector<std::string> entries(const BestScoreTable& t, Configuration c = kStandard) {
    std::vector<std::string> out;
    const BestScoreRecord& r = t.recordFor(c);
    for (int i = 1; i <= kEntriesPerRecord; ++i) out.push_back(r.name(i) + "=" + std::to_string(r.score(i)));
    return out;
}

// A registry whose "Software" cannot be opened at one call: the game's
// folder or hive gone for a moment between the read and the write of a save.
struct FlakyRegistry : Registry {
    FlakyRegistry(std::unique_ptr<Registry> inner, int failingCall) : inner(std::move(inner)), failingCall(failingCall) {}
    std::optional<RegKey> openSoftware() override {
        return ++calls == failingCall ? std::nullopt : inner->openSoftware();
    }
    std::optional<CreatedKey> createKey(RegKey parent, std::string_view path, std::string_view keyClass) override {
        return inner->createKey(parent, path, keyClass);
    }
    QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) override {
        return inner->queryValue(key, name, buffer);
    }
    bool setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) override {
        return inner->setValue(key, name, type, data);
    }
    bool closeKey(RegKey key) override { return inner->closeKey(key); }
    void keepStoredCopy(RegKey key) override { inner->keepStoredCopy(key); }
    std::unique_ptr<KeyLock> lockKey(std::string_view path) override { return inner->lockKey(path); }

    std::unique_ptr<Registry> inner;
    int failingCall;
    int calls = 0;
};

class KeeperTest : public StoreTest {
protected:
    Copy start() {
        Copy c(makeRegistry());
        EXPECT_EQ(c.loaded, StoreOutcome::Done);
        return c;
    }
    BestScoreTable stored(Options* options = nullptr) {
        Options o;
        BestScoreTable t;
        auto r = makeRegistry();
        EXPECT_EQ(loadSettings(*r, o, t), StoreOutcome::Done);
        if (options) *options = o;
        return t;
    }
    // "SOLVINGDATA" as stored, before any load rule.
    Options storedRaw() {
        const std::optional<RegValue> v = get(kSettingsValueName);
        EXPECT_TRUE(v && v->type == kRegBinary && v->data.size() == kSettingsBytes);
        if (!v || v->data.size() != kSettingsBytes) return {};
        return decodeSettings(std::span<const uint8_t, kSettingsBytes>(v->data.data(), kSettingsBytes));
    }
    void putRaw(const Options& o) {
        const auto b = encodeSettings(o);
        put({bin(std::string(kSettingsValueName), {b.begin(), b.end()})});
    }
};

TEST_F(KeeperTest, ScoresOfBothCopiesSurviveEitherOrderWithTiesBelowTheEarlierSave) {
    for (bool aFirst : {true, false}) {
        startOver();
        Copy a = start(), b = start();
        a.enter(50, "A");
        b.enter(50, "B");
        b.enter(70, "B2");
        (aFirst ? a : b).save();
        (aFirst ? b : a).save();
        const auto expected = aFirst ? std::vector<std::string>{"B2=70", "A=50", "B=50"}
                                     : std::vector<std::string>{"B2=70", "B=50", "A=50"};
        EXPECT_EQ(entries(stored()), expected) << (aFirst ? "A saved first" : "B saved first");
        // The copy that saved last holds the merged record too; saving again enters nothing twice.
        Copy& last = aFirst ? b : a;
        EXPECT_EQ(entries(last.table), expected);
        EXPECT_EQ(last.save(), StoreOutcome::Done);
        EXPECT_EQ((aFirst ? a : b).save(), StoreOutcome::Done);
        EXPECT_EQ(entries(stored()), expected);
    }
}

TEST_F(KeeperTest, AnEntryLoadedFromTheOtherCopyIsNotEnteredAgain) {
    Copy a = start();
    a.enter(40, "Ann");
    a.save();
    Copy b = start();  // loads Ann's score
    b.enter(30, "Ben");
    b.save();
    a.enter(35, "Ann2");
    a.save();
    EXPECT_EQ(entries(stored()), (std::vector<std::string>{"Ann=40", "Ann2=35", "Ben=30"}));
}

TEST_F(KeeperTest, AClearIsAppliedWhereItHappenedAmongTheChanges) {
    Copy a = start(), b = start();
    a.enter(90, "Old");
    a.save();
    b.enter(20, "Before");
    b.keeper.clearScores(b.table, kStandard);
    b.enter(10, "After");
    b.save();
    EXPECT_EQ(entries(stored()), (std::vector<std::string>{"After=10", "Anonoymous=0", "Anonoymous=0"}));
    EXPECT_EQ(entries(b.table), entries(stored()));
    // Another configuration's record is not touched by the clear.
    a.enter(7, "Other", {2, 3, 8});
    a.save();
    EXPECT_EQ(entries(stored(), {2, 3, 8})[0], "Other=7");
    EXPECT_EQ(entries(stored())[0], "After=10");
}

TEST_F(KeeperTest, AnOptionIsWrittenOnlyByTheCopyThatChangedIt) {
    Copy a = start(), b = start();
    a.options.tileSet = 3;
    a.save();
    b.options.numColors = 7;
    b.save();  // b never touched the tile set: a's choice stays
    Options o;
    stored(&o);
    EXPECT_EQ(o.tileSet, 3);
    EXPECT_EQ(o.numColors, 7);
    EXPECT_EQ(o.tileSizeIndex, 1);  // the first run's, made by neither
    // Changed on both sides: the later save wins, and a later save of the
    // other copy that changes nothing more does not bring its value back.
    a.options.numColors = 6;
    a.save();
    b.save();
    stored(&o);
    EXPECT_EQ(o.numColors, 6);
    // The options in play are each copy's own.
    EXPECT_EQ(b.options.tileSet, 0);
    EXPECT_EQ(b.options.numColors, 7);
}

// A falling period of 2 s or a playing time of 2:00 (index 0) loads as 3 at
// the next start; within a run, a save that follows the one that stored it
// must not write the 3 back, nor must a copy that never touched it.
TEST_F(KeeperTest, AChosenValueThatALoadWouldCorrectStaysAsChosenThroughLaterSaves) {
    for (int16_t Options::*member : {&Options::fallSpeedIndex, &Options::fallTimeIndex}) {
        SCOPED_TRACE(optionField(member).name);
        startOver();
        Copy a = start(), other = start();
        a.options.*member = 0;
        ASSERT_EQ(a.save(), StoreOutcome::Done);  // Ok in the dialog
        EXPECT_EQ(storedRaw().*member, 0);
        ASSERT_EQ(a.save(), StoreOutcome::Done);  // the exit, nothing changed since
        EXPECT_EQ(storedRaw().*member, 0);
        EXPECT_EQ(a.options.*member, 0);  // the game plays on with the choice
        ASSERT_EQ(other.save(), StoreOutcome::Done);
        EXPECT_EQ(storedRaw().*member, 0);
        EXPECT_EQ(start().options.*member, 3);  // the next run, as loads have it
    }
}

// Stored options that a load corrects (mode 0, 3 kinds, speed and time 0) or
// makes playable (tile set 7) are kept as stored by every save that does not
// change them, while each copy's own changes still reach the key; the game
// is given playable values from them at every start.
TEST_F(KeeperTest, AMergeKeepsUntouchedOptionsAsStoredAndTakesEveryCopysChanges) {
    const Options raw{0, 1, 2, 7, 3, 0, 0};
    putRaw(raw);
    Copy a = start(), b = start();
    EXPECT_EQ(a.options, (Options{1, 1, 2, 0, 5, 3, 3}));
    b.options.tileSizeIndex = 0;
    ASSERT_EQ(b.save(), StoreOutcome::Done);
    a.options.gridSizeIndex = 3;
    ASSERT_EQ(a.save(), StoreOutcome::Done);
    ASSERT_EQ(a.save(), StoreOutcome::Done);
    ASSERT_EQ(b.save(), StoreOutcome::Done);
    EXPECT_EQ(storedRaw(), (Options{0, 3, 0, 7, 3, 0, 0}));
    EXPECT_EQ(start().options, (Options{1, 3, 0, 0, 5, 3, 3}));
}

TEST_F(KeeperTest, AKeyWithoutOptionsTakesAllOfThisCopysOptions) {
    Copy a = start();  // a first run: tileSizeIndex 1
    a.options.gridSizeIndex = 2;
    a.save();
    Options o;
    stored(&o);
    EXPECT_EQ(o, a.options);  // not the 0 that a key without options would load as
}

// A score that does not enter this copy's best scores is no change to keep:
// a later save does not put it into a record that another copy cleared.
TEST_F(KeeperTest, OnlyAScoreThatEntersTheBestScoresIsKept) {
    Copy first = start();
    for (int32_t score : {90, 80, 70}) first.enter(score, "Old");
    first.save();
    Copy a = start(), b = start();
    a.enter(70, "Tie");  // equal to the third: does not enter
    EXPECT_FALSE(a.keeper.hasUnsavedScores());
    b.keeper.clearScores(b.table, kStandard);
    b.save();
    a.save();
    EXPECT_EQ(entries(stored()), (std::vector<std::string>{"Anonoymous=0", "Anonoymous=0", "Anonoymous=0"}));
}

// A save that cannot read what is stored writes nothing (it would write over
// the other copies' scores), and one that read but could not write keeps its
// changes: either way the next save stores them.
TEST_F(KeeperTest, ASaveThatFailsHalfWayWritesNothingAndKeepsItsChanges) {
    for (int failingCall : {2, 3}) {  // 1 is the load; then the save's read, its write
        SCOPED_TRACE(failingCall == 2 ? "the read failed" : "the write failed");
        startOver();
        Copy other = start();
        other.enter(90, "Other");
        other.save();
        Copy a(std::make_unique<FlakyRegistry>(makeRegistry(), failingCall));
        a.enter(50, "Mine");
        a.options.tileSet = 4;
        EXPECT_EQ(a.save(), StoreOutcome::SoftwareUnavailable);
        EXPECT_TRUE(a.keeper.hasUnsavedScores());
        Options o;
        EXPECT_EQ(entries(stored(&o)), (std::vector<std::string>{"Other=90", "Anononymous=0", "Anononymous=0"}));
        EXPECT_EQ(o.tileSet, 0);
        EXPECT_EQ(a.save(), StoreOutcome::Done);
        EXPECT_EQ(entries(stored(&o)), (std::vector<std::string>{"Other=90", "Mine=50", "Anononymous=0"}));
        EXPECT_EQ(o.tileSet, 4);
    }
}

// Without a registry nothing is stored: the game starts as on a first run,
// and a save succeeds and keeps nothing for later.
TEST(Keeper, WithoutARegistryTheGameStartsAsOnAFirstRunAndSavesNothing) {
    SettingsKeeper keeper;
    Options options;
    BestScoreTable table;
    EXPECT_EQ(keeper.load(options, table), StoreOutcome::Done);
    EXPECT_EQ(options, firstRunOptions());
    keeper.enterScore(table, kStandard, 5, "Solo");
    EXPECT_EQ(entries(table)[0], "Solo=5");
    EXPECT_TRUE(keeper.hasUnsavedScores());
    EXPECT_EQ(keeper.save(options, table), StoreOutcome::Done);
    EXPECT_FALSE(keeper.hasUnsavedScores());
    EXPECT_EQ(entries(table)[0], "Solo=5");
}

#ifndef _WIN32
// Stored options that a load turns into playable ones (mode 0, 3 kinds,
// speed and time 0) are the game's own: saves over them, which keep them as
// stored, keep no damaged copy aside.
TEST_F(KeeperTest, OptionsThatALoadCorrectsAreNotKeptAsDamaged) {
    const Options raw{0, 1, 1, 2, 3, 0, 0};
    putRaw(raw);
    Copy a = start();
    a.enter(5, "Ann");
    ASSERT_EQ(a.save(), StoreOutcome::Done);
    ASSERT_EQ(a.save(), StoreOutcome::Done);
    EXPECT_EQ(storedRaw(), raw);
    EXPECT_FALSE(std::filesystem::exists(keyFile().string() + ".damaged"));
}

TEST_F(KeeperTest, AFailedSaveKeepsItsChangesForTheNextOne) {
    // The configuration folder is a file at first: "Software" cannot be opened.
    std::filesystem::create_directories(software_.parent_path());
    { std::ofstream(software_) << "not a folder"; }
    Copy a(makeRegistry());
    a.enter(12, "Kept");
    a.options.tileSet = 2;
    EXPECT_EQ(a.save(), StoreOutcome::SoftwareUnavailable);
    EXPECT_TRUE(a.keeper.hasUnsavedScores());
    std::filesystem::remove(software_);
    EXPECT_EQ(a.save(), StoreOutcome::Done);
    EXPECT_FALSE(a.keeper.hasUnsavedScores());
    Options o;
    EXPECT_EQ(entries(stored(&o))[0], "Kept=12");
    EXPECT_EQ(o.tileSet, 2);
}

// Two processes save at the same moments, many times over: the lock makes
// them take turns, so neither read-merge-write loses the other's entry.
TEST_F(KeeperTest, TwoProcessesSavingAtOnceLoseNothing) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    std::vector<pid_t> children;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            char go;
            ::close(ready[1]);
            [[maybe_unused]] auto n = ::read(ready[0], &go, 1);  // both start together
            Copy c(makeRegistry());
            bool ok = true;
            for (int m = 1; m <= kModes; ++m)
                for (int g = 0; g < kGridSizes; ++g)
                    for (int k = 5; k <= 8; ++k) {
                        c.enter(100 + copy, "copy" + std::to_string(copy), {int16_t(m), int16_t(g), int16_t(k)});
                        ok = ok && c.save() == StoreOutcome::Done;
                    }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(ready[0]);
    ::close(ready[1]);  // the children's reads return: go
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const BestScoreTable t = stored();
    for (int m = 1; m <= kModes; ++m)
        for (int g = 0; g < kGridSizes; ++g)
            for (int k = 5; k <= 8; ++k) {
                EXPECT_EQ(entries(t, {int16_t(m), int16_t(g), int16_t(k)}),
                          (std::vector<std::string>{"copy1=101", "copy0=100", "Anononymous=0"}))
                    << m << " " << g << " " << k;
            }
}
#endif

}  // namespace
}  // namespace qlx::test
