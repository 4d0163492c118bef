// The per-user settings key as the store sees it: open "Software" under the
// current user, create or open a key below it, read and write values, close.
// Plain C++, no Qt. On Windows the real registry stands behind it
// (registry_win32.h); elsewhere one REGEDIT4 file per key (registry_file.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qlx {

// Value types, numbered as the registry numbers them.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;        // text with a terminating zero byte
inline constexpr uint32_t kRegExpandSz = 2;  // text naming environment variables
inline constexpr uint32_t kRegBinary = 3;    // raw bytes
inline constexpr uint32_t kRegDword = 4;     // 32-bit little-endian number
inline constexpr uint32_t kRegMultiSz = 7;   // texts, each ending in a zero, and a zero

// Text at this interface (value names, and the data of the text types) is
// UTF-8, whatever the store keeps underneath (UTF-16 in the registry, Latin-1
// or UTF-16 in a key file): every character is stored and read back as it
// was, and sizes count UTF-8 bytes (a terminating zero is one byte). Bytes
// that are not UTF-8 are stored as U+FFFD.
constexpr bool isTextType(uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// An open key. 0 is never a valid key.
using RegKey = uint32_t;

// How createKey found its key.
enum class KeyDisposition : int32_t {
    CreatedNew = 1,      // the key did not exist and was made
    OpenedExisting = 2,  // the key was there already
};

struct CreatedKey {
    RegKey key = 0;
    KeyDisposition disposition = KeyDisposition::OpenedExisting;
};

enum class QueryStatus {
    Ok,        // the value was copied into the buffer
    NotFound,  // the key has no value of that name
    MoreData,  // the value is larger than the buffer; the buffer is unchanged
    Failed,    // any other failure (bad key, unreadable); the buffer is unchanged
};

struct QueryResult {
    QueryStatus status = QueryStatus::Failed;
    uint32_t type = kRegNone;  // the stored type, when Ok or MoreData
    uint32_t size = 0;         // bytes copied when Ok; bytes needed when MoreData
    bool ok() const { return status == QueryStatus::Ok; }
};

// Held while a copy of the game reads, merges and writes a key; released
// when destroyed.
class KeyLock {
public:
    virtual ~KeyLock() = default;
};

// How long lockKey waits for another copy of the game to finish its save. A
// save takes milliseconds; a copy that holds the key longer is hung, and the
// save goes on without the lock rather than not at all.
inline constexpr int kKeyLockWaitMs = 2000;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens "Software" under the current user with full access.
    virtual std::optional<RegKey> openSoftware() = 0;

    // Creates or opens the key at subPath (parts separated by '\') below
    // parent, with the given class string, non-volatile, full access.
    virtual std::optional<CreatedKey> createKey(RegKey parent, std::string_view subPath,
                                                std::string_view keyClass) = 0;

    // Reads a value into buffer. Value names are compared without regard to
    // ASCII case, as the registry does. On any failure the buffer is left
    // as it was.
    virtual QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) = 0;

    // Writes a value of the given type; creates it or replaces it.
    virtual bool setValue(RegKey key, std::string_view name, uint32_t type,
                          std::span<const uint8_t> data) = 0;

    // Closes a key opened by openSoftware or createKey. Changes made through
    // the key are on disk when this returns true.
    virtual bool closeKey(RegKey key) = 0;

    // The caller found content in this key that it could not use (a value of
    // the wrong type or length, an option out of range). A store that can
    // keeps what is stored now recoverable before it is next replaced; the
    // real registry has no such place and ignores this.
    virtual void keepStoredCopy(RegKey /*key*/) {}

    // Takes the lock that copies of the game share for the key at subPath
    // below "Software", waiting up to kKeyLockWaitMs. Null when there is
    // none to take (none could be made, or the wait ran out).
    virtual std::unique_ptr<KeyLock> lockKey(std::string_view /*subPath*/) { return nullptr; }
};

// The registry of this platform for the current user: the real one on
// Windows, the REGEDIT4 files under the user's configuration folder elsewhere.
std::unique_ptr<Registry> makeUserRegistry();

}  // namespace qlx
