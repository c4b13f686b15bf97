// The yardstick that draws what the game shows: the least Qt program that
// paints the game's first screen. The same texts in the same fonts (the
// Liberation faces the game's fonts are drawn with, and the desktop's font for
// the menu captions), sizes, colours and places, the coloured bands and the
// two button pictures, all painted with QPainter in one paint event of one
// widget, with no controls and no game logic. It quits after that paint.
//
// The first screen is the one the game shows with the answering platform of
// instantplatform.h: the exercise 35/21, the name "Anna", no record yet.

#include "firstpaint.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QWidget>

namespace {

QFont face(const char *family, qreal points, bool bold = false, bool italic = false)
{
    QFont f{QString::fromLatin1(family)};
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

class FirstScreen : public QWidget
{
public:
    FirstScreen()
    {
        setFixedSize(720, menuHeight() + 514);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);

        // The menu bar's captions.
        const int menu = menuHeight();
        p.fillRect(0, 0, width(), menu, palette().window());
        p.setPen(palette().windowText().color());
        int x = 10;
        for (const char *caption : {"Autori: gli insegnanti di Quorvel", "Nuova gara", "www.quorvel.example",
                                    "Aiuto", "Alcuni criteri di divisibilità "}) {
            const QString text = QString::fromUtf8(caption);
            p.drawText(QRect(x, 0, width(), menu), Qt::AlignLeft | Qt::AlignVCenter, text);
            x += fontMetrics().horizontalAdvance(text) + 15;
        }
        p.translate(0, menu);

        // The background and its 256 bands: red 100 and green 60 for 5/3, blue growing downwards.
        p.fillRect(0, 0, 720, 514, QColor(0, 0, 255));
        for (int i = 0; i < 256 && (3 * i * 514 + 256) / 512 < 514; ++i) {
            const int top = (3 * i * 514 + 256) / 512;
            const int bottom = ((3 * i + 2) * 514 + 256) / 512;
            p.fillRect(0, top, 720, bottom - top, QColor(100, 60, i));
        }

        // The exercise, the equals sign and the empty answer boxes.
        const QFont numbers = face("Liberation Sans", 48, true);
        box(p, QRect(176, 8, 121, 83), QColor(255, 0, 0), numbers, QStringLiteral("35"));
        box(p, QRect(176, 104, 121, 83), QColor(255, 0, 0), numbers, QStringLiteral("21"));
        box(p, QRect(576, 8, 121, 80), QColor(0, 128, 0), numbers, QString());
        box(p, QRect(576, 104, 121, 80), QColor(0, 128, 0), numbers, QString());
        p.fillRect(152, 94, 169, 5, QColor(255, 0, 255));
        p.fillRect(552, 94, 161, 5, QColor(255, 0, 255));
        text(p, QRect(376, 48, 121, 105), Qt::AlignHCenter, QColor(255, 255, 255),
             face("Liberation Sans", 72, true, true), QStringLiteral("="));

        // The clock.
        text(p, QRect(8, 16, 161, 25), Qt::AlignLeft, QColor(255, 255, 0),
             face("Liberation Sans", 13.5, true), QStringLiteral("Tempo restante"));
        framed(p, QRect(24, 56, 105, 33), Qt::AlignLeft, QColor(255, 0, 0),
               face("Liberation Sans", 12, true), QStringLiteral("00:10:00"));

        // The counters and their headings.
        const QFont sans18 = face("Liberation Sans", 18);
        const QFont serif36 = face("Liberation Serif", 36, true);
        fitted(p, QPoint(24, 232), QColor(255, 255, 0), sans18, QStringLiteral("Risposte esatte"));
        fitted(p, QPoint(288, 232), QColor(255, 0, 0), sans18, QStringLiteral("Risposte errate"));
        fitted(p, QPoint(544, 232), QColor(0, 0, 255), sans18, QStringLiteral("Risposte totali"));
        fitted(p, QPoint(88, 280), QColor(255, 255, 0), serif36, QStringLiteral("0"));
        fitted(p, QPoint(344, 280), QColor(255, 0, 0), serif36, QStringLiteral("0"));
        fitted(p, QPoint(608, 272), QColor(0, 0, 255), serif36, QStringLiteral("0"));

        // The player.
        p.fillRect(48, 360, 119, 49, QColor(128, 128, 255));
        framed(p, QRect(48, 360, 119, 49), Qt::AlignHCenter, QColor(0, 128, 0),
               face("Liberation Sans", 24), QStringLiteral("Sfidante"));
        fitted(p, QPoint(48, 432), QColor(0, 128, 0), face("Liberation Sans", 18, true), QStringLiteral("Anna"));

        // The two buttons: the new-exercise one disabled, as after every new exercise.
        const QFont caption = face("Liberation Sans", 8.25, true);
        button(p, QRect(304, 344, 121, 73), QColor(0, 192, 192), QStringLiteral(":/images/next-disabled.pic"),
               caption, QStringLiteral("&Nuovo calcolo"), false);
        button(p, QRect(568, 336, 121, 73), QColor(255, 128, 0), QStringLiteral(":/images/exit.pic"),
               caption, QStringLiteral("E&xit"), true);

        // The record line, with no record yet.
        text(p, QRect(8, 480, 153, 25), Qt::AlignLeft, QColor(0, 255, 255), sans18, QStringLiteral("Il record  è di "));
        fitted(p, QPoint(552, 480), QColor(0, 255, 255), sans18, QStringLiteral("con punti"), false);
    }

private:
    int menuHeight() const { return fontMetrics().height() + 5; }

    static void text(QPainter &p, const QRect &place, Qt::Alignment align, const QColor &colour,
                     const QFont &font, const QString &text)
    {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(place, align | Qt::AlignTop, text);
    }

    static void framed(QPainter &p, const QRect &place, Qt::Alignment align, const QColor &colour,
                       const QFont &font, const QString &caption)
    {
        text(p, place.adjusted(1, 1, -1, -1), align, colour, font, caption);
        p.drawRect(place.adjusted(0, 0, -1, -1));
    }

    // A caption in a box as large as the caption, with or without a border.
    static void fitted(QPainter &p, QPoint topLeft, const QColor &colour, const QFont &font,
                       const QString &caption, bool border = true)
    {
        const QSize size = QFontMetrics(font).size(0, caption) + QSize(2, 2);
        if (border)
            framed(p, QRect(topLeft, size), Qt::AlignHCenter, colour, font, caption);
        else
            text(p, QRect(topLeft, size), Qt::AlignHCenter, colour, font, caption);
    }

    static void box(QPainter &p, const QRect &place, const QColor &colour, const QFont &font, const QString &number)
    {
        p.fillRect(place, colour);
        p.setPen(QColor(0, 0, 0, 96));
        p.drawRect(place.adjusted(0, 0, -1, -1));
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(place, Qt::AlignCenter, number);
    }

    void button(QPainter &p, const QRect &place, const QColor &face, const QString &picture,
                const QFont &font, const QString &caption, bool enabled) const
    {
        p.setPen(face.darker(150));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(place).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        p.setBrush(Qt::NoBrush);
        const QFontMetrics metrics(font);
        const int top = place.top() + (place.height() - 32 - 2 - metrics.height()) / 2;
        QPicture drawing;
        drawing.load(picture);
        p.drawPicture(place.left() + (place.width() - 32) / 2, top, drawing);
        p.setFont(font);
        p.setPen(palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(QRect(place.left(), top + 34, place.width(), metrics.height()),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, caption);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstScreen window;
    QuitAfterFirstPaint quit(&window);
    window.show();
    return app.exec();
}
