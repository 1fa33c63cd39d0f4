#include "platform/gui/HandBackHost.h"

#include "common/StationError.h"
#include "platform/HandBackFile.h"

HandBackHost::HandBackHost(const QString& programFolder, QObject* parent)
    : QObject(parent), programFolder_(programFolder) {}

QString HandBackHost::writeHandBack(const QString& path, const QString& text) {
    try {
        AppendToHandBackFile(programFolder_, path, text);
        return {};
    } catch (const StationError& e) {
        return e.Description();
    }
}

int HandBackHost::waitingHandBacks() const { return WaitingHandBacks(programFolder_); }
