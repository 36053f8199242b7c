// jpeg_decode_bench: how long DecodeJpeg takes for one picture held in memory, against the floor
// of copying its decoded pixels once. Built twice: over the libjpeg-turbo the build links
// (Debian's, with SIMD) and over jpeg::jpeg_nosimd, the same source without SIMD.
//
//   jpeg_decode_bench PICTURE [--label NAME] [--iterations N] [--warmup N]
//
// Prints one JSON line per measurement ("decode", "copy") with the median, minimum, mean and
// maximum in milliseconds over N timed runs that follow N warm-up runs.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/jpeg_decoder.h"

namespace {

// Decodes into the same buffer every time, so the figure is the decoder's and not the allocator's.
class ReusedPixels final : public launcher::PixelSink {
public:
    std::uint8_t* Allocate(int width, int height) override {
        width_ = width;
        height_ = height;
        pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
        return pixels_.data();
    }
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    std::vector<std::uint8_t> pixels_;
    int width_ = 0;
    int height_ = 0;
};

// Keeps the compiler from dropping work whose result nothing reads.
void KeepWritten(const void* memory) { asm volatile("" : : "r"(memory) : "memory"); }

struct Settings {
    std::string picture;
    std::string label = "linked";
    int iterations = 200;
    int warmup = 20;
};

std::optional<Settings> ParseArguments(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--label" && hasValue) {
            settings.label = argv[++i];
        } else if (word == "--iterations" && hasValue) {
            settings.iterations = std::atoi(argv[++i]);
        } else if (word == "--warmup" && hasValue) {
            settings.warmup = std::atoi(argv[++i]);
        } else if (settings.picture.empty() && !word.starts_with("--")) {
            settings.picture = word;
        } else {
            return std::nullopt;
        }
    }
    if (settings.picture.empty() || settings.iterations < 1 || settings.warmup < 0) return std::nullopt;
    return settings;
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Runs `work` warmup + iterations times and answers the timed runs' durations, sorted, in ms.
template <typename Work>
std::vector<double> Time(const Settings& settings, Work&& work) {
    for (int i = 0; i < settings.warmup; ++i) work();
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(settings.iterations));
    for (int i = 0; i < settings.iterations; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void Report(const Settings& settings, std::string_view what, const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    const double median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    const double mean = std::accumulate(sorted.begin(), sorted.end(), 0.0) / static_cast<double>(n);
    std::printf(
        "{\"label\":\"%s\",\"what\":\"%.*s\",\"iterations\":%zu,\"median_ms\":%.4f,\"min_ms\":%.4f,"
        "\"mean_ms\":%.4f,\"max_ms\":%.4f}\n",
        settings.label.c_str(), static_cast<int>(what.size()), what.data(), n, median, sorted.front(), mean,
        sorted.back());
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Settings> settings = ParseArguments(argc, argv);
    if (!settings) {
        std::fprintf(stderr, "usage: %s PICTURE [--label NAME] [--iterations N] [--warmup N]\n", argv[0]);
        return 2;
    }
    const auto jpeg = ReadFile(settings->picture);
    if (!jpeg) {
        std::fprintf(stderr, "cannot read %s\n", settings->picture.c_str());
        return 1;
    }

    ReusedPixels decoded;
    bool allDecoded = true;
    const std::vector<double> decodeMs = Time(*settings, [&] {
        allDecoded = launcher::DecodeJpeg(*jpeg, decoded) && allDecoded;
        KeepWritten(decoded.Pixels().data());
    });
    if (!allDecoded) {
        std::fprintf(stderr, "%s did not decode\n", settings->picture.c_str());
        return 1;
    }
    std::fprintf(stderr, "%s: %d x %d\n", settings->picture.c_str(), decoded.Width(), decoded.Height());
    Report(*settings, "decode", decodeMs);

    std::vector<std::uint8_t> copy(decoded.Pixels().size());
    const std::vector<double> copyMs = Time(*settings, [&] {
        std::memcpy(copy.data(), decoded.Pixels().data(), copy.size());
        KeepWritten(copy.data());
    });
    Report(*settings, "copy", copyMs);
    return 0;
}
