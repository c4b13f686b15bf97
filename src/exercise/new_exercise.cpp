// cmdNext_Click: the next exercise, its display and its background.

#include "exercise/bands.h"
#include "exercise/draws.h"
#include "exercise/fraction_search.h"
#include "platform/platform.h"
#include "window/label.h"
#include "window/picturebutton.h"
#include "window/surface.h"
#include "window/tavola.h"

#include <QLineEdit>

namespace {

double number(const QLineEdit *box)
{
    return box->text().toDouble();
}

QString wholeText(double value)
{
    return QString::number(qint64(value));
}

} // namespace

void Tavola::cmdNext_Click()
{
    surface->clear();
    lblMessage->setText(QString());
    // Sub-second seed: two exercises in the same second still differ.
    platform()->randomize(platform()->secondsSinceMidnight());
    txtAnswer->setText(QString());
    Text3->setText(QString());

    Text1->setText(QString::number(exercise::draws::wholeNumber(platform()->nextRandom(), 11)));
    Text5->setText(QString::number(exercise::draws::wholeNumber(platform()->nextRandom(), 8)));
    Text6->setText(QString::number(exercise::draws::wholeNumber(platform()->nextRandom(), 10)));
    Text6->setText(exercise::draws::keptDenominator(Text6->text(), Text5->text()));
    Text2->setText(Text6->text());

    // The unreduced sum a/d + c/d, written out as d(a + c) over d x d.
    Text9->setText(wholeText(number(Text1) * number(Text6) + number(Text5) * number(Text2)));
    Text10->setText(wholeText(number(Text6) * number(Text2)));
    const double x = number(Text9) / number(Text10);
    CercaFrazione(x, numRidotto, denRidotto);
    Text9->setText(QString::number(numRidotto));
    Text10->setText(QString::number(denRidotto));

    fattore = qint16(exercise::draws::factor(platform()->nextRandom()));
    sommanumtxt->setText(QString::number(fattore * numRidotto));
    sommadentxt->setText(QString::number(fattore * denRidotto));

    surface->draw(exercise::bands::drawing(20 * numRidotto, 20 * denRidotto));

    txtAnswer->setEnabled(true);
    cmdNext->setEnabled(false);
    // The button that is being disabled usually held the focus; the pupil types
    // the next numerator straight away.
    txtAnswer->setFocus();
}

void Tavola::CercaFrazione(double x, qint32 &n, qint32 &d)
{
    exercise::findFraction(x, n, d);
}
