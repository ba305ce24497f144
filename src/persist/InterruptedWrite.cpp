#include "persist/InterruptedWrite.h"

#include <algorithm>

namespace {

std::size_t CommonPrefix(std::string_view one, std::string_view other) {
    return static_cast<std::size_t>(
        std::mismatch(one.begin(), one.end(), other.begin(), other.end()).first - one.begin());
}

std::size_t CommonSuffix(std::string_view one, std::string_view other) {
    return static_cast<std::size_t>(
        std::mismatch(one.rbegin(), one.rend(), other.rbegin(), other.rend()).first - one.rbegin());
}

} // namespace

WriteState ClassifyWrite(std::string_view current, std::string_view oldBytes,
                         std::string_view newBytes) {
    if (current == newBytes)
        return WriteState::New;
    if (current == oldBytes)
        return WriteState::Old;
    // Before the cut, the file is the first k new bytes over the old ones: max(k, old size)
    // long, new bytes up to k and old bytes after it.
    const std::size_t size = current.size();
    if (size > oldBytes.size())
        return size <= newBytes.size() && CommonPrefix(current, newBytes) == size
                   ? WriteState::Torn
                   : WriteState::Other;
    if (size < oldBytes.size())
        return WriteState::Other;
    const std::size_t fromNew = CommonPrefix(current, newBytes);
    const std::size_t fromOld = CommonSuffix(current, oldBytes);
    return fromNew + fromOld >= size ? WriteState::Torn : WriteState::Other;
}
