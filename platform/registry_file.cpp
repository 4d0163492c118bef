#include "registry_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>

#include "text_encoding.h"

namespace qlx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER\\Software";

enum class KeyFileState {
    Read,        // the text was read whole
    Missing,     // nothing there, not even a link
    TooLarge,    // larger than the limit: not read
    CannotOpen,  // not a regular file (nor a link to one), or no permission to read it
};

// Reads the key file at path, following links to the regular file behind
// them (target). Nothing but a regular file is ever opened: a link to a
// device, a pipe, a folder or to nothing cannot be opened, and neither can a
// file the user may not read.
KeyFileState readKeyFile(const fs::path& path, std::size_t maxBytes, fs::path& target, std::string& out) {
    struct stat st {};
    target = path;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? KeyFileState::Missing : KeyFileState::CannotOpen;
    if (S_ISLNK(st.st_mode)) {
        std::error_code ec;
        target = fs::canonical(path, ec);  // fails for a dangling link or a loop
        if (ec || ::stat(target.c_str(), &st) != 0) return KeyFileState::CannotOpen;
    }
    if (!S_ISREG(st.st_mode)) return KeyFileState::CannotOpen;
    const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return KeyFileState::CannotOpen;
    KeyFileState state = KeyFileState::Read;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // replaced since the look
        state = KeyFileState::CannotOpen;
    } else if (static_cast<std::size_t>(st.st_size) > maxBytes) {
        state = KeyFileState::TooLarge;
    } else {
        out.clear();
        out.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[16384];
        while (state == KeyFileState::Read) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n < 0) state = KeyFileState::CannotOpen;
                break;
            }
            out.append(chunk, static_cast<std::size_t>(n));
            if (out.size() > maxBytes) state = KeyFileState::TooLarge;  // grew while being read
        }
    }
    ::close(fd);
    if (state != KeyFileState::Read) out.clear();
    return state;
}

// The process number in the name of a temporary file of ours: decimal
// digits, no leading zero.
std::optional<pid_t> pidInName(std::string_view digits) {
    if (digits.empty() || digits.size() > 9 || digits[0] == '0') return std::nullopt;
    pid_t pid = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// Removes the temporary files that saves killed half way left beside file:
// only ours, named exactly "<file name>.<pid>.tmp", regular files, whose
// process is gone and which were last written a minute ago or earlier, so
// that the save of a copy of the game still running (milliseconds long) is
// never disturbed.
void removeStaleTemporaries(const fs::path& file) {
    const std::string prefix = file.filename().string() + ".";
    constexpr std::string_view suffix = ".tmp";
    const auto oldEnough = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool looksOurs = name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) &&
                               name.ends_with(suffix);
        if (!looksOurs) continue;
        const std::size_t digits = name.size() - prefix.size() - suffix.size();
        const auto pid = pidInName(std::string_view(name).substr(prefix.size(), digits));
        std::error_code fileEc;
        if (!pid || *pid == ::getpid() || !it->is_regular_file(fileEc) || it->is_symlink(fileEc)) continue;
        if (::kill(*pid, 0) == 0 || errno != ESRCH) continue;
        const auto written = fs::last_write_time(it->path(), fileEc);
        if (!fileEc && written <= oldEnough) fs::remove(it->path(), fileEc);
    }
}

// Writes every byte, going on after an interrupted or partial write.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The name of this process's temporary file beside file, "<file>.<pid>.tmp";
// those that killed copies of the game left behind are removed first.
fs::path temporaryFor(const fs::path& file) {
    removeStaleTemporaries(file);
    fs::path temp = file;
    temp += ".";
    temp += std::to_string(::getpid());
    temp += ".tmp";
    return temp;
}

}  // namespace

// ---- The file operations ----

