// What a box is and which part of its story it shows, as the host tells it.
#pragma once

#include <cstdint>
#include <optional>

namespace mockum {

/// The host's tools: the item tool moves items, the content (text) tool works inside a text box.
inline constexpr int32_t kItemTool = 0;
inline constexpr int32_t kTextTool = 1;

enum class BoxKind : uint8_t { Other, Group, Text };

/// The item's kind from its host record; Other for an unknown item.
BoxKind boxKind(int32_t box);
/// Whether the item is locked against changes.
bool isLocked(int32_t box);

struct BoxText {
    int32_t story = 0;
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    int32_t length = 0;
};
/// The story a text box shows, its selection and length; nullopt for anything but a text box.
std::optional<BoxText> boxText(int32_t box);

/// A text box whose story has no characters.
bool IsEmptyTextBox(int32_t box);

/// Where the text the box shows begins in its story (the story's length when it shows none).
std::optional<int32_t> firstOffsetOf(int32_t box);

} // namespace mockum
