// The colour operations as the plug-ins call them: the default colours and what they answer, colours
// made, edited, refused and switched between spot and process, the application's list with no
// document open, swatch lists, copies into another document, and failing calls.
#include "host/tests/colour_fixture.h"

namespace host_tests {
namespace {

TEST_F(ColourTest, EveryNewLayoutHasTheDefaultColoursUnderTheirNumbers)
{
    EXPECT_EQ(names(), kDefaultColourNames);
    EXPECT_EQ(walk().front().first, xt::kWhiteColour);
    EXPECT_EQ(walk()[1].first, xt::kBlackColour);
    EXPECT_EQ(walk().back().first, xt::kRegistrationColour);
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, xt::kRegistrationColour), 1);
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, 9), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, xt::kNoColour), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp331>()(), layout().colours().ref());
    EXPECT_EQ(names(layout().colours().ref()), kDefaultColourNames) << "the list by its reference";
    EXPECT_EQ(cmykOf(xt::kBlackColour), (std::vector<uint16_t>{0, 0, 0, 0xFFFF}));
    EXPECT_EQ(cmykOf(xt::kRedColour), (std::vector<uint16_t>{0, 0xFFFF, 0xFFFF, 0}));
}

TEST_F(ColourTest, TheValueCodesTellTheHostsColoursFromTheUsers)
{
    struct Case {
        int16_t colour;
        int32_t code;
        int32_t expected;
    };
    const Case cases[] = {
        {xt::kWhiteColour, xt::kColourIsPaper, 1},
        {xt::kWhiteColour, xt::kColourIsBuiltIn, 1},
        {xt::kBlackColour, xt::kColourIsProcess, 1},
        {xt::kBlackColour, xt::kColourIsLocked, 1},
        {xt::kBlackColour, xt::kColourIsConvertible, 0},
        {xt::kBlackColour, xt::kColourIsRegistration, 0},
        {xt::kRegistrationColour, xt::kColourIsRegistration, 1},
        {xt::kCyanColour, xt::kColourIsSpot, 0},
        {xt::kRedColour, xt::kColourIsSpot, 1},      // Red, Green and Blue start as spot colours
        {xt::kRedColour, xt::kColourInSpotGroup, 1},
        {xt::kRedColour, xt::kColourIsProcess, 0},
        {xt::kRedColour, xt::kColourIsConvertible, 1},
        {xt::kRedColour, xt::kColourIsLocked, 0},
        {xt::kRedColour, xt::kColourIsBuiltIn, 0},   // so a copy of a layout's colours takes it along
        {xt::kGreenColour, xt::kColourIsMultiInk, 0},
        {xt::kRedColour, 999, 0},                    // a code the host does not know
        {42, xt::kColourIsProcess, 0},               // a colour the layout does not have
    };
    for (const Case& c : cases)
        EXPECT_EQ(value(c.colour, c.code), c.expected) << "colour " << c.colour << " code " << c.code;
}

TEST_F(ColourTest, AColourMadeTheEyedroppersWayJoinsTheListOnceCommitted)
{
    const uint32_t before = changes();
    int16_t id = xt::kColourEnd;
    ASSERT_EQ(hostOp<xt::op::ColorOp350>()(0, xt::kNewColourEntry, &id), 0);
    EXPECT_EQ(id, 9) << "the next number after the defaults";
    ASSERT_EQ(hostOp<xt::op::ColorOp376>()(0, id, 1), 0);
    ASSERT_EQ(setValue(0, id, xt::kCmykColourModel, {0x1000, 0x2000, 0x3000, 0x4000}), 0);
    ASSERT_EQ(rename(0, id, "Dune"), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, id), 0) << "not in the list before it is committed";
    EXPECT_EQ(names(), kDefaultColourNames);
    EXPECT_EQ(changes(), before);

    ASSERT_EQ(hostOp<xt::op::ColorOp390>()(0, id, 0), 0);
    EXPECT_EQ(walk().back(), std::make_pair(id, std::string("Dune")));
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, id), 1);
    EXPECT_EQ(cmykOf(id), (std::vector<uint16_t>{0x1000, 0x2000, 0x3000, 0x4000}));
    EXPECT_EQ(cmykOf(id, 0, xt::kFixedOne / 2), (std::vector<uint16_t>{0x0800, 0x1000, 0x1800, 0x2000})) << "at 50 %";
    EXPECT_EQ(value(id, xt::kColourIsProcess), 1);
    EXPECT_EQ(changes(), before + 1);
    const host::model::Colour* kept = layout().colours().findByName("Dune");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->id(), id);

    EXPECT_EQ(make("Dusk", xt::kRgbColourModel, {0x3000, 0x2000, 0x6000}, true).id, 10);
    xt::ColourSwatch swatch{};
    ASSERT_EQ(hostOp<xt::op::ColorOp363>()(0, 10, xt::kFixedOne, &swatch), 0);
    EXPECT_EQ(swatch.red, 0x3000);
    EXPECT_EQ(swatch.blue, 0x6000);
    EXPECT_EQ(swatch.colour, 10);
    EXPECT_EQ(value(10, xt::kColourIsSpot), 1);
}

