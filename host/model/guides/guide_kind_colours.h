// The display colour of each guide kind: plug-ins register their kinds ('GRD1', 'PTM1'...) with a
// colour; guides of kind 0 or of a kind nobody registered show in the host's default guide colour.
#pragma once

#include <cstdint>
#include <map>

#include "xtapi/types.h"

namespace host::model {

/// Three 16-bit components, as SetGuideKindColor and XpgOp1072 pass them.
struct GuideRgb {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    bool operator==(const GuideRgb&) const = default;
};

/// The host's own guide colour: a light blue.
inline constexpr GuideRgb kDefaultGuideColour{0x3333, 0x9999, 0xFFFF};

class GuideKindColours {
public:
    /// The last colour registered for the kind wins.
    void set(xt::FourLetterCode kind, GuideRgb colour) { m_colours[kind] = colour; }
    GuideRgb colourOf(xt::FourLetterCode kind) const;
    const std::map<xt::FourLetterCode, GuideRgb>& registered() const { return m_colours; }

private:
    std::map<xt::FourLetterCode, GuideRgb> m_colours;
};

} // namespace host::model
