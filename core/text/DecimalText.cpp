#include "core/text/DecimalText.h"

#include <cstdlib>

namespace quorvel {

std::string decimalText(long long scaled, int places)
{
    long long unit = 1;
    for (int k = 0; k < places; ++k)
        unit *= 10;
    const long long magnitude = std::llabs(scaled);
    std::string text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / unit);
    if (places > 0) {
        const std::string fraction = std::to_string(magnitude % unit);
        text += '.';
        text.append(static_cast<std::size_t>(places) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

}  // namespace quorvel
