#include "platform/gui/SerialPortControl.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include "platform/LockWait.h"

namespace {

// The reason is the short form of the message, without the device's path.
[[noreturn]] void Fail(const QString& message, const QString& reason = {}) {
    throw SerialPortError(message, reason.isEmpty() ? message : reason);
}

[[noreturn]] void BadSetting(const QString& text, const QString& why) {
    Fail(QStringLiteral("Invalid port setting \"%1\": %2").arg(text, why));
}

}  // namespace

SerialSettings SerialSettings::Parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        BadSetting(text, QStringLiteral("expected baud,parity,data bits,stop bits as in 4800,n,8,1"));

    SerialSettings s;
    bool ok = false;
    const QString baud = parts[0].trimmed();
    s.Baud = baud.toInt(&ok);
    if (!ok || s.Baud < 50 || s.Baud > 4000000 || !baud.front().isDigit()) {
        BadSetting(text, QStringLiteral("the baud rate must be a whole number such as 4800 or 9600"));
    }

    const QString parity = parts[1].trimmed().toLower();
    if (parity == u"n") {
        s.Parity = QSerialPort::NoParity;
    } else if (parity == u"e") {
        s.Parity = QSerialPort::EvenParity;
    } else if (parity == u"o") {
        s.Parity = QSerialPort::OddParity;
    } else if (parity == u"m") {
        s.Parity = QSerialPort::MarkParity;
    } else if (parity == u"s") {
        s.Parity = QSerialPort::SpaceParity;
    } else {
        BadSetting(text, QStringLiteral("the parity must be n, e, o, m or s"));
    }

    const QString data = parts[2].trimmed();
    if (data == u"5") {
        s.DataBits = QSerialPort::Data5;
    } else if (data == u"6") {
        s.DataBits = QSerialPort::Data6;
    } else if (data == u"7") {
        s.DataBits = QSerialPort::Data7;
    } else if (data == u"8") {
        s.DataBits = QSerialPort::Data8;
    } else {
        BadSetting(text, QStringLiteral("the data bits must be 5, 6, 7 or 8"));
    }

    const QString stop = parts[3].trimmed();
    if (stop == u"1") {
        s.StopBits = QSerialPort::OneStop;
    } else if (stop == u"1.5") {
        s.StopBits = QSerialPort::OneAndHalfStop;
    } else if (stop == u"2") {
        s.StopBits = QSerialPort::TwoStop;
    } else {
        BadSetting(text, QStringLiteral("the stop bits must be 1, 1.5 or 2"));
    }
    return s;
}

SerialPortControl::SerialPortControl(const QString& programFolder, QObject* parent)
    : QObject(parent), programFolder_(programFolder) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPortControl::OnComm);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPortControl::OnError);
    reopenTimer_.setInterval(1000);
    connect(&reopenTimer_, &QTimer::timeout, this, &SerialPortControl::Reopen);
}

SerialPortControl::~SerialPortControl() {
    if (open_) LockWait::SetServe({});
}

QString SerialPortControl::DevicePath(int port) const {
    const QString link = programFolder_ + QStringLiteral("/ports/COM%1").arg(port);
    // A dangling link still names the user's choice: opening it then fails clearly instead of falling back to a
    // built-in port that may well exist and stay silent.
    const QFileInfo info(link);
    if (info.exists() || info.isSymLink()) return link;
    return BuiltInPorts + QString::number(port - 1);
}

void SerialPortControl::SetCommPort(int16_t port) {
    if (open_) Fail(QStringLiteral("Port already open"));
    commPort_ = port;
}

void SerialPortControl::SetSettings(const QString& text) {
    const SerialSettings parsed = SerialSettings::Parse(text);
    if (port_.isOpen()) Apply(parsed, text);
    settings_ = parsed;
    settingsText_ = text;
}

bool SerialPortControl::PortOpen() const { return open_; }

