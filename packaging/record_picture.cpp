// Records the painter commands that draw an SVG picture on a 32 x 32 square
// into a QPicture file: the game draws its pictures, pointers and icon from
// these, at any size, without an SVG library (Qt for Windows has none here).
//   quorvel_record_picture PICTURE.svg OUT.pic

#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quorvel_record_picture PICTURE.svg OUT.pic\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quorvel_record_picture: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QPicture picture;
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(0, 0, 32, 32));
    painter.end();
    if (!picture.save(args.at(2))) {
        std::fprintf(stderr, "quorvel_record_picture: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
