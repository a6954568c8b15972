// Draws one page of a layout as an SVG picture: the page, its margins, column and ruler guides, and its items.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace host::model {
class Layout;
class GuideKindColours;
}

namespace host::app {

/// The page at `pageIndex` (from 0) as SVG text, in points, with the page's top-left corner at 0,0.
/// Throws std::out_of_range for a page the layout does not have; callers check the number first.
/// Guides show in the host's default guide colour; items on hidden layers are left out.
std::string drawPageSvg(const model::Layout& layout, size_t pageIndex);
/// The same, with each guide in the colour registered for its kind.
std::string drawPageSvg(const model::Layout& layout, size_t pageIndex, const model::GuideKindColours& guideColours);

/// Writes `svg` to `file` through a temporary sibling, so that a failed write leaves any earlier file whole.
/// Returns why it failed, or nothing.
std::optional<std::string> writeSvgFile(const std::filesystem::path& file, const std::string& svg);

} // namespace host::app
