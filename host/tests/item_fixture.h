// A host with a two-page document for the item tests, and typed access to component operations.
#pragma once

#include "host/tests/host_fixture.h"
#include "testing/test_document.h"
#include "xtapi/box_record.h"
#include "xtapi/components.h"

namespace host_tests {

/// The host's entry for a component operation, taken from the table a plug-in would acquire.
template <class Op>
auto componentOp()
{
    void* const* table = host::context().tables().componentTable(Op::component, Op::reference);
    return reinterpret_cast<typename Op::Signature*>(table[Op::slot]);
}

/// The record's bytes, for tests that check a field's place.
template <class T>
T fieldAt(const void* record, size_t offset)
{
    return xt::readAt<T>(record, offset);
}

class ItemTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        m_layout = &host().newDocument({.pageCount = 2});
    }

    host::model::Layout& layout() { return *m_layout; }
    host::model::ItemStore& items() { return m_layout->items(); }

    host::model::Layout* m_layout = nullptr;
};

} // namespace host_tests
