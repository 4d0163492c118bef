#include "registry_win32.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qlx {

namespace {
HKEY hkey(void* h) { return static_cast<HKEY>(h); }
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
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return std::nullopt;
    return add(h);
}

std::optional<CreatedKey> Win32Registry::createKey(RegKey parent, std::string_view subPath,
                                                   std::string_view keyClass) {
    void* p = handleOf(parent);
    if (!p) return std::nullopt;
    const std::string path(subPath);
    std::string cls(keyClass);
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    HKEY h = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(hkey(p), path.c_str(), 0, cls.data(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &security,
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
    const std::string valueName(name);
    // Read into a buffer of our own: on ERROR_MORE_DATA the call leaves its
    // buffer undefined, and the caller's must stay as it was.
    std::vector<BYTE> data(std::max<std::size_t>(buffer.size(), 1));
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG rc = RegQueryValueExA(hkey(h), valueName.c_str(), nullptr, &type, data.data(), &size);
    if (rc == ERROR_SUCCESS) {
        const std::size_t n = std::min<std::size_t>(size, buffer.size());
        std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n), buffer.begin());
        return {QueryStatus::Ok, static_cast<uint32_t>(type), static_cast<uint32_t>(n)};
    }
    if (rc == ERROR_MORE_DATA) return {QueryStatus::MoreData, static_cast<uint32_t>(type), static_cast<uint32_t>(size)};
    if (rc == ERROR_FILE_NOT_FOUND) return {QueryStatus::NotFound, kRegNone, 0};
    return {QueryStatus::Failed, kRegNone, 0};
}

bool Win32Registry::setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) {
    void* h = handleOf(key);
    if (!h) return false;
    const std::string valueName(name);
    return RegSetValueExA(hkey(h), valueName.c_str(), 0, static_cast<DWORD>(type), data.data(),
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
