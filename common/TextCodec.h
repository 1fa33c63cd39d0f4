#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The text files the station reads are UTF-8, the code page of this desktop. Files made on older systems hold Big5,
// the code page of the station's own Chinese texts: text that is not valid UTF-8 is read as Big5 rather than stored
// with replacement characters. A UTF-8 byte-order mark at the start is no part of the text.

// The bytes without a UTF-8 byte-order mark at their start.
QByteArrayView WithoutByteOrderMark(QByteArrayView bytes);

bool IsValidUtf8(QByteArrayView bytes);

// The text of a whole file: UTF-8 when it is valid UTF-8, else Big5. The byte-order mark is dropped.
QString DecodeText(QByteArrayView bytes);

// The lines of a whole file's text, decoded as DecodeText does: a CR LF, a CR or an LF alone ends a line, an empty
// line stands for each empty line, and the last line needs no line end.
QStringList SplitTextLines(QByteArrayView bytes);

// The same lines for a file whose lines are records of their own, which may have been added by different programs
// (the POI hand-back and exchange files): each line is UTF-8 where it is valid UTF-8, else Big5, so that one stray
// byte garbles its own line only. A byte-order mark is dropped at the start of the file only.
QStringList SplitRecordLines(QByteArrayView bytes);

// The UTF-8 bytes of one value (a database column, not a file) with every character kept: QString::fromUtf8 would
// drop a U+FEFF at their start, and a name read back without it is not found again by its stored text.
QString Utf8Value(QByteArrayView bytes);

// Part of a file's bytes, decoded as the whole file is (big5 tells which).
QString DecodePart(QByteArrayView bytes, bool big5);

// At most maxBytes of bytes, never cutting a character of the given encoding in two.
QByteArrayView CutWhole(QByteArrayView bytes, qsizetype maxBytes, bool big5);

// Whether Big5 can hold every character of text.
bool FitsBig5(const QString& text);

// Big5 bytes as UTF-8; nothing when they are not all Big5, as re-encoding would lose those bytes.
std::optional<QByteArray> Big5ToUtf8(QByteArrayView bytes);

// Text for a file of the given encoding: Big5 where the file is Big5 and the text fits it, else UTF-8.
QByteArray EncodeText(const QString& text, bool big5);
