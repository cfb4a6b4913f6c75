// BuiltInShapes.cpp - the table of built-in shapes.
#include "seclib/BuiltInShapes.h"

#include <array>

#include "core/StringHelpers.h"
#include "core/Texts.h"

namespace {

// A dimension name: a numbered text, optionally followed by a number (0 = none).
struct DimName {
    int text;
    int suffix = 0;
};

struct ShapeInfo {
    int displayText;
    const wchar_t* iconBase;
    std::array<DimName, 10> dims;  // text 0 ends the list
};

// Shapes 1..24, in order.
const std::array<ShapeInfo, 24> kShapes = {{
    {719, L"ProfSectionI", {{{736}, {737}, {738}, {739}, {740}}}},
    {720, L"ProfSectionCL", {{{736}, {737}, {738}, {739}}}},
    {721, L"ProfSectionHL", {{{736}, {737}, {738}, {739}, {741}, {742}}}},
    {722, L"ProfSectionCU", {{{736}, {743, 1}, {743, 2}, {744}}}},
    {723, L"ProfSectionT", {{{736}, {737}, {738}, {739}, {741}}}},
    {724, L"ProfSectionOI", {{{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}}}},
    {725, L"ProfSectionOU", {{{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}}}},
    {726, L"ProfSectionRect", {{{737}, {744}}}},
    {727, L"ProfSectionRound", {{{747}}}},
    {728, L"ProfSectionRectTube", {{{736}, {737}, {744}, {740}}}},
    {729, L"ProfSectionRoundTube", {{{747}, {744}}}},
    {730, L"ProfSectionC", {{{736}, {737}, {748}, {744}}}},
    {731, L"ProfSectionZ", {{{736}, {749, 1}, {750, 1}, {750, 2}, {749, 2}, {744}}}},
    {732, L"ProfSectionV", {{{751}, {744}, {752}}}},
    {733, L"ProfSectionO", {{{736}, {737}, {744}, {753}}}},
    {734, L"ProfSectionQ", {{{736}, {737}, {744}, {753}}}},
    {735, L"ProfSectionCuttedI", {{{736}, {737}, {738}, {739}, {741}}}},
    {1677, L"ProfSectionSigma", {{{736}, {737}, {744}, {1684, 1}, {1684, 2}, {1685}, {1686}}}},
    {1678,
     L"ProfSectionSigma+",
     {{{736}, {737}, {744}, {1684, 1}, {1684, 2}, {1685}, {1686, 1}, {1686, 2}, {1687}}}},
    {1679, L"ProfSectionSigma Sleeve", {{{736}, {737}, {744}, {1684, 1}, {1684, 2}, {1685}}}},
    {1680, L"ProfSectionC+", {{{736}, {737}, {749, 1}, {744}, {749, 2}, {1687}}}},
    {1681, L"ProfSectionC Sleeve", {{{736}, {749}, {737}, {744}}}},
    {1682, L"ProfSectionSingle Cleat", {{{736}, {737}, {744}, {737, 2}, {1686}}}},
    {1683, L"ProfSectionDouble Cleat", {{{736}, {737}, {744}, {737, 1}, {737, 2}, {1686}, {1687}}}},
}};

const ShapeInfo* info(int shape) {
    if (shape < kFirstBuiltInShape || shape > kLastBuiltInShape) {
        return nullptr;
    }
    return &kShapes[static_cast<std::size_t>(shape - 1)];
}

}  // namespace

int shapeDisplayTextNumber(int shape) {
    const ShapeInfo* shapeInfo = info(shape);
    return shapeInfo != nullptr ? shapeInfo->displayText : 0;
}

Tvx_String shapeDisplayText(int shape) {
    const ShapeInfo* shapeInfo = info(shape);
    return shapeInfo != nullptr ? L"<" + dialString(shapeInfo->displayText) + L">" : Tvx_String();
}

int shapeFromDisplayText(const Tvx_String& text) {
    for (int shape = kFirstBuiltInShape; shape <= kLastBuiltInShape; ++shape) {
        if (!hasDialString(shapeDisplayTextNumber(shape))) {
            break;
        }
        if (shapeDisplayText(shape) == text) {
            return shape;
        }
    }
    return -1;
}

Tvx_String getProfSectionName(int shape) {
    const ShapeInfo* shapeInfo = info(shape);
    return shapeInfo != nullptr ? Tvx_String(shapeInfo->iconBase) : Tvx_String();
}

Tvx_StringArray defaultDimensionNames(int shape) {
    Tvx_StringArray names;
    const ShapeInfo* shapeInfo = info(shape);
    if (shapeInfo == nullptr) {
        return names;
    }
    for (const DimName& dim : shapeInfo->dims) {
        if (dim.text == 0 || names.length() >= 10) {
            break;
        }
        const Tvx_String text = dialString(dim.text);
        const Tvx_String name = dim.suffix > 0 ? append(text, dim.suffix) : text;
        if (!name.isEmpty()) {
            names.append(name);
        }
    }
    return names;
}

bool isDrawingShape(const Tvx_String& shape) {
    return shape.endsWith(L".dwg", false);
}

int builtInShapeNumber(const Tvx_String& shape) {
    Tvx_String text = shape;
    text.trim();
    if (isDrawingShape(text) || !text.isNumber() || text.find(L'.') >= 0 || text.length() > 3) {
        return -1;
    }
    const int number = text.toInt();
    return info(number) != nullptr ? number : -1;
}

Tvx_String shapeToListText(const Tvx_String& shape) {
    const int number = builtInShapeNumber(shape);
    return number > 0 ? shapeDisplayText(number) : shape;
}

Tvx_String shapeFromListText(const Tvx_String& text) {
    const int number = shapeFromDisplayText(text);
    return number > 0 ? Tvx_String::fromInt(number) : text;
}
