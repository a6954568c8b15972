// Colours as the host's colour operations hand them over: the model codes, the numbers the host gives
// its own colours, the value codes of GetColorValue369 and ColorOp370, and the two records.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

/// Colour models (the bytes "QRGB" and "QCMK" in memory). Components run from 0 to 0xFFFF.
inline constexpr FourLetterCode kRgbColourModel = 0x42475251;
inline constexpr FourLetterCode kCmykColourModel = 0x4B4D4351;

/// Colour numbers with a meaning of their own: "no colour" (a box without background) and the
/// number that asks ColorOp350 for a new colour and ends a walk with ColorOp347.
inline constexpr int16_t kNoColour = -3;
inline constexpr int16_t kColourEnd = -4;

/// The host's own colours, the same numbers in every layout. White, Black, Cyan, Magenta, Yellow and
/// Registration are always there and never change; Blue, Red and Green are defaults a user may change.
inline constexpr int16_t kWhiteColour = 0;
inline constexpr int16_t kBlackColour = 1;
inline constexpr int16_t kCyanColour = 2;
inline constexpr int16_t kMagentaColour = 3;
inline constexpr int16_t kYellowColour = 4;
inline constexpr int16_t kBlueColour = 5;
inline constexpr int16_t kRedColour = 6;
inline constexpr int16_t kGreenColour = 7;
inline constexpr int16_t kRegistrationColour = 8;

/// What GetColorValue369 reads about a colour (0 or 1); ColorOp370 writes only the first two.
enum ColourValueCode : int32_t {
    kColourIsSpot = 1,          // printed on a plate of its own
    kColourIsProcess = 2,       // printed as a mix of cyan, magenta, yellow and black
    kColourIsBuiltIn = 3,       // one of the host's fixed colours
    kColourIsRegistration = 4,  // prints on every plate
    kColourIsPaper = 5,         // the paper itself (White): no ink
    kColourIsConvertible = 100, // may be switched between spot and process
    kColourInSpotGroup = 101,   // spot, for lists that group spot colours first
    kColourIsLocked = 104,      // cannot be edited
    kColourIsMultiInk = 107,    // made of several inks (this host has none)
};

/// ColorOp350's "add an entry" value, which the plug-ins pass as 0.
inline constexpr int32_t kNewColourEntry = 0;
/// The filter of a colour walk (ColorOp344, ColorOp347): every colour of the list.
inline constexpr int32_t kEveryColour = 0x10;
/// XfuOp4952's kind of name: a font family.
inline constexpr int32_t kFontFamilyName = 3;

/// A colour as XcdOp264 builds it and ColorOp359 takes it: the model and its components (RGB uses
/// the first three).
struct ColourSpecification {
    FourLetterCode model;     // 0
    uint16_t components[4];   // 4
    uint32_t reserved;        // 12
};
static_assert(sizeof(ColourSpecification) == 16);
static_assert(offsetof(ColourSpecification, components) == 4);

/// A colour as it shows on screen at a shade (ColorOp363), for drawing a swatch.
struct ColourSwatch {
    uint16_t red;       // 0
    uint16_t green;     // 2
    uint16_t blue;      // 4
    int16_t colour;     // 6: the colour's number in its list
};
static_assert(sizeof(ColourSwatch) == 8);
static_assert(offsetof(ColourSwatch, colour) == 6);

/// Component counts of the arrays RgbToHsb, HsbToRgb, RgbToCmyk, CmykToRgb and ColorOp374 read and write.
inline constexpr size_t kRgbComponents = 3;
inline constexpr size_t kCmykComponents = 4;

} // namespace xt
