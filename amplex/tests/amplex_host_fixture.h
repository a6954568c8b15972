// A host with a system folder of its own and Amplex's probe loaded (Amplex with its calls exported), for
// the tests that go through the host: each table of the probe is at hand, and the live settings.
#pragma once

#include <string_view>

#include "amplex/tests/probe/commands_probe_api.h"
#include "amplex/tests/probe/docscale_probe_api.h"
#include "amplex/tests/probe/engine_probe_api.h"
#include "amplex/tests/probe/fit_probe_api.h"
#include "amplex/tests/probe/probe_api.h"
#include "amplex/tests/probe/text_probe_api.h"
#include "amplex/tests/probe/ui_probe_api.h"
#include "testing/probe_host.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"

namespace amplex::testing {

namespace fs = std::filesystem;

using host::model::testdoc::describe;
using host::model::testdoc::point;
using host::model::testdoc::pt;
using host::model::testdoc::rect;
using host::model::testdoc::sameRect;
using xt_testing::readFile;

inline void writeBytes(const fs::path& path, const void* bytes, size_t size)
{
    xt_testing::writeFile(path, std::string_view(static_cast<const char*>(bytes), size));
}

/// Windows paths "C:\WINDOWS\system32\x" name files in the host's system folder (`realPath`). A fixture
/// for a part of Amplex adds the document and the switches its tests start from.
class AmplexHostTest : public xt_testing::ProbeHostTest {
protected:
    AmplexHostTest() : ProbeHostTest(XT_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startHost());
    }

    /// Starts a new host on the same system folder; `beforeLoad` may prepare it (faults, say).
    void startHost(int16_t languageCode = 0, const std::function<void(host::Host&)>& beforeLoad = {})
    {
        ASSERT_NO_FATAL_FAILURE(ProbeHostTest::startHost(languageCode, beforeLoad));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kProbeSymbol, m_probe));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kTextProbeSymbol, m_text));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kEngineProbeSymbol, m_engine));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kFitProbeSymbol, m_fit));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kCommandsProbeSymbol, m_commands));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kDocScaleProbeSymbol, m_docscale));
        ASSERT_NO_FATAL_FAILURE(resolveTable(uiprobe::kUiProbeSymbol, m_ui));
    }

    /// The live settings, as the module holds them.
    ScaleSettings& settings() { return *m_probe->currentSettings(); }
    void setFactors(double horizontal, double vertical)
    {
        settings().HorizontalFactor = pt(horizontal);
        settings().VerticalFactor = pt(vertical);
    }

    const probe::ProbeApi* m_probe = nullptr;
    const probe::TextProbeApi* m_text = nullptr;
    const probe::EngineProbeApi* m_engine = nullptr;
    const probe::FitProbeApi* m_fit = nullptr;
    const probe::CommandsProbeApi* m_commands = nullptr;
    const probe::DocScaleProbeApi* m_docscale = nullptr;
    const uiprobe::UiProbeApi* m_ui = nullptr;
};

} // namespace amplex::testing
