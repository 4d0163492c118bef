#include "deal_number.h"

namespace qlx {

namespace {
constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

std::optional<uint64_t> parseDealNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > kMaxDealNumber) return std::nullopt;  // before it could overflow
    }
    return value;
}

std::string dealNumberText(uint64_t number) { return std::to_string(number); }

}  // namespace qlx
