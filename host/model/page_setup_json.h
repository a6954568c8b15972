// A layout's page set-up, master pages, guides and style sheets in document files: written beside
// its pages, read back checked in full before any of it reaches the model.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/document_model.h"

namespace host::model {

/// The keys of a layout object that readPageSetup reads; each may be absent (the host's defaults).
inline constexpr const char* kPageSetupKey = "pageSetup";
inline constexpr const char* kMastersKey = "masters";
inline constexpr const char* kGuidesKey = "guides";
inline constexpr const char* kStyleSheetsKey = "styleSheets";

void writePageSetup(const Layout& layout, nlohmann::ordered_json& object);

struct MasterData {
    PageMargins margins;
    ColumnGuides columns;
};

struct GuideData {
    uint8_t set = 0;
    bool master = false;
    size_t page = 0; // index in its list, from 0
    GuideKind kind = GuideKind::Vertical;
    xt::GuideEntry entry{};
};

struct StyleData {
    int32_t kind = xt::kCharacterStyle;
    std::vector<uint8_t> record;
    std::vector<uint8_t> tabs;
    std::string name; ///< kind 5, which is its name
};

struct PageSetupData {
    PageSetup setup;
    std::vector<MasterData> masters;
    std::vector<GuideData> guides;
    std::vector<StyleData> styles;
};

/// Checks the layout object's set-up keys into `data`; says where the first problem sits and what it is.
std::optional<std::pair<std::string, std::string>> readPageSetup(const nlohmann::ordered_json& layout,
    const std::string& where, size_t pageCount, PageSetupData& data);

/// Puts what was read into a layout whose pages are already there.
void applyPageSetup(const PageSetupData& data, Layout& layout);

} // namespace host::model
