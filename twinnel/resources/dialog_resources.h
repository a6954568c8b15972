// The clone dialog (resource 20000), the page-insert confirmation (20001), the destination popup's
// fixed entries (menu 20001) and the banner bitmap, with their item numbers.
#pragma once

#include <cstdint>

#include "xtapi/dialogs.h"

namespace twinnel {

inline constexpr int32_t kCloneDialogResource = 20000;
inline constexpr int32_t kInsertPagesResource = 20001;
inline constexpr int32_t kDestinationMenu = 20001;
inline constexpr int32_t kBannerBitmap = 20008;

enum CloneItem : int32_t {
    OkButton = 1,
    CancelButton = 2,
    SelectionRadio = 4,
    PagesRadio = 5,
    DestinationLabel = 6,
    DestinationPopup = 7,
    CopiesLabel = 8,
    PageTextField = 9,
    ToPageField = 10,
    CopiesField = 11,
    BannerPicture = 12,
    SourceGroup = 13,
    DestinationGroup = 14,
    TitleLabel = 16,
    MakeSectionsCheck = 18,
    KeepContiguousRadio = 19,
    MultipleSectionsRadio = 20,
    ToPageLabel = 21,
    SectionNumberRadio = 22,
    SequenceNumberRadio = 23,
    EmptyLabel = 25,
    CopyStyleSheetsCheck = 26,
};

enum InsertPagesItem : int32_t {
    InsertOkButton = 1,
    InsertCancelButton = 2,
    InsertQuestion = 3,
    InsertBanner = 4,
};

inline constexpr char kDestinationEntries[] =
    "Current Layout\0Quark File...\0New Project\0New Layout\0Split to single pages\0Split Layouts to Projects\0All Open Layouts";
inline constexpr char kInsertPagesQuestion[] = "Not enough pages in destination layout. OK to insert pages?";

inline constexpr size_t kCloneItemCount = 22;
inline constexpr size_t kInsertPagesItemCount = 4;
extern const xt::DialogResource<kCloneItemCount> kCloneDialogTemplate;
extern const xt::DialogResource<kInsertPagesItemCount> kInsertPagesTemplate;

} // namespace twinnel
