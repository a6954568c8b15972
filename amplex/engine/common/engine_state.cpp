// The scalers' shared run state.
#include "amplex/engine/common/engine_state.h"

#include <algorithm>

namespace amplex {

EngineState& engineState()
{
    static EngineState state;
    return state;
}

void EngineState::lowerOriginTo(FixedPoint corner)
{
    m_origin.v = std::min(m_origin.v, corner.v);
    m_origin.h = std::min(m_origin.h, corner.h);
}

void EngineState::setLineEnds(FixedPoint first, FixedPoint second)
{
    m_lineEnds[0] = first;
    m_lineEnds[1] = second;
}

void EngineState::endScale(bool undoReplayActive)
{
    if (!undoReplayActive)
        m_scaleActive = false;
}

void EngineState::setScaledItemPlace(int16_t spread, int16_t pageNumber)
{
    m_scaledSpread = spread;
    m_scaledPageNumber = pageNumber;
}

} // namespace amplex
