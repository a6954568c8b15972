// A picture box filled from an image file (ImportPicture): the picture's size read from each format's
// header, the box placing it at 100 % from its top left, and the files and boxes it refuses.
#include <fstream>
#include <string>

#include "host/model/items/picture_file.h"
#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
using namespace std::string_literals;

std::string png(uint32_t width, uint32_t height)
{
    std::string bytes = "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s;
    for (uint32_t side : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>(side >> shift & 0xFF);
    return bytes + "\x08\x06\0\0\0"s;
}

const std::string kGif = "GIF89a\x28\0\x1E\0\xF7\0\0"s;                       // 40 x 30
const std::string kJpeg = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0"s  // an APP0 segment first
                          "\xFF\xC0\0\x11\x08\0\x32\0\x64\x03\x01\x22\0"s;            // 100 x 50
const std::string kTiff = "II*\0\x08\0\0\0\x02\0"s
                          "\0\x01\x03\0\x01\0\0\0\x32\0\0\0"s   // width, a SHORT: 50
                          "\x01\x01\x04\0\x01\0\0\0\x46\0\0\0"s; // height, a LONG: 70
const std::string kEps = "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: (atend)\n%%BoundingBox: 10 20 154 92\n"s;

host::model::PictureSize size(double width, double height)
{
    return {pt(width), pt(height)};
}

TEST(PictureSizeTest, EachFormatGivesItsSizeAndDamagedHeadsAreRefused)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::variant<host::model::PictureSize, std::string> size;
    };
    const Case cases[] = {
        {"PNG", png(120, 60), size(120, 60)},
        {"GIF", kGif, size(40, 30)},
        {"JPEG after an APP0 segment", kJpeg, size(100, 50)},
        {"TIFF", kTiff, size(50, 70)},
        {"EPS whose box comes after (atend)", kEps, size(144, 72)},
        {"PNG of no width", png(0, 60), "the PNG picture gives no usable size"},
        {"PNG cut short", png(120, 60).substr(0, 20), "the PNG file has no image header"},
        {"JPEG cut in its frame header", kJpeg.substr(0, kJpeg.size() - 8), "the JPEG file's frame header is cut short"},
        {"JPEG with a zero segment length", "\xFF\xD8\xFF\xE0\0\0\0\0"s, "the JPEG file is damaged before its frame header"},
        {"TIFF whose directory lies beyond the file", "II*\0\xFF\xFF\0\0"s, "the TIFF file's first directory lies beyond its head"},
        {"TIFF with too many entries", "II*\0\x08\0\0\0\xFF\xFF"s, "the TIFF file's first directory is cut short"},
        {"EPS without a box", "%!PS-Adobe-3.0\n"s, "the EPS file has no bounding box in its first bytes"},
        {"text", "hello", "the file holds no PNG, JPEG, GIF, TIFF or EPS picture"},
        {"nothing", "", "the file holds no PNG, JPEG, GIF, TIFF or EPS picture"},
    };
    for (const Case& c : cases) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(c.bytes.data());
        EXPECT_EQ(host::model::readPictureSize({bytes, c.bytes.size()}), c.size) << c.what;
    }
}

class PictureImportTest : public ItemTest {
protected:
    std::string write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(sys(name), std::ios::binary) << bytes;
        return sys(name).string();
    }
};

TEST_F(PictureImportTest, APictureBoxShowsTheFilesPictureFromItsTopLeftAt100Percent)
{
    auto& box = addPictureBox(layout(), 0, rect(10, 10, 110, 210));
    xt::PictureFields moved = box.picture();
    moved.offsets[0] = pt(5);
    moved.scales[1] = pt(0.5);
    moved.colour = 5;
    box.setPicture(moved);
    const std::string logo = write("logo.png", png(120, 60));
    ASSERT_EQ(hostOp<xt::op::ImportPicture>()(box.ref(), 0, 0, logo.c_str()), 0);
    ASSERT_NE(box.pictureFile(), nullptr);
    EXPECT_EQ(*box.pictureFile(), (host::model::PictureFile{logo, size(120, 60)}));
    EXPECT_EQ(box.picture().offsets[0], 0);
    EXPECT_EQ(box.picture().scales[1], xt::kFixedOne);

    // Another file replaces the picture; the box's own fields stay.
    const std::string bar = write("bar.eps", kEps);
    ASSERT_EQ(hostOp<xt::op::ImportPicture>()(box.ref(), 0, 0, bar.c_str()), 0);
    EXPECT_EQ(box.pictureFile()->size, size(144, 72));
    EXPECT_EQ(box.picture().colour, 5) << "the colour the picture is printed in stays";
}

TEST_F(PictureImportTest, WhatCannotBeShownIsRefusedAndTheBoxKeepsItsPicture)
{
    auto& box = addPictureBox(layout(), 0, rect(10, 10, 110, 210));
    const std::string logo = write("logo.gif", kGif);
    ASSERT_EQ(hostOp<xt::op::ImportPicture>()(box.ref(), 0, 0, logo.c_str()), 0);
    const int32_t plain = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    auto& locked = addPictureBox(layout(), 0, rect(200, 0, 300, 100));
    locked.setLocked(true);
    const std::string notes = write("notes.txt", "no picture here");
    struct Case {
        const char* what;
        int32_t item;
        int16_t volume;
        std::string path;
    };
    const Case cases[] = {
        {"a file with no picture", box.ref(), 0, notes},
        {"a missing file", box.ref(), 0, sys("gone.png").string()},
        {"a volume the host does not know", box.ref(), 3, logo},
        {"a box that is not a picture box", plain, 0, logo},
        {"a locked box", locked.ref(), 0, logo},
        {"no item", 9999, 0, logo},
    };
    for (const Case& c : cases)
        EXPECT_NE(hostOp<xt::op::ImportPicture>()(c.item, c.volume, 0, c.path.c_str()), 0) << c.what;
    EXPECT_NE(hostOp<xt::op::ImportPicture>()(box.ref(), 0, 0, nullptr), 0);
    EXPECT_EQ(box.pictureFile()->path, logo) << "the box keeps the picture it had";
    EXPECT_EQ(locked.pictureFile(), nullptr);
}

} // namespace
} // namespace host_tests
