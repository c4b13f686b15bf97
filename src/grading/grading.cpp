// valutaRisposta: grading an answer.

#include "exercise/draws.h"
#include "grading/answer_counts.h"
#include "grading/verdict.h"
#include "platform/platform.h"
#include "window/design.h"
#include "window/label.h"
#include "window/picturebutton.h"
#include "window/surface.h"
#include "window/tavola.h"

#include <QLineEdit>

void Tavola::valutaRisposta()
{
    // An empty box counts as 1, and the pupil sees it filled in: a whole number
    // can be answered with the denominator left empty.
    if (txtAnswer->text().isEmpty())
        txtAnswer->setText(QStringLiteral("1"));
    if (Text3->text().isEmpty())
        Text3->setText(QStringLiteral("1"));

    // The praise is drawn for every answer, right or wrong: the draw moves the
    // one generator the exercises use too.
    const int draw = exercise::draws::wholeNumber(platform()->nextRandom(), grading::praiseCount);
    const grading::Verdict verdict = grading::judge(
        txtAnswer->text(), Text3->text(), {Text9->text(), Text10->text(), numRidotto, denRidotto}, draw);
    const grading::AnswerCounts counts =
        grading::counted({risposteEsatte, risposteErrate}, verdict.right);
    risposteEsatte = counts.right;
    risposteErrate = counts.wrong;

    lblMessage->setText(verdict.message);
    // Black, and the exercise's bands wiped, until the next exercise.
    surface->setBackColor(Qt::black);
    lblScore->setText(QString::number(counts.right));
    lblScore1->setText(QString::number(counts.wrong));
    lblScore2->setText(QString::number(counts.total()));

    // A screen reader says the verdict as the window shows it, then the button
    // that takes the focus: until the next exercise the verdict leads the
    // button's name. (A label of the button would do, but screen readers may keep
    // a label's text they have read once.)
    cmdNext->setAccessibleName(verdict.message + QLatin1Char(' ') + design::nextName);
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
}
