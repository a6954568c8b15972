// Telling the user that a Mockum command could not change all of the text.
#include "mockum/engine/common/host_failures.h"

#include "foundation/text/text_helpers.h"

namespace mockum {

void reportFailures(const HostFailureWatch& watch)
{
    if (watch.failed())
        foundation::WarningBox("Mockum could not change all of the text: the application refused a step. "
                               "Undo puts the text back as it was.");
}

} // namespace mockum
