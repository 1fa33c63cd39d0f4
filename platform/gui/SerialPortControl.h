#pragma once
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "common/StationError.h"

// The serial control of the main window, over QSerialPort. Port number n opens "<program folder>/ports/COMn" when
// that link exists (the user points it at /dev/ttyUSB0 and the like, or a replay tool at a pseudo-terminal),
// otherwise /dev/ttyS<n-1>. Nothing is ever sent. Failures are SerialPortError exceptions carrying the reason.
// A line that goes away while open (a receiver unplugged, a replay stopped) leaves the port open but quiet; the
// device chosen when the port opened is tried again every second, and the port carries on when it is back.
class SerialPortError : public StationError {
public:
    using StationError::StationError;
};

// "baud,parity,data bits,stop bits" as in "4800,n,8,1".
struct SerialSettings {
    qint32 Baud = 4800;
    QSerialPort::Parity Parity = QSerialPort::NoParity;
    QSerialPort::DataBits DataBits = QSerialPort::Data8;
    QSerialPort::StopBits StopBits = QSerialPort::OneStop;

    // Throws SerialPortError naming the part that is wrong.
    static SerialSettings Parse(const QString& text);
};

class SerialPortControl : public QObject {
    Q_OBJECT
public:
    // The station's port list offers COM1 to COM15, and a refused number names that range.
    static constexpr int MaxPort = 15;

    explicit SerialPortControl(const QString& programFolder, QObject* parent = nullptr);
    ~SerialPortControl() override;

    int16_t CommPort() const { return commPort_; }
    // Refused while the port is open; the number itself is checked when the port opens.
    void SetCommPort(int16_t port);

    QString Settings() const { return settingsText_; }
    // Refuses a text it cannot parse and keeps the old settings; applies to an open port at once.
    void SetSettings(const QString& text);

    bool PortOpen() const;
    // Opening fails for a port number outside 1 to MaxPort, a device that is missing or in use, or settings the
    // device refuses. Closing a closed port does nothing.
    void SetPortOpen(bool open);

    // Every character waiting, one byte each (Latin-1, so no byte is lost or rejected, NUL included).
    QString Input();

    // The device path port number n stands for in this program folder.
    QString DevicePath(int port) const;
    // Where port number n stands for none of the program folder's links: the machine's own serial port n - 1 under
    // this prefix. Tests point it at devices of their own.
    static inline QString BuiltInPorts = QStringLiteral("/dev/ttyS");

    // The port is open but its device has gone and is being tried again.
    bool LineLost() const { return open_ && !port_.isOpen(); }
    // Why, while the line is lost: the last failure, its reason apart from the device it names.
    const SerialPortError& LineFailure() const { return lineFailure_; }

signals:
    // Characters are waiting.
    void OnComm();
    // LineLost() or LineFailure() changed.
    void LineChanged();

private:
    void Open(const QString& path);
    // Waits at most ms for characters and hands them out as OnComm at once, without the event loop: while the port
    // is open, a database statement that waits for a lock serves the receiver through this.
    void ServeInput(int ms);
    void Apply(const SerialSettings& settings, const QString& text);
    void OnError(QSerialPort::SerialPortError error);
    void Reopen();

    QString programFolder_;
    int16_t commPort_ = 1;
    QString settingsText_ = QStringLiteral("4800,n,8,1");
    SerialSettings settings_;
    bool open_ = false;
    QString device_;  // the device chosen when the port opened
    SerialPortError lineFailure_{QString()};
    QSerialPort port_;
    QTimer reopenTimer_;
};
