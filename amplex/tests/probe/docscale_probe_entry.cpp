// The document engine's entry for the probe, in a file without the settings record, whose `ScaleWhat`
// value of the same name would hide it.
#include "amplex/engine/document/document_scale.h"

namespace amplex::probe {

void runScaleDocument()
{
    ScaleDocument();
}

} // namespace amplex::probe
