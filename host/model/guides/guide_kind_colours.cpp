// Guide kind colours.
#include "host/model/guides/guide_kind_colours.h"

namespace host::model {

GuideRgb GuideKindColours::colourOf(xt::FourLetterCode kind) const
{
    const auto found = m_colours.find(kind);
    return found == m_colours.end() ? kDefaultGuideColour : found->second;
}

} // namespace host::model
