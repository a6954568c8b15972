// Style sheets: the table, its character and paragraph styles, and the tab block a paragraph
// style lends out with its record.
#include "host/model/style_sheets.h"

#include <algorithm>
#include <cstring>

#include "win32/standin.h"

namespace host::model {
namespace {

template <size_t N>
std::string nameOf(const char (&name)[N])
{
    return std::string(name, strnlen(name, N));
}

template <size_t N>
void setName(char (&field)[N], const std::string& name)
{
    std::memset(field, 0, N);
    std::memcpy(field, name.data(), std::min(name.size(), N - 1));
}

std::vector<uint8_t> bytesOf(xt::Handle handle)
{
    const int32_t size = win32::handleSize(handle);
    if (size <= 0)
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(*handle);
    return std::vector<uint8_t>(bytes, bytes + size);
}

xt::Handle tabsHandleOf(const xt::ParagraphStyleRecord& record)
{
    xt::Handle handle;
    std::memcpy(&handle, record.tabs, sizeof handle);
    return handle;
}

} // namespace

LentTabs::~LentTabs()
{
    if (m_handle)
        win32::disposeHandle(m_handle);
}

xt::Handle LentTabs::lend(const std::vector<uint8_t>& bytes)
{
    if (m_handle && bytesOf(m_handle) == bytes)
        return m_handle;
    adopt(nullptr);
    if (bytes.empty())
        return nullptr;
    m_handle = win32::newHandle(static_cast<int32_t>(bytes.size()));
    if (m_handle)
        std::memcpy(*m_handle, bytes.data(), bytes.size());
    return m_handle;
}

void LentTabs::adopt(xt::Handle handle)
{
    if (handle == m_handle)
        return;
    if (m_handle)
        win32::disposeHandle(m_handle);
    m_handle = handle;
}

std::string CharacterStyle::name() const
{
    return nameOf(m_record.name);
}

ParagraphStyle::ParagraphStyle(int32_t ref, const xt::ParagraphStyleRecord& record) : m_ref(ref), m_record(record)
{
    std::memset(m_record.tabs, 0, sizeof m_record.tabs);
}

std::string ParagraphStyle::name() const
{
    return nameOf(m_record.name);
}

xt::ParagraphStyleRecord ParagraphStyle::lend()
{
    xt::ParagraphStyleRecord out = m_record;
    const xt::Handle handle = m_lent->lend(m_tabs);
    std::memcpy(out.tabs, &handle, sizeof handle);
    return out;
}

bool ParagraphStyle::takeBack(const xt::ParagraphStyleRecord& record)
{
    const xt::Handle handle = tabsHandleOf(record);
    if (handle && !win32::isHandle(handle))
        return false;
    m_tabs = handle ? bytesOf(handle) : std::vector<uint8_t>{};
    m_lent->adopt(handle);
    m_record = record;
    std::memset(m_record.tabs, 0, sizeof m_record.tabs);
    return true;
}

size_t StyleSheets::count(int32_t kind) const
{
    if (kind == xt::kCharacterStyle)
        return m_characters.size();
    if (kind == xt::kParagraphStyle)
        return m_paragraphs.size();
    if (kind == xt::kStyleKind5)
        return m_kind5.size();
    return 0;
}

int32_t StyleSheets::styleAt(int32_t kind, size_t index) const
{
    if (index >= count(kind))
        return 0;
    if (kind == xt::kStyleKind5)
        return m_kind5[index].ref();
    return kind == xt::kCharacterStyle ? m_characters[index].ref() : m_paragraphs[index].ref();
}

CharacterStyle& StyleSheets::addCharacterStyle(const xt::CharacterStyleRecord& record)
{
    return m_characters.emplace_back(m_references->next(), record);
}

ParagraphStyle& StyleSheets::addParagraphStyle(const xt::ParagraphStyleRecord& record, std::vector<uint8_t> tabs)
{
    ParagraphStyle& style = m_paragraphs.emplace_back(m_references->next(), record);
    style.setTabs(std::move(tabs));
    return style;
}

Kind5Style& StyleSheets::addKind5Style(std::string name)
{
    if (name.size() > xt::kStyleKind5NameMax)
        name.resize(xt::kStyleKind5NameMax);
    return m_kind5.emplace_back(m_references->next(), std::move(name));
}

bool StyleSheets::remove(int32_t ref)
{
    const auto kind5 = std::find_if(m_kind5.begin(), m_kind5.end(), [&](const auto& s) { return s.ref() == ref; });
    if (kind5 != m_kind5.end()) {
        m_kind5.erase(kind5);
        return true;
    }
    const auto character = std::find_if(m_characters.begin(), m_characters.end(), [&](const auto& s) { return s.ref() == ref; });
    if (character != m_characters.end()) {
        if (character == m_characters.begin())
            return false;
        m_characters.erase(character);
        return true;
    }
    const auto paragraph = std::find_if(m_paragraphs.begin(), m_paragraphs.end(), [&](const auto& s) { return s.ref() == ref; });
    if (paragraph == m_paragraphs.end() || paragraph == m_paragraphs.begin())
        return false;
    m_paragraphs.erase(paragraph);
    return true;
}

int32_t StyleSheets::copyFrom(StyleSheets& from, int32_t ref)
{
    const auto kind5 = std::find_if(from.m_kind5.begin(), from.m_kind5.end(), [&](const auto& s) { return s.ref() == ref; });
    if (kind5 != from.m_kind5.end()) {
        // A kind 5 sheet is its name: one of that name here is the same sheet already.
        for (const Kind5Style& mine : m_kind5) {
            if (mine.name() == kind5->name())
                return mine.ref();
        }
        return addKind5Style(kind5->name()).ref();
    }
    if (const CharacterStyle* source = from.findCharacter(ref)) {
        for (CharacterStyle& mine : m_characters) {
            if (mine.name() == source->name()) {
                mine.setRecord(source->record());
                return mine.ref();
            }
        }
        return addCharacterStyle(source->record()).ref();
    }
    const ParagraphStyle* source = from.findParagraph(ref);
    if (!source)
        return 0;
    for (ParagraphStyle& mine : m_paragraphs) {
        if (mine.name() == source->name()) {
            mine.setDefinition(*source);
            return mine.ref();
        }
    }
    return addParagraphStyle(source->record(), source->tabs()).ref();
}

CharacterStyle* StyleSheets::findCharacter(int32_t ref)
{
    auto found = std::find_if(m_characters.begin(), m_characters.end(), [&](const auto& s) { return s.ref() == ref; });
    return found == m_characters.end() ? nullptr : &*found;
}

ParagraphStyle* StyleSheets::findParagraph(int32_t ref)
{
    auto found = std::find_if(m_paragraphs.begin(), m_paragraphs.end(), [&](const auto& s) { return s.ref() == ref; });
    return found == m_paragraphs.end() ? nullptr : &*found;
}

xt::CharacterStyleRecord characterStyleNamed(const std::string& name)
{
    xt::CharacterStyleRecord record{};
    setName(record.name, name);
    return record;
}

xt::ParagraphStyleRecord paragraphStyleNamed(const std::string& name)
{
    xt::ParagraphStyleRecord record{};
    setName(record.name, name);
    return record;
}

} // namespace host::model
