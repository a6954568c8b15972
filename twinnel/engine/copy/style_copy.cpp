// Copying style sheets by kind and the user's colours between layouts.
#include "twinnel/engine/copy/style_copy.h"

#include <initializer_list>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/colour_records.h"
#include "xtapi/page_records.h"

namespace twinnel {
namespace {

constexpr int32_t kCurrentColourList = 0;

std::vector<int32_t> sheetsOf(int32_t table, int32_t kind)
{
    std::vector<int32_t> sheets;
    const int32_t count = xt::calls::GetStyleSheetCount(table, kind);
    for (int32_t index = 0; index < count; ++index) {
        int32_t sheet = 0;
        if (xt::calls::GetStyleSheet(table, kind, index, &sheet) == 0 && sheet != 0)
            sheets.push_back(sheet);
    }
    return sheets;
}

void copyKinds(xt::DocumentRef source, xt::DocumentRef destination, StyleReplace replace, std::initializer_list<int32_t> kinds)
{
    const int32_t from = xt::calls::StyleSheetOp3710(source);
    const int32_t to = xt::calls::StyleSheetOp3710(destination);
    if (from == to)
        return;
    for (const int32_t kind : kinds) {
        // The table keeps its first character and paragraph sheets, its defaults, so only the others go;
        // it has no default sheet of kind 5.
        if (replace == StyleReplace::Replace) {
            const std::vector<int32_t> own = sheetsOf(to, kind);
            for (size_t i = kind == xt::kStyleKind5 ? 0 : 1; i < own.size(); ++i)
                xt::calls::DeleteStyleSheet(to, own[i]);
        }
        for (const int32_t sheet : sheetsOf(from, kind))
            xt::calls::CopyStyleSheetToDocument(from, sheet, to);
    }
}

std::vector<int16_t> currentColours()
{
    std::vector<int16_t> colours;
    for (int32_t colour = xt::calls::ColorOp344(kCurrentColourList, xt::kEveryColour);
         colour >= 0 && colour != xt::kColourEnd;
         colour = xt::calls::ColorOp347(kCurrentColourList, xt::kEveryColour, static_cast<int16_t>(colour)))
        colours.push_back(static_cast<int16_t>(colour));
    return colours;
}

bool isUsersColour(int16_t colour)
{
    return xt::calls::GetColorValue369(kCurrentColourList, colour, xt::kColourIsBuiltIn) == 0
        && xt::calls::GetColorValue369(kCurrentColourList, colour, xt::kColourIsRegistration) == 0;
}

} // namespace

void CopyStyleSheets(xt::DocumentRef source, xt::DocumentRef destination, StyleReplace replace)
{
    copyKinds(source, destination, replace, {xt::kCharacterStyle, xt::kParagraphStyle});
}

void CopyStyleSheetsKind5(xt::DocumentRef source, xt::DocumentRef destination, StyleReplace replace)
{
    copyKinds(source, destination, replace, {xt::kStyleKind5});
}

void CopyColors(xt::DocumentRef destination)
{
    // A walk the host cut short looks just like one that reached the end of the list, so the list is
    // walked twice: two walks that disagree mean the host refused a step, and nothing is copied.
    const std::vector<int16_t> colours = currentColours();
    if (currentColours() != colours) {
        foundation::noteHostFailure();
        return;
    }
    for (const int16_t colour : colours) {
        if (!isUsersColour(colour))
            continue;
        int16_t there = 0;
        xt::calls::CopyColorToDocument(kCurrentColourList, colour, destination, &there);
    }
}

} // namespace twinnel
