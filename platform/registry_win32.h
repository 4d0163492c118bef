// The settings key in the Windows registry: the real calls, with the access,
// class and options the stored format asks for. Built on Windows only.
#pragma once

#include <map>

#include "registry.h"

namespace qlx {

class Win32Registry final : public Registry {
public:
    Win32Registry();
    ~Win32Registry() override;  // closes every key still open
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    // RegOpenKeyExW, RegCreateKeyExW, RegQueryValueExW, RegSetValueExW and
    // RegCloseKey, in turn: the wide forms, so that text reaches the registry
    // as UTF-16 and comes back as the same UTF-8 (the ANSI forms would pass
    // it through the system's code page, losing what that cannot hold).
    std::optional<RegKey> openSoftware() override;
    std::optional<CreatedKey> createKey(RegKey parent, std::string_view subPath, std::string_view keyClass) override;
    QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) override;
    bool setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) override;
    bool closeKey(RegKey key) override;
    // A named mutex of the session, one per key path.
    std::unique_ptr<KeyLock> lockKey(std::string_view subPath) override;

private:
    RegKey add(void* handle);
    void* handleOf(RegKey key) const;

    std::map<RegKey, void*> keys_;  // HKEY values
    RegKey nextKey_ = 1;
};

}  // namespace qlx
