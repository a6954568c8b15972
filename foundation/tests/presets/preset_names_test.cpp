// The rules that turn a typed preset name into a file name.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "foundation/presets/preset_names.h"

namespace {

struct NameCase {
    const char* typed;
    std::optional<std::string> fileName;
};

const NameCase kNameCases[] = {
    {"Letter", "Letter.prf"},
    {"x.abc", "x.prf"},                                        // a typed extension is replaced
    {"Foo.prf", "Foo.prf"},                                    // the list shows names with ".prf"; renaming to one keeps it once
    {"a.b", "a.b.prf"},                                        // too short for an extension
    {"0123456789012345678901234567890123456789", "0123456789012345678901234567890.prf"}, // 40 cut to 31
    {"012345678901234567890123456.xyz", "012345678901234567890123456.prf"},
    {"", std::nullopt},                                        // empty
    {".abc", std::nullopt},                                    // empty once the extension goes
    {".prf", std::nullopt},
    {"..\\..\\evil", std::nullopt},                            // would leave the folder
    {"sub/dir", std::nullopt},
    {"C:evil", std::nullopt},
    {"a..b", std::nullopt},
    {"what?", std::nullopt},
    {"tab\there", std::nullopt},
};

TEST(PresetNamesTest, TypedNamesBecomeFileNamesOrAreRefused)
{
    for (const NameCase& c : kNameCases)
        EXPECT_EQ(foundation::presetFileName(c.typed), c.fileName) << "typed: " << c.typed;
}

TEST(PresetNamesTest, TheLongestFileNameFitsItsBuffer)
{
    const auto longest = foundation::presetFileName(std::string(200, 'n'));
    ASSERT_TRUE(longest);
    EXPECT_EQ(longest->size() + 1, foundation::kPresetFileNameBufferSize);
}

TEST(PresetNamesTest, FolderNamesMustNameOneFolder)
{
    EXPECT_TRUE(foundation::isPlainFolderName("VORNE Amplex Presets"));
    EXPECT_FALSE(foundation::isPlainFolderName(""));
    EXPECT_FALSE(foundation::isPlainFolderName("."));
    EXPECT_FALSE(foundation::isPlainFolderName(".."));
    EXPECT_FALSE(foundation::isPlainFolderName("a\\b"));
}

} // namespace
