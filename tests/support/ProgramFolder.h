#pragma once
#include <QString>
#include <QTemporaryDir>

// A program folder of its own for one test, so nothing touches the user's files.
class ProgramFolder {
public:
    enum Source {
        Empty,    // an empty folder
        Data,     // the files that come with the system (data/)
        Station,  // the assembled program folder of the build: map library, icons, empty POI database
    };
    explicit ProgramFolder(Source source = Empty);
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString Path() const { return dir_.path(); }
    QString File(const QString& relative) const { return dir_.path() + "/" + relative; }

    QByteArray Read(const QString& relative) const;
    void Write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// The folder of the real receivers' captures that come with the tests (see its SOURCES.md).
QString NmeaCaptureFolder();
QString SourceDir();
QString StationDir();
QString BinDir();
