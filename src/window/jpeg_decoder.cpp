#include "window/jpeg_decoder.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including their headers
#include <new>

#include <jpeglib.h>

namespace launcher {
namespace {

constexpr int kBytesPerPixel = 4;
// A few kilobytes of progressive data can declare thousands of scans, each a full pass over
// the picture; real pictures use a dozen or so.
constexpr int kMaxProgressiveScans = 500;
// libjpeg-turbo returns at most a few rows per call; asking for several at once saves it
// copying through its own row buffer.
constexpr JDIMENSION kRowsPerRead = 4;

// libjpeg reports a fatal error through error_exit, which must not return: it jumps back into
// DecodeInto, across libjpeg's C frames only. Warnings leave libjpeg's recovery to do its work.
struct ErrorManager {
    jpeg_error_mgr base;  // first, so the jpeg_error_mgr* libjpeg passes back converts to ours
    std::jmp_buf resume;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->resume, 1);
}
void IgnoreWarning(j_common_ptr, int) {}
void IgnoreMessage(j_common_ptr) {}

void StopEndlessScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxProgressiveScans) JumpBack(info);
}

// Everything libjpeg reads and writes. It lives in the caller of the function that calls setjmp,
// so its values stay determinate after a long jump, and its destructor frees libjpeg's memory
// however the decode ends.
struct Decompression {
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    jpeg_decompress_struct info{};  // zeroed: destroying it before libjpeg set it up is harmless

    Decompression() {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = JumpBack;
        errors.base.emit_message = IgnoreWarning;
        errors.base.output_message = IgnoreMessage;
        progress.progress_monitor = StopEndlessScans;
    }
    ~Decompression() { jpeg_destroy_decompress(&info); }
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;
};

bool IsSupportedColourSpace(J_COLOR_SPACE space) {
    return space == JCS_GRAYSCALE || space == JCS_RGB || space == JCS_YCbCr;
}

// Calls setjmp, so it holds only trivially destructible locals: a long jump from libjpeg lands
// here without skipping any destructor.
bool DecodeInto(Decompression& d, Bytes jpeg, PixelSink& sink) {
    jpeg_decompress_struct& info = d.info;
    if (jpeg.size() > ULONG_MAX) return false;  // unsigned long is 32 bits on Windows
    if (setjmp(d.errors.resume) != 0) return false;

    jpeg_create_decompress(&info);
    info.progress = &d.progress;  // after create, which zeroes the struct
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;

    // Checked before libjpeg or the sink allocates anything sized by the picture.
    const std::uint64_t pixelCount = std::uint64_t{info.image_width} * info.image_height;
    if (pixelCount == 0 || pixelCount > kMaxPicturePixels) return false;
    if (!IsSupportedColourSpace(info.jpeg_color_space)) return false;

    // libjpeg-turbo converts grayscale to BGRX itself, copying the gray value to all three.
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&info);
    if (info.output_components != kBytesPerPixel) return false;
    // Both fit in int: each is at most kMaxPicturePixels.
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    std::uint8_t* const pixels = sink.Allocate(width, height);
    if (pixels == nullptr) return false;

    if (!jpeg_start_decompress(&info)) return false;
    const std::size_t stride = std::size_t{info.output_width} * kBytesPerPixel;
    JSAMPROW rows[kRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION count = std::min(kRowsPerRead, info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) rows[i] = pixels + (first + i) * stride;
        // The memory source never suspends, so no progress means the decoder is stuck.
        if (jpeg_read_scanlines(&info, rows, count) == 0) return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(Bytes jpeg, PixelSink& sink) {
    Decompression decompression;
    return DecodeInto(decompression, jpeg, sink);
}

std::uint8_t* Image::Allocate(int w, int h) {
    if (w <= 0 || h <= 0) return nullptr;
    const std::uint64_t pixelCount = std::uint64_t(w) * std::uint64_t(h);
    if (pixelCount > kMaxPicturePixels) return nullptr;
    try {
        pixels.assign(static_cast<std::size_t>(pixelCount) * kBytesPerPixel, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;  // a refusal fails the decode instead of throwing through it
    }
    width = w;
    height = h;
    return pixels.data();
}

}  // namespace launcher
