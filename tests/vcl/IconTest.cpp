#include "vcl/Icon.h"

#include "vcl/Exception.h"
#include "vcl/FormText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

using vcl::DecodeIcon;
using vcl::TIconImage;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSetupIconSize = 766;
constexpr std::uint32_t kOpaque = 0xFF000000u;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    const Bytes b = ReadFile(path);
    return std::string(b.begin(), b.end());
}

const std::string kIconPath = std::string(SETUP_SOURCE_DIR) + "/app/Setup.ico";

void Put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// One bitmap as an icon file stores it: rows bottom-up and already padded.
struct TestImage {
    int Width = 1;
    int Height = 1;
    int BitCount = 4;
    std::vector<std::uint32_t> Palette; // 0xRRGGBB
    std::uint32_t ColorsUsed = 0;
    Bytes ColorRows;
    Bytes MaskRows;
};

Bytes BitmapBytes(const TestImage& img) {
    Bytes b;
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(img.Width));
    Put32(b, static_cast<std::uint32_t>(2 * img.Height));
    Put16(b, 1);
    Put16(b, static_cast<unsigned>(img.BitCount));
    for (int i = 0; i < 4; ++i)
        Put32(b, 0); // compression, image size, resolution
    Put32(b, img.ColorsUsed);
    Put32(b, 0);
    for (std::uint32_t rgb : img.Palette)
        Put32(b, rgb); // 0x00RRGGBB little-endian is B, G, R, 0
    b.insert(b.end(), img.ColorRows.begin(), img.ColorRows.end());
    b.insert(b.end(), img.MaskRows.begin(), img.MaskRows.end());
    return b;
}

Bytes IconFile(const std::vector<TestImage>& images) {
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<unsigned>(images.size()));
    std::vector<Bytes> bitmaps;
    std::size_t offset = 6 + 16 * images.size();
    for (const TestImage& img : images) {
        bitmaps.push_back(BitmapBytes(img));
        file.push_back(static_cast<std::uint8_t>(img.Width));
        file.push_back(static_cast<std::uint8_t>(img.Height));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, static_cast<unsigned>(img.BitCount));
        Put32(file, static_cast<std::uint32_t>(bitmaps.back().size()));
        Put32(file, static_cast<std::uint32_t>(offset));
        offset += bitmaps.back().size();
    }
    for (const Bytes& b : bitmaps)
        file.insert(file.end(), b.begin(), b.end());
    return file;
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
constexpr std::uint32_t kClear = 0;
std::uint32_t Opaque(std::uint32_t rgb) {
    return kOpaque | rgb;
}

struct DecodeCase {
    const char* Name;
    TestImage Image;
    std::vector<std::uint32_t> Expected; // top-down
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.Name; }
};

class IconDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(IconDecodeTest, DecodesPixelsTopDownWithMask) {
    const DecodeCase& c = GetParam();
    const TIconImage icon = DecodeIcon(IconFile({c.Image}));
    EXPECT_EQ(icon.Width, c.Image.Width);
    EXPECT_EQ(icon.Height, c.Image.Height);
    EXPECT_EQ(icon.Pixels, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, IconDecodeTest,
    testing::Values(
        // Top row indices 1 2 0, bottom row 2 0 1; the mask clears the top right and the
        // bottom left. Rows pad to four bytes.
        DecodeCase{"FourBitOddWidth",
                   {3,
                    2,
                    4,
                    {kRed, kGreen, kBlue},
                    3,
                    {0x20, 0x10, 0, 0, /* top */ 0x12, 0x00, 0, 0},
                    {0x80, 0, 0, 0, /* top */ 0x20, 0, 0, 0}},
                   {Opaque(kGreen), Opaque(kBlue), kClear, kClear, Opaque(kRed), Opaque(kGreen)}},
        DecodeCase{"OneBitAcrossByteBoundary",
                   {9, 1, 1, {0x000000, 0xFFFFFF}, 0, {0xB0, 0x80, 0, 0}, {0x00, 0x40, 0, 0}},
                   {Opaque(0xFFFFFF), Opaque(0), Opaque(0xFFFFFF), Opaque(0xFFFFFF), Opaque(0),
                    Opaque(0), Opaque(0), Opaque(0), Opaque(0xFFFFFF)}},
        DecodeCase{"EightBitFullPalette",
                   {2,
                    1,
                    8,
                    [] {
                        std::vector<std::uint32_t> p(256, 0);
                        p[200] = 0x123456;
                        p[7] = 0xC0C0C0;
                        return p;
                    }(),
                    0,
                    {200, 7, 0, 0},
                    {0, 0, 0, 0}},
                   {Opaque(0x123456), Opaque(0xC0C0C0)}},
        DecodeCase{"TwentyFourBit",
                   {2, 1, 24, {}, 0, {0x56, 0x34, 0x12, 0x01, 0x02, 0x03, 0, 0}, {0x40, 0, 0, 0}},
                   {Opaque(0x123456), kClear}},
        DecodeCase{"ThirtyTwoBitAlphaWithoutMask",
                   {2, 1, 32, {}, 0, {0x56, 0x34, 0x12, 0x80, 0x01, 0x02, 0x03, 0x00}, {}},
                   {0x80123456, kClear}},
        DecodeCase{"ThirtyTwoBitNoAlphaUsesMask",
                   {2, 1, 32, {}, 0, {0x56, 0x34, 0x12, 0, 0x01, 0x02, 0x03, 0}, {0x40, 0, 0, 0}},
                   {Opaque(0x123456), kClear}}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.Name); });