TEST_F(ColourTest, AColourWhoseNameIsEmptyOrTakenIsDroppedAtCommit)
{
    struct Case {
        std::string name;
        bool kept;
    };
    const Case cases[] = {
        {"", false},
        {"Red", false},                // a default colour's name
        {"Registration", false},       // a fixed colour's name
        {"None", false},               // stands for no colour in documents
        {std::string(256, 'n'), false}, // longer than the 255 characters a plug-in reads back
        {std::string(255, 'n'), true},
        {"red", true},                 // names are compared as they are written
        {"Red ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.name.substr(0, 20) + "\"");
        const uint32_t before = changes();
        const size_t count = walk().size();
        const Made made = make(c.name, xt::kRgbColourModel, {1, 2, 3});
        EXPECT_EQ(made.status == 0, c.kept);
        EXPECT_EQ(walk().size(), c.kept ? count + 1 : count);
        EXPECT_EQ(hostOp<xt::op::ColorOp342>()(0, made.id), c.kept ? 1 : 0);
        EXPECT_EQ(changes(), c.kept ? before + 1 : before);
    }
    EXPECT_EQ(layout().colours().findByName("Red")->id(), xt::kRedColour) << "the default is untouched";
}

TEST_F(ColourTest, AnOpenEditChangesTheColourOnlyWhenCommitted)
{
    ASSERT_EQ(hostOp<xt::op::ColorOp376>()(0, xt::kRedColour, 1), 0);
    ASSERT_EQ(setValue(0, xt::kRedColour, xt::kCmykColourModel, {0, 0xFFFF, 0xC000, 0x2000}), 0);
    ASSERT_EQ(rename(0, xt::kRedColour, "Crimson"), 0);
    EXPECT_EQ(layout().colours().find(xt::kRedColour)->name(), "Red");
    EXPECT_EQ(layout().colours().find(xt::kRedColour)->value().model(), host::model::ColourModel::Rgb);

    ASSERT_EQ(hostOp<xt::op::ColorOp390>()(0, xt::kRedColour, 0), 0);
    EXPECT_EQ(name(0, xt::kRedColour), "Crimson");
    EXPECT_EQ(cmykOf(xt::kRedColour), (std::vector<uint16_t>{0, 0xFFFF, 0xC000, 0x2000}));
    EXPECT_EQ(walk()[6], std::make_pair(xt::kRedColour, std::string("Crimson"))) << "same number, same place";

    // Without an edit a change applies at once.
    ASSERT_EQ(rename(0, xt::kRedColour, "Scarlet"), 0);
    EXPECT_EQ(name(0, xt::kRedColour), "Scarlet");
    EXPECT_NE(rename(0, xt::kRedColour, "Blue"), 0) << "another colour's name";
    EXPECT_NE(rename(0, 99, "Nowhere"), 0) << "no such colour";
}

TEST_F(ColourTest, TheHostsFixedColoursNeverChange)
{
    const uint32_t before = changes();
    EXPECT_NE(hostOp<xt::op::ColorOp376>()(0, xt::kBlackColour, 1), 0);
    EXPECT_NE(rename(0, xt::kBlackColour, "Ink"), 0);
    EXPECT_NE(setValue(0, xt::kCyanColour, xt::kRgbColourModel, {0, 0, 0}), 0);
    EXPECT_NE(hostOp<xt::op::ColorOp370>()(0, xt::kRegistrationColour, xt::kColourIsSpot, 1), 0);
    EXPECT_NE(hostOp<xt::op::ColorOp390>()(0, xt::kWhiteColour, 0), 0) << "nothing was opened";
    EXPECT_EQ(names(), kDefaultColourNames);
    EXPECT_EQ(cmykOf(xt::kCyanColour), (std::vector<uint16_t>{0xFFFF, 0, 0, 0}));
    EXPECT_EQ(changes(), before);
}