void SerialPortControl::SetPortOpen(bool open) {
    if (open == open_) {
        if (open) Fail(QStringLiteral("Port already open"));
        return;
    }
    if (open) {
        if (commPort_ < 1 || commPort_ > MaxPort) {
            Fail(
                QStringLiteral("Invalid port number %1: choose a port from COM1 to COM%2").arg(commPort_).arg(MaxPort));
        }
        const QString path = DevicePath(commPort_);
        Open(path);
        device_ = path;
        open_ = true;
        // A statement that waits for another program's lock on the database holds up the event loop for seconds.
        LockWait::SetServe([this](int ms) { ServeInput(ms); });
    } else {
        const bool lost = LineLost();
        reopenTimer_.stop();
        port_.close();
        open_ = false;
        LockWait::SetServe({});
        if (lost) emit LineChanged();
    }
}

void SerialPortControl::Open(const QString& path) {
    const QFileInfo info(path);
    const QString notFound = QStringLiteral("COM%1 not found").arg(commPort_);
    if (!info.exists()) {
        if (info.isSymLink()) {
            Fail(QStringLiteral("%1: %2 points to %3, which does not exist").arg(notFound, path, info.symLinkTarget()),
                 notFound);
        }
        Fail(QStringLiteral("%1: %2 does not exist").arg(notFound, path), notFound);
    }

    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadOnly)) {
        const QString reason = port_.errorString();
        const auto error = port_.error();
        port_.clearError();
        if (error == QSerialPort::PermissionError) {
            Fail(QStringLiteral("COM%1 (%2) is in use or access is denied: %3").arg(commPort_).arg(path, reason),
                 reason);
        }
        Fail(QStringLiteral("COM%1 (%2) cannot be opened: %3").arg(commPort_).arg(path, reason), reason);
    }
    try {
        Apply(settings_, settingsText_);
    } catch (...) {
        port_.close();
        throw;
    }
    // Anything the device held before we opened it is from an earlier session.
    port_.clear(QSerialPort::Input);
}

void SerialPortControl::Apply(const SerialSettings& s, const QString& text) {
    // A pseudo-terminal has no line speed of its own and takes whatever is set; a real port that refuses one of
    // these refuses the settings as a whole.
    const bool ok = port_.setBaudRate(s.Baud) && port_.setParity(s.Parity) && port_.setDataBits(s.DataBits) &&
                    port_.setStopBits(s.StopBits) && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        const QString reason = port_.errorString();
        port_.clearError();
        Fail(QStringLiteral("COM%1 refuses the settings \"%2\": %3").arg(commPort_).arg(text, reason), reason);
    }
}

QString SerialPortControl::Input() {
    if (!open_) Fail(QStringLiteral("Operation valid only when the port is open"));
    if (!port_.isOpen()) return {};
    return QString::fromLatin1(port_.readAll());
}

void SerialPortControl::ServeInput(int ms) {
    QElapsedTimer timer;
    timer.start();
    if (port_.isOpen()) {
        if (port_.waitForReadyRead(ms)) return;  // what came is handed out as OnComm
        if (port_.error() == QSerialPort::TimeoutError) port_.clearError();
    }
    if (const qint64 left = ms - timer.elapsed(); left > 0) QThread::msleep(static_cast<unsigned long>(left));
}

void SerialPortControl::OnError(QSerialPort::SerialPortError error) {
    // A read that fails for good (the device gone, a pseudo-terminal hung up) would otherwise be retried by every
    // turn of the event loop and keep the processor busy. Close the device after this event and try it again later.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    if (!open_ || reopenTimer_.isActive()) return;
    const QString reason = port_.errorString();
    lineFailure_ =
        SerialPortError(QStringLiteral("COM%1 (%2) stopped: %3").arg(commPort_).arg(device_, reason), reason);
    reopenTimer_.start();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!reopenTimer_.isActive()) return;
            port_.close();
            emit LineChanged();
        },
        Qt::QueuedConnection);
}

void SerialPortControl::Reopen() {
    if (!open_) {
        reopenTimer_.stop();
        return;
    }
    if (port_.isOpen()) port_.close();
    // Only the device chosen at connecting: with its link gone, the port number would stand for the machine's own
    // port, which mostly exists, opens, and never brings a sentence.
    try {
        Open(device_);
        reopenTimer_.stop();
        emit LineChanged();
    } catch (const SerialPortError& e) {
        // Still gone; the timer tries again.
        if (e.Description() != lineFailure_.Description()) {
            lineFailure_ = e;
            emit LineChanged();
        }
    }
}
