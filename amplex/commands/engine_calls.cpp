// Hands each command over to its engine. It leaves the settings record out: its `ScaleWhat` value
// ScaleDocument bears the name of the document engine.
#include "amplex/commands/engine_calls.h"

#include "amplex/engine/common/after_scale.h"
#include "amplex/engine/document/document_scale.h"
#include "amplex/engine/fitting/fit_box.h"
#include "amplex/engine/fitting/fit_picture.h"
#include "amplex/engine/fitting/fit_text.h"
#include "amplex/engine/selection/step_repeat.h"

namespace amplex {

void runSelectionScale() { StepAndRepeatScaled(); }

void runDocumentScale() { ScaleDocument(); }

void runTextFit(int32_t box, TextFit fit)
{
    if (fit == TextFit::TextToBox)
        FitTextToBox(box);
    else
        FitBoxToText(box);
}

void runPictureFit(int32_t box) { FitBoxToPicture(box); }

void adjustAfterScale() { AdjustDocumentAfterScale(); }

} // namespace amplex
