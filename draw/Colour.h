#pragma once

#include <cstdint>
#include <variant>

namespace quorvel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours that belong to the desktop theme; the surface resolves them when it draws.
enum class SystemColour {
    CaptionText,
    ButtonFace,
    ButtonText,
};

using Colour = std::variant<Rgb, SystemColour>;

inline constexpr Rgb lightGrey{192, 192, 192};
inline constexpr Rgb darkGrey{64, 64, 64};
inline constexpr Rgb green{0, 255, 0};

}  // namespace quorvel
