// What the layout window shows: document pages or a master spread, its view scale, and the view
// and refresh calls the plug-ins made (recorded so a test can read them back).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "xtapi/types.h"

namespace host::model {

/// One recorded call: its operation's name and its arguments.
struct ViewCall {
    std::string operation;
    int32_t first = 0;
    int32_t second = 0;
    bool operator==(const ViewCall&) const = default;
};

class SpreadView {
public:
    /// The master spread shown (from 1), or 0 while the window shows the document pages.
    int32_t masterSpread() const { return m_masterSpread; }
    bool showsMasters() const { return m_masterSpread != 0; }
    void showMasterSpread(int32_t spread) { m_masterSpread = spread; }
    /// The document page that was current when the masters were shown.
    int32_t pageBeforeMasters() const { return m_pageBeforeMasters; }
    void setPageBeforeMasters(int32_t pageRef) { m_pageBeforeMasters = pageRef; }

    /// 1.0 shows the pages at 100 %. Recorded view calls never change it.
    xt::Fixed scale() const { return m_scale; }
    void setScale(xt::Fixed scale) { m_scale = scale; }

    void record(std::string operation, int32_t first = 0, int32_t second = 0)
    {
        m_calls.push_back({std::move(operation), first, second});
    }
    const std::vector<ViewCall>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    int32_t m_masterSpread = 0;
    int32_t m_pageBeforeMasters = 0;
    xt::Fixed m_scale = xt::kFixedOne;
    std::vector<ViewCall> m_calls;
};

} // namespace host::model
