// check_art DIR [PNGDIR]: loads DIR/letters.bmp and DIR/tavolk.ico through
// Qt's own image readers, the way the game will, and checks that every image
// has the expected size and depth. With PNGDIR, also writes each image as a
// PNG there for viewing.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstddef>
#include <cstdio>
#include <vector>

namespace {

struct Expected {
    int size;
    QImage::Format format;  // as announced by the reader before decoding
};

const char* formatName(QImage::Format f) {
    switch (f) {
        case QImage::Format_RGB32:
            return "24-bit";
        case QImage::Format_ARGB32:
            return "32-bit";
        case QImage::Format_Indexed8:
            return "8-bit";
        default:
            return "other";
    }
}

int checkLetters(const QDir& dir, const QString& pngDir) {
    QImageReader reader(dir.filePath(QStringLiteral("letters.bmp")));
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull()) {
        std::printf("letters.bmp: FAILED to load: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    std::printf("letters.bmp: %s %dx%d\n", format.constData(), image.width(), image.height());
    int failures = 0;
    if (format != "bmp" || image.width() != 1768 || image.height() != 68) {
        std::printf("  FAILED: expected a 1768x68 BMP\n");
        ++failures;
    }
    // The top and bottom rows of every tile are plain ground.
    const QRgb ground = qRgb(255, 255, 205);
    for (int x = 0; x < image.width() && failures == 0; ++x) {
        if (image.pixel(x, 0) != ground || image.pixel(x, image.height() - 1) != ground) {
            std::printf("  FAILED: ink on the tile edge at column %d\n", x);
            ++failures;
        }
    }
    if (!pngDir.isEmpty()) {
        image.save(QDir(pngDir).filePath(QStringLiteral("letters.png")));
    }
    return failures;
}

int checkIcon(const QDir& dir, const QString& pngDir) {
    const std::vector<Expected> expected = {
        {48, QImage::Format_RGB32},    {48, QImage::Format_RGB32},    {48, QImage::Format_RGB32},
        {32, QImage::Format_RGB32},    {32, QImage::Format_RGB32},    {32, QImage::Format_RGB32},
        {24, QImage::Format_Indexed8}, {24, QImage::Format_Indexed8}, {24, QImage::Format_Indexed8},
        {16, QImage::Format_Indexed8}, {16, QImage::Format_Indexed8}, {16, QImage::Format_Indexed8},
        {256, QImage::Format_RGB32},
    };
    QImageReader reader(dir.filePath(QStringLiteral("tavolk.ico")));
    if (!reader.canRead()) {
        std::printf("tavolk.ico: FAILED to open: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    int failures = 0;
    const QByteArray format = reader.format();
    std::printf("tavolk.ico: %s, %d images\n", format.constData(), reader.imageCount());
    if (format != "ico" || reader.imageCount() != int(expected.size())) {
        std::printf("  FAILED: expected an ICO with %zu images\n", expected.size());
        ++failures;
    }
    for (int i = 0; i < reader.imageCount() && i < int(expected.size()); ++i) {
        if (!reader.jumpToImage(i)) {
            std::printf("  #%d FAILED: cannot seek\n", i);
            ++failures;
            continue;
        }
        const QSize announced = reader.size();
        const QImage::Format format = reader.imageFormat();
        const QImage image = reader.read();
        const bool ok = !image.isNull() && image.width() == expected[std::size_t(i)].size &&
                        image.height() == expected[std::size_t(i)].size &&
                        announced == image.size() && format == expected[std::size_t(i)].format;
        std::printf("  #%-2d %3dx%-3d %-6s -> decoded %dx%d, alpha %s  %s\n", i, announced.width(),
                    announced.height(), formatName(format), image.width(), image.height(),
                    image.hasAlphaChannel() ? "yes" : "no", ok ? "ok" : "FAILED");
        if (!ok) {
            ++failures;
        }
        if (!pngDir.isEmpty() && !image.isNull()) {
            image.save(
                QDir(pngDir).filePath(QStringLiteral("icon-%1-%2.png").arg(i).arg(image.width())));
        }
    }
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: check_art DIR [PNGDIR]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QString pngDir = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!pngDir.isEmpty() && !QDir().mkpath(pngDir)) {
        std::fprintf(stderr, "check_art: cannot create %s\n", argv[2]);
        return 1;
    }
    const int failures = checkLetters(dir, pngDir) + checkIcon(dir, pngDir);
    std::printf(failures == 0 ? "all images load as expected\n" : "%d problem(s) found\n",
                failures);
    return failures == 0 ? 0 : 1;
}
