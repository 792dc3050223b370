#pragma once

#include <string_view>

namespace quarrow {

/// Reads the leading number of a text the forgiving way the old platform did.
///
/// Spaces, tabs and line feeds are skipped wherever they stand, also between digits ("1 2" is
/// 12); any other character, a carriage return too, ends the number. Then an optional sign,
/// digits, an optional "." and digits, and an optional exponent ("E" or "e", optional sign,
/// digits). Whatever follows the leading number is ignored ("12abc" is 12); a text without a
/// number reads as 0. The number is read by its whole value, correctly rounded however many
/// digits it has; one too large for a double reads as infinite, one too small as 0.
double ReadLenientNumber(std::string_view text);

/// Rounds to the nearest whole number, a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double value);

} // namespace quarrow
