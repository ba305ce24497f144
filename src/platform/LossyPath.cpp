#include "platform/LossyPath.h"

#include "platform/FilePaths.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kReplacementCharacter = "\xEF\xBF\xBD";

bool HoldsReplacement(const fs::path& part) {
    return Utf8FromPath(part).find(kReplacementCharacter) != std::string::npos;
}

// Anything but a plain "no such entry" (a link, a folder that may not be read) is there.
bool IsThere(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

struct FolderMatches {
    std::vector<fs::path> names;
    bool unread = false;
};

// The entries of folder, and the offered name, that read as shown; two are enough to know
// that the name is not one file's.
FolderMatches FindInFolder(const fs::path& folder, const fs::path& shown,
                           const std::optional<fs::path>& offered, const NameDecoding& decode,
                           std::size_t maxEntries) {
    const std::string text = Utf8FromPath(shown);
    FolderMatches matches;
    if (offered && decode(Utf8FromPath(*offered)) == text)
        matches.names.push_back(*offered);
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (std::size_t read = 0; !error && entry != fs::directory_iterator();
         entry.increment(error), ++read) {
        if (read == maxEntries) {
            matches.unread = true;
            break;
        }
        const fs::path name = entry->path().filename();
        if (name != offered && decode(Utf8FromPath(name)) == text)
            matches.names.push_back(name);
        if (matches.names.size() > 1)
            break;
    }
    return matches;
}

LossyPathMatch Problem(LossyPathMatch::Status status, const fs::path& folder,
                       const fs::path& name) {
    return {status, {}, Utf8FromPath(folder), Utf8FromPath(name)};
}

} // namespace

LossyPathMatch FindLossyPath(const std::string& chosen, const std::string& proposed,
                             const NameDecoding& decode, std::size_t maxEntries) {
    const fs::path given = PathFromUtf8(chosen);
    if (!HoldsReplacement(given) || IsThere(given))
        return {LossyPathMatch::Status::Found, chosen, {}, {}};
    const fs::path proposal = PathFromUtf8(proposed);
    auto proposalPart = proposal.begin();
    // While the parts found are the proposal's, its next part may be the one meant.
    bool onProposal = true;
    fs::path found;
    for (const fs::path& part : given) {
        std::optional<fs::path> offered;
        if (onProposal && proposalPart != proposal.end())
            offered = *proposalPart++;
        fs::path real = part;
        if (HoldsReplacement(part) && !IsThere(found / part)) {
            const FolderMatches matches = FindInFolder(found, part, offered, decode, maxEntries);
            if (matches.names.size() > 1)
                return Problem(LossyPathMatch::Status::SeveralFiles, found, part);
            // Of a folder too large to read through, the first match is taken: a second one
            // further on is far less likely than the file the dialog showed.
            if (matches.names.empty())
                return Problem(matches.unread ? LossyPathMatch::Status::FolderTooLarge
                                              : LossyPathMatch::Status::NoFile,
                               found, part);
            real = matches.names.front();
        }
        onProposal = onProposal && offered == real;
        found /= real;
    }
    return {LossyPathMatch::Status::Found, Utf8FromPath(found), {}, {}};
}

std::string DescribeLossyPathProblem(const LossyPathMatch& match, std::size_t maxEntries) {
    switch (match.status) {
    case LossyPathMatch::Status::Found:
        break;
    case LossyPathMatch::Status::NoFile:
        return "No file in " + match.folder + " is named " + match.name +
               " (the file dialog shows what it cannot read of a name as " + kReplacementCharacter +
               "). Choose the file again.";
    case LossyPathMatch::Status::SeveralFiles:
        return "Several files in " + match.folder + " show as " + match.name +
               " in the file dialog, so which one you chose is not known. Rename the one you "
               "mean and choose it again.";
    case LossyPathMatch::Status::FolderTooLarge:
        return "None of the first " + std::to_string(maxEntries) + " files in " + match.folder +
               " shows as " + match.name +
               " in the file dialog, and the folder holds more. Move the file to a smaller "
               "folder and choose it again.";
    }
    return {};
}
