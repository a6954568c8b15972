// The family table: names a user expects, each drawn with the metric set closest to it.
#include "host/model/fonts/font_families.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "host/model/composer/font_metrics.h"

namespace host::model {
namespace {

constexpr std::array kFamilies{
    FontFamily{kSerifFont, "Times", MetricSet::Serif},
    FontFamily{kSansFont, "Helvetica", MetricSet::Sans},
    FontFamily{kMonoFont, "Courier", MetricSet::Mono},
    FontFamily{4, "Symbol", MetricSet::Serif},
    FontFamily{5, "Arial", MetricSet::Sans},
    FontFamily{6, "Times New Roman", MetricSet::Serif},
    FontFamily{7, "Courier New", MetricSet::Mono},
    FontFamily{8, "Palatino", MetricSet::Serif},
    FontFamily{9, "Zapf Dingbats", MetricSet::Serif},
};

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

constexpr bool idsRunFromOne()
{
    for (size_t i = 0; i < kFamilies.size(); ++i) {
        if (kFamilies[i].id != static_cast<int16_t>(i + 1))
            return false;
    }
    return true;
}
static_assert(idsRunFromOne());

} // namespace

std::span<const FontFamily> fontFamilies()
{
    return kFamilies;
}

const FontFamily* findFontFamily(int16_t id)
{
    // Ids run from 1 without gaps; the composer asks for every character it measures.
    if (id < 1 || static_cast<size_t>(id) > kFamilies.size())
        return nullptr;
    return &kFamilies[static_cast<size_t>(id - 1)];
}

const FontFamily* findFontFamily(std::string_view name)
{
    const auto found = std::find_if(kFamilies.begin(), kFamilies.end(), [name](const FontFamily& f) { return sameName(f.name, name); });
    return found == kFamilies.end() ? nullptr : &*found;
}

} // namespace host::model
