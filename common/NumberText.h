#pragma once
#include <QString>

// A number as statement and file text: its general decimal form with up to 15 significant digits, no thousands
// separators, and "." as the decimal separator whatever the locale ("120.5", "-0.25", "1E-07").
QString NumberText(double value);