bool FileOps::writeSynced(const fs::path& path, std::string_view bytes, const std::optional<FileOwnership>& like) {
    const mode_t mode = like ? static_cast<mode_t>(like->mode & 0777) : 0666;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    struct stat st {};
    if (like && ::fstat(fd, &st) == 0) {
        // The owner first: giving a file away may clear bits. Refused (EPERM)
        // unless the process may, and then the group alone may still pass.
        if ((st.st_uid != like->owner || st.st_gid != like->group) && ::fchown(fd, like->owner, like->group) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), like->group);
        }
        static_cast<void>(::fchmod(fd, mode));  // exactly, whatever the umask took away
    }
    bool ok = writeAll(fd, bytes);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool FileOps::rename(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileOps::hardLink(const fs::path& existing, const fs::path& link) {
    return ::link(existing.c_str(), link.c_str()) == 0;
}

void FileOps::syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool FileOps::writeUnsynced(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

bool UnsyncedFileOps::writeSynced(const fs::path& path, std::string_view bytes, const std::optional<FileOwnership>&) {
    return writeUnsynced(path, bytes);
}

// ---- The registry ----

FileRegistry::FileRegistry(fs::path softwareFolder, std::shared_ptr<FileOps> ops, std::size_t maxFileBytes)
    : software_(std::move(softwareFolder)), ops_(std::move(ops)), maxFileBytes_(maxFileBytes) {}

FileRegistry::~FileRegistry() = default;

FileRegistry::OpenKey* FileRegistry::find(RegKey key) {
    auto it = keys_.find(key);
    return it == keys_.end() ? nullptr : &it->second;
}

fs::path FileRegistry::fileOf(const fs::path& folder) {
    fs::path file = folder;
    file += ".reg";
    return file;
}

fs::path FileRegistry::folderOf(const fs::path& parent, std::string_view subPath) {
    if (subPath.empty()) return {};
    fs::path folder = parent;
    std::size_t pos = 0;
    while (pos <= subPath.size()) {
        std::size_t end = subPath.find('\\', pos);
        if (end == std::string_view::npos) end = subPath.size();
        const std::string_view part = subPath.substr(pos, end - pos);
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string_view::npos ||
            part.find('\0') != std::string_view::npos) {
            return {};
        }
        folder /= std::string(part);
        pos = end + 1;
    }
    return folder;
}

std::optional<RegKey> FileRegistry::openSoftware() {
    if (software_.empty()) return std::nullopt;
    std::error_code ec;
    fs::create_directories(software_, ec);
    if (!fs::is_directory(software_, ec)) return std::nullopt;
    OpenKey k;
    k.folder = software_;
    k.path = std::string(kRootName);
    const RegKey id = nextKey_++;
    keys_.emplace(id, std::move(k));
    return id;
}

std::optional<CreatedKey> FileRegistry::createKey(RegKey parent, std::string_view subPath,
                                                  std::string_view /*keyClass*/) {
    const OpenKey* p = find(parent);
    if (!p || subPath.empty()) return std::nullopt;
    OpenKey k;
    k.folder = folderOf(p->folder, subPath);
    if (k.folder.empty()) return std::nullopt;
    k.path = p->path + '\\' + std::string(subPath);
    k.holdsValues = true;

    const fs::path file = fileOf(k.folder);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!fs::is_directory(file.parent_path(), ec)) return std::nullopt;

    CreatedKey created;
    std::string text;
    KeyFileState state = readKeyFile(file, maxFileBytes_, k.file, text);
    if (state == KeyFileState::Missing) {
        // A key exists from the moment it is created, as in the registry. Another
        // copy of the game may have saved the key since it was found missing:
        // its file is kept, and read.
        switch (placeNewKeyFile(file, k.path)) {
        case NewKeyFile::Placed: break;
        case NewKeyFile::Failed: return std::nullopt;
        case NewKeyFile::Exists: state = readKeyFile(file, maxFileBytes_, k.file, text); break;
        }
    }
    switch (state) {
    case KeyFileState::Missing:
        created.disposition = KeyDisposition::CreatedNew;
        break;
    case KeyFileState::Read: {
        ParsedKeyFile parsed = parseKeyFile(text, k.path);
        k.values = std::move(parsed.values);
        k.index = std::move(parsed.index);
        if (!parsed.whole) keepBeforeWrite_.insert(k.file);
        created.disposition = KeyDisposition::OpenedExisting;
        break;
    }
    case KeyFileState::TooLarge:
        keepBeforeWrite_.insert(k.file);
        created.disposition = KeyDisposition::OpenedExisting;
        break;
    case KeyFileState::CannotOpen:
        return std::nullopt;  // skipped, never replaced
    }
    // A file its owner made read-only is read, and not replaced.
    k.writable = created.disposition == KeyDisposition::CreatedNew || ::access(k.file.c_str(), W_OK) == 0;
    created.key = nextKey_++;
    keys_.emplace(created.key, std::move(k));
    return created;
}

QueryResult FileRegistry::queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) {
    const OpenKey* k = find(key);
    if (!k) return {QueryStatus::Failed, kRegNone, 0};
    const std::size_t at = k->index.find(k->values, name);
    if (at == ValueIndex::npos) return {QueryStatus::NotFound, kRegNone, 0};
    const RegValue& v = k->values[at];
    const auto size = static_cast<uint32_t>(v.data.size());
    if (v.data.size() > buffer.size()) return {QueryStatus::MoreData, v.type, size};
    std::copy(v.data.begin(), v.data.end(), buffer.begin());
    return {QueryStatus::Ok, v.type, size};
}

