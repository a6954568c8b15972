// The greeking rule on plain text: the words it finds, the change it makes, and that it is its own inverse.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "mockum/engine/words/word_rule.h"

namespace mockum {
namespace {

std::u16string u16(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

TEST(WordRuleTest, GreeksTheExamples)
{
    struct Case {
        const char* text;
        const char* greeked;
    } const cases[] = {
        {"Lorem ipsum dolor", "Lmero imusp drolo"},
        {"ab1234 x", "ab1243 x"},       // "ab" keeps its letters; the scan resumes after the '1' that ended it
        {"abcdef", "afedcb"},
        {"1234", "1432"},
        {"a b c", "a b c"},             // one-character words never change
        {"x@y_z", "xz_y@"},             // '@' and '_' are letters of the rule
        {"caf\xE9", "cfa\xE9"},         // 0xE9 is in no word and splits it
        {"don't stop", "dno't spot"},   // the quote ends "don"; "t" alone
        {"", ""},
    };
    for (const Case& c : cases) {
        std::u16string text;
        for (const char* p = c.text; *p; ++p)
            text.push_back(static_cast<unsigned char>(*p));
        std::u16string expected;
        for (const char* p = c.greeked; *p; ++p)
            expected.push_back(static_cast<unsigned char>(*p));
        EXPECT_EQ(greekText(text), expected) << c.text;
        EXPECT_EQ(greekText(expected), text) << c.text;
    }
}

TEST(WordRuleTest, ClassesSplitWords)
{
    EXPECT_EQ(classOf(u'0'), CharClass::Digit);
    EXPECT_EQ(classOf(u'9'), CharClass::Digit);
    EXPECT_EQ(classOf(u'@'), CharClass::Letter);
    EXPECT_EQ(classOf(u'~'), CharClass::Letter);
    EXPECT_EQ(classOf(u'?'), CharClass::None);
    EXPECT_EQ(classOf(0x7F), CharClass::None);
    EXPECT_EQ(classOf(u'\u00E9'), CharClass::None);
    EXPECT_EQ(classOf(u'\u0416'), CharClass::None);
}

TEST(WordRuleTest, ARangeStartingInsideAWordLeavesItToTheRangeBefore)
{
    const std::u16string text = u16("alpha beta gamma");
    // A second box starting at "eta": the word began in the first box, which greeks it whole.
    const auto words = wordsInRange(text, 7, text.size());
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].start, 11u);
    // The first box's last word runs past its end.
    const auto first = wordsInRange(text, 0, 7);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1].start, 6u);
    EXPECT_EQ(first[1].length, 4u);
}

TEST(WordRuleTest, SplittingAStoryIntoRangesGreeksEachWordOnce)
{
    const std::u16string text = u16("The 2024 report: forty-two boxes, 17 chains and 3 stories.");
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        std::u16string split(text);
        for (auto range : {std::pair<size_t, size_t>{0, cut}, {cut, text.size()}}) {
            for (const WordSpan& word : wordsInRange(text, range.first, range.second))
                greekWord(std::span<char16_t>(split).subspan(word.start, word.length));
        }
        EXPECT_EQ(split, greekText(text)) << "cut at " << cut;
    }
}

TEST(WordRuleTest, LongWordsAreGreekedWhole)
{
    std::u16string word(100000, u'a');
    word[1] = u'b';
    const std::u16string greeked = greekText(word);
    EXPECT_EQ(greeked.back(), u'b');
    EXPECT_EQ(greekText(greeked), word);
}

/// Text in several languages and scripts, as a user's documents hold it.
constexpr const char16_t* kSample =
    u"Der Verlag druckt 1.250 Exemplare; die Auflage ist \u00fcberarbeitet und erg\u00e4nzt. "
    u"L'\u00e9diteur a relu les \u00e9preuves \u00e0 Paris, le 3 mai 2021 \u2014 \u00ab deux fois \u00bb. "
    u"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144, powiedzia\u0142 sk\u0142adacz. "
    u"\u0397 \u03c3\u03b5\u03bb\u03af\u03b4\u03b1 12 \u03ad\u03c7\u03b5\u03b9 \u03b4\u03cd\u03bf \u03c3\u03c4\u03ae\u03bb\u03b5\u03c2. "
    u"\u0412\u0451\u0440\u0441\u0442\u043a\u0430 \u0433\u043e\u0442\u043e\u0432\u0430 \u043a 15:30. "
    u"\u65e5\u672c\u8a9e\u306e\u7d44\u7248 (JIS X 4051) \u3082\u3042\u308a\u307e\u3059. "
    u"Se\u00f1or N\u00fa\u00f1ez pag\u00f3 \u20ac49,90 por 3 cajas; \u00bfqui\u00e9n m\u00e1s? "
    u"The quick brown fox jumps over the lazy dog, 0123456789 times [sic] {ok} ~end~ @home_page\r";

TEST(WordRuleTest, GreekingTwiceGivesBackEveryWordOfAMultiLanguageText)
{
    const std::u16string sample(kSample);
    const std::u16string greeked = greekText(sample);
    EXPECT_NE(greeked, sample);
    EXPECT_EQ(greekText(greeked), sample);
    // Characters outside the word classes stay where they were.
    for (size_t i = 0; i < sample.size(); ++i) {
        if (classOf(sample[i]) == CharClass::None) {
            EXPECT_EQ(greeked[i], sample[i]) << i;
        }
    }
}

TEST(WordRuleTest, GreekingTwiceGivesBackALargeSampleOfMixedText)
{
    const std::u16string alphabet = std::u16string(kSample) + u"\t\n\v\f\r-'\"";
    std::mt19937 random(16);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> start(0, 200000);
    std::u16string text(200000, u' ');
    for (char16_t& c : text)
        c = alphabet[pick(random)];
    EXPECT_EQ(greekText(greekText(text)), text);
    for (int trial = 0; trial < 200; ++trial) {
        const size_t from = start(random);
        const size_t to = std::min(text.size(), from + start(random) % 5000);
        std::u16string once(text);
        for (const WordSpan& word : wordsInRange(once, from, to))
            greekWord(std::span<char16_t>(once).subspan(word.start, word.length));
        for (const WordSpan& word : wordsInRange(once, from, to))
            greekWord(std::span<char16_t>(once).subspan(word.start, word.length));
        ASSERT_EQ(once, text) << "range " << from << " to " << to;
    }
}

} // namespace
} // namespace mockum
