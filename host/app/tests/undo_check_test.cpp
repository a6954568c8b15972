// The undo check (layout-host --undo-report): after a command that made a step, Undo must give back the
// documents as they were when the step opened and Redo as the command left them; a creator whose Undo
// restores too little, or whose Redo does the change twice, is named with the place the documents differ.
#include "host/app/undo_check.h"

#include <gtest/gtest.h>

#include <memory>

#include <nlohmann/json.hpp>

#include "host/host.h"
#include "host/host_context.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace host::app {
namespace {

using namespace host::model::testdoc;

constexpr xt::XTensionId kCreator = 0x4F524242;
constexpr xt::FixedRect kBefore = rect(100, 100, 200, 300);
constexpr xt::FixedRect kAfter = rect(100, 100, 150, 200);

/// What the stand-in creator's Undo and Redo do to the box the step moved.
struct Creator {
    model::Item* box = nullptr;
    bool undoRestores = true;
    bool redoTwice = false;
} g_creator;

int32_t onUndo(void*)
{
    if (g_creator.undoRestores)
        g_creator.box->setRect(kBefore);
    return 0;
}

int32_t onRedo(void*)
{
    g_creator.box->setRect(kAfter);
    if (g_creator.redoTwice)
        g_creator.box->setRect(rect(100, 100, 125, 150));
    return 0;
}

constexpr char kUndoTexts[] = "Undo Stand-in\0Redo Stand-in";
const xt::Resource kResources[] = {{xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts}};
const xt::ModuleImage kImage = {xt::kModuleImageVersion, nullptr, kResources, 1};

class UndoCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostOptions options;
        options.systemDirectory = m_folder.path();
        m_host = std::make_unique<Host>(options);
        auto module = std::make_unique<loader::LoadedModule>();
        module->file = "Stand-in.xnt";
        module->id = kCreator;
        module->image = &kImage;
        win32::registerModule(&kImage);
        loader::LoadedModule& added = context().plugins().add(std::move(module));
        context().plugins().addHandler(added, xt::UndoMessage, &onUndo);
        context().plugins().addHandler(added, xt::RedoMessage, &onRedo);
        g_creator = {&addBox(m_host->newDocument(), 0, kBefore)};
    }

    /// A command that moves the box inside a step of the stand-in creator.
    void moveInAStep()
    {
        model::UndoSteps& steps = m_host->documents().undoSteps();
        steps.open(kCreator);
        g_creator.box->setRect(kAfter);
        steps.close();
    }

    xt_testing::TemporaryFolder m_folder;
    std::unique_ptr<Host> m_host;
};

TEST_F(UndoCheckTest, AStepThatComesBackExactlyPasses)
{
    UndoCheck check(*m_host);
    moveInAStep();
    check.commandDone({7, EchoCommand{}}, false);

    ASSERT_EQ(check.checked().size(), 1u);
    const UndoCheck::Checked& step = check.checked().front();
    EXPECT_EQ(step.line, 7);
    EXPECT_EQ(step.step, "Undo Stand-in");
    EXPECT_EQ(step.undoDiffers, "");
    EXPECT_EQ(step.redoDiffers, "");
    EXPECT_EQ(g_creator.box->rect().bottom, kAfter.bottom) << "the session goes on from the redone document";
    EXPECT_EQ(m_host->undoText(), "Undo Stand-in");
}

TEST_F(UndoCheckTest, AnUndoThatRestoresTooLittleOrARedoThatDoesTooMuchIsNamed)
{
    struct Case {
        const char* what;
        bool undoRestores;
        bool redoTwice;
        bool undoDiffers;
        bool redoDiffers;
    };
    const Case cases[] = {
        {"undo leaves the box moved", false, false, true, false},
        {"redo moves it again", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_creator.box->setRect(kBefore);
        g_creator.undoRestores = c.undoRestores;
        g_creator.redoTwice = c.redoTwice;
        UndoCheck check(*m_host);
        moveInAStep();
        check.commandDone({3, EchoCommand{}}, false);

        ASSERT_EQ(check.checked().size(), 1u);
        const UndoCheck::Checked& step = check.checked().front();
        EXPECT_EQ(step.undoDiffers.starts_with("[0].layouts[0].items[0].rect"), c.undoDiffers) << step.undoDiffers;
        EXPECT_EQ(step.redoDiffers.starts_with("[0].layouts[0].items[0].rect"), c.redoDiffers) << step.redoDiffers;
        EXPECT_EQ(check.report()["steps"][0]["undo"] == "same", !c.undoDiffers);
    }
}

TEST_F(UndoCheckTest, ACommandThatMakesNoStepIsNotChecked)
{
    UndoCheck check(*m_host);
    g_creator.box->setRect(kAfter);
    check.commandDone({2, EchoCommand{}}, false);
    EXPECT_TRUE(check.checked().empty());
    EXPECT_EQ(m_host->undoText(), "");
}

} // namespace
} // namespace host::app
