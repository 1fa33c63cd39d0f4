#include "poieditor/ExchangeFile.h"

#include "common/TextCodec.h"
#include "platform/WholeFile.h"

QStringList ReadTextLines(const QString& path) { return SplitRecordLines(ReadRegularFile(path)); }

void WriteTextFile(const QString& path, const QByteArray& text) { ReplaceFile(path, text); }
