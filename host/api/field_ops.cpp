// Numeric fields with units and ranges, and reading measurements from text.
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/measurement.h"
#include "xtapi/dialogs.h"

namespace host::api {
namespace {

ui::WindowItem* fieldItem(int32_t item)
{
    ui::Window* window = context().windows().target();
    ui::WindowItem* found = window ? window->item(item) : nullptr;
    return found && found->kind() == ui::ItemKind::EditText ? found : nullptr;
}

/// A field that was never made numeric shows and reads plain numbers.
int32_t unitOf(const ui::WindowItem& field)
{
    return field.fieldFormat() ? field.fieldFormat()->unit : xt::UnitPlainNumber;
}

bool admits(const ui::WindowItem& field, xt::Fixed value)
{
    const auto& format = field.fieldFormat();
    return !format || (value >= format->minimum && value <= format->maximum);
}

void setFlag(uint8_t* ok, bool value)
{
    if (ok)
        *ok = value ? 1 : 0;
}

int32_t SetFieldNumber(int32_t item, int32_t, int32_t, int32_t unit, xt::Fixed minimum, xt::Fixed maximum, int32_t)
{
    ui::WindowItem* field = fieldItem(item);
    if (!field || !ui::isKnownUnit(unit) || maximum < minimum)
        return -1;
    field->setFieldFormat({unit, minimum, maximum});
    return 0;
}

int32_t SetFieldText(int32_t item, int32_t, xt::Fixed value)
{
    ui::WindowItem* field = fieldItem(item);
    const auto text = field ? ui::formatMeasurement(value, unitOf(*field)) : std::nullopt;
    if (!text)
        return -1;
    field->setText(*text);
    return 0;
}

/// With a text pointer: a new text object of the field's text. Otherwise the text read in the field's unit;
/// text that is no measurement, or a value outside the field's range, gives ok 0 and leaves `value`
/// alone: the call worked, the user's text is what is wrong, so the status stays 0.
int32_t GetFieldNumber(int32_t item, xt::TextObject* text, xt::Fixed* value, uint8_t* ok)
{
    ui::WindowItem* field = fieldItem(item);
    setFlag(ok, false);
    if (!field)
        return -1;
    if (text) {
        *text = context().texts().make(field->text());
        setFlag(ok, *text != nullptr);
        return *text ? 0 : -1;
    }
    const auto read = ui::parseMeasurement(field->text(), unitOf(*field));
    if (!read || !admits(*field, *read))
        return 0;
    if (value)
        *value = *read;
    setFlag(ok, true);
    return 0;
}

int32_t ParseMeasurement(xt::TextObject text, xt::Fixed* value, int32_t unit, int32_t, int32_t, uint8_t* ok)
{
    setFlag(ok, false);
    const std::string* chars = context().texts().find(text);
    const auto read = chars ? ui::parseMeasurement(*chars, unit) : std::nullopt;
    if (!read)
        return -1;
    if (value)
        *value = *read;
    setFlag(ok, true);
    return 0;
}

int32_t MeasureOp839(char*, const char* text)
{
    return text ? 0 : -1;
}

int32_t FieldOp1577(int32_t item, int32_t start, int32_t end)
{
    ui::WindowItem* field = fieldItem(item);
    if (!field || start < 0 || end < start)
        return -1;
    field->setSetupValue("selection start", start);
    field->setSetupValue("selection end", end);
    return 0;
}

} // namespace

void registerFieldOps(OperationRegistry& registry)
{
    registry.add<xt::op::SetFieldNumber, &SetFieldNumber>();
    registry.add<xt::op::SetFieldText, &SetFieldText>();
    registry.add<xt::op::GetFieldNumber, &GetFieldNumber>();
    registry.add<xt::op::ParseMeasurement, &ParseMeasurement>();
    registry.add<xt::op::FieldOp1577, &FieldOp1577>();
    registry.add<xt::op::MeasureOp839, &MeasureOp839>();
}

} // namespace host::api
