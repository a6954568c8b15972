// Runs the script commands for a guide event and for the printer.
#include "host/app/script_runner.h"

#include "host/host.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "win32/standin.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/page_records.h"

namespace host::app {
namespace {

/// The guide list a plug-in would get from GuideOp2627, through the host's own entry for it.
xt::Handle guideList(const model::Layout& layout, int32_t page, bool spread)
{
    using Op = xt::op::GuideOp2627;
    auto* list = reinterpret_cast<Op::Signature*>(context().tables().entryOf(Op::number));
    xt::Handle handle = win32::newHandle(0);
    if (!list || !handle)
        return handle;
    if (list(layout.ref(), page, static_cast<uint8_t>(spread ? xt::kGuideSpreadSet : xt::kGuidePageSet), &handle) != 0) {
        win32::disposeHandle(handle);
        return nullptr;
    }
    return handle;
}

std::string jobText(const ui::PrintJob& job)
{
    return "\"" + job.name + "\", " + std::to_string(job.pages) + (job.pages == 1 ? " page, " : " pages, ")
        + std::to_string(job.items) + (job.items == 1 ? " item" : " items");
}

} // namespace

ScriptRunner::Failure ScriptRunner::execute(const GuideEventCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("guide event: no document is open");
    const int32_t page = model::numberOf(model::currentSlot(*layout));
    xt::Handle list = guideList(*layout, page, command.spread);
    if (!list)
        return std::string("guide event: the host could not list the guides");
    const auto header = xt::readAt<xt::GuideListHeader>(*list);
    const int32_t count = command.horizontal ? header.horizontalCount : header.verticalCount;
    const char* kind = command.horizontal ? "horizontal" : "vertical";
    const char* owner = command.spread ? "its spread" : "the page";
    if (command.index >= count) {
        win32::disposeHandle(list);
        return "guide event: " + std::string(owner) + " has " + std::to_string(count) + " " + kind + " guide"
            + (count == 1 ? "" : "s") + "; there is no guide " + std::to_string(command.index);
    }
    m_out << "[guide] event on " << kind << " guide " << command.index << " of " << (command.spread ? "the spread of " : "")
          << "page " << page << "\n";
    xt::GuideEventBlock block{};
    block.index = command.horizontal ? header.verticalCount + command.index : command.index;
    block.list = list;
    m_host.sendMessage(xt::GuideEventMessage, &block);
    // The list stays the host's whatever the plug-in wrote into the block.
    win32::disposeHandle(list);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const PrintCommand& command)
{
    ui::Printer& printer = m_host.context().printer();
    if (command.cancel) {
        const auto job = printer.finish();
        if (!job)
            return std::string("print cancel: no print job is waiting");
        m_out << "[print] cancelled " << jobText(*job) << "\n";
        return std::nullopt;
    }
    if (!printer.busy()) {
        // File > Print of the current layout: the job goes through the same host operation a plug-in calls.
        const model::Layout* layout = m_host.currentDocument();
        if (!layout)
            return std::string("print: no document is open and no print job is waiting");
        using Op = xt::op::XpsOp3409;
        auto* start = reinterpret_cast<Op::Signature*>(context().tables().entryOf(Op::number));
        if (!start || start(layout->ref()) != 0)
            return std::string("print: the printer refused the job");
    }
    const auto job = printer.finish();
    m_out << "[print] printed " << jobText(*job) << "\n";
    m_host.sendMessage(xt::RulesPrintedMessage);
    return std::nullopt;
}

} // namespace host::app
