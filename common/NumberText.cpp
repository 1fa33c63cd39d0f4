#include "common/NumberText.h"

QString NumberText(double value) {
    // QString::number never consults the locale (neither QLocale nor the C library's), so a "," locale cannot leak
    // into a statement.
    return QString::number(value, 'G', 15);
}
