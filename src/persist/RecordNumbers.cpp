#include "persist/RecordNumbers.h"

#include <charconv>

bool ReadRecordNumbers(std::string_view& contents, std::span<std::uint64_t> numbers) {
    for (std::uint64_t& number : numbers) {
        const char* const last = contents.data() + contents.size();
        const auto [end, error] = std::from_chars(contents.data(), last, number);
        if (error != std::errc{} || end == last || *end != ' ')
            return false;
        contents.remove_prefix(static_cast<std::size_t>(end - contents.data()) + 1);
    }
    return true;
}
