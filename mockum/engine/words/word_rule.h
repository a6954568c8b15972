// The greeking rule on plain text: which characters make words, and the change to a word that is its
// own inverse (the first character stays, the rest is reversed). The scans work on any contiguous
// 16-bit text, the host's characters as read or a u16string, so a story is scanned where it was read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mockum {

enum class CharClass : uint8_t {
    None,    // belongs to no word
    Digit,   // '0' to '9'
    Letter,  // 0x40 to 0x7E: '@', 'A'-'Z', '[' to '`', 'a'-'z', '{' to '~'
};

constexpr CharClass classOf(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return CharClass::Digit;
    if (c >= 0x40 && c <= 0x7E)
        return CharClass::Letter;
    return CharClass::None;
}

/// Length of the run of characters of `text[start]`'s class from `start`; 0 when it is in no word.
template <class Char>
size_t wordLengthAt(std::span<const Char> text, size_t start)
{
    if (start >= text.size())
        return 0;
    const CharClass kind = classOf(static_cast<char16_t>(text[start]));
    if (kind == CharClass::None)
        return 0;
    size_t end = start + 1;
    while (end < text.size() && classOf(static_cast<char16_t>(text[end])) == kind)
        ++end;
    return end - start;
}

/// Keeps the first character and reverses the others in place; applied twice, gives the word back.
template <class Char>
void greekWord(std::span<Char> word)
{
    if (word.size() > 2)
        std::reverse(word.begin() + 1, word.end());
}

struct WordSpan {
    size_t start;
    size_t length;
};

/// Calls `visit(WordSpan)` for each word a scan of [start, end) finds: a word starts in the range and
/// runs to its natural end, even past `end`; the character that ends a word is passed over with it. A
/// run that began before `start` belongs to the range before, so it is skipped. Words of one character
/// are left out: they never change. The visit may greek the word it is given: greeking keeps every
/// position's class, so the scan goes on as it would have.
template <class Char, class Visit>
void forEachWordInRange(std::span<const Char> text, size_t start, size_t end, Visit visit)
{
    end = std::min(end, text.size());
    size_t position = start;
    // A word begun before the range was greeked with the range it began in.
    if (position > 0 && position < end && classOf(static_cast<char16_t>(text[position])) != CharClass::None
        && classOf(static_cast<char16_t>(text[position - 1])) == classOf(static_cast<char16_t>(text[position])))
        position += wordLengthAt(text, position) + 1;
    while (position < end) {
        const size_t length = wordLengthAt(text, position);
        if (length == 0) {
            ++position;
            continue;
        }
        if (length > 1)
            visit(WordSpan{position, length});
        position += length + 1;
    }
}

inline size_t wordLengthAt(std::u16string_view text, size_t start)
{
    return wordLengthAt(std::span<const char16_t>(text), start);
}

/// The words forEachWordInRange visits, as a list.
std::vector<WordSpan> wordsInRange(std::u16string_view text, size_t start, size_t end);

/// Greeks every word of `text` (the whole text as one range); its own inverse.
std::u16string greekText(std::u16string_view text);

} // namespace mockum
