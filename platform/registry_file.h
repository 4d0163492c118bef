// The settings key where there is no Windows registry: one file per key in
// the REGEDIT4 export format, readable, diffable and importable into a real
// registry.
//
//   <software>/Orlenda/Quellix/1.0.reg       key Software\Orlenda\Quellix\1.0
//
// The software folder plays "Software": the program passes the user's
// configuration folder ($XDG_CONFIG_HOME, or $HOME/.config), tests a
// folder of their own.
//
// The file's text is read and written by key_file_format.h.
//
// The file is read whole when the key is opened and written whole when the
// key is closed after a change: into "1.0.reg.<pid>.tmp" beside it, flushed
// to the disk, then renamed over the old file, so a crash or a full disk
// leaves either the old file or the new one. The new file keeps the old
// one's permission bits (a file made 0600 stays 0600), and its owner and
// group where the process may keep them. Such temporary files that a
// killed save left behind are removed at the next save (see
// removeStaleTemporaries in the source: only ours, never another file).
//
// Copies of the game that save at once take turns: each save holds an
// advisory lock (flock) on "1.0.reg.lock" beside the file while it reads,
// merges and writes the key.
//
// A key file that is a link is followed to the regular file behind it, which
// is read and replaced there, so the link stays. A key file that cannot be
// opened is skipped, at start-up and at the save, and never replaced: a link
// to anything but a regular file (a device such as /dev/null, a pipe, a
// folder, nothing), anything else that is not a regular file, and a file
// the user may not read. A file the user may read but not write (made
// read-only by its owner) is read and not replaced.
//
// A file that cannot be read whole (no header, a line that does not parse,
// another key's section, a missing last line end, a file larger than the size
// limit, which is not read at all) opens with the values that could be read,
// and before the first write over it the old file is kept beside it as
// "1.0.reg.damaged", or under the first free name of ".damaged.2",
// ".damaged.3" ... up to kMostKeptCopies: a kept copy is never overwritten.
// The caller can ask for the same with keepStoredCopy when it finds a value
// it cannot use.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "key_file_format.h"
#include "registry.h"

namespace qlx {

// What a file that a save replaces passes on to its successor: its
// permission bits, its owner and its group.
struct FileOwnership {
    uint32_t mode = 0644;  // rwx bits for owner, group and others
    uint32_t owner = 0;
    uint32_t group = 0;
};

// The file operations of a save, one seam so that a test can make any step fail.
class FileOps {
public:
    virtual ~FileOps() = default;
    // Creates or truncates path, writes bytes and flushes them to the disk.
    // With like, the file gets like's permission bits before anything is
    // written to it, and its owner and group as far as the process may give
    // them (a user may give a file only a group of their own; root any
    // owner); else the bits 0666 that the umask leaves.
    virtual bool writeSynced(const std::filesystem::path& path, std::string_view bytes,
                             const std::optional<FileOwnership>& like);
    // Creates or truncates path and writes bytes, without waiting for the disk.
    virtual bool writeUnsynced(const std::filesystem::path& path, std::string_view bytes);
    // Renames from over to (replacing a file there).
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
    // Makes link a second name of the file existing.
    virtual bool hardLink(const std::filesystem::path& existing, const std::filesystem::path& link);
    // Flushes the folder's entries (after a rename) to the disk.
    virtual void syncFolder(const std::filesystem::path& folder);
};

// Saves into the page cache without waiting for the disk, and never gives
// the file another's mode or owner: for a benchmark or a fuzzer that saves
// thousands of times, where a crash may lose what it wrote.
class UnsyncedFileOps final : public FileOps {
public:
    bool writeSynced(const std::filesystem::path& path, std::string_view bytes,
                     const std::optional<FileOwnership>& like) override;
    void syncFolder(const std::filesystem::path&) override {}
};

// The largest key file read. The file is held in memory whole, with its
// values and the text of the next save beside it: three to four times its
// size at the peak (a 62 MiB file loads and saves at a peak of 200 MiB, in
// 1.5 s), which this limit keeps within about 256 MiB, while the game's own
// key is 7 KiB. A larger file is not read; it is kept aside at the first save.
inline constexpr std::size_t kMaxKeyFileBytes = 64 * 1024 * 1024;

// Kept copies of damaged files beside the key file. With every name taken (a
// file damaged at each of that many starts) nothing more is kept, and so the
// damaged file is not replaced either.
inline constexpr int kMostKeptCopies = 9999;

class FileRegistry final : public Registry {
public:
    explicit FileRegistry(std::filesystem::path softwareFolder,
                          std::shared_ptr<FileOps> ops = std::make_shared<FileOps>(),
                          std::size_t maxFileBytes = kMaxKeyFileBytes);
    ~FileRegistry() override;

    std::optional<RegKey> openSoftware() override;
    std::optional<CreatedKey> createKey(RegKey parent, std::string_view subPath,
                                        std::string_view keyClass) override;
    QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) override;
    bool setValue(RegKey key, std::string_view name, uint32_t type,
                  std::span<const uint8_t> data) override;
    bool closeKey(RegKey key) override;
    void keepStoredCopy(RegKey key) override;
    // An advisory lock (flock) on "<key file>.lock" beside the key file.
    std::unique_ptr<KeyLock> lockKey(std::string_view subPath) override;

private:
    struct OpenKey {
        std::filesystem::path folder;  // the key seen as a folder: software/Orlenda/Quellix/1.0
        std::filesystem::path file;    // its regular file, behind any link: .../1.0.reg
        std::string path;              // HKEY_CURRENT_USER\Software\...
        bool holdsValues = false;      // false for "Software" itself
        std::vector<RegValue> values;
        ValueIndex index;  // of values, by name
        bool changed = false;
        bool writable = true;  // false for a file made read-only: setValue fails
    };

    static std::filesystem::path fileOf(const std::filesystem::path& folder);
    // The key at subPath seen as a folder below parent; empty for a path
    // that names no key (empty, an empty part, "..", a "/").
    static std::filesystem::path folderOf(const std::filesystem::path& parent, std::string_view subPath);
    enum class NewKeyFile { Placed, Exists, Failed };
    NewKeyFile placeNewKeyFile(const std::filesystem::path& file, const std::string& keyPath);
    bool writeKeyFile(const std::filesystem::path& file, const std::string& keyPath,
                      const std::vector<RegValue>& values);
    bool keepAside(const std::filesystem::path& file);
    OpenKey* find(RegKey key);

    std::filesystem::path software_;
    std::shared_ptr<FileOps> ops_;
    std::size_t maxFileBytes_;
    std::map<RegKey, OpenKey> keys_;
    RegKey nextKey_ = 1;
    // Key files whose stored content is to be kept aside before it is replaced.
    std::set<std::filesystem::path> keepBeforeWrite_;
};

// The folder that plays "Software": $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config; empty (so that opening "Software" fails) when
// neither gives one. The arguments are the variables' values or null.
std::filesystem::path softwareFolderFrom(const char* xdgConfigHome, const char* home);
std::filesystem::path defaultSoftwareFolder();

}  // namespace qlx
