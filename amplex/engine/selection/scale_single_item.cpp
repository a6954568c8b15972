// ScaleSingleItem: an item anchored in a story scales about its own upper left.
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/group_scaler.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "amplex/engine/selection/item_routes.h"
#include "amplex/engine/selection/scale_selection.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/undo/record_item.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

/// Keeps the "Keep Proportional" switches that an anchored item's scale may turn on, and puts them
/// back at the end of the scope.
class KeepSwitches {
public:
    KeepSwitches() : m_settings(currentSettings()), m_saved(m_settings) {}
    ~KeepSwitches()
    {
        m_settings.KeepTextBoxesProportional = m_saved.KeepTextBoxesProportional;
        m_settings.KeepTextProportional = m_saved.KeepTextProportional;
        m_settings.KeepLinesProportional = m_saved.KeepLinesProportional;
        m_settings.KeepPictureBoxesProportional = m_saved.KeepPictureBoxesProportional;
        m_settings.KeepGraphicsProportional = m_saved.KeepGraphicsProportional;
    }
    KeepSwitches(const KeepSwitches&) = delete;
    KeepSwitches& operator=(const KeepSwitches&) = delete;

    void force(uint8_t forced)
    {
        const struct {
            uint8_t bit;
            uint8_t ScaleSettings::*keep;
        } switches[] = {
            {ForcePictureBoxes, &ScaleSettings::KeepPictureBoxesProportional},
            {ForceGraphics, &ScaleSettings::KeepGraphicsProportional},
            {ForceTextBoxes, &ScaleSettings::KeepTextBoxesProportional},
            {ForceText, &ScaleSettings::KeepTextProportional},
            {ForceLines, &ScaleSettings::KeepLinesProportional},
        };
        for (const auto& s : switches) {
            if (forced & s.bit)
                m_settings.*s.keep = 1;
        }
    }

private:
    ScaleSettings& m_settings;
    ScaleSettings m_saved;
};

std::optional<SingleRoute> routeOfCurrentItem()
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    if (!record)
        return std::nullopt;
    return singleItemRoute(record->kind, record->shape);
}

} // namespace

void ScaleSingleItem(int32_t item)
{
    CurrentItemKeeper current;
    xt::calls::SetCurrentBox(item);
    if (scalingSelection())
        RecordItemForUndo(item, Anchored::Yes, Replay::No);
    const auto route = routeOfCurrentItem();
    if (!route)
        return;
    OriginKeeper origin;
    KeepSwitches switches;
    if (const auto corner = ownUpperLeft(item))
        engineState().setOrigin(*corner);
    if (currentSettings().KeepAnchoredProportional)
        switches.force(route->forced);

    if (route->scaler == ScalerId::Group) {
        ScaleGroupItems(item);
    } else if (route->scaler == ScalerId::TextBox) {
        resetTextScaleRange();
        ScaleTextBox(item);
    } else {
        runItemScaler(route->scaler, item);
    }
}

} // namespace amplex