TEST_F(ColourTest, SpotAndProcessAreOneSwitchSeenFromBothSides)
{
    const int16_t sky = make("Sky", xt::kRgbColourModel, {0x6666, 0xB333, 0xFFFF}, true).id;
    ASSERT_EQ(value(sky, xt::kColourIsSpot), 1);
    const uint32_t before = changes();

    // "Make all process" writes code 2 to 1 and code 1 to 0.
    ASSERT_EQ(hostOp<xt::op::ColorOp370>()(0, sky, xt::kColourIsProcess, 1), 0);
    ASSERT_EQ(hostOp<xt::op::ColorOp370>()(0, sky, xt::kColourIsSpot, 0), 0);
    EXPECT_EQ(value(sky, xt::kColourIsSpot), 0);
    EXPECT_EQ(value(sky, xt::kColourInSpotGroup), 0);
    EXPECT_EQ(value(sky, xt::kColourIsProcess), 1);
    // One write alone switches it too.
    ASSERT_EQ(hostOp<xt::op::ColorOp370>()(0, sky, xt::kColourIsProcess, 0), 0);
    EXPECT_EQ(value(sky, xt::kColourIsSpot), 1);
    EXPECT_FALSE(layout().colours().find(sky)->value().model() == host::model::ColourModel::Cmyk) << "its value stays RGB";
    EXPECT_EQ(changes(), before + 3);

    EXPECT_NE(hostOp<xt::op::ColorOp370>()(0, sky, xt::kColourIsLocked, 1), 0) << "only codes 1 and 2 are written";
    EXPECT_EQ(changes(), before + 3);
}

TEST_F(ColourTest, WithNoDocumentOpenColoursGoToTheApplicationsList)
{
    host().documents().closeProject(*host().documents().projectOf(layout()));
    ASSERT_EQ(host().currentDocument(), nullptr);
    const int32_t application = hostOp<xt::op::ColorOp331>()();
    EXPECT_EQ(application, host().documents().colours().table().ref());
    ASSERT_EQ(make("Sample", xt::kRgbColourModel, {0xFF00, 0, 0}).status, 0);
    EXPECT_EQ(names().back(), "Sample");

    host().newDocument({1});
    EXPECT_NE(hostOp<xt::op::ColorOp331>()(), application);
    EXPECT_EQ(names(), kDefaultColourNames) << "a new document starts from the defaults";
    EXPECT_EQ(names(application).back(), "Sample") << "the application's list keeps it";
}

TEST_F(ColourTest, APlugInsSwatchListHoldsUnnamedColoursOfItsOwn)
{
    const uint32_t before = changes();
    const int32_t list = hostOp<xt::op::ColorOp336>()();
    ASSERT_GT(list, 0);
    for (int16_t expected = 0; expected < 3; ++expected) {
        int16_t swatch = xt::kColourEnd;
        ASSERT_EQ(hostOp<xt::op::ColorOp350>()(list, xt::kNewColourEntry, &swatch), 0);
        EXPECT_EQ(swatch, expected);
    }
    ASSERT_EQ(setValue(list, 1, xt::kRgbColourModel, {0x8000, 0, 0xFFFF}), 0);
    xt::ColourSwatch shown{};
    ASSERT_EQ(hostOp<xt::op::ColorOp363>()(list, 1, xt::kFixedOne, &shown), 0);
    EXPECT_EQ(shown.red, 0x8000);
    EXPECT_EQ(shown.blue, 0xFFFF);
    ASSERT_EQ(hostOp<xt::op::ColorOp363>()(list, 1, 0, &shown), 0);
    EXPECT_EQ(shown.red, 0xFFFF) << "at a shade of 0 only the paper shows";
    EXPECT_EQ(walk(list).size(), 3u);
    EXPECT_EQ(names(), kDefaultColourNames) << "the document's colours are not touched";
    EXPECT_EQ(changes(), before);
    EXPECT_NE(hostOp<xt::op::ColorOp376>()(list, 1, 1), 0) << "a swatch is not edited and committed";

    hostOp<xt::op::ColorOp337>()(list);
    int16_t swatch = xt::kColourEnd;
    EXPECT_NE(hostOp<xt::op::ColorOp350>()(list, xt::kNewColourEntry, &swatch), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp342>()(list, 0), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp344>()(list, xt::kEveryColour), xt::kColourEnd);
}

