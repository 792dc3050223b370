#pragma once

#include <string_view>

namespace quarrow {

/// Reads the leading number of a text the forgiving way the old platform did.
///
/// Spaces, tabs, carriage returns and line feeds are skipped wherever they stand, also between
/// digits ("1 2" is 12). Then an optional sign, digits, an optional "." and digits, and an
/// optional exponent ("E" or "e", optional sign, digits). Whatever follows the leading number is
/// ignored ("12abc" is 12); a text without a number reads as 0.
double ReadLenientNumber(std::string_view text);

/// Rounds to the nearest whole number, a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double value);

} // namespace quarrow
