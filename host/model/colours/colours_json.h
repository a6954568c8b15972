// A layout's colours in document files, and the colour references of its items and text: a colour is
// named by its name ("Black", "Sky"), or "None" for no colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/colours/colour_table.h"

namespace host::model {

class Layout;

/// The key of a layout object that lists its colours. The host's fixed colours (White, Black, Cyan,
/// Magenta, Yellow, Registration) are in every layout and never listed.
inline constexpr const char* kColoursKey = "colours";

/// Adds "colours" to a layout's object: every colour but the fixed ones, by number; nothing when the
/// layout has the host's default colours as they came.
void writeLayoutColours(const Layout& layout, nlohmann::ordered_json& object);
/// A colour number as a document writes it: the colour's name, "None" for no colour, or the number
/// itself when no colour of the table has it.
nlohmann::ordered_json colourReference(const ColourTable& table, int16_t colour);

/// A layout's colours as read, before they reach the model.
struct LayoutColoursData {
    /// False for a document from before layouts kept colours: it has the host's defaults.
    bool listed = false;
    std::vector<Colour> colours;
};

/// Checks the layout object's "colours" (may be absent) into `data`; says where the first problem
/// sits and what it is.
std::optional<std::pair<std::string, std::string>> readLayoutColours(const nlohmann::ordered_json& layout,
    const std::string& where, LayoutColoursData& data);

/// Gives the colours read to a layout.
void applyLayoutColours(const LayoutColoursData& data, Layout& layout);

/// Turns the colour references of a layout's items and text into colour numbers.
class ColourNames {
public:
    explicit ColourNames(const LayoutColoursData& colours);

    /// The number a reference names; empty, with what is wrong in `problem`, for a bad reference.
    /// A number stands for itself, except that in a document from before layouts kept colours a 0
    /// (what that host wrote for every colour) is Black.
    std::optional<int16_t> resolve(const nlohmann::ordered_json& value, std::string& problem) const;

private:
    ColourChanges m_unused;
    ColourTable m_table;
    bool m_listed;
};

} // namespace host::model
