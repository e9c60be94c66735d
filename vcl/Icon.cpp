#include "vcl/Icon.h"

#include "vcl/Exception.h"

#include <algorithm>
#include <array>
#include <string>

namespace vcl {

namespace {

constexpr std::size_t kDirHeaderSize = 6;
constexpr std::size_t kDirEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint32_t kUncompressed = 0;
constexpr int kMaxSide = 256; // a directory entry stores 256 as 0
constexpr std::size_t kPaletteEntrySize = 4;
constexpr std::size_t kMaxPaletteSize = 256;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kTransparent = 0;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

[[noreturn]] void Fail(const std::string& what) {
    throw Exception("Icon data is malformed: " + what);
}

// Little-endian reads that check their bounds first.
class TReader {
public:
    TReader(std::span<const std::uint8_t> bytes, const char* what) : bytes_(bytes), what_(what) {}

    std::size_t Size() const { return bytes_.size(); }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    void Need(std::size_t offset, std::size_t count) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset)
            Fail(std::string(what_) + " is truncated");
    }
    std::uint8_t U8(std::size_t offset) const {
        Need(offset, 1);
        return bytes_[offset];
    }
    std::uint16_t U16(std::size_t offset) const {
        Need(offset, 2);
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        Need(offset, 4);
        return static_cast<std::uint32_t>(bytes_[offset]) |
               static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
    }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

private:
    std::span<const std::uint8_t> bytes_;
    const char* what_;
};

struct TDirEntry {
    int Side = 0;     // width * height, for picking the largest
    int BitCount = 0; // as the directory claims; breaks ties
    std::uint32_t Size = 0;
    std::uint32_t Offset = 0;
};

int EntrySide(std::uint8_t stored) {
    return stored == 0 ? kMaxSide : stored;
}

TDirEntry PickLargestEntry(const TReader& file) {
    if (file.Size() < kDirHeaderSize)
        Fail("shorter than the icon header");
    if (file.U16(0) != 0 || file.U16(2) != kTypeIcon)
        Fail("not an icon file (bad header)");
    const std::size_t count = file.U16(4);
    if (count == 0)
        Fail("the file holds no image");
    file.Need(kDirHeaderSize, count * kDirEntrySize);

    TDirEntry best;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirHeaderSize + i * kDirEntrySize;
        TDirEntry e;
        e.Side = EntrySide(file.U8(at)) * EntrySide(file.U8(at + 1));
        e.BitCount = file.U16(at + 6);
        e.Size = file.U32(at + 8);
        e.Offset = file.U32(at + 12);
        if (i == 0 || e.Side > best.Side || (e.Side == best.Side && e.BitCount > best.BitCount))
            best = e;
    }
    return best;
}

std::uint32_t Bgr(std::span<const std::uint8_t> p) {
    return static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

TIconImage DecodeImage(const TReader& image) {
    const std::span<const std::uint8_t> bytes = image.Bytes();
    if (bytes.size() >= kPngSignature.size() &&
        std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin()))
        Fail("PNG-compressed images are not supported");

    const std::uint32_t headerSize = image.U32(0);
    if (headerSize < kInfoHeaderSize)
        Fail("bitmap header is too small");
    image.Need(0, headerSize);
    const std::int32_t width = image.I32(4);
    const std::int32_t doubledHeight = image.I32(8); // colour bitmap and mask together
    const std::uint16_t planes = image.U16(12);
    const std::uint16_t bitCount = image.U16(14);
    const std::uint32_t compression = image.U32(16);
    const std::uint32_t colorsUsed = image.U32(32);

    if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight % 2 != 0 ||
        doubledHeight / 2 > kMaxSide)
        Fail("image size " + std::to_string(width) + " x " + std::to_string(doubledHeight) +
             " (colour and mask rows) is out of range");
    if (planes != 1)
        Fail("planes must be 1");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        Fail(std::to_string(bitCount) + " bits per pixel are not supported");
    if (compression != kUncompressed)
        Fail("compressed bitmaps are not supported");

    const bool paletted = bitCount <= 8;
    const std::size_t maxColors = paletted ? std::size_t{1} << bitCount : kMaxPaletteSize;
    if (colorsUsed > maxColors)
        Fail("palette is larger than the bit depth allows");
    const std::size_t paletteSize = (paletted && colorsUsed == 0) ? maxColors : colorsUsed;

    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(doubledHeight / 2);
    const std::size_t colorStride = (w * bitCount + 31) / 32 * 4;
    const std::size_t maskStride = (w + 31) / 32 * 4;
    const std::size_t paletteAt = headerSize;
    const std::size_t colorAt = paletteAt + paletteSize * kPaletteEntrySize;
    const std::size_t maskAt = colorAt + colorStride * h;
    image.Need(colorAt, colorStride * h);
    // 32-bit images carry alpha; some writers leave their mask out.
    const bool hasMask = bitCount != 32 || image.Size() >= maskAt + maskStride * h;
    if (hasMask)
        image.Need(maskAt, maskStride * h);

    std::vector<std::uint32_t> palette(paletteSize);
    for (std::size_t i = 0; i < paletteSize; ++i)
        palette[i] = kOpaque | Bgr(bytes.subspan(paletteAt + i * kPaletteEntrySize, 3));

    // Old 32-bit images leave alpha at zero everywhere and rely on the mask.
    bool useAlpha = false;
    if (bitCount == 32) {
        for (std::size_t i = 0; i < w * h && !useAlpha; ++i)
            useAlpha = bytes[colorAt + (i / w) * colorStride + (i % w) * 4 + 3] != 0;
    }

    TIconImage out;
    out.Width = width;
    out.Height = doubledHeight / 2;
    out.Pixels.resize(w * h);
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t stored = h - 1 - y; // bottom row first
        const auto row = bytes.subspan(colorAt + stored * colorStride, colorStride);
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t pixel = 0;
            if (paletted) {
                const std::size_t bit = x * bitCount;
                const unsigned shift = 8 - bitCount - bit % 8;
                const std::size_t index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
                if (index >= paletteSize)
                    Fail("a pixel refers past the palette");
                pixel = palette[index];
            } else {
                const auto p = row.subspan(x * bitCount / 8, bitCount / 8);
                pixel = Bgr(p);
                if (bitCount == 24 || !useAlpha)
                    pixel |= kOpaque;
                else
                    pixel |= static_cast<std::uint32_t>(p[3]) << 24;
            }
            if (hasMask && !useAlpha) {
                const std::uint8_t maskByte = bytes[maskAt + stored * maskStride + x / 8];
                if ((maskByte >> (7 - x % 8)) & 1)
                    pixel = kTransparent;
            }
            if ((pixel & kOpaque) == 0)
                pixel = kTransparent;
            out.Pixels[y * w + x] = pixel;
        }
    }
    return out;
}

} // namespace

TIconImage DecodeIcon(std::span<const std::uint8_t> data) {
    const TReader file(data, "icon file");
    const TDirEntry entry = PickLargestEntry(file);
    file.Need(entry.Offset, entry.Size);
    return DecodeImage(TReader(data.subspan(entry.Offset, entry.Size), "icon image"));
}

} // namespace vcl
