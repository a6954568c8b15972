// Hands out the 32-bit references of documents, pages, items and windows; a reference is never reused.
#pragma once

#include <cassert>
#include <cstdint>

namespace host::model {

class ReferenceAllocator {
public:
    int32_t next()
    {
        assert(m_next < INT32_MAX && "the host ran out of references");
        return m_next++;
    }

private:
    // References start well above small numbers so that a stray index is never mistaken for one.
    int32_t m_next = 0x10000;
};

} // namespace host::model
