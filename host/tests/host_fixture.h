// A host on a fresh system folder, and typed access to the host's operations through its own tables.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "host/host.h"
#include "host/host_context.h"
#include "testing/temporary_folder.h"
#include "xtapi/operations.h"

namespace host_tests {

/// The host's entry for an operation, taken from the table a plug-in would acquire.
template <class Op>
auto hostOp()
{
    return reinterpret_cast<typename Op::Signature*>(host::context().tables().entryOf(Op::number));
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override { m_host = std::make_unique<host::Host>(options()); }

    virtual host::HostOptions options() const
    {
        host::HostOptions options;
        options.systemDirectory = m_folder.path();
        return options;
    }

    host::Host& host() { return *m_host; }
    std::filesystem::path sys(const std::string& relative) const { return m_folder.path() / relative; }

    xt_testing::TemporaryFolder m_folder;
    std::unique_ptr<host::Host> m_host;
};

} // namespace host_tests
