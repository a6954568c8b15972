// Host text objects and converters.
#include "host/api/text_objects.h"

namespace host::api {

xt::TextObject TextObjects::make(std::string_view chars)
{
    auto text = std::make_unique<xt::HostText>(xt::HostText{std::string(chars)});
    xt::TextObject object = text.get();
    m_texts.emplace(object, std::move(text));
    return object;
}

bool TextObjects::dispose(xt::TextObject text)
{
    return m_texts.erase(text) != 0;
}

const std::string* TextObjects::find(xt::TextObject text) const
{
    auto found = m_texts.find(text);
    return found == m_texts.end() ? nullptr : &found->second->chars;
}

int32_t TextConverters::open(int32_t source, int32_t target)
{
    const auto known = [](int32_t encoding) { return encoding == kEncodingHostText || encoding == kEncodingCString; };
    if (!known(source) || !known(target))
        return -1;
    const int32_t id = m_next++;
    m_open.emplace(id, std::make_pair(source, target));
    return id;
}

bool TextConverters::close(int32_t converter)
{
    return m_open.erase(converter) != 0;
}

} // namespace host::api
