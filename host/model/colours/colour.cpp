// What a colour answers to the value codes the plug-ins read.
#include "host/model/colours/colour.h"

namespace host::model {

int32_t Colour::valueOf(int32_t code) const
{
    switch (code) {
    case xt::kColourIsSpot:
    case xt::kColourInSpotGroup:
        return isSpot() ? 1 : 0;
    case xt::kColourIsProcess:
        return isSpot() ? 0 : 1;
    case xt::kColourIsBuiltIn:
    case xt::kColourIsLocked:
        return isFixed() ? 1 : 0;
    case xt::kColourIsRegistration:
        return m_kind == ColourKind::Registration ? 1 : 0;
    case xt::kColourIsPaper:
        return m_kind == ColourKind::Paper ? 1 : 0;
    case xt::kColourIsConvertible:
        return isFixed() ? 0 : 1;
    default:
        return 0;
    }
}

} // namespace host::model
