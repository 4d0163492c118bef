#include "registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace qlx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER\\Software";

enum class ReadStatus { Read, Missing, Unreadable, TooLarge };

// Reads a whole regular file of at most maxBytes without blocking on a
// special file.
ReadStatus readSmallFile(const fs::path& file, std::size_t maxBytes, std::string& out) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat st {};
    ReadStatus status = ReadStatus::Read;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        status = ReadStatus::Unreadable;
    } else if (static_cast<std::size_t>(st.st_size) > maxBytes) {
        status = ReadStatus::TooLarge;
    } else {
        out.clear();
        char chunk[16384];
        while (true) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                status = ReadStatus::Unreadable;
                break;
            }
            if (n == 0) break;
            out.append(chunk, static_cast<std::size_t>(n));
            if (out.size() > maxBytes) {  // grew while being read
                status = ReadStatus::TooLarge;
                break;
            }
        }
    }
    ::close(fd);
    if (status != ReadStatus::Read) out.clear();
    return status;
}

fs::path damagedCopyName(const fs::path& file) {
    std::error_code ec;
    fs::path name = file;
    name += ".damaged";
    for (int n = 2; n <= 99 && fs::exists(fs::symlink_status(name, ec)); ++n) {
        name = file;
        name += ".damaged." + std::to_string(n);
    }
    return name;
}

}  // namespace

// ---- The file operations ----

bool FileOps::writeSynced(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
        } else {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
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
    k.folder = p->folder;
    k.path = p->path;
    std::size_t pos = 0;
    while (pos <= subPath.size()) {
        std::size_t end = subPath.find('\\', pos);
        if (end == std::string_view::npos) end = subPath.size();
        const std::string_view part = subPath.substr(pos, end - pos);
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string_view::npos ||
            part.find('\0') != std::string_view::npos) {
            return std::nullopt;
        }
        k.folder /= std::string(part);
        k.path += '\\';
        k.path += part;
        pos = end + 1;
    }
    k.holdsValues = true;

    const fs::path file = fileOf(k.folder);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!fs::is_directory(file.parent_path(), ec)) return std::nullopt;

    CreatedKey created;
    std::string text;
    switch (readSmallFile(file, maxFileBytes_, text)) {
    case ReadStatus::Missing:
        // A key exists from the moment it is created, as in the registry.
        if (!writeKeyFile(file, k.path, {})) return std::nullopt;
        created.disposition = KeyDisposition::CreatedNew;
        break;
    case ReadStatus::Read: {
        ParsedKeyFile parsed = parseKeyFile(text, k.path);
        k.values = std::move(parsed.values);
        if (!parsed.whole) keepBeforeWrite_.insert(file);
        created.disposition = KeyDisposition::OpenedExisting;
        break;
    }
    case ReadStatus::Unreadable:
    case ReadStatus::TooLarge:
        keepBeforeWrite_.insert(file);
        created.disposition = KeyDisposition::OpenedExisting;
        break;
    }
    created.key = nextKey_++;
    keys_.emplace(created.key, std::move(k));
    return created;
}

QueryResult FileRegistry::queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) {
    const OpenKey* k = find(key);
    if (!k) return {QueryStatus::Failed, kRegNone, 0};
    for (const RegValue& v : k->values) {
        if (!sameValueName(v.name, name)) continue;
        const auto size = static_cast<uint32_t>(v.data.size());
        if (v.data.size() > buffer.size()) return {QueryStatus::MoreData, v.type, size};
        std::copy(v.data.begin(), v.data.end(), buffer.begin());
        return {QueryStatus::Ok, v.type, size};
    }
    return {QueryStatus::NotFound, kRegNone, 0};
}

bool FileRegistry::setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) {
    OpenKey* k = find(key);
    if (!k || !k->holdsValues) return false;
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    auto same = std::find_if(k->values.begin(), k->values.end(),
                             [&](const RegValue& v) { return sameValueName(v.name, name); });
    if (same == k->values.end()) {
        k->values.push_back({std::string(name), type, {data.begin(), data.end()}});
        k->changed = true;
    } else if (same->type != type || !std::equal(same->data.begin(), same->data.end(), data.begin(), data.end())) {
        same->type = type;
        same->data.assign(data.begin(), data.end());
        k->changed = true;
    }
    return true;
}

bool FileRegistry::closeKey(RegKey key) {
    auto it = keys_.find(key);
    if (it == keys_.end()) return false;
    bool ok = true;
    if (it->second.changed) ok = writeKeyFile(fileOf(it->second.folder), it->second.path, it->second.values);
    keys_.erase(it);
    return ok;
}

void FileRegistry::keepStoredCopy(RegKey key) {
    if (const OpenKey* k = find(key); k && k->holdsValues) keepBeforeWrite_.insert(fileOf(k->folder));
}

bool FileRegistry::writeKeyFile(const fs::path& file, const std::string& keyPath,
                                const std::vector<RegValue>& values) {
    std::error_code ec;
    // A key file that is a link is replaced where it points, so the link stays.
    fs::path target = file;
    if (fs::is_symlink(file, ec)) {
        const fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) target = resolved;
    }
    fs::path temp = target;
    temp += ".";
    temp += std::to_string(::getpid());
    temp += ".tmp";

    if (!ops_->writeSynced(temp, formatKeyFile(keyPath, values))) {
        fs::remove(temp, ec);
        return false;
    }
    if (keepBeforeWrite_.count(file) != 0 && fs::exists(fs::symlink_status(target, ec))) {
        // Keep the old content under a second name; a folder or a file system
        // without hard links moves it there instead.
        const fs::path kept = damagedCopyName(target);
        if (!ops_->hardLink(target, kept) && !ops_->rename(target, kept)) {
            fs::remove(temp, ec);
            return false;  // never replace what could not be kept
        }
    }
    if (!ops_->rename(temp, target)) {
        fs::remove(temp, ec);
        return false;
    }
    ops_->syncFolder(target.parent_path());
    keepBeforeWrite_.erase(file);
    return true;
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
