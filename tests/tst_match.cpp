// A match: start-up, the countdown, a new match and the help.

#include "support/startedmatch.h"

#include "help/help_text.h"
#include "platform/italian.h"
#include "platform/qtplatform.h"
#include "window/design.h"
#include "window/tavola.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString instructions[] = {
    QStringLiteral("Premi il tasto invio(Return) dopo aver scritto il numeratore"),
    QStringLiteral("ed ancora invio dopo aver inserito il denominatore"),
    QStringLiteral("Puoi ritornare con il mouse al numeratore per correggere"),
};

const QString leaving = QStringLiteral("Vuoi veramente lasciarmi  ?");
const QString timeUp = QStringLiteral("Tempo scaduto");

// A window after start-up, with its record files at hand.
struct Match : StartedMatch<> {
    using StartedMatch::StartedMatch;

    QByteArray recordBytes(const char *file) const
    {
        QFile f(platform.recordDir + QLatin1String(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

} // namespace

class TestMatch : public QObject
{
    Q_OBJECT

private slots:
    void startUpTexts_data();
    void startUpTexts();
    void noTickDuringStartUp();
    void startUpMessagesTakeNoTime_data();
    void startUpMessagesTakeNoTime();
    void stateAfterStartUp();
    void tickTimeline_data();
    void tickTimeline();
    void tick601Declined();
    void tick601Accepted();
    void onlyOneLeavingConfirmation();
    void helpAndNewMatchDoNotHoldTheClock();
    void gameGoesOnAfterExpiry();
    void minimisedCaptionFollowsTheClock();
    void newMatch_data();
    void newMatch();
    void newMatchRefusedChangesNothing();
    void newMatchFromTheMenu();
    void help_data();
    void help();
    void italianDialogs();
    void typedTextIsShownAsTyped_data();
    void typedTextIsShownAsTyped();
};

void TestMatch::startUpTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");   // null: the prompt was cancelled
    QTest::newRow("a name") << "Anna" << "Anna";
    QTest::newRow("cancelled") << "" << QString();
    QTest::newRow("blanks kept") << "  Anna  " << "  Anna  ";
}

void TestMatch::startUpTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    FakePlatform platform;
    platform.inputs = {typed};
    Tavola window(&platform);
    window.Form_Load();

    QCOMPARE(platform.dialogs.size(), 6);
    QVERIFY(platform.dialogs[0].input);
    QCOMPARE(platform.dialogs[0].text, QStringLiteral("Come ti chiami?"));
    const QStringList expected{
        QStringLiteral("Come ti chiami?"),
        QLatin1Char(' ') + name + QStringLiteral(" vediamo se sei un vero campione a Quorvel "),
        instructions[0], instructions[1], instructions[2],
        QStringLiteral("Buona fortuna ") + name,
    };
    QCOMPARE(platform.texts(), expected);
    for (const FakePlatform::Dialog &dialog : platform.dialogs) {
        QCOMPARE(dialog.title, QStringLiteral("Quorvel"));
        QCOMPARE(dialog.style.toInt(), 0);
    }
    QCOMPARE(label(window, "lblnome1")->text(), name);
    if (typed.isNull()) {
        QVERIFY(platform.texts()[1].startsWith(QStringLiteral("  vediamo")));
        QCOMPARE(platform.texts()[5], QStringLiteral("Buona fortuna "));
    }
}

void TestMatch::noTickDuringStartUp()
{
    FakePlatform platform;
    Tavola window(&platform);
    QList<bool> timerOn;
    platform.whileOpen = [&](const FakePlatform::Dialog &) { timerOn.append(named<QTimer>(window, "Timer1")->isActive()); };
    window.Form_Load();
    QCOMPARE(timerOn, QList<bool>(6, false));
    QVERIFY(named<QTimer>(window, "Timer1")->isActive());
}

void TestMatch::startUpMessagesTakeNoTime_data()
{
    QTest::addColumn<bool>("folderUnusable");
    QTest::newRow("record folder unusable") << true;
    QTest::newRow("score file unreadable") << false;
}

// Qt delivers ticks inside modal boxes. A message about the record, shown by
// start-up once the clock is set, took seconds off the match and left the
// clock and the seconds left apart.
void TestMatch::startUpMessagesTakeNoTime()
{
    QFETCH(bool, folderUnusable);
    FakePlatform platform;
    if (folderUnusable)
        platform.recordDirError = QStringLiteral("non è una cartella");
    else
        QVERIFY(QDir(platform.recordDir).mkdir(QStringLiteral("quorvrec.txt")));
    Tavola window(&platform);
    platform.whileOpen = [&](const FakePlatform::Dialog &) { window.Timer1_Timer(); };
    window.Form_Load();
    QCOMPARE(platform.dialogs.size(), 7);
    QVERIFY(platform.dialogs.last().text.startsWith(QStringLiteral("Non posso")));
    QCOMPARE(label(window, "lblconto")->text(), QStringLiteral("00:10:00"));
    QCOMPARE(TavolaView(window).secondiRestanti(), 600);
    window.Timer1_Timer();
    QCOMPARE(label(window, "lblconto")->text(), QStringLiteral("00:09:59"));
    QCOMPARE(TavolaView(window).secondiRestanti(), 599);
}

void TestMatch::stateAfterStartUp()
{
    Match match;
    Tavola &w = match.window;
    QCOMPARE(label(w, "lblconto")->text(), QStringLiteral("00:10:00"));
    QCOMPARE(match.state.secondiRestanti(), 600);
    QCOMPARE(match.state.risposteEsatte(), 0);
    QCOMPARE(match.state.risposteErrate(), 0);
    QCOMPARE(match.state.dirSistema(), match.platform.recordDir);
    QVERIFY(named<QTimer>(w, "Timer1")->isActive());
    QVERIFY(!box(w, "sommanumtxt")->text().isEmpty());
    QVERIFY(!button(w, "cmdNext")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), box(w, "txtAnswer"));
    QCOMPARE(w.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
    // The first run made both record files, empty, and the record line shows nothing.
    QCOMPARE(match.recordBytes("/quorvrec.txt"), QByteArray());
    QCOMPARE(match.recordBytes("/quorvrec1.txt"), QByteArray());
    QCOMPARE(label(w, "lblpunti")->text(), QString());
    QCOMPARE(label(w, "lblnome")->text(), QString());
}

void TestMatch::tickTimeline_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("clock");
    QTest::newRow("1") << 1 << "00:09:59";
    QTest::newRow("59") << 59 << "00:09:01";
    QTest::newRow("60") << 60 << "00:09:00";
    QTest::newRow("61") << 61 << "00:08:59";
    QTest::newRow("599") << 599 << "00:00:01";
    QTest::newRow("600") << 600 << "00:00:00";
}

