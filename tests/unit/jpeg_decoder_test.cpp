#include "window/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including their headers
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace launcher {
namespace {

using ByteVector = std::vector<std::uint8_t>;

// A picture to compress: samples top-down, `components` per pixel in `space` order.
struct SourcePicture {
    int width = 0;
    int height = 0;
    J_COLOR_SPACE space = JCS_RGB;
    int components = 3;
    ByteVector samples;
};

struct Rgb {
    int r, g, b;
};

// Four flat quadrants; sizes that are not a multiple of the 16-pixel MCU exercise the edges.
constexpr int kQuadrantWidth = 40;
constexpr int kQuadrantHeight = 24;
constexpr Rgb kTopLeft{200, 40, 40};
constexpr Rgb kTopRight{40, 200, 40};
constexpr Rgb kBottomLeft{40, 40, 200};
constexpr Rgb kBottomRight{230, 230, 230};

SourcePicture Quadrants() {
    SourcePicture picture{kQuadrantWidth, kQuadrantHeight, JCS_RGB, 3, {}};
    for (int y = 0; y < kQuadrantHeight; ++y) {
        for (int x = 0; x < kQuadrantWidth; ++x) {
            const bool left = x < kQuadrantWidth / 2;
            const Rgb c = y < kQuadrantHeight / 2 ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
            for (int v : {c.r, c.g, c.b}) picture.samples.push_back(static_cast<std::uint8_t>(v));
        }
    }
    return picture;
}

// Gray level rises by 6 per column.
SourcePicture GrayRamp() {
    SourcePicture picture{kQuadrantWidth, kQuadrantHeight, JCS_GRAYSCALE, 1, {}};
    for (int y = 0; y < kQuadrantHeight; ++y) {
        for (int x = 0; x < kQuadrantWidth; ++x) picture.samples.push_back(static_cast<std::uint8_t>(x * 6));
    }
    return picture;
}

SourcePicture FlatCmyk() {
    return {16, 16, JCS_CMYK, 4, ByteVector(16 * 16 * 4, 100)};
}

struct EncodeOptions {
    J_COLOR_SPACE stored = JCS_UNKNOWN;  // libjpeg's default for the input colour space
    bool fullChroma = false;             // 4:4:4 instead of libjpeg's default 4:2:0
    bool progressive = false;
    std::vector<jpeg_scan_info> scans = {};  // a custom scan script, when not empty
};

// Compresses with libjpeg at quality 95. Fixtures are made here rather than checked in.
ByteVector Encode(const SourcePicture& picture, const EncodeOptions& options = {}) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);  // a bad fixture ends the test program with libjpeg's message
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = picture.components;
    info.in_color_space = picture.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (options.stored != JCS_UNKNOWN) jpeg_set_colorspace(&info, options.stored);
    if (options.fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    if (options.progressive) jpeg_simple_progression(&info);
    if (!options.scans.empty()) {
        info.scan_info = options.scans.data();
        info.num_scans = static_cast<int>(options.scans.size());
    }

    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * picture.components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.samples.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);
    return ByteVector(buffer, buffer + size);
}

