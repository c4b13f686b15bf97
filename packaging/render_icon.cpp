// Renders the scalable icon into one of the fixed PNG sizes that icon themes
// and menus look up, or into a Windows icon file holding several sizes, so that
// every size comes from the one SVG source.
//   quorvel_render_icon ICON.svg SIZE OUT.png
//   quorvel_render_icon ICON.svg SIZE,SIZE,... OUT.ico

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico file: a directory of the images, then each image as a PNG, which
// Windows reads at every size.
QByteArray icoFile(const QList<QImage> &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    QList<QByteArray> pngs;
    quint32 offset = 6 + 16 * images.size();
    for (const QImage &image : images) {
        pngs.append(png(image));
        const auto side = quint8(image.width() >= 256 ? 0 : image.width());   // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pngs.last().size()) << offset;
        offset += pngs.last().size();
    }
    for (const QByteArray &data : pngs)
        out.writeRawData(data.constData(), int(data.size()));
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    // No screen is needed, only the fonts of the digits in the icon.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    QList<int> sizes;
    bool sizesOk = args.size() == 4;
    for (const QString &size : sizesOk ? args.at(2).split(QLatin1Char(',')) : QStringList()) {
        sizes.append(size.toInt(&sizesOk));
        if (!sizesOk || sizes.last() <= 0 || sizes.last() > 256)
            break;
    }
    const bool ico = args.size() == 4 && args.at(3).endsWith(QLatin1String(".ico"));
    sizesOk = sizesOk && !sizes.isEmpty() && sizes.last() > 0 && sizes.last() <= 256;
    if (!sizesOk || (!ico && sizes.size() != 1)) {
        std::fprintf(stderr, "usage: quorvel_render_icon ICON.svg SIZE OUT.png | ICON.svg SIZE,SIZE,... OUT.ico\n");
        return 2;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quorvel_render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    bool written = false;
    if (ico) {
        QList<QImage> images;
        for (int size : sizes)
            images.append(render(renderer, size));
        QFile file(args.at(3));
        written = file.open(QIODevice::WriteOnly) && file.write(icoFile(images)) >= 0 && file.flush();
    } else {
        written = render(renderer, sizes.first()).save(args.at(3), "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "quorvel_render_icon: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
