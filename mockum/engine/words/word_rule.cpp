// The greeking rule on plain text.
#include "mockum/engine/words/word_rule.h"

#include <algorithm>

namespace mockum {

size_t wordLengthAt(std::u16string_view text, size_t start)
{
    if (start >= text.size())
        return 0;
    const CharClass kind = classOf(text[start]);
    if (kind == CharClass::None)
        return 0;
    size_t end = start + 1;
    while (end < text.size() && classOf(text[end]) == kind)
        ++end;
    return end - start;
}

void greekWord(std::span<char16_t> word)
{
    if (word.size() > 2)
        std::reverse(word.begin() + 1, word.end());
}

std::vector<WordSpan> wordsInRange(std::u16string_view text, size_t start, size_t end)
{
    std::vector<WordSpan> words;
    end = std::min(end, text.size());
    size_t position = start;
    // A word begun before the range was greeked with the range it began in.
    if (position > 0 && position < end && classOf(text[position]) != CharClass::None
        && classOf(text[position - 1]) == classOf(text[position]))
        position += wordLengthAt(text, position) + 1;
    while (position < end) {
        const size_t length = wordLengthAt(text, position);
        if (length == 0) {
            ++position;
            continue;
        }
        if (length > 1)
            words.push_back({position, length});
        position += length + 1;
    }
    return words;
}

std::u16string greekText(std::u16string_view text)
{
    std::u16string greeked(text);
    for (const WordSpan& word : wordsInRange(greeked, 0, greeked.size()))
        greekWord(std::span<char16_t>(greeked).subspan(word.start, word.length));
    return greeked;
}

} // namespace mockum
