// The compositions of a layout's chains, kept between the layout questions plug-ins ask, so that a
// chain is composed again once per change rather than once per question, and then only from the
// paragraph the change touches.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/model/composer/composition.h"
#include "host/model/text/story.h"
#include "host/model/text/text_frame.h"

namespace host::model {

class CompositionCache {
public:
    /// The composition of `story` in `frames` (its boxes' frames in chain order), equal to
    /// compose(story, frames). What it was last composed from is kept and compared, so any change of
    /// the text, its attributes, the boxes of the chain or their frames is seen.
    std::shared_ptr<const Composition> compositionOf(const Story& story, const std::vector<TextFrame>& frames);

private:
    template <class Value>
    using Runs = std::vector<std::pair<int32_t, Value>>;

    struct Entry {
        const Story* story = nullptr; // where the story lives; a story made later in its place is compared like any change
        std::u16string text;
        Runs<CharacterAttributes> characterRuns;
        Runs<ParagraphAttributes> paragraphRuns;
        std::vector<TextFrame> frames;
        std::shared_ptr<Composition> composition;
        uint64_t lastUse = 0;
    };

    Entry& entryFor(const Story& story);
    static void remember(Entry& entry, const Story& story, const std::vector<TextFrame>& frames);

    std::vector<Entry> m_entries;
    uint64_t m_uses = 0;
};

/// The cache the host's layout questions and page drawing share. One serves every layout: what it keeps
/// is compared with the story and frames asked about, so an entry never answers for another story, and
/// the oldest entries make room for new ones.
CompositionCache& sharedCompositions();

} // namespace host::model