void TestMatch::tickTimeline()
{
    QFETCH(int, ticks);
    QFETCH(QString, clock);
    Match match;
    const int before = match.platform.dialogs.size();
    match.ticks(ticks);
    QCOMPARE(label(match.window, "lblconto")->text(), clock);
    QCOMPARE(match.state.secondiRestanti(), 600 - ticks);
    QCOMPARE(match.platform.dialogs.size(), before);
    QVERIFY(named<QTimer>(match.window, "Timer1")->isActive());
}

void TestMatch::tick601Declined()
{
    Match match;
    match.ticks(600);
    button(match.window, "cmdNext")->setEnabled(true);
    button(match.window, "cmdNext")->setFocus();
    const int before = match.platform.dialogs.size();
    match.platform.answers = {Platform::Answer::No};
    match.ticks(1);

    const QList<FakePlatform::Dialog> shown = match.platform.dialogs.mid(before);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, leaving);
    QCOMPARE(shown[0].style.toInt(), 292);
    QCOMPARE(shown[0].title, QStringLiteral("Uscire dal programma"));
    QCOMPARE(shown[1].text, timeUp);
    QCOMPARE(shown[1].style.toInt(), 0);
    QCOMPARE(shown[1].title, QStringLiteral("Quorvel"));
    QVERIFY(!named<QTimer>(match.window, "Timer1")->isActive());
    QCOMPARE(match.platform.beeps, 1);
    QTRY_COMPARE(QApplication::focusWidget(), box(match.window, "txtAnswer"));
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:00:00"));
    QVERIFY(!match.state.hasEnded());
}

