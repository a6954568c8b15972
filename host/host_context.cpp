// The current host's parts, built when a host starts.
#include "host/host_context.h"

#include <cassert>

#include "host/api/operation_areas.h"

namespace host {

HostContext::HostContext(HostOptions options) : m_options(std::move(options))
{
    api::OperationRegistry registry;
    api::registerAllOperations(registry);
    m_tables = std::make_unique<api::InterfaceTables>(registry);
}

HostContext& context()
{
    Host* host = Host::current();
    assert(host && "a host operation was called while no host is alive");
    return host->context();
}

} // namespace host
