// Hand-made GIF files for tests: a logical screen, an optional global colour table
// and NETSCAPE2.0 loop count, and frames with graphic control extensions. The image
// data is LZW with a clear code every few pixels, so that no compression is needed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orr::test {

struct GifFrameRecipe {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // rows top to bottom
    int delay_cs = 0;
    int disposal = 0;
    int transparent = -1;
    std::vector<std::uint32_t> local_palette; // 0xRRGGBB; empty: none
    bool interlaced = false;
    bool control = true; // write a graphic control extension
};

struct GifRecipe {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> global_palette; // 0xRRGGBB; empty: none
    std::optional<int> loop_count;             // NETSCAPE2.0, written before the first frame
    std::vector<GifFrameRecipe> frames;
};

class GifBytes {
public:
    static std::vector<std::uint8_t> build(const GifRecipe& wanted)
    {
        GifBytes out;
        out.text("GIF89a");
        out.word(wanted.width);
        out.word(wanted.height);
        const int global_bits = table_bits(wanted.global_palette.size());
        out.byte(wanted.global_palette.empty() ? 0 : 0x80 | (global_bits - 1));
        out.byte(0); // background
        out.byte(0); // aspect
        out.table(wanted.global_palette, global_bits);
        if (wanted.loop_count) {
            out.bytes({0x21, 0xFF, 11});
            out.text("NETSCAPE2.0");
            out.bytes({3, 1});
            out.word(*wanted.loop_count);
            out.byte(0);
        }
        for (const GifFrameRecipe& frame : wanted.frames)
            out.frame(frame);
        out.byte(0x3B);
        return out.data_;
    }

private:
    static constexpr int kCodeSize = 8;
    static constexpr int kLiteralsPerClear = 250;

    static int table_bits(std::size_t colours)
    {
        int bits = 1;
        while ((std::size_t{1} << bits) < colours)
            ++bits;
        return bits;
    }

    void byte(int value) { data_.push_back(static_cast<std::uint8_t>(value)); }
    void bytes(std::initializer_list<int> values)
    {
        for (int v : values)
            byte(v);
    }
    void word(int value)
    {
        byte(value & 0xFF);
        byte(value >> 8 & 0xFF);
    }
    void text(const std::string& s)
    {
        for (char c : s)
            byte(c);
    }
    void table(const std::vector<std::uint32_t>& colours, int bits)
    {
        if (colours.empty())
            return;
        for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
            const std::uint32_t c = i < colours.size() ? colours[i] : 0;
            bytes({static_cast<int>(c >> 16 & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                   static_cast<int>(c & 0xFF)});
        }
    }

    void frame(const GifFrameRecipe& f)
    {
        if (f.control) {
            bytes({0x21, 0xF9, 4, (f.disposal & 7) << 2 | (f.transparent >= 0 ? 1 : 0)});
            word(f.delay_cs);
            bytes({f.transparent >= 0 ? f.transparent : 0, 0});
        }
        byte(0x2C);
        word(f.left);
        word(f.top);
        word(f.width);
        word(f.height);
        const int local_bits = table_bits(f.local_palette.size());
        byte((f.local_palette.empty() ? 0 : 0x80 | (local_bits - 1)) | (f.interlaced ? 0x40 : 0));
        table(f.local_palette, local_bits);
        std::vector<std::uint8_t> ordered;
        if (f.interlaced) {
            for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = start; y < f.height; y += step)
                    ordered.insert(ordered.end(), f.pixels.begin() + y * f.width,
                                   f.pixels.begin() + (y + 1) * f.width);
            }
        } else {
            ordered = f.pixels;
        }
        lzw(ordered);
    }

    void lzw(const std::vector<std::uint8_t>& pixels)
    {
        const int clear = 1 << kCodeSize;
        std::vector<std::uint8_t> packed;
        std::uint32_t bits = 0;
        int count = 0;
        auto put = [&](int code) {
            bits |= static_cast<std::uint32_t>(code) << count;
            count += kCodeSize + 1;
            while (count >= 8) {
                packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        };
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (i % kLiteralsPerClear == 0)
                put(clear);
            put(pixels[i]);
        }
        put(clear + 1);
        if (count > 0)
            packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
        byte(kCodeSize);
        for (std::size_t at = 0; at < packed.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
            byte(static_cast<int>(n));
            data_.insert(data_.end(), packed.begin() + at, packed.begin() + at + n);
        }
        byte(0);
    }

    std::vector<std::uint8_t> data_;
};

} // namespace orr::test
