// Amplex's dialogs, tab pages, palette, list menus and button bitmaps, as the resource table lists them.
#pragma once

#include <cstdint>

#include "foundation/resources/resource_builders.h"
#include "xtapi/dialogs.h"
#include "xtapi/records.h"

namespace amplex {

enum DialogResourceId : int32_t {
    ScaleDialogResource = 20001,
    ScalePageResource = 21001,
    OptionsPageResource = 21002,
    PresetsPageResource = 21003,
    TextFitPageResource = 21004,
    PaletteResource = 22000,
};

enum MenuResourceId : int32_t {
    SelectionFitToMenu = 20001,
    PaperFitToMenu = 20002,
    ScaleFromMenu = 20003,
    FitCommandMenu = 20004,
};

extern const xt::DialogResource<6> kScaleDialogTemplate;
extern const xt::DialogResource<23> kScalePageTemplate;
extern const xt::DialogResource<29> kOptionsPageTemplate;
extern const xt::DialogResource<11> kPresetsPageTemplate;
extern const xt::DialogResource<28> kTextFitPageTemplate;
extern const xt::DialogResource<4> kPaletteTemplate;

inline constexpr char kSelectionFitToEntries[] = "Page\0Spread\0Bleed\0Single Column\0Double Column\0"
                                                 "1/2 page horizontal\0001/2 page vertical\0001/3 page vertical\0"
                                                 "1/4 page panel\0001/6 page panel\0CD cover\0Business card\0Banner ad";
inline constexpr char kPaperFitToEntries[] = "US Letter\0US Legal\0A4 Letter\0B5 Letter\0Tabloid\0#10 Envelope";
inline constexpr char kScaleFromEntries[] =
    "Upper left of selection\0Center of selection\0Upper left of items\0Center of items";
inline constexpr char kFitCommandEntries[] = "Fit Selection to Box\0Fit Story to Box\0Fit Box to Selection\0Fit Box to Story";

using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;
using foundation::resources::menuEntry;

} // namespace amplex
