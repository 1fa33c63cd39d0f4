#pragma once
#include <QElapsedTimer>
#include <functional>

// Another program may hold the POI database a moment: a look at the table, a backup. A statement that meets its
// lock waits for it up to Milliseconds, as the Windows database engine retries a locked page, and reports it only
// then. The receiver's characters come in on the thread that waits, and at ten fixes a second they fill the serial
// line's buffer within a second or two: what that thread serves while it waits is set here.
namespace LockWait {

inline constexpr int Milliseconds = 5000;

// serve(ms) runs for at most ms milliseconds inside a statement that waits on the thread that set it, so it must not
// touch any database. Without one, and on other threads, the wait sleeps.
void SetServe(std::function<void(int)> serve);

// One turn of the wait for a lock that is still held, count turns after the statement first met it (since is
// started at the first): false once the time is up.
bool Retry(QElapsedTimer& since, int count);

}  // namespace LockWait