bool FileRegistry::setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) {
    OpenKey* k = find(key);
    if (!k || !k->holdsValues || !k->writable) return false;
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    // Kept as the file will give it back: text as UTF-8.
    const std::string validName = validUtf8(name);
    std::string text;
    if (isTextType(type)) {
        text = validUtf8(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
        data = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    const std::size_t at = k->index.find(k->values, validName);
    if (at == ValueIndex::npos) {
        k->values.push_back({validName, type, {data.begin(), data.end()}});
        k->index.addLast(k->values);
        k->changed = true;
        return true;
    }
    RegValue& same = k->values[at];
    if (same.type != type || !std::equal(same.data.begin(), same.data.end(), data.begin(), data.end())) {
        same.type = type;
        same.data.assign(data.begin(), data.end());
        k->changed = true;
    }
    return true;
}

bool FileRegistry::closeKey(RegKey key) {
    auto it = keys_.find(key);
    if (it == keys_.end()) return false;
    bool ok = true;
    if (it->second.changed) ok = writeKeyFile(it->second.file, it->second.path, it->second.values);
    keys_.erase(it);
    return ok;
}

void FileRegistry::keepStoredCopy(RegKey key) {
    if (const OpenKey* k = find(key); k && k->holdsValues) keepBeforeWrite_.insert(k->file);
}

// Writes file (a regular file, or none yet) whole: a temporary file beside
// it, flushed, renamed over it.
bool FileRegistry::writeKeyFile(const fs::path& file, const std::string& keyPath,
                                const std::vector<RegValue>& values) {
    const fs::path temp = temporaryFor(file);
    std::error_code ec;
    std::optional<FileOwnership> like;
    if (struct stat st {}; ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        like = FileOwnership{static_cast<uint32_t>(st.st_mode & 0777), st.st_uid, st.st_gid};
    if (!ops_->writeSynced(temp, formatKeyFile(keyPath, values), like)) {
        fs::remove(temp, ec);
        return false;
    }
    const bool keep = keepBeforeWrite_.count(file) != 0 && fs::exists(fs::symlink_status(file, ec));
    if ((keep && !keepAside(file)) || !ops_->rename(temp, file)) {
        fs::remove(temp, ec);
        return false;  // never replace what could not be kept
    }
    ops_->syncFolder(file.parent_path());
    keepBeforeWrite_.erase(file);
    return true;
}

// The empty file of a new key, put in place only where no file is (a hard
// link fails where the name exists); on a file system without hard links it
// is moved there.
FileRegistry::NewKeyFile FileRegistry::placeNewKeyFile(const fs::path& file, const std::string& keyPath) {
    // Not flushed: an empty key is not worth a wait for the disk at the
    // start. A crash soon after may lose it (the next start makes it again)
    // or leave its file empty (read as a damaged key, kept aside; nothing
    // of the player's is in it).
    const fs::path temp = temporaryFor(file);
    std::error_code ec;
    if (!ops_->writeUnsynced(temp, formatKeyFile(keyPath, {}))) {
        fs::remove(temp, ec);
        return NewKeyFile::Failed;
    }
    if (ops_->hardLink(temp, file)) {
        fs::remove(temp, ec);
    } else if (fs::exists(fs::symlink_status(file, ec))) {
        fs::remove(temp, ec);
        return NewKeyFile::Exists;
    } else if (!ops_->rename(temp, file)) {
        fs::remove(temp, ec);
        return NewKeyFile::Failed;
    }
    return NewKeyFile::Placed;
}

// Keeps file under the first free name of "<file>.damaged", "<file>.damaged.2",
// "<file>.damaged.3" ...: never over an earlier kept copy.
bool FileRegistry::keepAside(const fs::path& file) {
    std::error_code ec;
    for (int n = 1; n <= kMostKeptCopies; ++n) {
        fs::path kept = file;
        kept += n == 1 ? std::string(".damaged") : ".damaged." + std::to_string(n);
        if (fs::exists(fs::symlink_status(kept, ec))) continue;
        if (ops_->hardLink(file, kept)) return true;
        if (fs::exists(fs::symlink_status(kept, ec))) continue;  // taken meanwhile by another copy of the game
        return ops_->rename(file, kept);  // a file system without hard links: moved there instead
    }
    return false;
}

// ---- Taking turns ----

namespace {

class FileKeyLock final : public KeyLock {
public:
    explicit FileKeyLock(int fd) : fd_(fd) {}
    ~FileKeyLock() override { ::close(fd_); }  // closing releases the lock

private:
    int fd_;
};

}  // namespace

std::unique_ptr<KeyLock> FileRegistry::lockKey(std::string_view subPath) {
    if (software_.empty()) return nullptr;
    const fs::path folder = folderOf(software_, subPath);
    if (folder.empty()) return nullptr;
    fs::path lockFile = fileOf(folder);
    lockFile += ".lock";
    std::error_code ec;
    fs::create_directories(lockFile.parent_path(), ec);
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;  // a folder that cannot be written: no other copy can save there either
    // Polled rather than waited for in flock itself, so that the wait has an end.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kKeyLockWaitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp) {
            ::close(fd);
            return nullptr;
        }
        ::usleep(2000);
    }
    return std::make_unique<FileKeyLock>(fd);
}

// ---- Where the files live ----

fs::path softwareFolderFrom(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome && *xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) return fs::path(xdgConfigHome);
    if (home && *home) return fs::path(home) / ".config";
    return {};
}

fs::path defaultSoftwareFolder() {
    return softwareFolderFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::unique_ptr<Registry> makeUserRegistry() {
    return std::make_unique<FileRegistry>(defaultSoftwareFolder());
}

}  // namespace qlx
