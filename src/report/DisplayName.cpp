#include "report/DisplayName.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// 0x80 to 0x9F are the only bytes where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& text, char16_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::uint8_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

// The length of the well-formed sequence that starts at `at`, or 0 (Table 3-7 of the Unicode
// standard: the second byte's range depends on the first).
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
    const std::uint8_t lead = Byte(bytes, at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    const std::uint8_t second = Byte(bytes, at + 1);
    if (second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        const std::uint8_t trail = Byte(bytes, at + i);
        if (trail < 0x80 || trail > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string DisplayName(std::string_view stored) {
    if (IsValidUtf8(stored))
        return std::string(stored);
    std::string text;
    text.reserve(stored.size() * 3);
    for (const char c : stored) {
        const auto code = static_cast<std::uint8_t>(c);
        const bool remapped = code >= 0x80 && code <= 0x9F;
        AppendUtf8(text, remapped ? kHighControls[code - 0x80] : char16_t{code});
    }
    return text;
}

std::string ItemName(std::string_view stored, ItemList list, std::size_t index) {
    if (!stored.empty())
        return DisplayName(stored);
    return std::string(list == ItemList::Income ? "Income" : "Expense") + " item " +
           std::to_string(index + 1);
}
