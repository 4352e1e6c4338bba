// make_art OUTDIR: renders the letter tile strip (letters.bmp) and the window
// icon (tavolk.ico) from the DejaVu Serif Bold outlines. The same font file
// and libraries always give the same bytes.

#include "artwork.h"
#include "encode.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

void usage(std::FILE* to) {
    std::fputs(
        "usage: make_art OUTDIR\n"
        "Writes OUTDIR/letters.bmp and OUTDIR/tavolk.ico (OUTDIR is created if needed).\n",
        to);
}

// Writes through a temporary file so that a failed run never leaves a
// truncated image in place of a good one.
void writeFile(const QString& path, const art::Bytes& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
    const auto size = qint64(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
        usage(stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '\0') {
        usage(stderr);
        return 2;
    }
    // Fonts need a GUI application object, but this tool never shows a window
    // and must run on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    try {
        const QString outDir = QString::fromLocal8Bit(argv[1]);
        if (!QDir().mkpath(outDir)) {
            throw std::runtime_error("cannot create directory " + outDir.toStdString());
        }
        const QRawFont font = art::loadFont(QString::fromLatin1(kFontPath));

        // Render both before writing either, so an error leaves the output
        // directory as it was.
        const art::Bytes letters = art::encodeBmp24(art::renderLetterStrip(font));
        const art::Bytes icon = art::encodeIco(art::renderIconImages(font));

        const QDir dir(outDir);
        writeFile(dir.filePath(QStringLiteral("letters.bmp")), letters);
        writeFile(dir.filePath(QStringLiteral("tavolk.ico")), icon);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_art: %s\n", e.what());
        return 1;
    }
    return 0;
}
