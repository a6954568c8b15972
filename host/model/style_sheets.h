// A layout's style sheets: character and paragraph styles, each kept as the record the plug-ins
// read and write whole, a paragraph style with its tab stops.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/model/reference_allocator.h"
#include "xtapi/page_records.h"
#include "xtapi/types.h"

namespace host::model {

/// The block of tab entries a paragraph style lends out through its record. The style owns it:
/// it is disposed with the style, or when a record brings a different block back.
class LentTabs {
public:
    LentTabs() = default;
    LentTabs(const LentTabs&) = delete;
    LentTabs& operator=(const LentTabs&) = delete;
    ~LentTabs();

    /// The block holding `bytes` (the same one as last time while it still does), or null without tabs.
    xt::Handle lend(const std::vector<uint8_t>& bytes);
    /// Takes a block a record brought back: the style's own block, or a new one it now owns.
    void adopt(xt::Handle handle);

private:
    xt::Handle m_handle = nullptr;
};

class CharacterStyle {
public:
    CharacterStyle(int32_t ref, const xt::CharacterStyleRecord& record) : m_ref(ref), m_record(record) {}
    int32_t ref() const { return m_ref; }
    std::string name() const;
    const xt::CharacterStyleRecord& record() const { return m_record; }
    void setRecord(const xt::CharacterStyleRecord& record) { m_record = record; }

private:
    int32_t m_ref;
    xt::CharacterStyleRecord m_record;
};

class ParagraphStyle {
public:
    ParagraphStyle(int32_t ref, const xt::ParagraphStyleRecord& record);
    int32_t ref() const { return m_ref; }
    std::string name() const;
    /// The record with the tab bytes zeroed; the tab stops are `tabs()`.
    const xt::ParagraphStyleRecord& record() const { return m_record; }
    const std::vector<uint8_t>& tabs() const { return m_tabs; }
    void setTabs(std::vector<uint8_t> tabs) { m_tabs = std::move(tabs); }
    /// Takes another style's definition: its record and tab stops.
    void setDefinition(const ParagraphStyle& other)
    {
        m_record = other.m_record;
        m_tabs = other.m_tabs;
    }

    /// The record as StyleSheetOp5138 hands it out, with the style's block of tabs at 0xAA.
    xt::ParagraphStyleRecord lend();
    /// Takes a record back (StyleSheetOp5139); false, and nothing changed, when the block at 0xAA
    /// is neither null nor a live handle.
    bool takeBack(const xt::ParagraphStyleRecord& record);

private:
    int32_t m_ref;
    xt::ParagraphStyleRecord m_record;
    std::vector<uint8_t> m_tabs;
    std::unique_ptr<LentTabs> m_lent = std::make_unique<LentTabs>();
};

/// A style sheet of kind 5: a name under a reference.
class Kind5Style {
public:
    Kind5Style(int32_t ref, std::string name) : m_ref(ref), m_name(std::move(name)) {}
    int32_t ref() const { return m_ref; }
    const std::string& name() const { return m_name; }

private:
    int32_t m_ref;
    std::string m_name;
};

/// The table of one layout, found by its reference.
class StyleSheets {
public:
    explicit StyleSheets(ReferenceAllocator& references) : m_references(&references), m_ref(references.next()) {}

    int32_t tableRef() const { return m_ref; }
    /// Styles of kind xt::kCharacterStyle, xt::kParagraphStyle or xt::kStyleKind5; 0 for another kind.
    size_t count(int32_t kind) const;
    /// The reference of style `index` (from 0) of the kind, or 0.
    int32_t styleAt(int32_t kind, size_t index) const;

    CharacterStyle& addCharacterStyle(const xt::CharacterStyleRecord& record);
    ParagraphStyle& addParagraphStyle(const xt::ParagraphStyleRecord& record, std::vector<uint8_t> tabs = {});
    /// A kind 5 style named `name` (cut to xt::kStyleKind5NameMax characters).
    Kind5Style& addKind5Style(std::string name);
    /// Removes a style; false for an unknown one and for the first character or paragraph style, which
    /// the table keeps as its defaults.
    bool remove(int32_t ref);
    /// Copies style `ref` of `from` here: a style of its name and kind takes its definition, else it is
    /// added. The style's reference here, or 0 for a style `from` does not hold.
    int32_t copyFrom(StyleSheets& from, int32_t ref);
    CharacterStyle* findCharacter(int32_t ref);
    ParagraphStyle* findParagraph(int32_t ref);
    const std::vector<CharacterStyle>& characterStyles() const { return m_characters; }
    const std::vector<ParagraphStyle>& paragraphStyles() const { return m_paragraphs; }
    const std::vector<Kind5Style>& kind5Styles() const { return m_kind5; }

private:
    ReferenceAllocator* m_references;
    int32_t m_ref;
    std::vector<CharacterStyle> m_characters;
    std::vector<ParagraphStyle> m_paragraphs;
    std::vector<Kind5Style> m_kind5;
};

/// A record named `name` (cut to fit), everything else zero.
xt::CharacterStyleRecord characterStyleNamed(const std::string& name);
xt::ParagraphStyleRecord paragraphStyleNamed(const std::string& name);

} // namespace host::model
