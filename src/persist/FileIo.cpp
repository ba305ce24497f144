#include "persist/FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

FileDescriptor::~FileDescriptor() {
    Close();
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

int FileDescriptor::Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::error_code FileDescriptor::Close() {
    if (m_fd < 0)
        return {};
    const int closed = ::close(m_fd);
    m_fd = -1;
    return closed == 0 ? std::error_code() : LastSystemError();
}

std::error_code LastSystemError() {
    return {errno, std::system_category()};
}

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return LastSystemError();
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code ReadAll(int fd, std::string& bytes) {
    bytes.clear();
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return LastSystemError();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return LastSystemError();
        if (got == 0)
            return {};
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::error_code ReplaceContents(int fd, std::string_view bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return LastSystemError();
    if (const std::error_code error = WriteAll(fd, bytes))
        return error;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)
        return LastSystemError();
    return {};
}

void SyncFolder(const std::filesystem::path& folder, int at) {
    const FileDescriptor fd(::openat(at, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}
