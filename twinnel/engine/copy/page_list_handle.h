// The page list as the host's page copy takes it: a memory block of 16-bit page numbers from 1.
#pragma once

#include <vector>

#include "xtapi/types.h"

namespace twinnel {

class PageListHandle {
public:
    explicit PageListHandle(const std::vector<int>& pages);
    ~PageListHandle();
    PageListHandle(const PageListHandle&) = delete;
    PageListHandle& operator=(const PageListHandle&) = delete;

    /// Null when the host had no memory for it: then nothing is copied.
    xt::Handle handle() const { return m_handle; }

private:
    xt::Handle m_handle = nullptr;
};

} // namespace twinnel
