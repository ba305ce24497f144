#pragma once

#include <cstddef>
#include <functional>
#include <string>

// A file dialog hands a path back as text, and Qt reads each byte of a name that is not UTF-8
// as U+FFFD: the text then names no file, or another one. These find the file the dialog
// showed, by the bytes of the folder's own entries.

struct LossyPathMatch {
    enum class Status {
        // path holds the file's own bytes (or the chosen path, which needed no looking up).
        Found,
        // No entry of folder reads as name.
        NoFile,
        // More than one entry of folder reads as name.
        SeveralFiles,
        // folder has more entries than may be looked through, and none of those read as name.
        FolderTooLarge,
    };
    Status status = Status::Found;
    std::string path;
    std::string folder;
    std::string name;
};

// How the dialog turned an entry's bytes into its text, in UTF-8.
using NameDecoding = std::function<std::string(const std::string&)>;

// The file behind chosen. A part that names nothing and holds U+FFFD is the one entry of its
// folder that decodes to it (at most maxEntries are read), or the matching part of proposed, the
// path the dialog was given to start from, which need not exist yet; any other part is taken
// as it is.
LossyPathMatch FindLossyPath(const std::string& chosen, const std::string& proposed,
                             const NameDecoding& decode, std::size_t maxEntries);

// What to tell the user when no single file was found.
std::string DescribeLossyPathProblem(const LossyPathMatch& match, std::size_t maxEntries);
