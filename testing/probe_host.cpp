// The shared set-up of the plug-in fixtures: a host with the probe module loaded on a fresh system folder.
#include "testing/probe_host.h"

#include <dlfcn.h>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "testing/test_document.h"

namespace xt_testing {

void ProbeHostTest::SetUp()
{
    m_folder.emplace(::testing::UnitTest::GetInstance()->current_test_info()->name());
}

void ProbeHostTest::TearDown()
{
    m_host.reset();
    m_folder.reset();
}

void ProbeHostTest::startHost(int16_t languageCode, const std::function<void(host::Host&)>& beforeLoad)
{
    m_layout = nullptr;
    m_host.reset();
    host::HostOptions options;
    options.systemDirectory = systemFolder();
    options.languageCode = languageCode;
    m_host = std::make_unique<host::Host>(options);
    if (beforeLoad)
        beforeLoad(*m_host);
    const auto results = m_host->loadModules({m_probeFile});
    ASSERT_EQ(results.size(), 1u);
    ASSERT_TRUE(results[0].loaded) << results[0].message;
}

void* ProbeHostTest::probeSymbol(const char* symbol) const
{
    void* library = dlopen(m_probeFile.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return nullptr;
    void* found = dlsym(library, symbol);
    dlclose(library);
    return found;
}

host::model::Layout& ProbeHostTest::newDocument(int32_t pages)
{
    m_layout = &m_host->newDocument({.pageCount = pages});
    return *m_layout;
}

void ProbeHostTest::startSessionWithDocument(int32_t pages)
{
    ASSERT_NO_FATAL_FAILURE(startHost());
    m_host->startSession();
    newDocument(pages);
}

host::model::Item& ProbeHostTest::item(int32_t ref)
{
    host::model::Item* found = items().find(ref);
    EXPECT_NE(found, nullptr) << "item " << ref;
    return *found;
}

xt::FixedRect ProbeHostTest::boundsOf(int32_t ref)
{
    const host::model::Item* found = items().find(ref);
    EXPECT_NE(found, nullptr) << "item " << ref;
    return found ? items().bounds(*found) : xt::FixedRect{};
}

void ProbeHostTest::select(const std::vector<int32_t>& refs)
{
    host::model::testdoc::select(layout(), refs);
}

std::vector<std::string> ProbeHostTest::messageTexts() const
{
    std::vector<std::string> texts;
    for (const auto& box : m_host->messageBoxes())
        texts.push_back(box.text);
    return texts;
}

host::ui::DialogUser& ProbeHostTest::user()
{
    return m_host->windows().dialogUser();
}

const std::vector<host::ui::DialogRecord>& ProbeHostTest::dialogs() const
{
    return m_host->windows().dialogLog().entries();
}

std::string ProbeHostTest::saved(size_t index) const
{
    return host::model::documentToJson(m_host->documents().project(index)).dump(1);
}

} // namespace xt_testing