// Overwrites the frame header's dimensions, to declare sizes that would be too costly to encode.
ByteVector WithDimensions(ByteVector jpeg, std::uint16_t width, std::uint16_t height) {
    // After SOI, each segment is FF, its marker, then a big-endian length that counts itself.
    for (std::size_t at = 2; at + 9 <= jpeg.size(); at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3])) {
        const std::uint8_t marker = jpeg[at + 1];
        if (marker == 0xC0 || marker == 0xC2) {  // baseline or progressive frame: length, precision, height, width
            jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[at + 6] = static_cast<std::uint8_t>(height);
            jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[at + 8] = static_cast<std::uint8_t>(width);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

// Records each request and refuses it, so a test can see whether (and how) the decoder asked.
struct RefusingSink final : PixelSink {
    struct Request {
        int width, height;
    };
    std::vector<Request> requests;

    std::uint8_t* Allocate(int width, int height) override {
        requests.push_back({width, height});
        return nullptr;
    }
};

Rgb PixelAt(const Image& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 4;  // BGRX
    return {image.pixels[at + 2], image.pixels[at + 1], image.pixels[at]};
}

void ExpectNear(Rgb actual, Rgb expected, int tolerance) {
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
}

TEST(JpegDecoderTest, ColourPicturesDecodeTopDownInBgrOrder) {
    const struct {
        int line;
        const char* why;
        EncodeOptions options;
    } rows[] = {
        {__LINE__, "baseline, chroma subsampled 4:2:0 (the common case)", {}},
        {__LINE__, "full-resolution chroma", {.fullChroma = true}},
        {__LINE__, "progressive: libjpeg buffers the whole picture", {.progressive = true}},
        {__LINE__, "stored as RGB with no colour transform", {.stored = JCS_RGB}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        Image image;
        ASSERT_TRUE(DecodeJpeg(Encode(Quadrants(), row.options), image)) << row.why;
        ASSERT_EQ(image.width, kQuadrantWidth);
        ASSERT_EQ(image.height, kQuadrantHeight);
        ASSERT_EQ(image.pixels.size(), std::size_t{kQuadrantWidth} * kQuadrantHeight * 4);
        // Quadrant centres, clear of the blur that subsampling leaves along the borders.
        constexpr int kTolerance = 12;
        ExpectNear(PixelAt(image, 10, 6), kTopLeft, kTolerance);
        ExpectNear(PixelAt(image, 30, 6), kTopRight, kTolerance);
        ExpectNear(PixelAt(image, 10, 18), kBottomLeft, kTolerance);
        ExpectNear(PixelAt(image, 30, 18), kBottomRight, kTolerance);
    }
}

TEST(JpegDecoderTest, GrayscaleSpreadsToThreeEqualComponents) {
    Image image;
    ASSERT_TRUE(DecodeJpeg(Encode(GrayRamp()), image));
    ASSERT_EQ(image.width, kQuadrantWidth);
    ASSERT_EQ(image.height, kQuadrantHeight);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = PixelAt(image, x, y);
            ASSERT_EQ(pixel.g, pixel.r) << x << "," << y;
            ASSERT_EQ(pixel.b, pixel.r) << x << "," << y;
            ASSERT_NEAR(pixel.r, x * 6, 8) << x << "," << y;
        }
    }
}

TEST(JpegDecoderTest, DeclaredSizeIsCheckedBeforeAnythingIsAllocated) {
    const ByteVector valid = Encode(Quadrants());
    const struct {
        int line;
        std::uint16_t width, height;
        bool reachesSink;
    } rows[] = {
        {__LINE__, 8192, 4096, true},     // exactly kMaxPicturePixels
        {__LINE__, 8192, 4097, false},    // one row over
        {__LINE__, 65000, 65000, false},  // within JPEG's own limits, far over ours
        {__LINE__, 0, 24, false},
        {__LINE__, 40, 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        RefusingSink sink;
        EXPECT_FALSE(DecodeJpeg(WithDimensions(valid, row.width, row.height), sink));
        if (row.reachesSink) {
            ASSERT_EQ(sink.requests.size(), 1u);
            EXPECT_EQ(sink.requests[0].width, row.width);
            EXPECT_EQ(sink.requests[0].height, row.height);
        } else {
            EXPECT_TRUE(sink.requests.empty());
        }
    }
}

TEST(JpegDecoderTest, UndecodableDataFailsWithoutAllocating) {
    const ByteVector valid = Encode(Quadrants());
    const struct {
        int line;
        const char* why;
        ByteVector jpeg;
    } rows[] = {
        {__LINE__, "empty", {}},
        {__LINE__, "not a JPEG", ByteVector(64, 0xAB)},
        {__LINE__, "header cut off inside the first segment", ByteVector(valid.begin(), valid.begin() + 20)},
        {__LINE__, "start and end markers with no frame", {0xFF, 0xD8, 0xFF, 0xD9}},
        {__LINE__, "CMYK, which a DIB cannot show", Encode(FlatCmyk(), {.stored = JCS_CMYK})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        RefusingSink sink;
        EXPECT_FALSE(DecodeJpeg(row.jpeg, sink)) << row.why;
        EXPECT_TRUE(sink.requests.empty()) << row.why;
    }
}

TEST(JpegDecoderTest, SinkThatRefusesFailsTheDecode) {
    RefusingSink sink;
    EXPECT_FALSE(DecodeJpeg(Encode(Quadrants()), sink));
    ASSERT_EQ(sink.requests.size(), 1u);
    EXPECT_EQ(sink.requests[0].width, kQuadrantWidth);
    EXPECT_EQ(sink.requests[0].height, kQuadrantHeight);
}

// Every cut of a picture either fails or yields the whole picture (libjpeg fills lost scan
// data with gray). Each cut is its own exact-size allocation, so under ASan a read past the
// end of the input is caught.
TEST(JpegDecoderTest, EveryTruncationFailsOrKeepsTheFullSize) {
    for (const bool progressive : {false, true}) {
        const ByteVector valid = Encode(Quadrants(), {.progressive = progressive});
        for (std::size_t size = 0; size < valid.size(); ++size) {
            const ByteVector cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(size));
            Image image;
            if (DecodeJpeg(cut, image)) {
                ASSERT_EQ(image.width, kQuadrantWidth) << "progressive " << progressive << ", size " << size;
                ASSERT_EQ(image.height, kQuadrantHeight) << "progressive " << progressive << ", size " << size;
            }
        }
    }
}

TEST(JpegDecoderTest, ProgressivePictureWithEndlessScansFails) {
    // Grayscale 8x8: the DC scan, then each AC coefficient in its own scan and refined one bit at
    // a time, which libjpeg accepts as valid: 1 + 63 * 11 = 694 scans.
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < 64; ++k) {
        scans.push_back({1, {0}, k, k, 0, 10});
        for (int bit = 10; bit > 0; --bit) scans.push_back({1, {0}, k, k, bit, bit - 1});
    }
    const SourcePicture picture{8, 8, JCS_GRAYSCALE, 1, ByteVector(64, 128)};
    Image image;
    EXPECT_FALSE(DecodeJpeg(Encode(picture, {.scans = scans}), image));
}

}  // namespace
}  // namespace launcher
