#pragma once
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <functional>

// Root may write a file whatever its permissions say, so what an ordinary user may not do is tried as one: as root
// the work runs in a child process as the user nobody (65534), elsewhere in the test's own process as the user the
// tests run as. Files and folders the user is to own are handed over with Own.
namespace OrdinaryUser {

constexpr uid_t Nobody = 65534;

inline bool Root() { return ::geteuid() == 0; }

// Makes path the ordinary user's, with the given permissions.
inline void Own(const QString& path, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    if (Root() && ::chown(name.constData(), Nobody, Nobody) != 0) return;
    ::chmod(name.constData(), mode);
}

// What work gives, done as the ordinary user.
inline QString Run(const std::function<QString()>& work) {
    if (!Root()) return work();
    int said[2];
    if (::pipe(said) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child process";
    if (child == 0) {
        ::close(said[0]);
        QByteArray text = "cannot become the ordinary user";
        if (::setgroups(0, nullptr) == 0 && ::setresgid(Nobody, Nobody, Nobody) == 0 &&
            ::setresuid(Nobody, Nobody, Nobody) == 0)
            text = work().toUtf8();
        for (qsizetype at = 0; at < text.size();) {
            const ssize_t n = ::write(said[1], text.constData() + at, size_t(text.size() - at));
            if (n <= 0) break;
            at += n;
        }
        ::_exit(0);
    }
    ::close(said[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(said[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(said[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(text);
}

}  // namespace OrdinaryUser
