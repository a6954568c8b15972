// The greeking rule on plain text, as lists and whole texts.
#include "mockum/engine/words/word_rule.h"

namespace mockum {

std::vector<WordSpan> wordsInRange(std::u16string_view text, size_t start, size_t end)
{
    std::vector<WordSpan> words;
    forEachWordInRange(std::span<const char16_t>(text), start, end, [&](WordSpan word) { words.push_back(word); });
    return words;
}

std::u16string greekText(std::u16string_view text)
{
    std::u16string greeked(text);
    const std::span<char16_t> chars(greeked);
    forEachWordInRange(std::span<const char16_t>(chars), 0, greeked.size(),
        [&](WordSpan word) { greekWord(chars.subspan(word.start, word.length)); });
    return greeked;
}

} // namespace mockum
