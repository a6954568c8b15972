// The parts of the current host, for the operations and the loader (which are called without an object).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "host/api/error_frame.h"
#include "host/api/fault_injector.h"
#include "host/api/file_table.h"
#include "host/api/interface_tables.h"
#include "host/api/items/shape_table.h"
#include "host/api/text_objects.h"
#include "host/host.h"
#include "host/loader/plugin_registry.h"
#include "host/model/document_model.h"
#include "host/model/aside/set_aside.h"
#include "host/ui/menu_bar.h"
#include "host/ui/message_boxes.h"
#include "host/ui/printer.h"
#include "host/ui/tool_box.h"
#include "host/ui/window_model.h"

namespace host {

class HostContext {
public:
    explicit HostContext(HostOptions options);
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;

    const HostOptions& options() const { return m_options; }

    model::DocumentModel& documents() { return m_documents; }
    /// What undone commands set aside for their redo; emptied before the documents go.
    model::AsideStore& aside() { return m_aside; }

    ui::MenuBar& menus() { return m_menus; }
    ui::MessageBoxLog& messageBoxes() { return m_messageBoxes; }
    ui::ScriptedUser& user() { return m_user; }
    ui::WindowManager& windows() { return m_windows; }
    std::vector<int32_t>& cursorKinds() { return m_cursorKinds; }
    ui::ToolBox& tools() { return m_tools; }
    /// The host's record of the last mouse event (XaqOp141): the point in the layout window at byte 20.
    std::array<uint8_t, 32>& mouseEvent() { return m_mouseEvent; }
    /// The drawing state the plug-ins save and give back around a search (ToolboxOp2203, ToolboxOp2847).
    int32_t& drawingState() { return m_drawingState; }
    ui::Printer& printer() { return m_printer; }

    api::FaultInjector& faults() { return m_faults; }
    api::ErrorFrame& errors() { return m_errors; }
    api::TextObjects& texts() { return m_texts; }
    api::TextConverters& converters() { return m_converters; }
    api::FileTable& files() { return m_files; }
    /// The item outlines given out for hit-testing (ShapeOp2219) and not yet freed.
    api::ShapeTable& shapes() { return m_shapes; }
    /// The handles GetResource gave out, which ReleaseResource may free.
    std::set<xt::Handle>& resourceCopies() { return m_resourceCopies; }
    const api::InterfaceTables& tables() const { return *m_tables; }

    loader::PluginRegistry& plugins() { return m_plugins; }

    /// How deep the host is in the messages and window events it sends to plug-ins.
    int& dispatchDepth() { return m_dispatchDepth; }
    /// The colour change count the plug-ins were last told of (ChangeNoticeMessage).
    uint32_t& toldColourChanges() { return m_toldColourChanges; }

    /// Called after each message box, e.g. so a session can print it as it happens.
    std::function<void(const ui::MessageBoxRecord&)>& messageBoxObserver() { return m_messageBoxObserver; }

private:
    HostOptions m_options;
    model::DocumentModel m_documents;
    model::AsideStore m_aside;
    ui::MenuBar m_menus;
    ui::MessageBoxLog m_messageBoxes;
    ui::ScriptedUser m_user;
    ui::WindowManager m_windows;
    std::vector<int32_t> m_cursorKinds;
    ui::ToolBox m_tools;
    std::array<uint8_t, 32> m_mouseEvent{};
    int32_t m_drawingState = 0;
    ui::Printer m_printer;
    api::FaultInjector m_faults;
    api::ErrorFrame m_errors;
    api::TextObjects m_texts;
    api::TextConverters m_converters;
    api::FileTable m_files;
    api::ShapeTable m_shapes;
    std::set<xt::Handle> m_resourceCopies;
    std::unique_ptr<api::InterfaceTables> m_tables;
    loader::PluginRegistry m_plugins;
    int m_dispatchDepth = 0;
    uint32_t m_toldColourChanges = 0;
    std::function<void(const ui::MessageBoxRecord&)> m_messageBoxObserver;
};

/// The current host's parts; there must be a current host.
HostContext& context();

} // namespace host