TEST(Icon, PicksTheLargestImage) {
    const TestImage small{1, 1, 1, {kRed, kRed}, 0, {0, 0, 0, 0}, {0, 0, 0, 0}};
    const TestImage large{
        2, 2, 1, {kBlue, kBlue}, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}};
    for (const auto& images : {std::vector{small, large}, std::vector{large, small}}) {
        const TIconImage icon = DecodeIcon(IconFile(images));
        EXPECT_EQ(icon.Width, 2);
        EXPECT_EQ(icon.At(1, 1), Opaque(kBlue));
    }
}

TEST(SetupIcon, IsTheClassicSixteenColourIcon) {
    const Bytes file = ReadFile(kIconPath);
    ASSERT_EQ(file.size(), kSetupIconSize);
    // Directory: one 32 x 32 image of 16 colours, 744 bytes at offset 22.
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 22),
              (Bytes{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 22, 0, 0, 0}));
    EXPECT_EQ(Get32(file, 22), 40u);           // header size
    EXPECT_EQ(Get32(file, 22 + 4), 32u);       // width
    EXPECT_EQ(Get32(file, 22 + 8), 64u);       // colour bitmap and mask
    EXPECT_EQ(Get32(file, 22 + 12), 0x40001u); // one plane, four bits
    EXPECT_EQ(Get32(file, 22 + 16), 0u);       // uncompressed
}

TEST(SetupIcon, DecodesToAPictureInVgaColours) {
    const TIconImage icon = DecodeIcon(ReadFile(kIconPath));
    ASSERT_EQ(icon.Width, 32);
    ASSERT_EQ(icon.Height, 32);
    ASSERT_EQ(icon.Pixels.size(), 32u * 32u);

    const std::set<std::uint32_t> vga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                         0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                         0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    int transparent = 0;
    std::set<std::uint32_t> used;
    for (std::uint32_t p : icon.Pixels) {
        if (p == kClear) {
            ++transparent;
            continue;
        }
        ASSERT_EQ(p & kOpaque, kOpaque) << std::hex << p;
        EXPECT_TRUE(vga.count(p & 0xFFFFFF)) << std::hex << p;
        used.insert(p & 0xFFFFFF);
    }
    // A real picture: a transparent surround, an opaque body, several colours.
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 32 * 32 - 300);
    EXPECT_GE(used.size(), 4u);
    EXPECT_EQ(icon.At(0, 0), kClear);
    EXPECT_EQ(icon.At(31, 31), kClear);
    EXPECT_EQ(icon.At(16, 4) & kOpaque, kOpaque); // the arrow's shaft
}

// The hex block pasted into the main window's layout must be these same bytes.
TEST(SetupIcon, HexBlockReadsBackAsTheIconFile) {
    const std::string block = ReadText(std::string(SETUP_SOURCE_DIR) + "/app/Setup.ico.hex");
    const vcl::TFormObject form = vcl::ParseFormText("object Form1: TForm1\n" + block + "end\n");
    const vcl::TFormValue* data = form.FindProperty("Icon.Data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->AsBinary(), ReadFile(kIconPath));
}

// Each case damages a valid icon; decoding must throw without reading outside the data
// (the sanitiser build checks the reads, the copies are sized exactly).
struct DamageCase {
    const char* Name;
    const char* Phrase; // the message must say what is wrong
    void (*Damage)(Bytes&);
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.Name; }
};

