// A host with a document, and the colour calls the plug-ins make, each in one line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/tests/host_fixture.h"
#include "xtapi/colour_records.h"

namespace host_tests {

class ColourTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        m_layout = &host().newDocument({1});
    }

    host::model::Layout& layout() { return *m_layout; }

    /// The list's colours as a walk finds them: number and name.
    std::vector<std::pair<int16_t, std::string>> walk(int32_t list = 0)
    {
        std::vector<std::pair<int16_t, std::string>> found;
        for (int32_t c = hostOp<xt::op::ColorOp344>()(list, xt::kEveryColour); c != xt::kColourEnd && found.size() < 1000;
             c = hostOp<xt::op::ColorOp347>()(list, xt::kEveryColour, static_cast<int16_t>(c)))
            found.emplace_back(static_cast<int16_t>(c), name(list, static_cast<int16_t>(c)));
        return found;
    }

    std::vector<std::string> names(int32_t list = 0)
    {
        std::vector<std::string> found;
        for (const auto& [id, name] : walk(list))
            found.push_back(name);
        return found;
    }

    /// The colour's name through ColorOp4869, or "(none)" when the host gives no text.
    std::string name(int32_t list, int16_t colour)
    {
        xt::TextObject text = hostOp<xt::op::ColorOp4869>()(list, colour, 0, 256);
        if (!text)
            return "(none)";
        std::string chars(hostOp<xt::op::GetTextObjectChars>()(text), static_cast<size_t>(hostOp<xt::op::GetTextObjectLength>()(text)));
        hostOp<xt::op::DisposeTextObject>()(text);
        return chars;
    }

    int32_t value(int16_t colour, int32_t code, int32_t list = 0) { return hostOp<xt::op::GetColorValue369>()(list, colour, code); }

    /// Renames through SetColorNameText, with a text made and disposed around the call.
    int32_t rename(int32_t list, int16_t colour, const std::string& to)
    {
        xt::TextObject text = hostOp<xt::op::NewTextObject>()(to.data(), 0, static_cast<int32_t>(to.size()));
        const int32_t status = hostOp<xt::op::SetColorNameText>()(list, colour, 0, text);
        hostOp<xt::op::DisposeTextObject>()(text);
        return status;
    }

    /// Sets a colour's value through XcdOp264 and ColorOp359.
    int32_t setValue(int32_t list, int16_t colour, xt::FourLetterCode model, std::vector<uint16_t> components)
    {
        xt::ColourSpecification specification{};
        const int32_t built = hostOp<xt::op::XcdOp264>()(model, components.data(), &specification);
        return built | hostOp<xt::op::ColorOp359>()(list, colour, 1, model, &specification);
    }

    struct Made {
        int16_t id = xt::kColourEnd;
        int32_t status = -1;
    };
    /// A new colour the eyedropper's way: a number, the edit opened, value, name and ink set, committed.
    Made make(const std::string& colourName, xt::FourLetterCode model, std::vector<uint16_t> components,
        bool spot = false, int32_t list = 0)
    {
        Made made;
        made.status = hostOp<xt::op::ColorOp350>()(list, xt::kNewColourEntry, &made.id);
        made.status |= hostOp<xt::op::ColorOp376>()(list, made.id, 1);
        made.status |= setValue(list, made.id, model, std::move(components));
        made.status |= rename(list, made.id, colourName);
        made.status |= hostOp<xt::op::ColorOp370>()(list, made.id, xt::kColourIsSpot, spot ? 1 : 0);
        made.status |= hostOp<xt::op::ColorOp390>()(list, made.id, 0);
        return made;
    }

    std::vector<uint16_t> cmykOf(int16_t colour, int32_t list = 0, xt::Fixed shade = xt::kFixedOne)
    {
        std::vector<uint16_t> components(4, 0xAAAA);
        int32_t size = 0;
        const int32_t status = hostOp<xt::op::ColorOp374>()(list, colour, shade, 0x52545058, -4, components.data(), &size, nullptr, 0);
        return status == 0 && size == 8 ? components : std::vector<uint16_t>{};
    }

    uint32_t changes() { return static_cast<uint32_t>(hostOp<xt::op::ColorOp312>()()); }

    host::model::Layout* m_layout = nullptr;
};

inline const std::vector<std::string> kDefaultColourNames = {
    "White", "Black", "Cyan", "Magenta", "Yellow", "Blue", "Red", "Green", "Registration"};

} // namespace host_tests
