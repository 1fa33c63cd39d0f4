#include "PseudoTerminal.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>

PseudoTerminal::PseudoTerminal() {
    int slave = -1;
    if (openpty(&master_, &slave, nullptr, nullptr, nullptr) != 0) {
        master_ = -1;
        return;
    }
    // Raw, so the line discipline neither echoes nor rewrites CR and LF on the way through.
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    // Writing must never block the one thread that also serves the reading side.
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    close(slave);
}

PseudoTerminal::~PseudoTerminal() { HangUp(); }

bool PseudoTerminal::LinkAs(const QString& programFolder, int port) const {
    QDir().mkpath(programFolder + "/ports");
    const QString link = programFolder + QStringLiteral("/ports/COM%1").arg(port);
    QFile::remove(link);
    return QFile::link(slavePath_, link);
}

bool PseudoTerminal::Write(const QByteArray& bytes) {
    QElapsedTimer timer;
    timer.start();
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            // The terminal is full: let the reader, which runs on this thread's event loop, take some.
            if (timer.elapsed() > 10000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return done == bytes.size();
}

void PseudoTerminal::HangUp() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

bool ServeEventsUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}
