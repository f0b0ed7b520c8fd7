// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ordinary_user.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

std::optional<std::string> AsOrdinaryUser(const std::function<std::string()>& check)
{
    if (geteuid() != 0) return check();
    const passwd* pUser = getpwnam("nobody");
    int fds[2];
    if (pUser == nullptr || pipe(fds) != 0) return std::nullopt;
    const uid_t uid = pUser->pw_uid;
    const gid_t gid = pUser->pw_gid;

    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        close(fds[0]);
        const bool bDropped = setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0;
        const std::string found = bDropped ? check() : "could not become nobody";
        const ssize_t nWritten = write(fds[1], found.data(), found.size());
        _exit(nWritten == static_cast<ssize_t>(found.size()) ? 0 : 1);
    }
    close(fds[1]);
    std::string found;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) found.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) found += " (the check's process ended abnormally)";
    return found;
}

} // namespace testing_support
