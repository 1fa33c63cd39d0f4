#pragma once
#include <QString>

// The text made safe inside an SQL string literal: every single quote doubled, nothing else changed.
QString QuoteSql(const QString& text);
