#pragma once

#include <string>

namespace quorvel {

// A number written with so many decimals, "0.75" for 75 and 2 places: scaled is the number times
// ten to the places. Put together from integers, so that no locale changes the point.
std::string decimalText(long long scaled, int places);

}  // namespace quorvel
