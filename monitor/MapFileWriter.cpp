#include "monitor/MapFileWriter.h"

#include "platform/WholeFile.h"

void WriteMapFile(const QString& path, const QString& text) {
    // Overwritten in place and then cut to length. A replace-by-rename, or emptying the file first, makes the file
    // system push the data to the disk at once, which costs more than the whole drawing at a receiver's pace; the
    // files are drawn anew with every position, so a reader that meets one mid-write sees the next drawing soon.
    OverwriteFile(path, text.toUtf8());
}
