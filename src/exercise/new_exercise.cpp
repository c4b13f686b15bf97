// cmdNext_Click: the next exercise, its display and its background.

#include "exercise/bands.h"
#include "exercise/draws.h"
#include "exercise/fraction_search.h"
#include "platform/platform.h"
#include "window/design.h"
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
    // The numerator box is emptied at the end, once it has the focus.
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
    // A screen reader hears the new fraction where the focus arrives, in the
    // numerator box's description.
    txtAnswer->setAccessibleDescription(design::numeratorDescriptionFor(sommanumtxt->text(), sommadentxt->text()));
    cmdNext->setAccessibleName(design::nextName);
    // The pupil types the next numerator straight away. The focus goes there
    // before the button that usually holds it is disabled, so that Qt does not
    // pass it on as Tab would, selecting the old answer.
    txtAnswer->setFocus();
    cmdNext->setEnabled(false);
    // Emptied only now: a screen reader that sees the box change while the focus
    // is on its way there takes the box as focused and says nothing of it.
    txtAnswer->setText(QString());
}

void Tavola::CercaFrazione(double x, qint32 &n, qint32 &d)
{
    exercise::findFraction(x, n, d);
}
