#include "registry_win32.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text_encoding.h"

namespace qlx {

namespace {

HKEY hkey(void* h) { return static_cast<HKEY>(h); }

// UTF-8 as the zero-terminated UTF-16 text that the wide functions take.
std::wstring wide(std::string_view utf8) {
    const std::u16string units = utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

// A value as the registry holds it: for text, its UTF-16 units as bytes.
struct RawValue {
    LONG rc = ERROR_SUCCESS;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// Reads a whole value, however large, with its type.
RawValue queryRaw(HKEY key, const std::wstring& name) {
    RawValue v;
    for (int attempt = 0; attempt < 4; ++attempt) {  // again if it grows between the two calls
        DWORD size = 0;
        v.rc = RegQueryValueExW(key, name.c_str(), nullptr, &v.type, nullptr, &size);
        if (v.rc != ERROR_SUCCESS) return v;
        v.data.assign(std::max<DWORD>(size, 1), 0);
        size = static_cast<DWORD>(v.data.size());
        v.rc = RegQueryValueExW(key, name.c_str(), nullptr, &v.type, v.data.data(), &size);
        if (v.rc != ERROR_MORE_DATA) {
            v.data.resize(v.rc == ERROR_SUCCESS ? size : 0);
            return v;
        }
    }
    return v;
}

}  // namespace

Win32Registry::Win32Registry() = default;

Win32Registry::~Win32Registry() {
    for (auto& [key, handle] : keys_) RegCloseKey(hkey(handle));
}

RegKey Win32Registry::add(void* handle) {
    const RegKey id = nextKey_++;
    keys_.emplace(id, handle);
    return id;
}

void* Win32Registry::handleOf(RegKey key) const {
    auto it = keys_.find(key);
    return it == keys_.end() ? nullptr : it->second;
}

std::optional<RegKey> Win32Registry::openSoftware() {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return std::nullopt;
    return add(h);
}

std::optional<CreatedKey> Win32Registry::createKey(RegKey parent, std::string_view subPath,
                                                   std::string_view keyClass) {
    void* p = handleOf(parent);
    if (!p) return std::nullopt;
    const std::wstring path = wide(subPath);
    std::wstring cls = wide(keyClass);
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    HKEY h = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(hkey(p), path.c_str(), 0, cls.data(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &security,
                        &h, &disposition) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    CreatedKey created;
    created.key = add(h);
    created.disposition = disposition == REG_CREATED_NEW_KEY ? KeyDisposition::CreatedNew
                                                             : KeyDisposition::OpenedExisting;
    return created;
}

QueryResult Win32Registry::queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) {
    void* h = handleOf(key);
    if (!h) return {QueryStatus::Failed, kRegNone, 0};
    // Read whole into a buffer of our own, so that the caller's stays as it
    // was on any failure, and text can be turned into UTF-8 first.
    RawValue raw = queryRaw(hkey(h), wide(name));
    if (raw.rc == ERROR_FILE_NOT_FOUND) return {QueryStatus::NotFound, kRegNone, 0};
    if (raw.rc != ERROR_SUCCESS) return {QueryStatus::Failed, kRegNone, 0};
    const auto type = static_cast<uint32_t>(raw.type);
    std::string text;
    std::span<const uint8_t> data(raw.data.data(), raw.data.size());
    if (isTextType(type)) {
        const std::string_view bytes(reinterpret_cast<const char*>(raw.data.data()), raw.data.size());
        text = utf16ToUtf8(utf16FromLeBytes(bytes));
        data = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    const auto size = static_cast<uint32_t>(data.size());
    if (data.size() > buffer.size()) return {QueryStatus::MoreData, type, size};
    std::copy(data.begin(), data.end(), buffer.begin());
    return {QueryStatus::Ok, type, size};
}

bool Win32Registry::setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) {
    void* h = handleOf(key);
    if (!h) return false;
    std::string units;
    if (isTextType(type)) {  // stored as UTF-16, as the registry keeps text
        units = utf16leBytes(utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())));
        data = std::span(reinterpret_cast<const uint8_t*>(units.data()), units.size());
    }
    return RegSetValueExW(hkey(h), wide(name).c_str(), 0, static_cast<DWORD>(type), data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::closeKey(RegKey key) {
    auto it = keys_.find(key);
    if (it == keys_.end()) return false;
    const bool ok = RegCloseKey(hkey(it->second)) == ERROR_SUCCESS;
    keys_.erase(it);
    return ok;
}

namespace {

class MutexKeyLock final : public KeyLock {
public:
    explicit MutexKeyLock(HANDLE mutex) : mutex_(mutex) {}
    ~MutexKeyLock() override {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }

private:
    HANDLE mutex_;
};

}  // namespace

std::unique_ptr<KeyLock> Win32Registry::lockKey(std::string_view subPath) {
    // Mutex names may not hold a backslash.
    std::string name = "Local\\Software.";
    for (char c : subPath) name += c == '\\' ? '.' : c;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (!mutex) return nullptr;
    const DWORD waited = WaitForSingleObject(mutex, kKeyLockWaitMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {  // abandoned: its holder ended, the lock is ours
        CloseHandle(mutex);
        return nullptr;
    }
    return std::make_unique<MutexKeyLock>(mutex);
}

std::unique_ptr<Registry> makeUserRegistry() { return std::make_unique<Win32Registry>(); }

}  // namespace qlx
