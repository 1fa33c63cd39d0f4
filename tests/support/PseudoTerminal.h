#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// A pseudo-terminal pair standing in for a receiver on a serial line: the station opens the slave (through a
// ports/COMn link), the test writes to the master what the receiver would send.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsValid() const { return master_ >= 0; }
    QString SlavePath() const { return slavePath_; }

    // Makes `<programFolder>/ports/COM<port>` a symbolic link to the slave.
    bool LinkAs(const QString& programFolder, int port) const;

    // Writes every byte to the receiving side, serving the event loop while the terminal is full so a reader on
    // this thread keeps reading; false when the terminal refused them or nobody read for ten seconds.
    bool Write(const QByteArray& bytes);

    // Hangs up as an unplugged receiver would: the reading side sees the line go.
    void HangUp();

private:
    int master_ = -1;
    QString slavePath_;
};

// Serves the event loop until the condition holds or the time is up; returns the condition's last value.
bool ServeEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
