#include "platform/LockWait.h"

#include <QThread>
#include <algorithm>
#include <utility>

namespace LockWait {
namespace {
std::function<void(int)> served;
QThread* servedOn = nullptr;  // the thread that set it, and the only one it may run on
bool serving = false;
}  // namespace

void SetServe(std::function<void(int)> serve) {
    served = std::move(serve);
    servedOn = QThread::currentThread();
}

bool Retry(QElapsedTimer& since, int count) {
    if (count == 0) since.start();
    const qint64 left = Milliseconds - since.elapsed();
    if (left <= 0) return false;
    const int turn = int(std::min<qint64>(left, 10));
    // Should what is served meet a lock after all, it sleeps there rather than serving itself again.
    if (QThread::currentThread() != servedOn || !served || serving) {
        QThread::msleep(turn);
        return true;
    }
    serving = true;
    try {
        served(turn);
    } catch (...) {  // nothing may pass through the engine, which called this
    }
    serving = false;
    return true;
}

}  // namespace LockWait
