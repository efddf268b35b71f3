// Writes the window icon as PNG files for the desktop's icon theme, one per size, from the same
// images the window uses. Sizes below 32 come from the 16-pixel image, the rest from the
// 32-pixel image, scaled without smoothing so the pixels stay sharp.
//
//   keb_export_icons OUTPUT_DIR SIZE...

#include "quiz/window_icon.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    const auto images = keb::windowIcon();
    const QImage large(images.at(0));
    const QImage small(images.at(1));
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QImage& source = size < 32 ? small : large;
        const QImage icon =
            source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString file = dir + QStringLiteral("/%1.png").arg(size);
        if (icon.isNull() || !icon.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
