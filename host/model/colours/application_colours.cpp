// The plug-ins' swatch lists, made and disposed by reference.
#include "host/model/colours/application_colours.h"

#include <algorithm>

namespace host::model {

SwatchList& ApplicationColours::newSwatchList()
{
    m_swatchLists.push_back(std::make_unique<SwatchList>(nextListRef()));
    return *m_swatchLists.back();
}

SwatchList* ApplicationColours::findSwatchList(int32_t ref)
{
    const auto found = std::find_if(m_swatchLists.begin(), m_swatchLists.end(), [ref](const auto& list) { return list->ref() == ref; });
    return found == m_swatchLists.end() ? nullptr : found->get();
}

bool ApplicationColours::disposeSwatchList(int32_t ref)
{
    return std::erase_if(m_swatchLists, [ref](const auto& list) { return list->ref() == ref; }) != 0;
}

} // namespace host::model
