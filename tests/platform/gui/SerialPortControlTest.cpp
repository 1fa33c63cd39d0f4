#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <ctime>

#include "ProgramFolder.h"
#include "PseudoTerminal.h"
#include "platform/gui/SerialPortControl.h"

namespace {

// The text of a refused operation, or "" when it went through.
template <typename F>
QString Refusal(F&& operation) {
    try {
        operation();
    } catch (const SerialPortError& e) {
        return e.Description();
    }
    return {};
}

// A program folder with a receiver on ports/COM1.
struct Receiver {
    ProgramFolder folder;
    PseudoTerminal terminal;
    SerialPortControl port{folder.Path()};

    Receiver() {
        EXPECT_TRUE(terminal.IsValid());
        EXPECT_TRUE(terminal.LinkAs(folder.Path(), 1));
        port.SetCommPort(1);
    }

    // Everything that arrives within the time, read event by event as the window does.
    QString Collect(qsizetype expected) {
        QString received;
        QObject::connect(&port, &SerialPortControl::OnComm, [&] { received += port.Input(); });
        ServeEventsUntil([&] { return received.size() >= expected; });
        QObject::disconnect(&port, &SerialPortControl::OnComm, nullptr, nullptr);
        return received;
    }
};

// The machine's own serial ports, for as long as the object lives, at the prefix given.
struct BuiltInPortsAt {
    const QString saved = SerialPortControl::BuiltInPorts;
    explicit BuiltInPortsAt(const QString& prefix) { SerialPortControl::BuiltInPorts = prefix; }
    ~BuiltInPortsAt() { SerialPortControl::BuiltInPorts = saved; }
};

}  // namespace

TEST(SerialPortControl, APortLinkedInTheProgramFolderOpensAndDeliversEveryByte) {
    Receiver r;
    r.port.SetSettings("4800,n,8,1");
    r.port.SetPortOpen(true);
    ASSERT_TRUE(r.port.PortOpen());

    QByteArray sent = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n";
    sent += QByteArray("\0\0\xff\xb2 junk\r", 10);
    ASSERT_TRUE(r.terminal.Write(sent));
    const QString received = r.Collect(sent.size());
    EXPECT_EQ(received, QString::fromLatin1(sent)) << "NUL and high bytes arrive one character each";

    r.port.SetPortOpen(false);
    EXPECT_FALSE(r.port.PortOpen());
    EXPECT_NE(Refusal([&] { r.port.Input(); }), "");

    // Reopened, it receives again.
    r.port.SetSettings("9600,n,8,1");
    r.port.SetPortOpen(true);
    ASSERT_TRUE(r.terminal.Write("$GPGGA\r\n"));
    EXPECT_EQ(r.Collect(8), "$GPGGA\r\n");
}

TEST(SerialPortControl, AReceiverThatGoesAwayQuietensThePortUntilItIsBack) {
    Receiver r;
    // The machine's own COM1 is there and opens, as /dev/ttyS0 mostly does.
    const BuiltInPortsAt ports(r.folder.File("ttyS"));
    PseudoTerminal builtIn;
    ASSERT_TRUE(QFile::link(builtIn.SlavePath(), r.folder.File("ttyS0")));
    r.port.SetPortOpen(true);
    int changes = 0;
    QObject::connect(&r.port, &SerialPortControl::LineChanged, [&] { ++changes; });
    r.terminal.HangUp();
    QFile::remove(r.folder.File("ports/COM1"));  // a replay's or udev's link goes with its receiver

    // A hung-up line fails every read; the control must stop trying rather than spin the event loop.
    const std::clock_t cpuBefore = std::clock();
    ServeEventsUntil([] { return false; }, 500);
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, 0.25) << "the event loop kept the processor busy after the line went";
    EXPECT_TRUE(r.port.LineLost());
    EXPECT_TRUE(r.port.PortOpen()) << "the window still shows the port as connected";
    EXPECT_EQ(r.port.Input(), "");
    EXPECT_GE(changes, 1);

    // Retried, only the link is tried: never the machine's own port that the number stands for without it.
    EXPECT_FALSE(ServeEventsUntil([&] { return !r.port.LineLost(); }, 1500)) << "the machine's own COM1 opened";
    EXPECT_EQ(r.port.LineFailure().Reason().toStdString(), "COM1 not found");
    EXPECT_TRUE(r.port.LineFailure().Description().contains(r.folder.File("ports/COM1")));

    // A receiver on the same link again (a restarted replay): reading goes on by itself.
    PseudoTerminal again;
    ASSERT_TRUE(again.LinkAs(r.folder.Path(), 1));
    changes = 0;
    ASSERT_TRUE(ServeEventsUntil([&] { return !r.port.LineLost(); }, 3000));
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(again.Write("$GPRMC,1*00\r"));
    EXPECT_EQ(r.Collect(12), "$GPRMC,1*00\r");

    r.port.SetPortOpen(false);
    EXPECT_FALSE(r.port.PortOpen());
    EXPECT_FALSE(r.port.LineLost());
}