TEST_F(ColourTest, AColourCopiedIntoAnotherDocumentGoesThereByName)
{
    const int16_t sky = make("Sky", xt::kRgbColourModel, {0x6666, 0xB333, 0xFFFF}, true).id;
    const int16_t dune = make("Dune", xt::kCmykColourModel, {0, 0x1000, 0x4000, 0}).id;
    host::model::Layout& other = host().newDocument({1});
    ASSERT_FALSE(other.colours().add("Dune", host::model::ColourValue::rgb({1, 2, 3}), host::model::Ink::Process).problem);
    ASSERT_FALSE(other.colours().remove(xt::kRedColour).has_value());
    const int32_t source = layout().colours().ref();
    const auto copy = [&](int16_t colour) {
        int16_t there = xt::kColourEnd;
        const int32_t status = hostOp<xt::op::CopyColorToDocument>()(source, colour, other.ref(), &there);
        return status == 0 ? there : int16_t{-100};
    };

    const int16_t skyThere = copy(sky);
    ASSERT_NE(skyThere, -100);
    EXPECT_EQ(other.colours().find(skyThere)->name(), "Sky");
    EXPECT_EQ(other.colours().find(skyThere)->value(), layout().colours().find(sky)->value());
    EXPECT_TRUE(other.colours().find(skyThere)->isSpot());
    EXPECT_EQ(copy(sky), skyThere) << "a second copy finds the first";
    EXPECT_EQ(copy(dune), other.colours().findByName("Dune")->id()) << "the name there wins";
    EXPECT_EQ(other.colours().findByName("Dune")->value().model(), host::model::ColourModel::Rgb) << "and keeps its value";
    EXPECT_EQ(copy(xt::kBlackColour), xt::kBlackColour);
    EXPECT_EQ(copy(xt::kRedColour), 11) << "a default the other document gave up comes back as a new colour";
    EXPECT_EQ(copy(77), -100) << "no such colour";
    int16_t there = 0;
    EXPECT_NE(hostOp<xt::op::CopyColorToDocument>()(source, sky, 0x7FFFFFFF, &there), 0) << "no such document";
}

TEST_F(ColourTest, AFailingColourCallChangesNothingAndAWalkStillEnds)
{
    auto& faults = host().faults();
    faults.failNth("ColorOp350", 1);
    int16_t id = xt::kColourEnd;
    EXPECT_NE(hostOp<xt::op::ColorOp350>()(0, xt::kNewColourEntry, &id), 0);
    EXPECT_EQ(id, xt::kColourEnd);

    faults.failNth("ColorOp390", 1);
    const Made made = make("Lost", xt::kRgbColourModel, {1, 1, 1});
    EXPECT_NE(made.status, 0);
    EXPECT_EQ(names(), kDefaultColourNames) << "the colour was never committed";

    faults.failFrom("ColorOp347", 3);
    EXPECT_EQ(names(), (std::vector<std::string>{"White", "Black", "Cyan"})) << "a failing step ends the walk";
    faults.clear();

    faults.failNth("GetColorValue369", 1);
    EXPECT_EQ(value(xt::kRegistrationColour, xt::kColourIsRegistration), 0);
    faults.failNth("ColorOp4869", 1);
    EXPECT_EQ(name(0, xt::kBlackColour), "(none)");
    faults.failNth("XcdOp264", 1);
    const int32_t calls = faults.callCount("XcdOp264");
    xt::ColourSpecification specification{};
    const uint16_t rgb[3] = {1, 2, 3};
    EXPECT_NE(hostOp<xt::op::XcdOp264>()(xt::kRgbColourModel, rgb, &specification), 0);
    EXPECT_EQ(faults.callCount("XcdOp264"), calls + 1);

    // The conversions are arithmetic no host can fail: never counted, never failed.
    faults.failNth("RgbToHsb", 1);
    uint16_t hsb[3] = {};
    hostOp<xt::op::RgbToHsb>()(rgb, hsb);
    EXPECT_EQ(hsb[2], 3);
    EXPECT_EQ(faults.callCount("RgbToHsb"), 0);
}

TEST_F(ColourTest, BadArgumentsAreRefused)
{
    xt::ColourSpecification specification{};
    const uint16_t components[4] = {1, 2, 3, 4};
    EXPECT_NE(hostOp<xt::op::XcdOp264>()(0x12345678, components, &specification), 0) << "an unknown model";
    EXPECT_NE(hostOp<xt::op::XcdOp264>()(xt::kRgbColourModel, nullptr, &specification), 0);
    ASSERT_EQ(hostOp<xt::op::XcdOp264>()(xt::kCmykColourModel, components, &specification), 0);
    EXPECT_EQ(specification.model, xt::kCmykColourModel);
    EXPECT_EQ(specification.components[3], 4);
    EXPECT_NE(hostOp<xt::op::ColorOp359>()(0, xt::kRedColour, 1, xt::kRgbColourModel, &specification), 0)
        << "the model named differs from the one the colour is specified in";
    EXPECT_NE(hostOp<xt::op::ColorOp350>()(0, 0, nullptr), 0);
    EXPECT_NE(hostOp<xt::op::ColorOp350>()(0x7FFFFFFF, 0, nullptr), 0);
    EXPECT_EQ(hostOp<xt::op::ColorOp344>()(0x7FFFFFFF, xt::kEveryColour), xt::kColourEnd) << "no such list";
    EXPECT_EQ(hostOp<xt::op::ColorOp4870>()(0, 99), nullptr);
    EXPECT_NE(hostOp<xt::op::ColorOp363>()(0, xt::kRedColour, xt::kFixedOne, nullptr), 0);
    EXPECT_TRUE(cmykOf(99).empty());
}

} // namespace
} // namespace host_tests