void TestMatch::tick601Accepted()
{
    Match match;
    match.ticks(600);
    const int before = match.platform.dialogs.size();
    match.platform.answers = {Platform::Answer::Yes};
    match.ticks(1);
    QVERIFY(match.state.hasEnded());
    QVERIFY(!match.platform.texts().mid(before).contains(timeUp));
    QCOMPARE(match.platform.beeps, 0);
}

void TestMatch::onlyOneLeavingConfirmation()
{
    Match match;
    match.ticks(600);
    // Ticks keep arriving while the confirmation and "Tempo scaduto" are open.
    int inner = 0;
    match.platform.whileOpen = [&](const FakePlatform::Dialog &) {
        ++inner;
        match.window.Timer1_Timer();
        match.window.Timer1_Timer();
    };
    const int before = match.platform.dialogs.size();
    match.platform.answers = {Platform::Answer::No};
    match.ticks(1);
    QCOMPARE(match.platform.texts().mid(before), (QStringList{leaving, timeUp}));
    QCOMPARE(inner, 2);
    QCOMPARE(match.platform.beeps, 1);

    // The same holds for the confirmation opened by "E&xit" in the middle of a match.
    Match other;
    other.platform.whileOpen = [&](const FakePlatform::Dialog &) { other.ticks(3); };
    other.platform.answers = {Platform::Answer::No};
    other.window.cmdExit_Click();
    QCOMPARE(label(other.window, "lblconto")->text(), QStringLiteral("00:10:00"));
    QCOMPARE(other.platform.texts().count(leaving), 1);
}

void TestMatch::helpAndNewMatchDoNotHoldTheClock()
{
    Match match;
    match.platform.whileOpen = [&](const FakePlatform::Dialog &) { match.ticks(1); };
    match.window.HELP_Click();
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:09:59"));
    match.platform.answers = {Platform::Answer::No};
    match.window.Next_Click();
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:09:58"));
}

void TestMatch::gameGoesOnAfterExpiry()
{
    Match match;
    match.ticks(600);
    match.platform.answers = {Platform::Answer::No};
    match.ticks(1);
    QVERIFY(!named<QTimer>(match.window, "Timer1")->isActive());
    box(match.window, "txtAnswer")->setText(QStringLiteral("7"));
    match.window.cmdNext_Click();
    QCOMPARE(box(match.window, "txtAnswer")->text(), QString());
    QVERIFY(box(match.window, "txtAnswer")->isEnabled());
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:00:00"));
    QVERIFY(!named<QTimer>(match.window, "Timer1")->isActive());
}

