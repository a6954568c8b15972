// The page range of a "From page" scale.
#include "amplex/engine/document/scale_page_range.h"

namespace amplex {
namespace {

ScaledPages g_pages;

} // namespace

void setScaledPages(ScaledPages pages)
{
    g_pages = pages;
}

ScaledPages scaledPages()
{
    return g_pages;
}

} // namespace amplex
