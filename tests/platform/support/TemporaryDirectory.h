#pragma once

#include <filesystem>
#include <string>

// A fresh, empty folder for one test, removed with everything in it at the end.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory();

    const std::filesystem::path& Path() const { return m_path; }
    // The UTF-8 path of a file of that name in the folder.
    std::string FilePath(const std::string& name) const;
    // Creates the file with the given content and returns its path.
    std::string AddFile(const std::string& name, const std::string& content = "") const;

private:
    std::filesystem::path m_path;
};
