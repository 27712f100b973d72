// A decoded GIF as the logo control keeps it: the logical screen, the frames with
// their rectangles, delays, disposal and transparency, and the loop count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orr::gif {

inline constexpr std::size_t kMaxFrames = 256;
// Bounds that keep damaged or hostile data from taking all memory: the canvas, and
// the pixels of all frames together (frames beyond it are ignored, as beyond the 256th).
inline constexpr std::int64_t kMaxCanvasPixels = std::int64_t{2048} * 2048;
inline constexpr std::int64_t kMaxDecodedPixels = std::int64_t{16} * 1024 * 1024;
inline constexpr int kCentisecondMs = 10;
inline constexpr int kNoTransparency = -1;

enum Disposal : int { kDisposalNone = 0, kDisposalKeep = 1, kDisposalBackground = 2, kDisposalPrevious = 3 };

struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int delay_ms = 0; // hundredths of a second times 10
    int disposal = kDisposalNone;
    int transparent = kNoTransparency;  // colour index
    std::vector<std::uint32_t> palette; // 0xRRGGBB: the local colour table, else the global one
    std::vector<std::uint8_t> pixels;   // width * height colour indices, rows top to bottom
};

struct Picture {
    int width = 0; // the logical screen
    int height = 0;
    int global_colours = 0; // entries of the global colour table; 0 without one
    int loop_count = 1;     // NETSCAPE2.0; 1 without the extension, 0 for endless
    std::vector<Frame> frames;

    bool empty() const { return frames.empty(); }
    bool has_transparency() const
    {
        for (const Frame& frame : frames) {
            if (frame.transparent != kNoTransparency)
                return true;
        }
        return false;
    }
};

} // namespace orr::gif
