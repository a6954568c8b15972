// Greeking every item of the document, or the text boxes of a page range.
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "mockum/engine/greek/greek_scopes.h"

namespace mockum {

void GreekEntireItems(const GreekSettings&)
{
    foundation::WarningBox("Mockum cannot walk the document's items in this version: nothing was greeked.");
}

void GreekPageRange(const GreekSettings&)
{
    foundation::WarningBox("Mockum cannot walk the document's pages in this version: nothing was greeked.");
}

} // namespace mockum
