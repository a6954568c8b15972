// The settings dialog: scope radios with the page range, the size rule with its threshold, the banner.
#include "mockum/resources/dialog_resources.h"

#include "foundation/resources/resource_builders.h"
#include "mockum/resources/resources.h"

namespace mockum {
namespace {

using Kind = xt::DialogItemKind;

template <size_t N = 1>
constexpr xt::DialogItemTemplate item(int16_t id, Kind kind, int16_t row, const char (&label)[N] = "", int32_t value = 0)
{
    static_assert(N <= xt::kDialogItemTextSize);
    const auto top = static_cast<int16_t>(4 + 14 * row);
    xt::DialogItemTemplate made{id, kind, 0, 4, top, 160, static_cast<int16_t>(top + 12), value, {}};
    for (size_t i = 0; i < N; ++i)
        made.text[i] = label[i];
    return made;
}

using foundation::resources::head;
using foundation::resources::window;

constexpr xt::DialogItemTemplate kItems[] = {
    item(OkButton, Kind::Button, 16, "OK"),
    item(CancelButton, Kind::Button, 17, "Cancel"),
    item(BannerPicture, Kind::Picture, 0, "", kBannerBitmap),
    item(30, Kind::StaticText, 1, "Mockum"),
    item(31, Kind::Frame, 2, "Greek/Ungreek"),
    item(SelectionRadio, Kind::RadioButton, 3, "Selection"),
    item(EntireItemRadio, Kind::RadioButton, 4, "Entire Item"),
    item(PageRangeRadio, Kind::RadioButton, 5, "Page Range:"),
    item(32, Kind::StaticText, 6, "From:"),
    item(FromField, Kind::EditText, 7),
    item(33, Kind::StaticText, 8, "To:"),
    item(ToField, Kind::EditText, 9),
    item(34, Kind::Frame, 10, "Options"),
    item(GreekBelowRadio, Kind::RadioButton, 11, "Greek text below"),
    item(ThresholdField, Kind::EditText, 12),
    item(35, Kind::StaticText, 13, "pts"),
    item(GreekAnyRadio, Kind::RadioButton, 14, "Greek any selected text"),
};
static_assert(std::size(kItems) == kSettingsItemCount);

} // namespace

const xt::DialogResource<kSettingsItemCount> kSettingsDialogTemplate = window(head(240, 260, "VORNE Mockum"), kItems);

} // namespace mockum
