// One step of a test run as another, unprivileged user: a child process
// gives up root's rights for good, runs the step and hands back the text it
// made of what it found (a failed expectation in the child would be lost).
#pragma once

#include <cerrno>
#include <functional>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Testhilfe {

struct Fremdbenutzer {
    uid_t Uid = 0;
    gid_t Gid = 0;
};

// The system's unprivileged user "nobody", for a test run by root; nothing
// and the reason in grund otherwise.
inline std::optional<Fremdbenutzer> Niemand(std::string& grund) {
    if (::geteuid() != 0) {
        grund = "needs root, to act as another user";
        return std::nullopt;
    }
    const passwd* p = ::getpwnam("nobody");
    if (!p || p->pw_uid == 0) {
        grund = "there is no unprivileged user \"nobody\"";
        return std::nullopt;
    }
    return Fremdbenutzer{p->pw_uid, p->pw_gid};
}

// A group id that no group of the system bears, for the files and folders
// of one test (no entry in the group file is needed to use it).
inline gid_t FreieGruppe() {
    gid_t g = 47000 + static_cast<gid_t>(::getpid() % 1000);
    while (::getgrgid(g)) ++g;
    return g;
}

// Runs schritt in a child process as benutzer with only the groups given
// besides its own; the text schritt returns comes back. Nothing when the
// child could not become that user or did not end normally.
inline std::optional<std::string> AlsBenutzer(const Fremdbenutzer& benutzer, const std::vector<gid_t>& gruppen,
                                              const std::function<std::string()>& schritt) {
    int rohr[2];
    if (::pipe(rohr) != 0) return std::nullopt;
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        return std::nullopt;
    }
    if (kind == 0) {
        ::close(rohr[0]);
        if (::setgroups(gruppen.size(), gruppen.data()) != 0 ||
            ::setresgid(benutzer.Gid, benutzer.Gid, benutzer.Gid) != 0 ||
            ::setresuid(benutzer.Uid, benutzer.Uid, benutzer.Uid) != 0 || ::geteuid() == 0)
            ::_exit(2);
        const std::string text = schritt();
        for (std::size_t i = 0; i < text.size();) {
            const ssize_t n = ::write(rohr[1], text.data() + i, text.size() - i);
            if (n < 0 && errno != EINTR) ::_exit(3);
            if (n > 0) i += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string text;
    char puffer[4096];
    for (;;) {
        const ssize_t n = ::read(rohr[0], puffer, sizeof puffer);
        if (n > 0) text.append(puffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR) break;
    }
    ::close(rohr[0]);
    int status = 0;
    while (::waitpid(kind, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return text;
}

} // namespace Testhilfe
