// FormatMeasurement: a value as the text a field of a unit shows, in a new host text object.
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/measurement.h"

namespace host::api {
namespace {

/// Writes a new text object (the caller disposes it) and ok = 1; an unknown unit gives no text and ok = 0.
int32_t FormatMeasurement(xt::Fixed value, xt::TextObject* text, int32_t unit, int32_t, uint8_t* ok)
{
    if (ok)
        *ok = 0;
    if (!text)
        return -1;
    *text = nullptr;
    const auto formatted = ui::formatMeasurement(value, unit);
    if (!formatted)
        return -1;
    *text = context().texts().make(*formatted);
    if (ok)
        *ok = 1;
    return 0;
}

} // namespace

void registerMeasurementOps(OperationRegistry& registry)
{
    registry.add<xt::op::FormatMeasurement, &FormatMeasurement>();
}

} // namespace host::api
