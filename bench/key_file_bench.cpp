// How fast the settings file is read, and written back, when it holds many
// short values besides the game's own: a file of about 55,000 values in
// 1 MiB, and one at the size limit (64 MiB, about 3.5 million values).
//
//   ParseKeyFile/N      the text of N MiB, in memory, into values
//   LoadSettings/N      start-up: the file read from the disk, parsed, and
//                       the game's 129 values looked up
//   LoadAndSave/N       start-up and exit: the above, then every value of the
//                       game set and the file written back whole (to a page
//                       cache only: no flush to the disk, which only times the disk)
//
// The argument is the file's size in MiB. Throughput is of the file's bytes.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "key_file_format.h"
#include "registry_file.h"
#include "settings_store.h"

using namespace qlx;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kKeyPath = "HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0";

struct KeyText {
    std::string text;
    std::size_t values = 0;
};

// A key file of short values ("v1234567"="abcd", 19 bytes a line) of about the
// given size.
KeyText shortValues(std::size_t bytes) {
    KeyText out{"REGEDIT4\r\n\r\n[" + std::string(kKeyPath) + "]\r\n"};
    char line[40];
    while (out.text.size() + 21 < bytes) {
        const int n = std::snprintf(line, sizeof line, "\"v%07zu\"=\"abcd\"\r\n", out.values++);
        out.text.append(line, static_cast<std::size_t>(n));
    }
    out.text += "\r\n";
    return out;
}

std::size_t mebibytes(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)) << 20; }

// The file of the benchmark's size; at the limit, just under it.
KeyText keyText(const benchmark::State& state) {
    return shortValues(std::min(mebibytes(state), kMaxKeyFileBytes));
}

// A configuration folder holding the key file, removed at the end.
class KeyFolder {
public:
    explicit KeyFolder(const std::string& text) {
        std::string pattern = (fs::temp_directory_path() / "quellix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        root_ = pattern;
        file_ = root_ / "Orlenda" / "Quellix" / "1.0.reg";
        fs::create_directories(file_.parent_path());
        rewrite(text);
    }
    ~KeyFolder() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    void rewrite(const std::string& text) const {
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << text;
    }
    const fs::path& software() const { return root_; }

private:
    fs::path root_, file_;
};

void setThroughput(benchmark::State& state, const KeyText& key) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(key.text.size()));
    state.counters["values"] = static_cast<double>(key.values);
}

void BM_ParseKeyFile(benchmark::State& state) {
    const KeyText key = keyText(state);
    for (auto _ : state) benchmark::DoNotOptimize(parseKeyFile(key.text, kKeyPath).values.size());
    setThroughput(state, key);
}

void BM_LoadSettings(benchmark::State& state) {
    const KeyText key = keyText(state);
    const KeyFolder folder(key.text);
    for (auto _ : state) {
        FileRegistry registry(folder.software());
        Options options;
        BestScoreTable table;
        benchmark::DoNotOptimize(loadSettings(registry, options, table));
    }
    setThroughput(state, key);
}

void BM_LoadAndSave(benchmark::State& state) {
    const KeyText key = keyText(state);
    const KeyFolder folder(key.text);
    const auto ops = std::make_shared<UnsyncedFileOps>();
    for (auto _ : state) {
        state.PauseTiming();
        folder.rewrite(key.text);  // the same file each time, not the last save's
        state.ResumeTiming();
        FileRegistry registry(folder.software(), ops);
        Options options;
        BestScoreTable table;
        loadSettings(registry, options, table);
        table.record(1, 1, 1).score(1) += 1;  // something changed, so that the save writes
        benchmark::DoNotOptimize(saveSettings(registry, options, table));
    }
    setThroughput(state, key);
}

}  // namespace

BENCHMARK(BM_ParseKeyFile)->Arg(1)->Arg(4)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSettings)->Arg(1)->Arg(4)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSave)->Arg(1)->Arg(4)->Arg(64)->Unit(benchmark::kMillisecond);
