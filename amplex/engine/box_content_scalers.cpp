// Text and picture boxes: the engine routes them here already; until their scalers are written
// such a box is left as it is.
#include "amplex/engine/box_content_scalers.h"

namespace amplex {

void ScaleTextBox(int32_t)
{
}

void ScalePictureBox(int32_t)
{
}

} // namespace amplex
