#pragma once
#include <QString>

// A number through a pattern such as "0.0" or "0.000000": rounded to a fixed number of decimals with a half going
// away from zero, "." as the point, no grouping ("-12.3"). The half is judged on the value's shortest decimal text,
// the one its reader saw (a speed of 0.35 is a half, not the 0.3499999 its binary form holds).
QString DecimalPattern(double value, int decimals);
QString DecimalPattern(float value, int decimals);
