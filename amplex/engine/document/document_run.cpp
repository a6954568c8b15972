// The run state that the scale commands hand the document engines.
#include "amplex/engine/document/document_run.h"

namespace amplex {

DocumentRun& documentRun()
{
    static DocumentRun run;
    return run;
}

} // namespace amplex
