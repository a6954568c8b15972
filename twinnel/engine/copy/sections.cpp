// Starting sections at copied pages.
#include "twinnel/engine/copy/sections.h"

#include <cstdlib>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "twinnel/engine/common/layouts.h"

namespace twinnel {
namespace {

constexpr int32_t kArabicNumbers = 1;
constexpr size_t kMostPrefixCharacters = 4;

struct SourceSection {
    int32_t number = 1;
    int32_t format = kArabicNumbers;
    std::string prefix;
};

SourceSection sectionOf(xt::DocumentRef source, int page)
{
    int32_t start = 0;
    int32_t format = kArabicNumbers;
    xt::TextObject prefix = nullptr;
    if (xt::calls::GetPageSection(source, page, &start, &format, &prefix) != 0)
        return {};
    SourceSection section{1, std::abs(format), takeText(prefix)};
    if (section.prefix.size() > kMostPrefixCharacters)
        section.prefix.resize(kMostPrefixCharacters);
    if (xt::calls::GetPageSectionNumber(source, page, &section.number) != 0) {
        foundation::noteHostFailure();
        section.number = 1;
    }
    return section;
}

void startSection(int32_t page, int32_t number, int32_t format, const std::string& prefix)
{
    xt::TextObject text = prefix.empty() ? nullptr : newText(prefix);
    xt::calls::XsqOp4977(page, number, format, text);
    if (text)
        xt::calls::DisposeTextObject(text);
}

} // namespace

void makeSections(xt::DocumentRef source, const std::vector<int>& pages, const SectionPlan& plan)
{
    if (pages.empty())
        return;
    startSection(plan.firstCopiedPage, plan.firstNumber, kArabicNumbers, {});
    if (plan.keepContiguous)
        return;
    for (size_t i = 1; i < pages.size(); ++i) {
        if (pages[i] == pages[i - 1] + 1)
            continue;
        // The copy starts its section at the number the source page shows in its own section, so that
        // its name reads as it did there ("iv" stays "iv", not the page's place in the layout).
        const SourceSection section = sectionOf(source, pages[i]);
        startSection(plan.firstCopiedPage + static_cast<int32_t>(i), section.number, section.format, section.prefix);
    }
}

} // namespace twinnel
