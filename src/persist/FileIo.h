#pragma once

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closes now and says whether the system accepted it.
    std::error_code Close();
    // Gives up the descriptor without closing it.
    int Release();

private:
    int m_fd;
};

// What errno says, as an error code.
std::error_code LastSystemError();

std::error_code WriteAll(int fd, std::string_view bytes);
// Reads from the start of the file to its end.
std::error_code ReadAll(int fd, std::string& bytes);
// Makes the file hold exactly bytes, from its start, and syncs it to disk.
std::error_code ReplaceContents(int fd, std::string_view bytes);
// Makes a rename or an unlink in the folder durable. The files themselves are complete
// either way, so a failure here is not reported. A relative folder is taken from the folder
// open at at.
void SyncFolder(const std::filesystem::path& folder, int at = AT_FDCWD);
