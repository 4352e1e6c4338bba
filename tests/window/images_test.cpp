// The letter strip and the icon as they are built into the program.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "platform/qt/qt_util.h"
#include "platform/resources.h"

namespace {

QByteArray Resource(const char* type, int id) {
    const auto bytes = platform::FindEmbeddedResource(type, id);
    if (!bytes)
        return {};
    return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                      static_cast<qsizetype>(bytes->size()));
}

std::uint32_t Le32(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

TEST(LetterStripTest, IsAnUncompressed24BitStripOf26Cells) {
    const QByteArray bmp = Resource("BITMAP", 129);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(Le32(bmp, 18), 1768u);
    EXPECT_EQ(Le32(bmp, 22), 68u);
    EXPECT_EQ(Le32(bmp, 28) & 0xFFFF, 24u);
    EXPECT_EQ(Le32(bmp, 30), 0u);

    const auto bytes = platform::FindEmbeddedResource("BITMAP", 129);
    const platform::Bitmap strip = platform::Bitmap::FromBmp(*bytes);
    ASSERT_EQ(strip.Width(), 1768);
    ASSERT_EQ(strip.Height(), 68);
    // The toolkit reads the same picture.
    const QImage viaQt = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
    const QImage& ours = platform::qt::ImageOf(strip);
    ASSERT_EQ(viaQt.size(), ours.size());
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 1768; ++x)
            ASSERT_EQ(viaQt.pixel(x, y), ours.pixel(x, y));
}

TEST(LetterStripTest, EachCellIsABlueLetterOnPaleYellowThatStaysInsideItsCell) {
    const platform::Bitmap bitmap =
        platform::Bitmap::FromBmp(*platform::FindEmbeddedResource("BITMAP", 129));
    const QImage& strip = platform::qt::ImageOf(bitmap);
    const QRgb ground = qRgb(255, 255, 205);
    for (int k = 0; k < 26; ++k) {
        SCOPED_TRACE(std::string("letter ") + static_cast<char>('A' + k));
        const int x0 = 68 * k;
        int blue = 0, top = 68, bottom = -1;
        for (int y = 0; y < 68; ++y) {
            for (int x = x0; x < x0 + 68; ++x) {
                const QRgb p = strip.pixel(x, y) & 0xFFFFFF;
                if ((p | 0xFF000000) != ground) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
                if (qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 30)
                    ++blue;
            }
        }
        EXPECT_GT(blue, 300);
        // Capitals stand on rows 11 to 56; only Q and J reach further down.
        EXPECT_GE(top, 9);
        EXPECT_LE(top, 12);
        if (k == 'Q' - 'A' || k == 'J' - 'A')
            EXPECT_LE(bottom, 67);
        else
            EXPECT_LE(bottom, 58);
        // The top rows are plain ground, so every cell is complete in itself.
        for (int x = x0; x < x0 + 68; ++x)
            ASSERT_EQ(strip.pixel(x, 0) | 0xFF000000, ground);
    }
}

TEST(IconTest, HoldsThirteenImagesOfTheListedSizesAndDepths) {
    QByteArray ico = Resource("ICON", 128);
    ASSERT_FALSE(ico.isEmpty());
    QBuffer buffer(&ico);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 13);
    const int sizes[] = {48, 48, 48, 32, 32, 32, 24, 24, 24, 16, 16, 16, 256};
    const int depths[] = {24, 24, 24, 24, 24, 24, 8, 8, 8, 8, 8, 8, 24};
    for (int i = 0; i < 13; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << i;
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i])) << i;
        // The directory records each image's depth.
        const int entry = 6 + 16 * i;
        EXPECT_EQ(static_cast<std::uint8_t>(ico[entry + 6]) |
                      static_cast<std::uint8_t>(ico[entry + 7]) << 8,
                  depths[i])
            << i;
    }

    // As the program decodes them: a red square whose softened corners are
    // see-through, with a blue letter in the middle.
    const auto pictures = platform::DecodeIcon(*platform::FindEmbeddedResource("ICON", 128));
    ASSERT_EQ(pictures.size(), 13u);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const platform::IconImage& p = pictures[i];
        ASSERT_EQ(p.width, sizes[i]) << i;
        ASSERT_EQ(p.height, sizes[i]) << i;
        EXPECT_EQ(p.bitCount, depths[i]) << i;
        auto at = [&](int x, int y) {
            return &p.rgba[static_cast<std::size_t>(y * p.width + x) * 4];
        };
        for (const auto& [x, y] :
             {std::pair{0, 0}, {p.width - 1, 0}, {0, p.height - 1}, {p.width - 1, p.height - 1}})
            EXPECT_EQ(at(x, y)[3], 0) << i << " corner " << x << "," << y;
        const std::uint8_t* red = at(p.width / 8 + 1, p.height / 2);
        EXPECT_EQ(red[3], 255) << i;
        EXPECT_GT(red[0], red[2] + 60) << i;
        const std::uint8_t* letter = at(p.width / 2, p.height / 2);
        EXPECT_GT(letter[2], letter[0] + 40) << i;
    }
}

TEST(IconTest, DamagedIconsGiveNoPictures) {
    const auto bytes = platform::FindEmbeddedResource("ICON", 128);
    std::vector<std::uint8_t> ico(bytes->begin(), bytes->end());
    EXPECT_TRUE(platform::DecodeIcon({}).empty());
    EXPECT_TRUE(
        platform::DecodeIcon(std::vector<std::uint8_t>(ico.begin(), ico.begin() + 100)).empty());
    auto lying = ico;
    lying[6 + 12] = 0xFF;  // first entry's offset far past the end
    lying[6 + 15] = 0x7F;
    EXPECT_EQ(platform::DecodeIcon(lying).size(), 12u);
}

}  // namespace
