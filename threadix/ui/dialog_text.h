// Texts into and out of dialog items through host text objects.
#pragma once

#include <cstdint>
#include <string>

namespace threadix {

void setStaticText(int32_t item, const std::string& text);
void setFieldText(int32_t item, const std::string& text);
/// The field's text, cut to `limit` characters; empty when the host cannot give it.
std::string fieldText(int32_t item, size_t limit);
/// Whether a radio button or check box is on.
bool isOn(int32_t item);

} // namespace threadix
