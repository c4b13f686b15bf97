// Renders the scalable icon into one of the fixed PNG sizes that icon themes
// and menus look up, so that every size comes from the one SVG source.
//   quorvel_render_icon ICON.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // No screen is needed, only the fonts of the digits in the icon.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: quorvel_render_icon ICON.svg SIZE OUT.png\n");
        return 2;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quorvel_render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "quorvel_render_icon: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
