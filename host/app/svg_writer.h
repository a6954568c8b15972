// A small SVG writer: elements with attributes and text, every value escaped on the way out.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host::app {

/// One attribute: a name the program chooses and a value that may hold anything (it is escaped).
using SvgAttribute = std::pair<std::string_view, std::string>;
using SvgAttributes = std::vector<SvgAttribute>;

class SvgWriter {
public:
    /// Starts the document with the root <svg> element of the given size in points.
    SvgWriter(double width, double height);

    /// An element with no content: <rect x="1"/>.
    void element(std::string_view name, const SvgAttributes& attributes);
    /// An element holding text: <text x="1">a &amp; b</text>.
    void textElement(std::string_view name, const SvgAttributes& attributes, std::string_view text);
    /// An element holding text in spans, all on one line so that no white space falls between them:
    /// <text x="1"><tspan fill="red">a</tspan><tspan fill="blue">b</tspan></text>.
    void spansElement(std::string_view name, const SvgAttributes& attributes,
        const std::vector<std::pair<SvgAttributes, std::string>>& spans);
    /// Opens an element that holds others; closeElement ends the latest one still open.
    void openElement(std::string_view name, const SvgAttributes& attributes);
    void closeElement();
    void comment(std::string_view text);

    /// Closes whatever is open and hands out the document.
    std::string finish();

private:
    void startTag(std::string_view name, const SvgAttributes& attributes);
    void indent();

    std::string m_out;
    std::vector<std::string> m_open;
};

/// A length in points as SVG wants it: at most three decimals, no trailing zeros, no "-0".
std::string svgNumber(double value);
/// Text made safe for XML: markup characters as entities, characters XML forbids (controls, broken
/// UTF-8) as U+FFFD.
std::string escapeXml(std::string_view text);
/// UTF-16 text as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

} // namespace host::app
