// Writes SVG text: tags, escaped attribute values and text, and numbers in a short fixed form.
#include "host/app/svg_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace host::app {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 when it is broken.
size_t utf8SequenceLength(std::string_view text)
{
    const auto lead = static_cast<uint8_t>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
        : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size())
        return 0;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < kSmallest[length] || surrogate || code > 0x10FFFF || code == 0xFFFE || code == 0xFFFF ? 0 : length;
}

/// XML 1.0 takes tab, line feed and carriage return of the control characters, and no other.
bool isForbiddenControl(char c)
{
    const auto byte = static_cast<uint8_t>(c);
    return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F;
}

std::string_view entityFor(char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&apos;";
    default: return {};
    }
}

} // namespace

SvgWriter::SvgWriter(double width, double height)
{
    m_out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string w = svgNumber(width);
    const std::string h = svgNumber(height);
    openElement("svg", {{"xmlns", "http://www.w3.org/2000/svg"}, {"width", w + "pt"}, {"height", h + "pt"},
                           {"viewBox", "0 0 " + w + " " + h}});
}

void SvgWriter::indent()
{
    m_out.append(m_open.size() * 2, ' ');
}

void SvgWriter::startTag(std::string_view name, const SvgAttributes& attributes)
{
    indent();
    m_out += '<';
    m_out += name;
    for (const auto& [key, value] : attributes) {
        m_out += ' ';
        m_out += key;
        m_out += "=\"";
        m_out += escapeXml(value);
        m_out += '"';
    }
}

void SvgWriter::element(std::string_view name, const SvgAttributes& attributes)
{
    startTag(name, attributes);
    m_out += "/>\n";
}

void SvgWriter::textElement(std::string_view name, const SvgAttributes& attributes, std::string_view text)
{
    startTag(name, attributes);
    m_out += '>';
    m_out += escapeXml(text);
    m_out += "</";
    m_out += name;
    m_out += ">\n";
}

void SvgWriter::spansElement(std::string_view name, const SvgAttributes& attributes,
    const std::vector<std::pair<SvgAttributes, std::string>>& spans)
{
    startTag(name, attributes);
    m_out += '>';
    for (const auto& [spanAttributes, text] : spans) {
        m_out += "<tspan";
        for (const auto& [key, value] : spanAttributes)
            m_out += " " + std::string(key) + "=\"" + escapeXml(value) + "\"";
        m_out += '>';
        m_out += escapeXml(text);
        m_out += "</tspan>";
    }
    m_out += "</";
    m_out += name;
    m_out += ">\n";
}

void SvgWriter::openElement(std::string_view name, const SvgAttributes& attributes)
{
    startTag(name, attributes);
    m_out += ">\n";
    m_open.emplace_back(name);
}

void SvgWriter::closeElement()
{
    if (m_open.empty())
        return;
    const std::string name = std::move(m_open.back());
    m_open.pop_back();
    indent();
    m_out += "</" + name + ">\n";
}

void SvgWriter::comment(std::string_view text)
{
    // "--" may not appear inside a comment; the escaped text never holds "<" or ">" but may hold dashes.
    std::string safe = escapeXml(text);
    for (size_t at = safe.find("--"); at != std::string::npos; at = safe.find("--", at))
        safe.replace(at, 2, "- -");
    indent();
    m_out += "<!-- " + safe + " -->\n";
}

std::string SvgWriter::finish()
{
    while (!m_open.empty())
        closeElement();
    return std::move(m_out);
}

std::string svgNumber(double value)
{
    if (!std::isfinite(value))
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text(buffer);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string escapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t length = utf8SequenceLength(text);
        if (length == 0 || isForbiddenControl(text[0])) {
            out += kReplacement;
            text.remove_prefix(1);
            continue;
        }
        const std::string_view entity = entityFor(text[0]);
        if (!entity.empty())
            out += entity;
        else
            out += text.substr(0, length);
        text.remove_prefix(length);
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (high && lowNext) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            out += kReplacement;
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

} // namespace host::app
