// The placeholder text read from Mockum's own resource file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace mockum {

/// The bytes of the text widened to 16-bit characters, each byte zero-extended (the text is in an
/// 8-bit character set); nullopt for no bytes.
std::optional<std::u16string> widenFillerBytes(std::span<const uint8_t> bytes);

/// "TXET" 20000 from the plug-in's own resource file, whichever file is current; the current file
/// is given back. Nullopt when the resource is missing or empty.
std::optional<std::u16string> loadFillerText(int16_t ownFile);

} // namespace mockum
