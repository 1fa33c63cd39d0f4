#pragma once
#include <QByteArray>

// Appends bytes to the open file fd, which held before bytes, in one write. When they do not all go out (a full
// disk), the file is cut back to before, so no part of them stays to run into what is written next. Gives 0, or
// the system's error number.
int AppendWhole(int fd, const QByteArray& bytes, long long before);
