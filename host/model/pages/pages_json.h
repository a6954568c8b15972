// A layout's layers, sections, page names, ruler origin and stored switches in document files:
// written beside its pages, read back checked in full before any of it reaches the model.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/document_model.h"

namespace host::model {

/// The keys of a layout object that readLayoutPages reads; each may be absent (the host's defaults).
inline constexpr const char* kLayersKey = "layers";
inline constexpr const char* kCurrentLayerKey = "currentLayer";
inline constexpr const char* kSectionsKey = "sections";
inline constexpr const char* kRulerOriginKey = "rulerOrigin";
inline constexpr const char* kSettingsKey = "settings";
/// A page object's optional name, written where sections name the pages; read back, it must agree.
inline constexpr const char* kPageNameKey = "name";
/// A page object's master spread (from 1), written when it is not the first.
inline constexpr const char* kPageMasterKey = "master";

void writeLayoutPages(const Layout& layout, nlohmann::ordered_json& object);

struct SectionData {
    size_t page = 0; // index of the page that starts it
    SectionStart start;
};

struct LayoutPagesData {
    std::vector<Layer> layers; // front to back; empty: only the default layer
    int32_t currentLayer = kDefaultLayer;
    std::vector<SectionData> sections;
    DocumentSettings settings;
    std::vector<size_t> pageMasters; // per page, the master spread from 0
};

/// Checks the layout object's keys into `data`, and the optional names and masters of its pages (names
/// against the sections, masters against the `masterSpreads` the layout has). Says where the first
/// problem sits and what it is.
std::optional<std::pair<std::string, std::string>> readLayoutPages(const nlohmann::ordered_json& layout,
    const std::string& where, size_t masterSpreads, LayoutPagesData& data);

/// True when the layer is one the document has (the default layer always is).
bool hasLayer(const LayoutPagesData& data, int32_t layer);

/// Adds a layer "Layer N" for a number above 0 that the document does not have yet, in front of the
/// default layer, for files written before layouts kept their layers.
void addLayerNamedByNumber(LayoutPagesData& data, int32_t layer);

/// Puts what was read into a layout whose pages and items are already there.
void applyLayoutPages(const LayoutPagesData& data, Layout& layout);

} // namespace host::model
