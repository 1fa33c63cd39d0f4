#pragma once
#include <QString>
#include <memory>

class QLockFile;

// The application object: program folder, title, version and the previous-instance test.
namespace Application {

constexpr int Major = 0;
constexpr int Minor = 9;
constexpr int Revision = 218;

// The folder of the executable; every file of the station lives under it.
QString Path();

// The title that message boxes without a title of their own show.
QString Title();
void SetTitle(const QString& title);

// [Track] "0001" followed by " V" and the version, as the splash and the main window show it.
QString ProgramTitle(const QString& languageText);

// Holds the instance lock for one program folder; a second holder for the same folder is refused.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programFolder);
    ~InstanceLock();
    // True when another running copy of the program holds the lock of this program folder. A lock that cannot
    // be taken for any other reason is no running copy.
    bool PreviousInstance() const { return previous_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
    bool previous_ = false;
};

}  // namespace Application
