// Palette preference records kept by name, and the host menu that lists palettes (palette windows: dialog_ops.cpp).
#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <string>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// The part of a palette record that belongs to the plug-in; the host keeps the name after it.
constexpr int32_t kPaletteRecordSize = 10;
constexpr int32_t kPaletteNameSize = 32;
constexpr char kPaletteMenuTitle[] = "View";

std::filesystem::path savedRecordPath(const std::string& name)
{
    return Host::current()->systemDirectory() / (name + ".palette");
}

std::array<char, kPaletteRecordSize> savedRecord(const std::string& name)
{
    std::array<char, kPaletteRecordSize> bytes{};
    std::ifstream file(savedRecordPath(name), std::ios::binary);
    std::array<char, kPaletteRecordSize> read{};
    // A record of another size is not one of ours: the palette starts as new.
    if (file.read(read.data(), kPaletteRecordSize) && file.get() == std::ifstream::traits_type::eof())
        bytes = read;
    return bytes;
}

bool isPaletteRecord(xt::Handle record)
{
    return win32::isHandle(record) && win32::handleSize(record) == kPaletteRecordSize + kPaletteNameSize;
}

/// The record the host keeps for the palette named `name`, as it was handed back last time.
int32_t getPaletteRecord(int32_t, int32_t, int32_t, int32_t, xt::TextObject name, xt::Handle* record)
{
    if (!name || !record || name->chars.empty() || name->chars.size() >= kPaletteNameSize)
        return -1;
    const xt::Handle handle = win32::newHandle(kPaletteRecordSize + kPaletteNameSize);
    if (!handle)
        return win32::memoryError();
    const auto bytes = savedRecord(name->chars);
    std::memcpy(*handle, bytes.data(), kPaletteRecordSize);
    std::memcpy(*handle + kPaletteRecordSize, name->chars.c_str(), name->chars.size());
    *record = handle;
    return 0;
}

/// Takes a palette record back and keeps it for the next session.
void keepPaletteRecord(xt::Handle record)
{
    if (!isPaletteRecord(record))
        return;
    const std::string name(*record + kPaletteRecordSize, strnlen(*record + kPaletteRecordSize, kPaletteNameSize));
    std::ofstream file(savedRecordPath(name), std::ios::binary | std::ios::trunc);
    file.write(*record, kPaletteRecordSize);
    win32::disposeHandle(record);
}

/// The host's menu that lists its palettes. The value a plug-in passes names it; the host has one.
int32_t paletteMenu(int32_t)
{
    ui::MenuBar& menus = context().menus();
    const auto bar = menus.barMenus();
    const auto found = std::find_if(bar.begin(), bar.end(), [](const ui::Menu* menu) { return menu->title() == kPaletteMenuTitle; });
    if (found != bar.end())
        return (*found)->id();
    // The host's own menus stand before the plug-ins' menus.
    const int32_t before = bar.empty() ? -1 : bar.front()->id();
    const int32_t id = menus.newMenu(kPaletteMenuTitle);
    menus.insertMenu(id, before);
    return id;
}

} // namespace

void registerPaletteOps(OperationRegistry& registry)
{
    registry.add<xt::op::XpbOp5062, &getPaletteRecord>();
    registry.add<xt::op::XpbOp877, &keepPaletteRecord>();
    registry.add<xt::op::XmoOp2657, &paletteMenu>();
}

} // namespace host::api
