#pragma once
// Real numbers as the settings file stores them.

#include <string>

namespace drafnova {

// The value rounded to 15 significant digits in general format: "." as the
// decimal point whatever the locale, no trailing zeros, no point for whole
// numbers ("5", "2.5", "-0.25"). A magnitude below 0.0001, or of 1E15 and
// more, is written with an exponent: "5E-5", "1.5E15" (capital E, no plus
// sign, no leading zeros). Zero of either sign is "0"; the non-numbers, which
// no setting holds, are "NAN", "INF" and "-INF".
std::string RealToText(double value);

}  // namespace drafnova
