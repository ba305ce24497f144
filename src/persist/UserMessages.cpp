#include "persist/UserMessages.h"

std::string DamagedFileMessage(std::size_t line) {
    return "This plan file is damaged: line " + std::to_string(line) +
           " could not be read. Everything from that line on has been given its default "
           "value. Check the plan before you save it.";
}

std::string UnreadBytesMessage(std::uint64_t bytes) {
    return "This plan file goes on after its last item: " + std::to_string(bytes) +
           (bytes == 1 ? " byte after it was" : " bytes after it were") +
           " not read. They may be left from a save that did not finish; check "
           "the plan before you save it.";
}

std::string FileErrorDetail(const std::string& path, const std::error_code& error) {
    return path + ": " + error.message();
}
