// Reading a story range, choosing its words and writing them back greeked.
#include "mockum/engine/greek/story_words.h"

#include <algorithm>
#include <optional>
#include <memory>
#include <new>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "foundation/binding/binding.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/words/word_rule.h"
#include "xtapi/box_record.h"
#include "xtapi/text_records.h"

namespace mockum {
namespace {

/// Characters read past the range's end at a time while the last word runs on.
constexpr int32_t kReadAheadChunk = 256;

/// Leaves new characters unset: the host writes every one of them at once, and setting a long story's
/// worth of zeros first would cost a pass over it.
template <class T>
struct UnsetAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnsetAllocator<U>;
    };
    UnsetAllocator() = default;
    template <class U>
    explicit UnsetAllocator(const UnsetAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class First, class... Rest>
    void construct(U* place, First&& first, Rest&&... rest)
    {
        std::construct_at(place, std::forward<First>(first), std::forward<Rest>(rest)...);
    }
};

/// The story's characters as the host gives them; the words are greeked in place and written back
/// from here, so a long story is held once.
using StoryChars = std::vector<uint16_t, UnsetAllocator<uint16_t>>;

/// The characters [from, from + count) of the story, appended to `text`; false when the host refused.
bool appendChars(int32_t story, int32_t from, int32_t count, StoryChars& text)
{
    if (count <= 0)
        return true;
    const size_t before = text.size();
    text.resize(before + static_cast<size_t>(count));
    if (watched(xt::calls::GetTextChars(story, from, count, text.data() + before)) != 0)
        return false;
    return true;
}

/// The story from `from` to past the range's end, far enough that the last word is read whole.
std::optional<StoryChars> readRange(const StoryRange& range, int32_t from)
{
    StoryChars text;
    int32_t readEnd = std::min(range.end, range.length);
    text.reserve(static_cast<size_t>(readEnd - from + kReadAheadChunk));
    if (!appendChars(range.story, from, readEnd - from, text))
        return std::nullopt;
    while (readEnd < range.length && !text.empty() && classOf(text.back()) != CharClass::None) {
        const int32_t count = std::min(kReadAheadChunk, range.length - readEnd);
        const size_t before = text.size();
        if (!appendChars(range.story, readEnd, count, text))
            return std::nullopt;
        readEnd += count;
        // Stop once the run of the range's last word has ended within what was read.
        if (wordLengthAt(std::span<const uint16_t>(text), before - 1) < text.size() - (before - 1))
            break;
    }
    return text;
}

/// Where each run of character attributes ends, in story offsets; nullopt when the host cannot say.
std::optional<std::vector<int32_t>> characterRunEnds(int32_t story)
{
    xt::Handle list = xt::calls::NewHandle(0);
    if (!list) {
        noteHostFailure();
        return std::nullopt;
    }
    int32_t count = 0;
    std::optional<std::vector<int32_t>> ends;
    if (watched(xt::calls::TextOp3095(story, &count, &list)) == 0 && count >= 0
        && xt::calls::GetHandleSize(list) >= count * static_cast<int32_t>(sizeof(xt::RunEntry))) {
        ends.emplace();
        int32_t end = 0;
        for (int32_t i = 0; i < count; ++i) {
            const auto entry = xt::readAt<xt::RunEntry>(*list, static_cast<size_t>(i) * sizeof(xt::RunEntry));
            end += entry.length;
            ends->push_back(end);
        }
    }
    xt::calls::DisposeHandle(list);
    return ends;
}

bool withinOneRun(const std::vector<int32_t>& runEnds, int32_t start, int32_t length)
{
    const auto run = std::upper_bound(runEnds.begin(), runEnds.end(), start);
    return run != runEnds.end() && start + length <= *run;
}

/// The size of the word's first character, read with that character alone selected.
std::optional<xt::Fixed> firstCharacterSize(int32_t story, int32_t position)
{
    if (watched(xt::calls::SetTextSelection(story, position, position + 1, 0)) != 0)
        return std::nullopt;
    const xt::Fixed size = xt::calls::GetTextValue691(story, xt::kCharSize, nullptr, 0);
    if (size <= 0) {
        noteHostFailure();
        return std::nullopt;
    }
    return size;
}

bool passesSizeTest(const StoryRange& range, const WordTest& test, int32_t position)
{
    if (test.greekAny)
        return true;
    const std::optional<xt::Fixed> size = firstCharacterSize(range.story, position);
    return size && *size < test.threshold;
}

} // namespace

int32_t greekStoryRange(const StoryRange& range, const WordTest& test)
{
    if (range.length <= 1 || range.start >= range.end || range.start >= range.length)
        return 0;
    // One character before the range says whether its first word began earlier.
    const int32_t from = range.start > 0 ? range.start - 1 : 0;
    std::optional<StoryChars> text = readRange(range, from);
    const std::optional<std::vector<int32_t>> runEnds = text ? characterRunEnds(range.story) : std::nullopt;
    if (!text || !runEnds)
        return 0;
    size_t firstChanged = text->size();
    size_t lastChanged = 0;
    int32_t changed = 0;
    const std::span<uint16_t> chars(*text);
    const auto offset = static_cast<size_t>(range.start - from);
    forEachWordInRange(std::span<const uint16_t>(chars), offset, offset + static_cast<size_t>(range.end - range.start),
        [&](WordSpan word) {
            const auto position = from + static_cast<int32_t>(word.start);
            const auto length = static_cast<int32_t>(word.length);
            if (test.needsFollowingCharacter && position + length > range.length - 1)
                return;
            if (!withinOneRun(*runEnds, position, length) || !passesSizeTest(range, test, position))
                return;
            greekWord(chars.subspan(word.start, word.length));
            firstChanged = std::min(firstChanged, word.start + 1);
            lastChanged = std::max(lastChanged, word.start + word.length);
            ++changed;
        });
    if (changed == 0)
        return 0;
    // One write for every changed word, so the story is never left half greeked.
    if (watched(xt::calls::ReplaceTextChars(range.story, from + static_cast<int32_t>(firstChanged),
            static_cast<int32_t>(lastChanged - firstChanged), text->data() + firstChanged)) != 0)
        return 0;
    return changed;
}

} // namespace mockum
