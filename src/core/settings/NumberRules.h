// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

namespace quenbrook {

// The one number rule for text boxes and stored numbers. Blanks, tabs and line feeds are ignored
// wherever they stand; the value is the longest leading decimal number (sign, digits, one ".",
// exponent after E or D), or an integer after "&H" (hexadecimal) or "&O" (octal). Anything else
// reads as 0; a comma ends the number. A magnitude beyond the double range gives an infinity.
double NumericValue(const QString& text);

// True when the whole text, blanks, tabs and line feeds aside, is one number by the rule above.
bool IsNumericText(const QString& text);

// Shortest decimal text that gives the value back: at most 7 significant digits for a single,
// 15 for a double; "0.1", "-2.5", "1E-05", "1.5E+16". Infinities and NaN, which the rule above
// never yields from text, are written as "0". Both directions use the point in every locale.
QString NumberText(float value);
QString NumberText(double value);

// The dialogs' form: as NumberText(float) but without the zero before the point (.1, -.5).
QString NumberTextNoLeadingZero(float value);

// "True" or "False".
QString BooleanText(bool value);

} // namespace quenbrook
