// "Fit to" sizes of the Scale page, worked out from the page geometry without a window.
#include "amplex/ui/fit_targets.h"

#include <cstdint>

namespace amplex::ui {
namespace {

constexpr Fixed kBleedAllowance = 18 * xt::kFixedOne;

/// Fixed arithmetic with a 64-bit middle that saturates instead of wrapping; a division by zero gives 0.
Fixed multiply(Fixed a, Fixed b)
{
    const int64_t product = (static_cast<int64_t>(a) * b) / 0x10000;
    if (product > INT32_MAX)
        return INT32_MAX;
    return product < INT32_MIN ? INT32_MIN : static_cast<Fixed>(product);
}

Fixed divide(Fixed a, Fixed b)
{
    if (b == 0)
        return 0;
    const int64_t quotient = (static_cast<int64_t>(a) * 0x10000) / b;
    if (quotient > INT32_MAX)
        return INT32_MAX;
    return quotient < INT32_MIN ? INT32_MIN : static_cast<Fixed>(quotient);
}

enum class Rule : uint8_t { BothRatios, ByWidth, ByHeight };

struct Entry {
    Size wanted;
    Rule rule;
};

Fixed columnWidth(const PageGeometry& page, Fixed liveWidth)
{
    const int32_t columns = page.columns < 1 ? 1 : page.columns;
    return (liveWidth - (columns - 1) * page.gutter) / columns;
}

Entry entryFor(int32_t choice, const PageGeometry& page, const Size& reference)
{
    const Fixed liveWidth = page.width - page.marginLeft - page.marginRight;
    const Fixed liveHeight = page.height - page.marginTop - page.marginBottom;
    const Fixed column = columnWidth(page, liveWidth);
    const Fixed spreadWidth = page.width * (page.pagesInSpread < 1 ? 1 : page.pagesInSpread);
    switch (choice) {
    case 1: return {{page.width, page.height}, Rule::BothRatios};
    case 2: return {{spreadWidth, page.height}, Rule::BothRatios};
    case 3: return {{spreadWidth + kBleedAllowance, page.height + kBleedAllowance}, Rule::BothRatios};
    case 4: return {{column, reference.height}, Rule::ByWidth};
    case 5: return {{page.columns > 1 ? 2 * column + page.gutter : column, reference.height}, Rule::ByWidth};
    case 6: return {{reference.width, liveHeight / 2}, Rule::ByHeight};
    case 7: return {{liveWidth / 2, reference.height}, Rule::ByWidth};
    case 8: return {{liveWidth / 3, reference.height}, Rule::ByWidth};
    case 9: return {{liveWidth / 2, liveHeight / 2}, Rule::ByWidth};
    case 10: return {{liveWidth / 3, liveHeight / 2}, Rule::ByWidth};
    case 11: return {{0x1560000, 0x1560000}, Rule::BothRatios};
    case 12: return {{0xFC0000, 0x900000}, Rule::BothRatios};
    case 13: return {{0x1C20000, 0x440000}, Rule::BothRatios};
    default: return {reference, Rule::BothRatios};
    }
}

Size constrained(const Entry& entry, const Size& reference)
{
    Size wanted = entry.wanted;
    if (reference.width == 0 || reference.height == 0)
        return wanted;
    const Fixed rx = divide(wanted.width, reference.width);
    const Fixed ry = divide(wanted.height, reference.height);
    switch (entry.rule) {
    case Rule::ByWidth:
        wanted.height = multiply(reference.height, rx);
        break;
    case Rule::ByHeight:
        wanted.width = multiply(reference.width, ry);
        break;
    case Rule::BothRatios:
        if (rx < ry)
            wanted.height = multiply(reference.height, rx);
        else
            wanted.width = multiply(reference.width, ry);
        break;
    }
    return wanted;
}

constexpr std::string_view kSelectionLines[kSelectionFitToCount] = {"Fit to Page", "Fit to Spread", "Fit to Bleed",
    "Fit to Single column", "Fit to Double column", "Fit to 1/2 page horizontal", "Fit to 1/2 page vertical",
    "Fit to 1/3 page vertical", "Fit to 1/4 page panel", "Fit to 1/6 page panel", "Fit to CD cover",
    "Fit to Business card", "Fit to Banner ad"};
constexpr std::string_view kPaperLines[kPaperFitToCount] = {"Fit to US Letter", "Fit to US Legal", "Fit to A4 Letter",
    "Fit to B5 Letter", "Fit to Tabloid", "Fit to #10 Envelope"};

} // namespace

Size selectionFitTarget(int32_t choice, const PageGeometry& page, const Size& reference, bool constrain)
{
    const Entry entry = entryFor(choice, page, reference);
    return constrain ? constrained(entry, reference) : entry.wanted;
}

Size paperFitTarget(int32_t choice)
{
    if (choice < 1 || choice > kPaperFitToCount)
        return {};
    return kPaperSizeTable[static_cast<size_t>(choice - 1)];
}

std::string_view fitToLine(FitToEntries entries, int32_t choice)
{
    if (entries == FitToEntries::Paper)
        return choice >= 1 && choice <= kPaperFitToCount ? kPaperLines[choice - 1] : std::string_view();
    return choice >= 1 && choice <= kSelectionFitToCount ? kSelectionLines[choice - 1] : std::string_view();
}

} // namespace amplex::ui
