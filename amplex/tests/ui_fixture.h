// A host with Amplex's probe loaded and one document open: opens Amplex's pages as windows of their
// own, acts on their items as a user does, and runs the Scale dialog with a scripted user.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/ui/dialog_runner.h"
#include "host/ui/item_actions.h"
#include "host/ui/window_events.h"
#include "xtapi/window_callback.h"

namespace amplex::testing {

inline constexpr xt::Fixed points(double value)
{
    return static_cast<xt::Fixed>(value * xt::kFixedOne);
}

class AmplexUiTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        newDocument(1);
        // A 504 x 288 pt selection at the page's corner, and the settings as a fresh start has them.
        state().setSelectionBounds({0, 0, points(288), points(504)});
        state().setNoSelection(false);
        state().setCurrentIsTextBox(false);
        state().setSelectedTab(0);
        settings().Constrain = 0;
    }

    ui::DialogState& state() { return *m_ui->dialogState(); }

    /// Opens the page at `offset` on its own, as the host opens a tab page: which, created, init, opened.
    xt::WindowRef openPage(int32_t offset)
    {
        const xt::WindowRef ref = host::ui::newWindowRef();
        const auto problem = host::ui::createWindow(ref, m_ui->windowId(offset), host::ui::WindowKind::TabPage, 0, nullptr);
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

    int32_t runDialog() { return m_ui->openScaleDialog(); }
    host::ui::DialogUser& user() { return m_host->windows().dialogUser(); }
    const host::ui::DialogRecord* lastDialog() { return m_host->windows().dialogLog().last(); }
};

} // namespace amplex::testing
