// Host text objects (8-bit characters) and the text converters of the text encoding service.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "xtapi/types.h"

struct xt::HostText {
    std::string chars;
};

namespace host::api {

class TextObjects {
public:
    xt::TextObject make(std::string_view chars);
    bool dispose(xt::TextObject text);
    /// The text object's characters, or null for something that is not a live text object.
    const std::string* find(xt::TextObject text) const;
    size_t liveCount() const { return m_texts.size(); }

private:
    std::map<xt::TextObject, std::unique_ptr<xt::HostText>> m_texts;
};

/// The encodings a converter knows: both are 8-bit Windows characters, so a conversion is a copy.
inline constexpr int32_t kEncodingHostText = 0;
inline constexpr int32_t kEncodingCString = 1;

/// ConvertText's results besides 0.
inline constexpr int32_t kConvertBadArgument = -1;
inline constexpr int32_t kConvertTruncated = 1; // the output was cut to fit, and still ends with a zero

class TextConverters {
public:
    /// A converter id (from 1), or -1 for an encoding pair the host cannot convert.
    int32_t open(int32_t source, int32_t target);
    bool close(int32_t converter);
    bool isOpen(int32_t converter) const { return m_open.count(converter) != 0; }

private:
    std::map<int32_t, std::pair<int32_t, int32_t>> m_open;
    int32_t m_next = 1;
};

} // namespace host::api
