// One step of a test run as another, unprivileged user: a child process
// gives up root's rights for good, runs the step and hands back the text it
// made of what it found (a failed expectation in the child would be lost).
#pragma once

#include <functional>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Testhilfe {

// The unprivileged user "nobody" (its uid and gid), for a test run by root;
// nothing and the reason in grund otherwise.
inline std::optional<passwd> Niemand(std::string& grund) {
    const passwd* p = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (p && p->pw_uid != 0) return *p;
    grund = ::geteuid() != 0 ? "needs root, to act as another user" : "there is no unprivileged user \"nobody\"";
    return std::nullopt;
}

// A group id that no group of the system bears, for the files of one test.
inline gid_t FreieGruppe() {
    gid_t g = 47000 + static_cast<gid_t>(::getpid() % 1000);
    while (::getgrgid(g)) ++g;
    return g;
}

// A child process that runs schritt and hands back the text it returns
// (a failed expectation in the child would be lost). Several may run at
// once; each result is had once the child has ended.
class Kindprozess {
public:
    explicit Kindprozess(const std::function<std::string()>& schritt) {
        int rohr[2];
        if (::pipe(rohr) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(rohr[0]);
            const std::string text = schritt();
            ::_exit(::write(rohr[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 3);
        }
        ::close(rohr[1]);
        rohr_ = rohr[0];
    }
    Kindprozess(const Kindprozess&) = delete;
    Kindprozess& operator=(const Kindprozess&) = delete;
    // The text; nothing when the child did not end normally (or exited with
    // a status other than 0), its status then in status.
    std::optional<std::string> Ergebnis(int* status = nullptr) {
        std::string text;
        char puffer[4096];
        for (ssize_t n; rohr_ >= 0 && (n = ::read(rohr_, puffer, sizeof puffer)) > 0;)
            text.append(puffer, static_cast<std::size_t>(n));
        if (rohr_ >= 0) ::close(rohr_);
        rohr_ = -1;
        int stand = -1;
        if (pid_ > 0 && ::waitpid(pid_, &stand, 0) != pid_) stand = -1;
        pid_ = -1;
        if (status) *status = stand;
        if (stand == -1 || !WIFEXITED(stand) || WEXITSTATUS(stand) != 0) return std::nullopt;
        return text;
    }
    ~Kindprozess() { Ergebnis(); }

private:
    pid_t pid_ = -1;
    int rohr_ = -1;
};

// A child process as the user, with only the groups given besides its
// own, that runs schritt (several may run at once, as Kindprozess). It
// ends at once, without a result, when it cannot become that user.
inline std::function<std::string()> AlsBenutzerSchritt(const passwd& benutzer, const std::vector<gid_t>& gruppen,
                                                       const std::function<std::string()>& schritt) {
    return [benutzer, gruppen, schritt] {
        if (::setgroups(gruppen.size(), gruppen.data()) != 0 ||
            ::setresgid(benutzer.pw_gid, benutzer.pw_gid, benutzer.pw_gid) != 0 ||
            ::setresuid(benutzer.pw_uid, benutzer.pw_uid, benutzer.pw_uid) != 0)
            ::_exit(2);
        return schritt();
    };
}

// Runs schritt in a child process as the user, with only the groups given
// besides its own; the text schritt returns comes back. Nothing when the
// child could not become that user or did not end normally.
inline std::optional<std::string> AlsBenutzer(const passwd& benutzer, const std::vector<gid_t>& gruppen,
                                              const std::function<std::string()>& schritt) {
    return Kindprozess(AlsBenutzerSchritt(benutzer, gruppen, schritt)).Ergebnis();
}

} // namespace Testhilfe