void TestMatch::minimisedCaptionFollowsTheClock()
{
    Match match;
    QVERIFY(QTest::qWaitForWindowExposed(&match.window));
    match.window.setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE(match.window.windowTitle(), QStringLiteral("00:10:00"));
    match.ticks(61);
    QCOMPARE(match.window.windowTitle(), QStringLiteral("00:08:59"));
    match.window.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(match.window.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
    match.ticks(1);
    QCOMPARE(match.window.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
}

void TestMatch::newMatch_data()
{
    QTest::addColumn<bool>("expired");
    QTest::newRow("during the match") << false;
    QTest::newRow("after the clock ran out") << true;
}

void TestMatch::newMatch()
{
    QFETCH(bool, expired);
    Match match;
    Tavola *const same = &match.window;
    if (expired) {
        match.ticks(600);
        match.platform.answers = {Platform::Answer::No};
        match.ticks(1);
        QVERIFY(!named<QTimer>(match.window, "Timer1")->isActive());
    } else {
        match.ticks(42);
    }
    // A score that beats the empty record, then abandoned.
    for (int i = 0; i < 9; ++i)
        answerNext(match.window, true);

    const int before = match.platform.dialogs.size();
    match.platform.answers = {Platform::Answer::Yes};
    match.platform.inputs = {QStringLiteral("Bruno")};
    match.window.Next_Click();

    const QList<FakePlatform::Dialog> shown = match.platform.dialogs.mid(before);
    QCOMPARE(shown.size(), 7);
    QCOMPARE(shown[0].text, QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"));
    QCOMPARE(shown[0].title, QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(shown[0].style.toInt(), 292);
    QCOMPARE(shown[1].text, QStringLiteral("Come ti chiami?"));
    QCOMPARE(shown[6].text, QStringLiteral("Buona fortuna Bruno"));

    QCOMPARE(&match.window, same);
    QVERIFY(match.window.isVisible());
    QVERIFY(activate(match.window));
    // Shown again at the same size, with no resize, it must look as a first start leaves it.
    QCOMPARE(match.window.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
    QTRY_COMPARE(QApplication::focusWidget(), box(match.window, "txtAnswer"));
    QCOMPARE(label(match.window, "lblnome1")->text(), QStringLiteral("Bruno"));
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:10:00"));
    QVERIFY(named<QTimer>(match.window, "Timer1")->isActive());
    QCOMPARE(match.state.secondiRestanti(), 600);
    QCOMPARE(match.state.risposteEsatte(), 0);
    QCOMPARE(match.state.risposteErrate(), 0);
    // The rebuilt controls are in their design state where start-up leaves them.
    QCOMPARE(label(match.window, "lblScore")->text(), QStringLiteral("0"));
    QCOMPARE(label(match.window, "lblMessage")->text(), QString());
    QCOMPARE(surface(match.window)->backColor(), QColor(0, 0, 255));
    // The abandoned score is not stored.
    QCOMPARE(match.recordBytes("/quorvrec.txt"), QByteArray());
    QCOMPARE(match.recordBytes("/quorvrec1.txt"), QByteArray());
    match.ticks(1);
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:09:59"));
}

void TestMatch::newMatchRefusedChangesNothing()
{
    Match match;
    match.ticks(5);
    label(match.window, "lblScore")->setText(QStringLiteral("3"));
    const QString exercise = box(match.window, "sommanumtxt")->text() + box(match.window, "sommadentxt")->text();
    QLineEdit *const numerator = box(match.window, "txtAnswer");
    match.platform.answers = {Platform::Answer::No};
    match.window.Next_Click();
    QCOMPARE(box(match.window, "txtAnswer"), numerator);
    QCOMPARE(label(match.window, "lblScore")->text(), QStringLiteral("3"));
    QCOMPARE(box(match.window, "sommanumtxt")->text() + box(match.window, "sommadentxt")->text(), exercise);
    QCOMPARE(label(match.window, "lblconto")->text(), QStringLiteral("00:09:55"));
    QVERIFY(named<QTimer>(match.window, "Timer1")->isActive());
}

void TestMatch::newMatchFromTheMenu()
{
    Match match;
    match.platform.answers = {Platform::Answer::Yes};
    match.platform.inputs = {QStringLiteral("Carla")};
    named<QAction>(match.window, "Next")->trigger();
    QTRY_COMPARE(label(match.window, "lblnome1")->text(), QStringLiteral("Carla"));
    // The menu itself was rebuilt and still works.
    match.platform.answers = {Platform::Answer::No};
    const int before = match.platform.dialogs.size();
    named<QAction>(match.window, "Next")->trigger();
    QTRY_COMPARE(match.platform.dialogs.size(), before + 1);
}

void TestMatch::help_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::newRow("Anna") << "Anna" << "Anna Devi risolvere così: es  5/15 =";
    QTest::newRow("empty name") << "" << " Devi risolvere così:";
    QTest::newRow("trailing blanks") << "Anna  " << "Anna   Devi";
}

void TestMatch::help()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    Match match(name);
    const int before = match.platform.dialogs.size();
    const QString exercise = box(match.window, "sommanumtxt")->text();
    match.window.HELP_Click();
    QCOMPARE(match.platform.dialogs.size(), before + 1);
    const FakePlatform::Dialog shown = match.platform.dialogs.last();
    QCOMPARE(shown.text, name + QStringLiteral(
        " Devi risolvere così: es  5/15 = Dividendo numeratore e denominatore (pr.inv.) per 5 (MCD) "
        "otteniamo 1/3 (soluzione) che è la frazione equivalente a 5/15 ma ridotta ai minimi termini "
        "Per fare i calcoli mentalmente ripassate i criteri di divisibilità - Ciao "));
    QVERIFY(shown.text.startsWith(start));
    QCOMPARE(help::text.size(), 257);
    QCOMPARE(shown.style.toInt(), 0);
    QCOMPARE(shown.title, QStringLiteral("Quorvel"));
    QCOMPARE(box(match.window, "sommanumtxt")->text(), exercise);
    QVERIFY(named<QTimer>(match.window, "Timer1")->isActive());

    // The same after the clock has run out, and from the menu.
    match.ticks(600);
    match.platform.answers = {Platform::Answer::No};
    match.ticks(1);
    named<QAction>(match.window, "HELP")->trigger();
    QCOMPARE(match.platform.dialogs.last().text, shown.text);
}

void TestMatch::italianDialogs()
{
    QVERIFY(platform::installQtItalian());
    QtPlatform platform;

    struct Seen { QStringList buttons; QString defaultButton; QMessageBox::Icon icon = QMessageBox::NoIcon; QString title; };
    auto answerWith = [](const QString &buttonText, Seen *seen) {
        QTimer::singleShot(0, [=] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                seen->buttons.append(button->text().remove(QLatin1Char('&')));
            seen->defaultButton = box->defaultButton() ? box->defaultButton()->text().remove(QLatin1Char('&')) : QString();
            seen->icon = box->icon();
            seen->title = box->windowTitle();
            for (QAbstractButton *button : box->buttons())
                if (button->text().remove(QLatin1Char('&')) == buttonText)
                    button->click();
        });
    };

    Seen question;
    answerWith(QStringLiteral("Sì"), &question);
    QCOMPARE(platform.messageBox(leaving, Platform::Style::fromInt(292), QStringLiteral("Uscire dal programma")), Platform::Answer::Yes);
    question.buttons.sort();
    QCOMPARE(question.buttons, (QStringList{"No", "Sì"}));
    QCOMPARE(question.defaultButton, QStringLiteral("No"));
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.title, QStringLiteral("Uscire dal programma"));

    Seen no;
    answerWith(QStringLiteral("No"), &no);
    QCOMPARE(platform.messageBox(leaving, Platform::Style::fromInt(292), QStringLiteral("Uscire dal programma")), Platform::Answer::No);

    Seen plain;
    answerWith(QStringLiteral("OK"), &plain);
    QCOMPARE(platform.messageBox(timeUp, Platform::OkOnly, QStringLiteral("Quorvel")), Platform::Answer::Ok);
    QCOMPARE(plain.buttons, QStringList{"OK"});
    QCOMPARE(plain.icon, QMessageBox::NoIcon);

    // The input box: OK gives the text as typed, Annulla the empty text.
    QStringList inputButtons;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(), QStringLiteral("Come ti chiami?"));
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            inputButtons.append(button->text().remove(QLatin1Char('&')));
        dialog->setTextValue(QStringLiteral(" Anna "));
        dialog->accept();
    });
    QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), QStringLiteral("Quorvel")), QStringLiteral(" Anna "));
    inputButtons.sort();
    QCOMPARE(inputButtons, (QStringList{"Annulla", "OK"}));
    QTimer::singleShot(0, [] { qobject_cast<QInputDialog *>(QApplication::activeModalWidget())->reject(); });
    QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), QStringLiteral("Quorvel")), QString());
}

void TestMatch::typedTextIsShownAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("tags") << "<b>Ugo</b>";
    QTest::newRow("less than") << "Anna <3";
    QTest::newRow("two blanks by a tag") << "<i>Anna</i>  Ugo";
}

// A message box guessed whether its text was HTML: a name that looked like it
// lost its tags, what followed a "<", or one of two blanks.
void TestMatch::typedTextIsShownAsTyped()
{
    QFETCH(QString, name);
    QtPlatform platform;
    const QString text = help::message(name);
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        shown = label->text();
        format = label->textFormat();
        box->accept();
    });
    platform.messageBox(text, Platform::OkOnly, design::appTitle);
    QCOMPARE(shown, text);
    QCOMPARE(format, Qt::PlainText);
}

QTEST_MAIN(TestMatch)
#include "tst_match.moc"
