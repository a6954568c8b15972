// Reading layouts through the host: counts, names, the open windows.
#include "twinnel/engine/common/layouts.h"

#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/page_records.h"

namespace twinnel {

std::optional<LayoutRef> currentLayout()
{
    int16_t id = -1;
    if (xt::calls::GetCurrentDocument(&id) != 0 || id < 0)
        return std::nullopt;
    return LayoutRef{id, xt::calls::GetDocumentRef(id)};
}

std::optional<LayoutRef> makeCurrent(int16_t id)
{
    if (id < 0 || xt::calls::XgdOp675(id) != 0)
        return std::nullopt;
    return currentLayout();
}

int32_t pageCountOf(xt::DocumentRef layout)
{
    xt::PageInfo info{};
    if (xt::calls::GetPageInfo(layout, &info) != 0)
        return 0;
    return info.pageCount;
}

std::string takeText(xt::TextObject text)
{
    if (!text)
        return {};
    const int32_t length = xt::calls::GetTextObjectLength(text);
    std::string out;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
        foundation::TextToCString(text, buffer.data(), length + 1);
        out = buffer.data();
    }
    xt::calls::DisposeTextObject(text);
    return out;
}

xt::TextObject newText(const std::string& text)
{
    return xt::calls::NewTextObject(text.c_str(), 0, static_cast<int32_t>(text.size()));
}

std::string PageNameToCString(xt::DocumentRef layout, int32_t page)
{
    if (page < 1)
        return {};
    // Page names are asked for by page index, which counts the master pages first.
    int16_t offset = 0;
    xt::calls::GetPageIndexOffset(layout, &offset);
    xt::TextObject name = nullptr;
    if (xt::calls::PageOp4223(layout, page + offset, &name) != 0)
        return std::to_string(page);
    return takeText(name);
}

std::string layoutNameOf(xt::DocumentRef layout)
{
    xt::TextObject name = nullptr;
    if (xt::calls::XpkOp3141(layout, &name, nullptr) != 0)
        return {};
    return takeText(name);
}

std::string projectNameOf(xt::DocumentRef layout)
{
    xt::TextObject layoutName = nullptr;
    xt::TextObject projectName = nullptr;
    if (xt::calls::XpkOp3141(layout, &layoutName, &projectName) != 0)
        return {};
    takeText(layoutName);
    return takeText(projectName);
}

std::vector<int16_t> otherOpenLayouts(int16_t current)
{
    std::vector<int16_t> others;
    xt::WindowRef window = 0;
    for (int32_t index = 0; xt::calls::DocumentOp504(index, &window) == 0; ++index) {
        const int16_t id = xt::calls::XgdOp683(window);
        if (id >= 0 && id != current)
            others.push_back(id);
    }
    return others;
}

} // namespace twinnel