TEST(SerialPortControl, SettingsTextsAreParsedAndABadOneIsRefusedWithItsReason) {
    ProgramFolder folder;
    SerialPortControl port(folder.Path());
    EXPECT_EQ(port.Settings(), "4800,n,8,1");
    for (const char* good : {"9600,n,8,1", "4800,E,7,2", "115200,o,8,1.5", "19200,m,5,1", "1200,s,6,2"}) {
        EXPECT_EQ(Refusal([&] { port.SetSettings(good); }), "") << good;
    }
    const SerialSettings parsed = SerialSettings::Parse("4800,E,7,2");
    EXPECT_EQ(parsed.Baud, 4800);
    EXPECT_EQ(parsed.Parity, QSerialPort::EvenParity);
    EXPECT_EQ(parsed.DataBits, QSerialPort::Data7);
    EXPECT_EQ(parsed.StopBits, QSerialPort::TwoStop);

    port.SetSettings("9600,n,8,1");
    const struct {
        const char* text;
        const char* reason;
    } bad[] = {{"", "4800,n,8,1"},          {"4800,n,8", "4800,n,8,1"},    {"fast,n,8,1", "baud"},
               {"-4800,n,8,1", "baud"},     {"4800,x,8,1", "parity"},      {"4800,n,9,1", "data bits"},
               {"4800,n,8,3", "stop bits"}, {"4800,n,8,1,0", "4800,n,8,1"}};
    for (const auto& b : bad) {
        const QString refusal = Refusal([&] { port.SetSettings(b.text); });
        EXPECT_TRUE(refusal.contains(b.reason)) << b.text << ": " << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QString("\"%1\"").arg(b.text))) << "the refused text is named";
    }
    EXPECT_EQ(port.Settings(), "9600,n,8,1") << "a refused text leaves the settings as they were";
}

TEST(SerialPortControl, PortsThatCannotBeOpenedAreRefusedWithAClearMessage) {
    ProgramFolder folder;
    SerialPortControl port(folder.Path());

    for (int16_t number : {int16_t(0), int16_t(-1), int16_t(16)}) {
        port.SetCommPort(number);
        const QString refusal = Refusal([&] { port.SetPortOpen(true); });
        EXPECT_TRUE(refusal.contains("Invalid port number")) << number;
        EXPECT_TRUE(refusal.contains("COM1 to COM15")) << "what the port list offers";
        EXPECT_FALSE(port.PortOpen());
    }

    // Without a link the number stands for the machine's own serial ports.
    EXPECT_EQ(port.DevicePath(5), "/dev/ttyS4");

    // A link whose receiver has gone (a replay that ended) is reported as such, not swapped for /dev/ttyS2.
    QDir().mkpath(folder.File("ports"));
    QFile::link(folder.File("nowhere/pts"), folder.File("ports/COM3"));
    EXPECT_EQ(port.DevicePath(3), folder.File("ports/COM3"));
    port.SetCommPort(3);
    const QString missing = Refusal([&] { port.SetPortOpen(true); });
    EXPECT_TRUE(missing.contains("COM3") && missing.contains("does not exist")) << missing.toStdString();
    EXPECT_FALSE(port.PortOpen());

    // A link to something that is no terminal.
    folder.Write("plain.txt", "not a serial port");
    QFile::link(folder.File("plain.txt"), folder.File("ports/COM4"));
    port.SetCommPort(4);
    EXPECT_NE(Refusal([&] { port.SetPortOpen(true); }), "");
    EXPECT_FALSE(port.PortOpen());
}

TEST(SerialPortControl, AnOpenPortKeepsItsNumberAndTakesNewSettingsAtOnce) {
    Receiver r;
    r.port.SetPortOpen(true);
    EXPECT_TRUE(Refusal([&] { r.port.SetCommPort(2); }).contains("already open"));
    EXPECT_EQ(r.port.CommPort(), 1);
    EXPECT_TRUE(Refusal([&] { r.port.SetPortOpen(true); }).contains("already open"));
    EXPECT_EQ(Refusal([&] { r.port.SetSettings("9600,n,8,1"); }), "");
    EXPECT_EQ(r.port.Settings(), "9600,n,8,1");
    EXPECT_TRUE(r.port.PortOpen());

    // A second control on the same port while the first holds it.
    SerialPortControl second(r.folder.Path());
    second.SetCommPort(1);
    EXPECT_NE(Refusal([&] { second.SetPortOpen(true); }), "");
    EXPECT_FALSE(second.PortOpen());
}
