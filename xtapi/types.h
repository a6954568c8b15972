// The value types that cross the boundary between the host and a plug-in.
#pragma once

#include <cstdint>

namespace xt {

/// A signed 16.16 fixed-point number of points: 1.0 = 0x10000.
using Fixed = int32_t;
inline constexpr Fixed kFixedOne = 0x10000;

/// Four bytes that spell a code, stored so that the first letter is the first byte in memory.
using FourLetterCode = uint32_t;

/// Builds a code from its letters in memory order: fourCC("BBRO") == 0x4F524242.
constexpr FourLetterCode fourCC(const char (&letters)[5])
{
    return static_cast<uint32_t>(static_cast<uint8_t>(letters[0]))
        | static_cast<uint32_t>(static_cast<uint8_t>(letters[1])) << 8
        | static_cast<uint32_t>(static_cast<uint8_t>(letters[2])) << 16
        | static_cast<uint32_t>(static_cast<uint8_t>(letters[3])) << 24;
}

using XTensionId = FourLetterCode;

/// A relocatable memory block: a pointer to a master pointer that the host may move
/// while the block is unlocked.
using Handle = char**;

/// References to host objects are 32-bit numbers, so plug-in records that store them keep their layout.
using DocumentRef = int32_t;
using WindowRef = int32_t;
using FileRef = int32_t;

/// A host text object. The plug-in only passes it back to the host.
struct HostText;
using TextObject = HostText*;

/// A message handler or a window callback; the block's layout depends on the message.
using MessageHandler = int32_t (*)(void* block);

/// The bytes of a resource type "VERS" and friends.
inline constexpr FourLetterCode kResourceVersion = fourCC("VERS");
inline constexpr FourLetterCode kFileTypePreferences = 0x70726566; // 'pref' as the host stores file types

} // namespace xt
