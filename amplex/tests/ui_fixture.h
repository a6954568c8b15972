// A host with the Amplex UI probe loaded and one document open: opens Amplex's pages as windows of their
// own, acts on their items as a user does, and runs the Scale dialog with a scripted user.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "amplex/tests/probe_host.h"
#include "amplex/tests/ui_probe/ui_probe_api.h"
#include "host/model/items/test_document.h"
#include "host/ui/dialog_runner.h"
#include "host/ui/item_actions.h"
#include "host/ui/window_events.h"
#include "xtapi/window_callback.h"

namespace amplex::testing {

inline constexpr xt::Fixed points(double value)
{
    return static_cast<xt::Fixed>(value * xt::kFixedOne);
}

class AmplexUiTest : public ProbeHostTest {
protected:
    AmplexUiTest() : ProbeHostTest(AMPLEX_UI_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startHost());
        ASSERT_NO_FATAL_FAILURE(resolveTable(uiprobe::kUiProbeSymbol, m_api));
        m_layout = &m_host->newDocument({});
        // A 504 x 288 pt selection at the page's corner, and the settings as a fresh start has them.
        state().setSelectionBounds({0, 0, points(288), points(504)});
        state().setNoSelection(false);
        state().setCurrentIsTextBox(false);
        state().setSelectedTab(0);
        settings().Constrain = 0;
    }

    ScaleSettings& settings() { return *m_api->currentSettings(); }
    ui::DialogState& state() { return *m_api->dialogState(); }

    /// Opens the page at `offset` on its own, as the host opens a tab page: which, created, init, opened.
    xt::WindowRef openPage(int32_t offset)
    {
        const xt::WindowRef ref = host::ui::newWindowRef();
        const auto problem = host::ui::createWindow(ref, m_api->windowId(offset), host::ui::WindowKind::TabPage, 0, nullptr);
        EXPECT_FALSE(problem) << *problem;
        return ref;
    }

    const host::ui::WindowItem& item(xt::WindowRef window, int32_t number)
    {
        const host::ui::Window* found = host::ui::windowManager().find(window);
        EXPECT_NE(found, nullptr);
        const host::ui::WindowItem* shown = found ? found->item(number) : nullptr;
        EXPECT_NE(shown, nullptr) << "no item " << number;
        static const host::ui::WindowItem missing(host::ui::ItemKind::StaticText);
        return shown ? *shown : missing;
    }

    void act(xt::WindowRef window, const host::ui::DialogAction& action)
    {
        const auto result = host::ui::performItemAction(window, action);
        EXPECT_FALSE(result.problem) << *result.problem;
    }

    void send(xt::WindowRef window, int32_t event) { host::ui::sendEvent(window, event); }

    int32_t runDialog() { return m_api->openScaleDialog(); }
    host::ui::DialogUser& user() { return m_host->windows().dialogUser(); }
    const host::ui::DialogRecord* lastDialog() { return m_host->windows().dialogLog().last(); }

    const uiprobe::UiProbeApi* m_api = nullptr;
};

} // namespace amplex::testing
