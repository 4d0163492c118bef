#include "registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace qlx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER\\Software";
constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kHexWrapColumn = 76;

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && sameValueName(s.substr(0, prefix.size()), prefix);
}

// A quoted text starting at s[pos] == '"', with \\ and \" escapes. On success
// pos is just past the closing quote.
std::optional<std::string> readQuoted(std::string_view s, std::size_t& pos) {
    if (pos >= s.size() || s[pos] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return std::nullopt;
            out.push_back(s[++i]);
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt;  // no closing quote
}

// A list of bytes "01,ab,7" (possibly empty).
std::optional<std::vector<uint8_t>> readHexList(std::string_view s) {
    std::vector<uint8_t> out;
    s = trim(s);
    if (s.empty()) return out;
    while (true) {
        const std::size_t comma = s.find(',');
        const std::string_view token = trim(s.substr(0, comma));
        if (token.empty() || token.size() > 2) return std::nullopt;
        int value = 0;
        for (char c : token) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        out.push_back(static_cast<uint8_t>(value));
        if (comma == std::string_view::npos) return out;
        s.remove_prefix(comma + 1);
    }
}

std::optional<uint32_t> readHexNumber(std::string_view s) {
    s = trim(s);
    if (s.empty() || s.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return value;
}

// The lines of a text: split at LF, one trailing CR removed from each.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

// One value from lines[i] (and its continuation lines, which advance i).
std::optional<RegValue> readValue(const std::vector<std::string_view>& lines, std::size_t& i) {
    const std::string_view line = trim(lines[i]);
    RegValue value;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else {
        auto name = readQuoted(line, pos);
        if (!name) return std::nullopt;
        value.name = std::move(*name);
    }
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    ++pos;
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    std::string_view rest = line.substr(pos);

    if (!rest.empty() && rest[0] == '"') {
        std::size_t end = 0;
        auto text = readQuoted(rest, end);
        if (!text || !trim(rest.substr(end)).empty()) return std::nullopt;
        value.type = kRegSz;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
        return value;
    }
    if (startsWithNoCase(rest, "dword:")) {
        auto number = readHexNumber(rest.substr(6));
        if (!number) return std::nullopt;
        value.type = kRegDword;
        for (int b = 0; b < 4; ++b) value.data.push_back(static_cast<uint8_t>(*number >> (8 * b)));
        return value;
    }
    if (startsWithNoCase(rest, "hex:")) {
        value.type = kRegBinary;
        rest.remove_prefix(4);
    } else if (startsWithNoCase(rest, "hex(")) {
        const std::size_t close = rest.find("):");
        if (close == std::string_view::npos) return std::nullopt;
        auto type = readHexNumber(rest.substr(4, close - 4));
        if (!type) return std::nullopt;
        value.type = *type;
        rest.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    // Continuation lines: a list ending in a backslash goes on in the next line.
    std::string list(trim(rest));
    while (!list.empty() && list.back() == '\\') {
        list.pop_back();
        if (i + 1 >= lines.size()) return std::nullopt;  // cut off
        list += trim(lines[++i]);
    }
    auto bytes = readHexList(list);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
}

void appendHexList(std::string& out, const std::vector<uint8_t>& data, std::size_t column) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool last = i + 1 == data.size();
        const std::size_t width = last ? 2 : 3;
        if (i > 0 && column + width > kHexWrapColumn) {
            out += '\\';
            out += kNewLine;
            out += "  ";
            column = 2;
        }
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 0xF];
        if (!last) out += ',';
        column += width;
    }
}

// Text that can stand between quotes: one terminating zero and no line break.
bool isPlainText(const RegValue& v) {
    if (v.data.empty() || v.data.back() != 0) return false;
    return std::none_of(v.data.begin(), v.data.end() - 1,
                        [](uint8_t c) { return c == 0 || c == '\r' || c == '\n'; });
}

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

bool sameValueName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

ParsedKeyFile parseKeyFile(std::string_view text, std::string_view keyPath) {
    ParsedKeyFile out;
    if (text.empty() || text.back() != '\n') out.whole = false;  // empty, or cut off in its last line
    const std::vector<std::string_view> lines = splitLines(text);
    bool inOurSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trim(lines[i]);
        if (i == 0) {
            if (line == kHeader) continue;
            out.whole = false;
        }
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            inOurSection = line.size() >= 2 && line.back() == ']' &&
                           sameValueName(line.substr(1, line.size() - 2), keyPath);
            if (!inOurSection) out.whole = false;
            continue;
        }
        if (!inOurSection || (line[0] != '"' && line[0] != '@')) {
            out.whole = false;
            continue;
        }
        auto value = readValue(lines, i);
        if (!value) {
            out.whole = false;
            continue;
        }
        auto same = std::find_if(out.values.begin(), out.values.end(),
                                 [&](const RegValue& v) { return sameValueName(v.name, value->name); });
        if (same == out.values.end()) {
            out.values.push_back(std::move(*value));
        } else {
            out.whole = false;  // a second value of one name: the last counts, as on import
            same->type = value->type;
            same->data = std::move(value->data);
        }
    }
    return out;
}

std::string formatKeyFile(std::string_view keyPath, const std::vector<RegValue>& values) {
    std::string out;
    out += kHeader;
    out += kNewLine;
    out += kNewLine;
    out += '[';
    out += keyPath;
    out += ']';
    out += kNewLine;
    for (const RegValue& v : values) {
        const std::size_t lineStart = out.size();
        if (v.name.empty()) {
            out += '@';
        } else {
            appendQuoted(out, v.name);
        }
        out += '=';
        if (v.type == kRegSz && isPlainText(v)) {
            appendQuoted(out, std::string_view(reinterpret_cast<const char*>(v.data.data()), v.data.size() - 1));
        } else if (v.type == kRegDword && v.data.size() == 4) {
            static constexpr char kDigits[] = "0123456789abcdef";
            out += "dword:";
            for (int b = 3; b >= 0; --b) {
                out += kDigits[v.data[static_cast<std::size_t>(b)] >> 4];
                out += kDigits[v.data[static_cast<std::size_t>(b)] & 0xF];
            }
        } else {
            if (v.type == kRegBinary) {
                out += "hex:";
            } else {
                char prefix[24];
                std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(v.type));
                out += prefix;
            }
            appendHexList(out, v.data, out.size() - lineStart);
        }
        out += kNewLine;
    }
    out += kNewLine;
    return out;
}

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

fs::path FileRegistry::keyFilePath(std::string_view subPath) const {
    fs::path folder = software_;
    std::size_t pos = 0;
    while (pos <= subPath.size()) {
        std::size_t end = subPath.find('\\', pos);
        if (end == std::string_view::npos) end = subPath.size();
        folder /= std::string(subPath.substr(pos, end - pos));
        pos = end + 1;
    }
    return fileOf(folder);
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
