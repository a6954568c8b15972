// The templates of Threadix's three windows (the link dialog 20000, its help 20911 and the progress
// box 20023) and their item numbers.
#pragma once

#include <cstdint>

#include "xtapi/dialogs.h"

namespace threadix {

enum LinkDialogItem : int32_t {
    kOkButton = 1,
    kCancelButton = 2,
    kSelectionRadio = 3,
    kPagesRadio = 4,
    kPageField = 5,
    kUnlinkRadio = 6,
    kLinkRadio = 7,
    kKeepTextBox = 8,
    kSeparateChainsRadio = 9,
    kFlowAroundRadio = 10,
    kCutAtEndRadio = 11,
    kCutAtStartRadio = 12,
    kModesPicture = 13,
    kHelpButton = 14,
    kBannerPicture = 15,
    kScopeGroup = 16,
    kActionGroup = 17,
    kTitleLabel = 19,
    kSectionRadio = 20,
    kSequenceRadio = 21,
};

enum HelpDialogItem : int32_t {
    kHelpOk = 1,
    kHelpPicture = 2,
    kHelpUnlinkGroup = 3,
    kHelpUnlinkText = 4,
    kHelpLinkGroup = 5,
    kHelpLinkText = 6,
    kHelpFirstModeText = 7, // the four mode texts follow, in the order of the link dialog's items 9 to 12
};

enum ProgressItem : int32_t {
    kProgressTitle = 1,
    kProgressText = 2,
    kProgressHint = 3,
};

inline constexpr int32_t kLinkDialogResource = 20000;
inline constexpr int32_t kHelpDialogResource = 20911;
inline constexpr int32_t kProgressResource = 20023;
inline constexpr int32_t kBannerBitmap = 20008;
inline constexpr int32_t kModesBitmap = 20010;

inline constexpr size_t kLinkItemCount = 20;
inline constexpr size_t kHelpItemCount = 10;
inline constexpr size_t kProgressItemCount = 3;
extern const xt::DialogResource<kLinkItemCount> kLinkDialogTemplate;
extern const xt::DialogResource<kHelpItemCount> kHelpDialogTemplate;
extern const xt::DialogResource<kProgressItemCount> kProgressTemplate;

} // namespace threadix
