// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The program icon on disk: the .ico layout read byte by byte, and its PNG exports.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kIconDir = TAVILO_ICON_DIR;

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

// The standard 16-colour palette in its usual order.
const std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // black
    {0x80, 0x00, 0x00},  // dark red
    {0x00, 0x80, 0x00},  // dark green
    {0x80, 0x80, 0x00},  // dark yellow
    {0x00, 0x00, 0x80},  // dark blue
    {0x80, 0x00, 0x80},  // dark magenta
    {0x00, 0x80, 0x80},  // dark cyan
    {0xC0, 0xC0, 0xC0},  // light grey
    {0x80, 0x80, 0x80},  // dark grey
    {0xFF, 0x00, 0x00},  // red
    {0x00, 0xFF, 0x00},  // green
    {0xFF, 0xFF, 0x00},  // yellow
    {0x00, 0x00, 0xFF},  // blue
    {0xFF, 0x00, 0xFF},  // magenta
    {0x00, 0xFF, 0xFF},  // cyan
    {0xFF, 0xFF, 0xFF},  // white
}};
constexpr std::uint8_t kBlack = 0, kLightGrey = 7, kDarkGrey = 8, kRed = 9, kBlue = 12, kCyan = 14,
                       kWhite = 15;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian fields, refusing to read past the end of the data.
std::uint32_t Le(const Bytes& data, std::size_t at, std::size_t width) {
    if (at + width > data.size()) throw std::out_of_range("field past the end of the file");
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = value << 8 | data[at + i];
    return value;
}
std::uint32_t U16(const Bytes& data, std::size_t at) {
    return Le(data, at, 2);
}
std::uint32_t U32(const Bytes& data, std::size_t at) {
    return Le(data, at, 4);
}

struct DirectoryEntry {
    std::uint32_t width, height, colours, reserved, planes, bitCount, bytes, offset;
};

// One image of the icon as stored: its header fields, palette and pixels.
struct DibImage {
    std::uint32_t headerSize, planes, bitCount, compression;
    std::int32_t width, height;
    std::array<Rgb, 16> palette;
    std::array<std::uint8_t, 16> paletteReserved;
    std::vector<std::vector<std::uint8_t>> pixels;  // palette indices, top row first
    Bytes mask;
};

std::vector<DirectoryEntry> ReadDirectory(const Bytes& ico) {
    std::vector<DirectoryEntry> entries;
    const std::uint32_t count = U16(ico, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * std::size_t{i};
        entries.push_back({Le(ico, at, 1), Le(ico, at + 1, 1), Le(ico, at + 2, 1),
                           Le(ico, at + 3, 1), U16(ico, at + 4), U16(ico, at + 6), U32(ico, at + 8),
                           U32(ico, at + 12)});
    }
    return entries;
}

// Reads a 4-bit image of the given square size; rows are stored bottom-up,
// each padded to 4 bytes, the XOR rows first and the 1-bit AND mask after.
DibImage ReadDib(const Bytes& ico, const DirectoryEntry& entry, int size) {
    if (std::size_t{entry.offset} + entry.bytes > ico.size())
        throw std::out_of_range("image past the end of the file");
    const Bytes data(ico.begin() + entry.offset, ico.begin() + entry.offset + entry.bytes);
    DibImage image{};
    image.headerSize = U32(data, 0);
    image.width = static_cast<std::int32_t>(U32(data, 4));
    image.height = static_cast<std::int32_t>(U32(data, 8));
    image.planes = U16(data, 12);
    image.bitCount = U16(data, 14);
    image.compression = U32(data, 16);
    const std::size_t paletteAt = 40;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t at = paletteAt + 4 * i;
        image.palette[i] = {static_cast<std::uint8_t>(Le(data, at + 2, 1)),
                            static_cast<std::uint8_t>(Le(data, at + 1, 1)),
                            static_cast<std::uint8_t>(Le(data, at, 1))};
        image.paletteReserved[i] = static_cast<std::uint8_t>(Le(data, at + 3, 1));
    }
    const std::size_t xorAt = paletteAt + 64;
    const std::size_t xorStride = (std::size_t(size) / 2 + 3) / 4 * 4;
    image.pixels.assign(size, std::vector<std::uint8_t>(size));
    for (int stored = 0; stored < size; ++stored) {
        auto& row = image.pixels[size - 1 - stored];
        for (int x = 0; x < size; ++x) {
            const auto byte = Le(data, xorAt + xorStride * stored + x / 2, 1);
            row[x] = static_cast<std::uint8_t>(x % 2 == 0 ? byte >> 4 : byte & 0x0F);
        }
    }
    const std::size_t maskAt = xorAt + xorStride * size;
    image.mask.assign(data.begin() + std::min(maskAt, data.size()), data.end());
    return image;
}

struct Picture {
    const char* name;
    std::size_t index;  // in the icon directory
    int size;
    std::uint32_t bytes;
    const char* png;
};

void PrintTo(const Picture& picture, std::ostream* out) {
    *out << picture.name;
}

const Picture kPictures[] = {
    {"Button32", 0, 32, 744, "tavilo-32.png"},
    {"Blueprint16", 1, 16, 296, "tavilo-16.png"},
};

class IconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ico_ = ReadFile(kIconDir + "/tavilo.ico");
        entries_ = ReadDirectory(ico_);
        ASSERT_EQ(entries_.size(), 2u);
    }
    DibImage Image(const Picture& picture) const {
        return ReadDib(ico_, entries_[picture.index], picture.size);
    }

    Bytes ico_;
    std::vector<DirectoryEntry> entries_;
};

