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
    // long, new bytes up to k and old bytes after it. Putting the old bytes back over that
    // from the start leaves, until it is done, the first j old bytes, then new bytes up to
    // k, then old ones: a start of old bytes is allowed before the new ones for that reason.
    const std::size_t size = current.size();
    if (size < oldBytes.size() || size > std::max(oldBytes.size(), newBytes.size()))
        return WriteState::Other;
    const std::size_t fromOld = CommonPrefix(current, oldBytes);
    const std::size_t throughNew =
        fromOld +
        CommonPrefix(current.substr(fromOld), newBytes.substr(std::min(fromOld, newBytes.size())));
    if (size > oldBytes.size())
        return throughNew == size ? WriteState::Torn : WriteState::Other;
    return throughNew + CommonSuffix(current, oldBytes) >= size ? WriteState::Torn
                                                                : WriteState::Other;
}
