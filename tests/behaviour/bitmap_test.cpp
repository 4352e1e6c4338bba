// Decoding bitmap resources: the formats the program ships, and damaged data.
#include <gtest/gtest.h>

#include <vector>

#include "platform/resources.h"

namespace {

// A 24-bit BMP of w x h pixels; pixel (x, y) is (x, y, x + y).
std::vector<std::uint8_t> MakeBmp(int w, int h, bool topDown = false) {
    const int stride = (w * 3 + 3) & ~3;
    std::vector<std::uint8_t> b(54 + static_cast<std::size_t>(stride) * h, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(topDown ? -h : h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y) {
        const int row = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &b[54 + static_cast<std::size_t>(row) * stride + x * 3];
            p[0] = static_cast<std::uint8_t>(x + y);  // blue
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x);
        }
    }
    return b;
}

TEST(BitmapTest, DecodesBottomUpAndTopDownRowsWithPadding) {
    for (bool topDown : {false, true}) {
        const auto bytes = MakeBmp(5, 3, topDown);
        const platform::Bitmap bmp = platform::Bitmap::FromBmp(bytes);
        ASSERT_FALSE(bmp.IsNull());
        ASSERT_EQ(bmp.Width(), 5);
        ASSERT_EQ(bmp.Height(), 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* p = bmp.Pixels() + (y * 5 + x) * 3;
                EXPECT_EQ(p[0], x);
                EXPECT_EQ(p[1], y);
                EXPECT_EQ(p[2], x + y);
            }
        }
    }
}

TEST(BitmapTest, RefusesWhatItCannotReadSafely) {
    const auto good = MakeBmp(4, 4);
    auto truncated = good;
    truncated.resize(good.size() - 1);
    auto paletted = good;
    paletted[28] = 8;
    auto compressed = good;
    compressed[30] = 1;
    auto huge = good;
    huge[21] = 0x7F;  // width near 2^31
    auto offset = good;
    offset[13] = 0xFF;  // pixels far past the end
    auto zeroWidth = good;
    zeroWidth[18] = 0;
    const std::vector<std::vector<std::uint8_t>> bad = {
        {}, {'B', 'M'}, {'X', 'M', 0, 0}, truncated, paletted, compressed, huge, offset, zeroWidth};
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_TRUE(platform::Bitmap::FromBmp(bad[i]).IsNull()) << "case " << i;
}

}  // namespace