TEST_F(IconTest, DirectoryHoldsTwoImagesBackToBackAndNothingElse) {
    EXPECT_EQ(U16(ico_, 0), 0u) << "reserved";
    EXPECT_EQ(U16(ico_, 2), 1u) << "type 1 is an icon";
    std::uint32_t next = 6 + 16 * 2;
    for (const auto& entry : entries_) {
        EXPECT_EQ(entry.offset, next);
        next = entry.offset + entry.bytes;
    }
    EXPECT_EQ(next, ico_.size());
}

class IconImageTest : public IconTest, public ::testing::WithParamInterface<Picture> {};

TEST_P(IconImageTest, DirectoryEntryDescribesA16ColourImage) {
    const Picture& picture = GetParam();
    const DirectoryEntry& entry = entries_[picture.index];
    EXPECT_EQ(entry.width, std::uint32_t(picture.size));
    EXPECT_EQ(entry.height, std::uint32_t(picture.size));
    EXPECT_EQ(entry.colours, 16u);
    EXPECT_EQ(entry.reserved, 0u);
    EXPECT_EQ(entry.planes, 1u);
    EXPECT_EQ(entry.bitCount, 4u);
    EXPECT_EQ(entry.bytes, picture.bytes);
}

TEST_P(IconImageTest, ImageIsA4BitDibWithTheStandardPaletteAndAnOpaqueMask) {
    const Picture& picture = GetParam();
    const DibImage image = Image(picture);
    EXPECT_EQ(image.headerSize, 40u);
    EXPECT_EQ(image.width, picture.size);
    EXPECT_EQ(image.height, 2 * picture.size) << "XOR and AND rows together";
    EXPECT_EQ(image.planes, 1u);
    EXPECT_EQ(image.bitCount, 4u);
    EXPECT_EQ(image.compression, 0u) << "uncompressed";
    EXPECT_EQ(image.palette, kPalette);
    EXPECT_EQ(image.paletteReserved, (std::array<std::uint8_t, 16>{}));

    // One bit per pixel, rows padded to 4 bytes: 4 bytes a row for both sizes.
    ASSERT_EQ(image.mask.size(), std::size_t(4 * picture.size));
    EXPECT_EQ(image.mask, Bytes(image.mask.size(), 0)) << "every pixel opaque";
}

TEST_P(IconImageTest, PngExportHasTheSamePixels) {
    const Picture& picture = GetParam();
    const DibImage image = Image(picture);

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    const std::string path = kIconDir + "/" + picture.png;
    ASSERT_TRUE(png_image_begin_read_from_file(&png, path.c_str())) << png.message;
    EXPECT_EQ(png.width, png_uint_32(picture.size));
    EXPECT_EQ(png.height, png_uint_32(picture.size));
    png.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
    ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) << png.message;
    ASSERT_EQ(rgb.size(), std::size_t(3 * picture.size * picture.size));

    int differing = 0;
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const std::size_t at = 3 * (std::size_t(y) * picture.size + x);
            const Rgb pngColour = {rgb[at], rgb[at + 1], rgb[at + 2]};
            if (pngColour != kPalette[image.pixels[y][x]]) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Images, IconImageTest, ::testing::ValuesIn(kPictures),
                         [](const auto& param) { return std::string(param.param.name); });

std::set<std::uint8_t> ColoursUsed(const DibImage& image) {
    std::set<std::uint8_t> used;
    for (const auto& row : image.pixels) used.insert(row.begin(), row.end());
    return used;
}

// The bevel tells top from bottom, so these catch rows stored the wrong way up.
TEST_F(IconTest, ButtonIsLitAtTopAndLeftAndShadedAtBottomAndRight) {
    const DibImage image = Image(kPictures[0]);
    const auto& px = image.pixels;
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(px[0][i], kWhite) << "top edge, x " << i;
        EXPECT_EQ(px[i][0], kWhite) << "left edge, y " << i;
        EXPECT_EQ(px[31][i + 2], kDarkGrey) << "bottom edge, x " << i + 2;
        EXPECT_EQ(px[i + 2][31], kDarkGrey) << "right edge, y " << i + 2;
    }
    // The corners split on the diagonal; adjacent pixels share a byte, so this
    // also tells the left pixel's nibble from the right one's.
    EXPECT_EQ(px[0][30], kWhite);
    EXPECT_EQ(px[0][31], kDarkGrey);
    EXPECT_EQ(px[1][29], kWhite);
    EXPECT_EQ(px[1][30], kDarkGrey);
    EXPECT_EQ(px[30][0], kWhite);
    EXPECT_EQ(px[30][1], kDarkGrey);
    EXPECT_EQ(px[2][2], kLightGrey) << "the button's face";
    EXPECT_EQ(px[16][11], kRed) << "the pi's left leg";
    EXPECT_EQ(px[16][20], kRed) << "the pi's right leg";
    EXPECT_EQ(px[16][16], kLightGrey) << "between the legs";
    EXPECT_EQ(ColoursUsed(image), (std::set<std::uint8_t>{kLightGrey, kDarkGrey, kRed, kWhite}));
}

TEST_F(IconTest, BlueprintUsesBlackBlueCyanAndWhiteOnly) {
    EXPECT_EQ(ColoursUsed(Image(kPictures[1])),
              (std::set<std::uint8_t>{kBlack, kBlue, kCyan, kWhite}));
}

}  // namespace