void Set16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    Set16(b, at, v & 0xFFFF);
    Set16(b, at + 2, v >> 16);
}
constexpr std::size_t kEntrySize = 6 + 8, kEntryOffset = 6 + 12, kImage = 22;

class IconDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(IconDamageTest, ThrowsSayingWhy) {
    Bytes data = ReadFile(kIconPath);
    ASSERT_EQ(data.size(), kSetupIconSize);
    GetParam().Damage(data);
    data.shrink_to_fit();
    const auto exact = std::make_unique<std::uint8_t[]>(data.size());
    std::copy(data.begin(), data.end(), exact.get());
    try {
        (void)DecodeIcon(std::span<const std::uint8_t>(exact.get(), data.size()));
        FAIL() << "damaged icon accepted";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().Phrase), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, IconDamageTest,
    testing::Values(
        DamageCase{"Empty", "header", [](Bytes& b) { b.clear(); }},
        DamageCase{"ShorterThanHeader", "header", [](Bytes& b) { b.resize(5); }},
        DamageCase{"DirectoryCut", "truncated", [](Bytes& b) { b.resize(21); }},
        DamageCase{"ImageCut", "truncated", [](Bytes& b) { b.resize(100); }},
        DamageCase{"LastByteMissing", "truncated", [](Bytes& b) { b.resize(kSetupIconSize - 1); }},
        DamageCase{"CursorType", "not an icon", [](Bytes& b) { Set16(b, 2, 2); }},
        DamageCase{"ReservedSet", "not an icon", [](Bytes& b) { Set16(b, 0, 1); }},
        DamageCase{"NoImages", "no image", [](Bytes& b) { Set16(b, 4, 0); }},
        DamageCase{"ManyImagesDirectoryPastEnd", "truncated", [](Bytes& b) { Set16(b, 4, 60); }},
        DamageCase{"OffsetPastEnd", "truncated", [](Bytes& b) { Set32(b, kEntryOffset, 766); }},
        DamageCase{"OffsetWraps", "truncated",
                   [](Bytes& b) { Set32(b, kEntryOffset, 0xFFFFFFF0u); }},
        DamageCase{"SizePastEnd", "truncated", [](Bytes& b) { Set32(b, kEntrySize, 745); }},
        DamageCase{"SizeTooSmallForBitmap", "truncated",
                   [](Bytes& b) { Set32(b, kEntrySize, 700); }},
        DamageCase{"SizeTooSmallForHeader", "truncated",
                   [](Bytes& b) { Set32(b, kEntrySize, 30); }},
        DamageCase{"HeaderSizeTooSmall", "too small", [](Bytes& b) { Set32(b, kImage, 12); }},
        DamageCase{"HeaderSizeHuge", "truncated", [](Bytes& b) { Set32(b, kImage, 0x7FFFFFFF); }},
        DamageCase{"WidthZero", "out of range", [](Bytes& b) { Set32(b, kImage + 4, 0); }},
        DamageCase{"WidthNegative", "out of range",
                   [](Bytes& b) { Set32(b, kImage + 4, 0xFFFFFFE0u); }},
        DamageCase{"WidthHuge", "out of range", [](Bytes& b) { Set32(b, kImage + 4, 100000); }},
        DamageCase{"WidthTooLargeForData", "truncated", [](Bytes& b) { Set32(b, kImage + 4, 64); }},
        DamageCase{"HeightOdd", "out of range", [](Bytes& b) { Set32(b, kImage + 8, 63); }},
        DamageCase{"HeightTooLargeForData", "truncated",
                   [](Bytes& b) { Set32(b, kImage + 8, 128); }},
        DamageCase{"TwoPlanes", "planes", [](Bytes& b) { Set16(b, kImage + 12, 2); }},
        DamageCase{"UnknownBitCount", "bits per pixel", [](Bytes& b) { Set16(b, kImage + 14, 5); }},
        DamageCase{"BitCountTooLargeForData", "truncated",
                   [](Bytes& b) { Set16(b, kImage + 14, 8); }},
        DamageCase{"Compressed", "compressed", [](Bytes& b) { Set32(b, kImage + 16, 2); }},
        DamageCase{"PaletteTooLargeForDepth", "palette",
                   [](Bytes& b) { Set32(b, kImage + 32, 17); }},
        DamageCase{"PixelPastShortPalette", "past the palette",
                   [](Bytes& b) { Set32(b, kImage + 32, 2); }},
        DamageCase{"Png", "PNG",
                   [](Bytes& b) {
                       const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
                       std::copy(png.begin(), png.end(), b.begin() + kImage);
                   }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.Name); });

} // namespace
