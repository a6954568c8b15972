// The greeking rule on plain text: which characters make words, and the change to a word that is its
// own inverse (the first character stays, the rest is reversed).
#pragma once

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
size_t wordLengthAt(std::u16string_view text, size_t start);

/// Keeps the first character and reverses the others in place; applied twice, gives the word back.
void greekWord(std::span<char16_t> word);

struct WordSpan {
    size_t start;
    size_t length;
};

/// The words a scan of [start, end) finds: a word starts in the range and runs to its natural end,
/// even past `end`; the character that ends a word is passed over with it. A run that began before
/// `start` belongs to the range before, so it is skipped. Words of one character are left out: they
/// never change.
std::vector<WordSpan> wordsInRange(std::u16string_view text, size_t start, size_t end);

/// Greeks every word of `text` (the whole text as one range); its own inverse.
std::u16string greekText(std::u16string_view text);

} // namespace mockum
