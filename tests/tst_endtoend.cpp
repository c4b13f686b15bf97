// A whole match through the real dialogs, as a pupil plays it: the name prompt
// and the instructions, three answers typed at the keyboard, leaving with a new
// record, and a second start that shows it.

#include "support/tavolaview.h"

#include "platform/italian.h"
#include "platform/qtplatform.h"
#include "window/tavola.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Answers every modal dialog that opens, as the pupil would: the name prompt
// with a name, a message box with its button. Every text shown is kept, in order.
class Pupil : public QObject
{
public:
    QString name = QStringLiteral("Anna");
    QString answer = QStringLiteral("No");
    QStringList seen;

    Pupil()
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &Pupil::answerDialog);
        m_poll.start();
    }

private:
    void answerDialog()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            m_last = modal;
            seen.append(input->windowTitle() + QLatin1String(": ") + input->labelText());
            input->setTextValue(name);
            for (QAbstractButton *b : input->findChildren<QAbstractButton *>())
                if (b->text().remove(QLatin1Char('&')) == QLatin1String("OK"))
                    b->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_last = modal;
            seen.append(box->windowTitle() + QLatin1String(": ") + box->text());
            // A box with one button is answered with it, a question with `answer`.
            for (QAbstractButton *b : box->buttons())
                if (box->buttons().size() == 1 || b->text().remove(QLatin1Char('&')) == answer)
                    b->click();
        }
    }

    QTimer m_poll;
    QPointer<QWidget> m_last;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void typeAnswer(Tavola &w, const QString &numerator, const QString &denominator)
{
    QTest::keyClicks(QApplication::focusWidget(), numerator);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), denominator);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button(w, "cmdNext"));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeMatch();

private:
    QTemporaryDir m_home;
};

void TestEndToEnd::initTestCase()
{
    // A data folder of this test's own, where the real platform keeps the
    // record. Windows has no XDG_DATA_HOME: there Qt's test mode keeps the
    // user's own record out of reach, and the folder starts empty.
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
#ifdef Q_OS_WIN
    QStandardPaths::setTestModeEnabled(true);
    QDir(QtPlatform().recordDirectory(nullptr)).removeRecursively();
#endif
    QVERIFY(platform::installQtItalian());
}

void TestEndToEnd::wholeMatch()
{
    const QString dir = QtPlatform().recordDirectory(nullptr);
    QVERIFY(!dir.isEmpty());
    const QString welcome = QStringLiteral("Quorvel:  Anna vediamo se sei un vero campione a Quorvel ");
    int expectedScore = 1;
    {
        Pupil pupil;
        QtPlatform platform;
        Tavola window(&platform);
        platform.setDialogParent(&window);
        window.Form_Load();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(pupil.seen, (QStringList{
            "Quorvel: Come ti chiami?", welcome,
            "Quorvel: Premi il tasto invio(Return) dopo aver scritto il numeratore",
            "Quorvel: ed ancora invio dopo aver inserito il denominatore",
            "Quorvel: Puoi ritornare con il mouse al numeratore per correggere",
            "Quorvel: Buona fortuna Anna",
        }));
        QCOMPARE(bytesOf(dir + "quorvrec.txt"), QByteArray());
        QCOMPARE(bytesOf(dir + "quorvrec1.txt"), QByteArray());
        QTRY_COMPARE(QApplication::focusWidget(), box(window, "txtAnswer"));
        QCOMPARE(label(window, "lblconto")->text(), QStringLiteral("00:10:00"));

        // A right answer earns one of the praises.
        typeAnswer(window, box(window, "Text9")->text(), box(window, "Text10")->text());
        QVERIFY(label(window, "lblMessage")->text().endsWith(QStringLiteral("!!!")));
        QCOMPARE(scores(window), QStringLiteral("1 0 1"));

        // Enter brings the next exercise; a wrong answer shows the correction.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(window, "txtAnswer"));
        const QString num = box(window, "Text9")->text(), den = box(window, "Text10")->text();
        typeAnswer(window, QString::number(num.toInt() + 1), den);
        QCOMPARE(label(window, "lblMessage")->text(),
                 QStringLiteral("Sbagliato!! ") + num + (den == QLatin1String("1") ? QString() : QStringLiteral(" / ") + den));
        QCOMPARE(scores(window), QStringLiteral("1 1 2"));

        // Both boxes left empty: graded as 1 over 1.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const bool oneOverOne = TavolaView(window).numRidotto() == 1 && TavolaView(window).denRidotto() == 1;
        typeAnswer(window, QString(), QString());
        QCOMPARE(box(window, "txtAnswer")->text(), QStringLiteral("1"));
        QCOMPARE(box(window, "Text3")->text(), QStringLiteral("1"));
        expectedScore = oneOverOne ? 2 : 1;
        QCOMPARE(label(window, "lblScore")->text(), QString::number(expectedScore));
        QCOMPARE(label(window, "lblScore2")->text(), QStringLiteral("3"));

        // Leaving with a score that beats the empty record.
        pupil.seen.clear();
        pupil.answer = QStringLiteral("Sì");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(TavolaView(window).hasEnded());
        QCOMPARE(pupil.seen, (QStringList{
            "Uscire dal programma: Vuoi veramente lasciarmi  ?",
            "Quorvel: Ok ho registrato il tuo record, C A M P I O N E\"",
        }));
    }
    QCOMPARE(bytesOf(dir + "quorvrec.txt"), QByteArray::number(expectedScore) + "\r\n");
    QCOMPARE(bytesOf(dir + "quorvrec1.txt"), QByteArray("Anna\r\n"));

    // The next start shows the holder and the score in the record line.
    Pupil next;
    next.name = QStringLiteral("Bruno");
    QtPlatform platform;
    Tavola window(&platform);
    window.Form_Load();
    QCOMPARE(label(window, "lblnome")->text(), QStringLiteral("Anna\r\n"));
    QCOMPARE(label(window, "lblpunti")->text(), QString::number(expectedScore) + QStringLiteral("\r\n"));
    QCOMPARE(label(window, "lblnome1")->text(), QStringLiteral("Bruno"));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
