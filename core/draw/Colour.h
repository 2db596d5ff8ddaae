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
inline constexpr Rgb scrapedGrey{160, 160, 160};
inline constexpr Rgb waterBlue{30, 100, 200};
inline constexpr Rgb glassTeal{40, 140, 150};

// The theme's colours as an edition reads them from its platform. No platform names the text
// of a window caption; its highlighted-text colour is the one drawn on the selection colour, as
// caption text is drawn on the active caption bar, so that stands for it.
struct SystemPalette {
    Rgb captionText;  // the highlighted text
    Rgb buttonFace;
    Rgb buttonText;

    constexpr Rgb resolve(Colour colour) const
    {
        if (const auto* rgb = std::get_if<Rgb>(&colour))
            return *rgb;
        switch (std::get<SystemColour>(colour)) {
        case SystemColour::CaptionText:
            return captionText;
        case SystemColour::ButtonFace:
            return buttonFace;
        case SystemColour::ButtonText:
            return buttonText;
        }
        return {};
    }
};

}  // namespace quorvel
