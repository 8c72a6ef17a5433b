#pragma once

#include <cstdint>

namespace kolvar {

// A 24-bit colour. Windows-style colour values (0x00BBGGRR) convert with
// FromColorRef, so a value such as navy 0x800000 reads (0, 0, 128).
struct Colour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    static constexpr Colour FromColorRef(std::uint32_t value) {
        return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
                static_cast<std::uint8_t>((value >> 16) & 0xFF)};
    }
    constexpr std::uint32_t ToColorRef() const {
        return static_cast<std::uint32_t>(Red) | (static_cast<std::uint32_t>(Green) << 8) |
               (static_cast<std::uint32_t>(Blue) << 16);
    }
    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colours {
inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Navy{0, 0, 128};
inline constexpr Colour Yellow{255, 255, 0};
inline constexpr Colour Cyan{0, 255, 255};
inline constexpr Colour Green{0, 255, 0};
}  // namespace colours

}  // namespace kolvar
