#pragma once

#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Runs `attempt` in a child process that has given up root, so that file
// permissions hold even when the tests run as root. The attempt returns a
// text (an error message, a value read) that comes back to the caller.
inline std::string asUnprivilegedUser(const std::function<std::string()>& attempt)
{
    constexpr uid_t kNobody = 65534;
    int channel[2];
    if (::pipe(channel) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        const std::string result = attempt();
        const bool written = ::write(channel[1], result.data(), result.size()) == ssize_t(result.size());
        ::_exit(written ? 0 : 3);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, std::size_t(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "<child failed>";
    return result;
}
