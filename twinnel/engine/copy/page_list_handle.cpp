// Building the host's page list block.
#include "twinnel/engine/copy/page_list_handle.h"

#include <cstdint>
#include <cstring>

#include "foundation/binding/binding.h"

namespace twinnel {

PageListHandle::PageListHandle(const std::vector<int>& pages)
{
    if (pages.empty())
        return;
    m_handle = xt::calls::NewHandle(static_cast<int32_t>(pages.size() * sizeof(int16_t)));
    if (!m_handle)
        return;
    for (size_t i = 0; i < pages.size(); ++i) {
        const auto number = static_cast<int16_t>(pages[i]);
        std::memcpy(*m_handle + i * sizeof number, &number, sizeof number);
    }
}

PageListHandle::~PageListHandle()
{
    if (m_handle)
        xt::calls::DisposeHandle(m_handle);
}

} // namespace twinnel
