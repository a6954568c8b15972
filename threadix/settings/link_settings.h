// What the link dialog chooses. Threadix keeps it in memory only: every start begins from the factory values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace threadix {

enum class LinkScope : int32_t { Selection = 1, Pages = 2 };
enum class LinkAction : int32_t { Unlink = 0, LinkRelink = 1 };

/// How a box leaves its chain; each keeps the text its name gives it.
enum class UnlinkMode : int32_t {
    FlowAround = 0,      ///< the chain flows around the box, which keeps its own text
    SeparateChains = 1,  ///< one chain before the box, one after, the box alone between
    CutAtEnd = 2,        ///< the chain is cut after the box; the text after it goes with the boxes after it
    CutAtStart = 3,      ///< the chain is cut before the box; its text and what follows go with it
};

/// The page field holds at most this many characters; a longer text typed there is cut.
inline constexpr size_t kPageTextLimit = 63;

struct LinkSettings {
    LinkScope scope = LinkScope::Pages;
    LinkAction action = LinkAction::Unlink;
    UnlinkMode mode = UnlinkMode::SeparateChains;
    bool keepText = false;
    std::string pageText = "All";
    /// True: entries are page names as the layout shows them ("Section #"); false: sequence numbers.
    bool bySectionNumber = false;
};

LinkSettings& linkSettings();
void SetDefaultLinkSettings();
/// The page text as the settings keep it: cut to kPageTextLimit characters.
std::string boundedPageText(std::string text);

} // namespace threadix
