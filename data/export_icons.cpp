// Writes the window icon for the desktop's icon theme as PNG files, one per size, or for Windows
// as one .ico file that holds every size, from the same images the window uses. Sizes below 32
// come from the 16-pixel image, the rest from the 32-pixel image, scaled without smoothing so the
// pixels stay sharp.
//
//   keb_export_icons OUTPUT_DIR SIZE...
//   keb_export_icons --ico FILE SIZE...

#include "quiz/window_icon.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QByteArray png(int size) {
    static const auto images = keb::windowIcon();
    const QImage source(images.at(size < 32 ? 1 : 0));
    const QImage icon = source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return !icon.isNull() && icon.save(&buffer, "PNG") ? bytes : QByteArray();
}

// An icon file: its directory, then each size's image as PNG, which Windows reads since Vista.
QByteArray ico(const QList<int>& sizes) {
    QList<QByteArray> images;
    for (const int size : sizes) {
        images << png(size);
        if (images.last().isEmpty()) {
            return {};
        }
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] >= 256 ? 0 : sizes[i]); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images) {
        out.writeRawData(image.constData(), int(image.size()));
    }
    return file;
}

bool write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool asIco = argc > 1 && std::strcmp(argv[1], "--ico") == 0;
    const int first = asIco ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE... | --ico FILE SIZE...\n", argv[0]);
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[first]);
    QList<int> sizes;
    for (int i = first + 1; i < argc; ++i) {
        sizes << std::atoi(argv[i]);
    }
    if (asIco) {
        return write(target, ico(sizes)) ? 0 : 1;
    }
    QDir().mkpath(target);
    for (const int size : sizes) {
        if (!write(target + QStringLiteral("/%1.png").arg(size), png(size))) {
            return 1;
        }
    }
    return 0;
}
