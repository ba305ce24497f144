#include "tests/support/UnprivilegedChild.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool DropPrivileges() {
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kUnprivilegedId) == 0 &&
           ::setuid(kUnprivilegedId) == 0;
}

void WriteText(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

std::string RunAsUnprivilegedUser(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "cannot create a pipe";
    const pid_t child = ::fork();
    if (child < 0)
        return "cannot fork";
    if (child == 0) {
        ::close(channel[0]);
        WriteText(channel[1], DropPrivileges() ? body() : "cannot drop to uid 65534");
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "the unprivileged child died";
    return text;
}
