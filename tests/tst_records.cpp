// The record files and leaving the game: bytes, loading, the comparison, atomic
// writing under crashes, two copies leaving together, and failures.

#include "record_writer.h"
#include "support/startedmatch.h"

#include "platform/qtplatform.h"
#include "records/record_files.h"
#include "records/record_store.h"
#include "records/record_text.h"
#include "window/tavola.h"

#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

const QString confirmation = QStringLiteral("Vuoi veramente lasciarmi  ?");
const QString recordMessage = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");
const QString notStored = QStringLiteral("\nIl record non è stato registrato.");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A file's bytes, or what stands in its place.
QByteArray snapshot(const QString &path)
{
    return QFileInfo(path).isDir() ? QByteArray("<directory>") : bytesOf(path);
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString scorePath(const FakePlatform &p) { return p.recordDir + records::scoreFileName; }
QString namePath(const FakePlatform &p) { return p.recordDir + records::nameFileName; }

// Start-up with the given name; returns the messages it showed about the record.
QStringList start(Tavola &window, FakePlatform &platform, const QString &name = QStringLiteral("Anna"))
{
    platform.inputs = {name};
    const qsizetype before = platform.dialogs.size();
    window.Form_Load();
    return platform.texts().mid(before + 6);   // past the name prompt and the five instructions
}

// Leaves with the given score, answering Yes; returns every message shown meanwhile.
QStringList leave(Tavola &window, FakePlatform &platform, int score)
{
    for (int i = 0; i < score; ++i)
        answerNext(window, true);
    platform.answers = {Platform::Answer::Yes};
    const qsizetype before = platform.dialogs.size();
    window.cmdExit_Click();
    return platform.texts().mid(before);
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void lineBytes_data();
    void lineBytes();
    void noConverterNoRecord();
    void recordScore_data();
    void recordScore();
    void firstRunCreatesEmptyFiles();
    void startLeavesExistingBytesUntouched();
    void leaving_data();
    void leaving();
    void storedRecordShowsAtNextStart();
    void exitButtonAndAltXLeave_data();
    void exitButtonAndAltXLeave();
    void refusingChangesNothing();
    void tickDuringConfirmationOpensNoSecondOne();
    void closeButtonStoresNothing();
    void hugeBinaryFilesStartAndCount();
    void failures_data();
    void failures();
    void busyLockStoresNothing();
    void emptyLockLeftByACrashIsCleared();
    void realRecordDirectory();
    void killedWriterLeavesOldOrNewBytes();
    void twoCopiesLeavingKeepTheHigherRecord();
};

void TestRecords::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Qt 6 converts windows-1252 only through ICU.
    QVERIFY2(records::encodeRecordLine(QString()) && records::decodeRecordText(QByteArray()),
             "This Qt has no windows-1252 converter (built without ICU): the game cannot keep its record.");
}

void TestRecords::lineBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readsBack");

    QTest::newRow("empty name is the line end alone") << QString() << QByteArray("\r\n") << true;
    QTest::newRow("è is one byte") << QStringLiteral("è") << QByteArray("\xe8\r\n") << true;
    QTest::newRow("euro sign") << QStringLiteral("€") << QByteArray("\x80\r\n") << true;
    QTest::newRow("control byte 0x1A is kept") << QStringLiteral("\x1a") << QByteArray("\x1a\r\n") << true;
    QTest::newRow("emoji is one ?") << QStringLiteral("a😀b") << QByteArray("a?b\r\n") << false;
}

void TestRecords::lineBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readsBack);
    QCOMPARE(records::encodeRecordLine(text).value(), bytes);
    if (readsBack)
        QCOMPARE(records::decodeRecordText(bytes).value(), text + QStringLiteral("\r\n"));
}

// With no converter for the code page, a record came out as a line of "?" and
// read back as empty text, silently.
void TestRecords::noConverterNoRecord()
{
    const char *const unknown = "no-such-code-page";
    QVERIFY(!records::encodeRecordLine(QStringLiteral("Anna"), unknown));
    QVERIFY(!records::decodeRecordText("Anna\r\n", unknown));
}

void TestRecords::recordScore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("12 and its line end") << QStringLiteral("12\r\n") << 12.0;
    QTest::newRow("007") << QStringLiteral("007\r\n") << 7.0;
    QTest::newRow("12 with further lines") << QStringLiteral("12\r\n30\r\n") << 12.0;
    QTest::newRow("not a number") << QStringLiteral("Anna\r\n") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blank between digits") << QStringLiteral("1 2") << 12.0;
    QTest::newRow("tab and line feed skipped") << QStringLiteral("\t3\n4") << 34.0;
    QTest::newRow("CR stops") << QStringLiteral("3\r4") << 3.0;
    QTest::newRow("3/4") << QStringLiteral("3/4") << 3.0;
    QTest::newRow("sign") << QStringLiteral(" - 5") << -5.0;
    QTest::newRow("one point only") << QStringLiteral("1.5.2") << 1.5;
    QTest::newRow("exponent") << QStringLiteral("2e3x") << 2000.0;
    QTest::newRow("exponent without digits") << QStringLiteral("2e") << 2.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("too large") << QStringLiteral("1e999") << qInf();
}

void TestRecords::recordScore()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(records::recordScore(text), number);
}

void TestRecords::firstRunCreatesEmptyFiles()
{
    FakePlatform p;
    Tavola w(&p);
    QCOMPARE(start(w, p), QStringList());
    QCOMPARE(bytesOf(scorePath(p)), QByteArray(""));
    QCOMPARE(bytesOf(namePath(p)), QByteArray(""));
    QCOMPARE(label(w, "lblpunti")->text(), QString());
    QCOMPARE(label(w, "lblnome")->text(), QString());
}

void TestRecords::startLeavesExistingBytesUntouched()
{
    FakePlatform p;
    putBytes(scorePath(p), "12\r\n");
    // "è" in UTF-8 (two bytes), then E8, a line end and more: shown byte by byte.
    putBytes(namePath(p), "Pierè\xe8\r\n\x90tail");
    Tavola w(&p);
    QCOMPARE(start(w, p), QStringList());
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("12\r\n"));
    QCOMPARE(bytesOf(namePath(p)), QByteArray("Pierè\xe8\r\n\x90tail"));
    QCOMPARE(label(w, "lblpunti")->text(), QStringLiteral("12\r\n"));
    QCOMPARE(label(w, "lblnome")->text(), QStringLiteral("PierÃ¨è\r\n\u0090tail"));
}

void TestRecords::leaving_data()
{
    QTest::addColumn<QByteArray>("oldScore");
    QTest::addColumn<QByteArray>("oldName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArray>("newScore");   // empty: nothing may be written
    QTest::addColumn<QByteArray>("newName");

    const QByteArray bo("Bo\r\n");
    QTest::newRow("first run, score 0") << QByteArray() << QByteArray() << QStringLiteral("Anna") << 0 << QByteArray() << QByteArray();
    QTest::newRow("first run, score 1") << QByteArray() << QByteArray() << QStringLiteral("Anna") << 1 << QByteArray("1\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("equal to the record") << QByteArray("5\r\n") << bo << QStringLiteral("Anna") << 5 << QByteArray() << QByteArray();
    QTest::newRow("below the record") << QByteArray("9\r\n") << bo << QStringLiteral("Anna") << 5 << QByteArray() << QByteArray();
    QTest::newRow("007 is 7: 7 does not beat it") << QByteArray("007\r\n") << bo << QStringLiteral("Anna") << 7 << QByteArray() << QByteArray();
    QTest::newRow("007 is 7: 8 beats it") << QByteArray("007\r\n") << bo << QStringLiteral("Anna") << 8 << QByteArray("8\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("12 and further lines: 12") << QByteArray("12\r\n99\r\n") << bo << QStringLiteral("Anna") << 12 << QByteArray() << QByteArray();
    QTest::newRow("12 and further lines: 13") << QByteArray("12\r\n99\r\n") << bo << QStringLiteral("Anna") << 13 << QByteArray("13\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("record not a number counts 0") << bo << bo << QStringLiteral("Anna") << 1 << QByteArray("1\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("Anna with 12") << QByteArray("3\r\n") << bo << QStringLiteral("Anna") << 12
                                  << QByteArray("\x31\x32\x0d\x0a") << QByteArray("\x41\x6e\x6e\x61\x0d\x0a");
    QTest::newRow("longer old content replaced whole")
        << QByteArray("0000000003\r\n\r\n") << QByteArray("Massimiliano Bianchi\r\n") << QStringLiteral("Bo") << 4
        << QByteArray("4\r\n") << bo;
    QTest::newRow("empty name is CR LF alone") << QByteArray("1\r\n") << bo << QStringLiteral("") << 2 << QByteArray("2\r\n") << QByteArray("\r\n");
    QTest::newRow("è is the byte E8") << QByteArray("1\r\n") << bo << QStringLiteral("Pierè") << 2 << QByteArray("2\r\n") << QByteArray("Pier\xe8\r\n");
    QTest::newRow("no such letter: ?") << QByteArray("1\r\n") << bo << QStringLiteral("Li 李") << 2 << QByteArray("2\r\n") << QByteArray("Li ?\r\n");
}

void TestRecords::leaving()
{
    QFETCH(QByteArray, oldScore);
    QFETCH(QByteArray, oldName);
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QByteArray, newScore);
    QFETCH(QByteArray, newName);
    FakePlatform p;
    putBytes(scorePath(p), oldScore);
    putBytes(namePath(p), oldName);
    Tavola w(&p);
    start(w, p, name);

    const QStringList shown = leave(w, p, score);
    const FakePlatform::Dialog asked = p.dialogs.at(p.dialogs.size() - shown.size());
    QCOMPARE(asked.style.toInt(), 292);
    QCOMPARE(asked.title, QStringLiteral("Uscire dal programma"));
    QVERIFY(TavolaView(w).hasEnded());
    if (newScore.isEmpty()) {
        QCOMPARE(shown, QStringList({confirmation}));
        QCOMPARE(bytesOf(scorePath(p)), oldScore);
        QCOMPARE(bytesOf(namePath(p)), oldName);
    } else {
        QCOMPARE(shown, QStringList({confirmation, recordMessage}));
        QCOMPARE(p.dialogs.last().style.toInt(), 0);
        QCOMPARE(p.dialogs.last().title, QStringLiteral("Quorvel"));
        QCOMPARE(bytesOf(scorePath(p)), newScore);
        QCOMPARE(bytesOf(namePath(p)), newName);
    }
}

void TestRecords::storedRecordShowsAtNextStart()
{
    FakePlatform p;
    {
        Tavola w(&p);
        start(w, p, QStringLiteral("Pierè"));
        leave(w, p, 1);
    }
    QCOMPARE(bytesOf(namePath(p)), QByteArray("Pier\xe8\r\n"));
    Tavola next(&p);
    start(next, p);
    QCOMPARE(label(next, "lblpunti")->text(), QStringLiteral("1\r\n"));
    QCOMPARE(label(next, "lblnome")->text(), QStringLiteral("Pierè\r\n"));
}

void TestRecords::exitButtonAndAltXLeave_data()
{
    QTest::addColumn<bool>("altX");
    QTest::newRow("click on E&xit") << false;
    QTest::newRow("Alt+X") << true;
}

void TestRecords::exitButtonAndAltXLeave()
{
    QFETCH(bool, altX);
    FakePlatform p;
    Tavola w(&p);
    start(w, p);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    label(w, "lblScore")->setText(QStringLiteral("1"));
    p.answers = {Platform::Answer::Yes};
    if (altX)
        QTest::keyClick(box(w, "txtAnswer"), Qt::Key_X, Qt::AltModifier);
    else
        QTest::mouseClick(button(w, "cmdExit"), Qt::LeftButton);
    QTRY_VERIFY(TavolaView(w).hasEnded());
    QCOMPARE(p.texts().mid(p.texts().size() - 2), QStringList({confirmation, recordMessage}));
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("1\r\n"));
}

void TestRecords::refusingChangesNothing()
{
    FakePlatform p;
    putBytes(scorePath(p), "1\r\n");
    Tavola w(&p);
    start(w, p);
    for (const bool right : {true, true, true, false, false})
        answerNext(w, right);
    const auto state = [&, game = TavolaView(w)] {
        return QStringList{label(w, "lblScore")->text(), QString::number(game.risposteEsatte()), QString::number(game.risposteErrate()),
                           box(w, "sommanumtxt")->text(), box(w, "sommadentxt")->text(), QString::number(game.numRidotto()),
                           QString::number(game.denRidotto()), label(w, "lblconto")->text(), QString::number(game.secondiRestanti()),
                           QString::number(named<QTimer>(w, "Timer1")->isActive())};
    };
    const QStringList before = state();
    p.answers = {Platform::Answer::No};
    w.cmdExit_Click();
    QCOMPARE(state(), before);
    QCOMPARE(p.texts().last(), confirmation);
    QVERIFY(!TavolaView(w).hasEnded());
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("1\r\n"));
    QCOMPARE(bytesOf(namePath(p)), QByteArray(""));
}

void TestRecords::tickDuringConfirmationOpensNoSecondOne()
{
    FakePlatform p;
    Tavola w(&p);
    start(w, p);
    const QString clock = label(w, "lblconto")->text();
    p.whileOpen = [&](const FakePlatform::Dialog &) { w.Timer1_Timer(); };
    p.answers = {Platform::Answer::No};
    w.cmdExit_Click();
    QCOMPARE(p.texts().count(confirmation), 1);
    QCOMPARE(label(w, "lblconto")->text(), clock);
}

void TestRecords::closeButtonStoresNothing()
{
    FakePlatform p;
    Tavola w(&p);
    start(w, p);
    label(w, "lblScore")->setText(QStringLiteral("5"));
    w.show();
    const qsizetype before = p.dialogs.size();
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(p.dialogs.size(), before);
    QCOMPARE(bytesOf(scorePath(p)), QByteArray(""));
    QCOMPARE(bytesOf(namePath(p)), QByteArray(""));
}

void TestRecords::hugeBinaryFilesStartAndCount()
{
    FakePlatform p;
    QFile score(scorePath(p));
    QVERIFY(score.open(QIODevice::WriteOnly));
    score.write("12\xff\x1a");
    QVERIFY(score.resize(30 * 1024 * 1024));
    score.close();
    QByteArray binary(3 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < binary.size(); i += 7)
        binary[i] = char(i * 31);
    putBytes(namePath(p), binary);

    Tavola w(&p);
    QCOMPARE(start(w, p), QStringList());
    QCOMPARE(label(w, "lblpunti")->text().size(), records::readLimit);
    QVERIFY(label(w, "lblpunti")->text().startsWith(QStringLiteral("12ÿ\x1a")));
    QCOMPARE(label(w, "lblnome")->text().size(), records::readLimit);
    QCOMPARE(leave(w, p, 12), QStringList({confirmation}));
    QCOMPARE(QFileInfo(scorePath(p)).size(), 30 * 1024 * 1024);

    Tavola again(&p);
    start(again, p);
    QCOMPARE(leave(again, p, 13), QStringList({confirmation, recordMessage}));
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("13\r\n"));
}

// Every case holds for root too: a directory where a file should be, or a
// path that runs through a regular file, fails whatever the permissions.
void TestRecords::failures_data()
{
    QTest::addColumn<QString>("broken");   // what is put in the way
    QTest::addColumn<QStringList>("atStart");
    QTest::addColumn<QString>("atLeave");

    const QString notADir = QStringLiteral("Not a directory");
    QTest::newRow("directory for the score file")
        << QStringLiteral("score dir")
        << QStringList{"Non posso leggere il file del record %dir/quorvrec.txt: non è un file normale"}
        << QStringLiteral("Non posso leggere il file del record %dir/quorvrec.txt: non è un file normale");
    QTest::newRow("directory for the name file")
        << QStringLiteral("name dir")
        << QStringList{"Non posso leggere il file del record %dir/quorvrec1.txt: non è un file normale"}
        << QStringLiteral("Non posso scrivere il file del record %dir/quorvrec1.txt: Filename refers to a directory");
    QTest::newRow("record directory inside a regular file")
        << QStringLiteral("dir in file")
        << QStringList{"Non posso creare il file del record %dir/quorvrec.txt: " + notADir,
                       "Non posso creare il file del record %dir/quorvrec1.txt: " + notADir}
        << QStringLiteral("Non posso bloccare il file %dir/quorvrec.lock: ") + notADir;
    QTest::newRow("no record directory")
        << QStringLiteral("no dir")
        << QStringList{"Non posso usare la cartella dei record: impossibile creare la cartella X"}
        << QStringLiteral("Non posso usare la cartella dei record: non è stata trovata all'avvio del gioco");
}

void TestRecords::failures()
{
    QFETCH(QString, broken);
    QFETCH(QStringList, atStart);
    QFETCH(QString, atLeave);
    FakePlatform p;
    const QString score = scorePath(p);
    const QString name = namePath(p);
    putBytes(score, "3\r\n");
    putBytes(name, "Bo\r\n");
    if (broken == QLatin1String("score dir") || broken == QLatin1String("name dir")) {
        const QString path = broken == QLatin1String("score dir") ? scorePath(p) : namePath(p);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else if (broken == QLatin1String("dir in file")) {
        p.recordDir = scorePath(p) + QStringLiteral("/sub/");
    } else {
        p.recordDirError = QStringLiteral("impossibile creare la cartella X");
    }
    const QString dir = QDir::cleanPath(p.recordDir);
    const QByteArray scoreBefore = snapshot(score);
    const QByteArray nameBefore = snapshot(name);

    Tavola w(&p);
    QCOMPARE(start(w, p), atStart.replaceInStrings(QStringLiteral("%dir"), dir));
    for (qsizetype i = p.dialogs.size() - atStart.size(); i < p.dialogs.size(); ++i)
        QVERIFY(p.dialogs.at(i).style.toInt() == 0 && p.dialogs.at(i).title == QLatin1String("Quorvel"));
    QCOMPARE(leave(w, p, 5), QStringList({confirmation, atLeave.replace(QStringLiteral("%dir"), dir) + notStored}));
    QVERIFY(TavolaView(w).hasEnded());
    QCOMPARE(snapshot(score), scoreBefore);
    QCOMPARE(snapshot(name), nameBefore);
    QVERIFY(!QFile::exists(records::scoreFileName));   // never in the root directory
}

void TestRecords::busyLockStoresNothing()
{
    FakePlatform p;
    QLockFile other(p.recordDir + records::lockFileName);
    QVERIFY(other.lock());
    const records::StoreResult result = records::storeIfHigher(p.recordDir, 0, QStringLiteral("5"), QStringLiteral("Ada"), 50);
    QVERIFY(!result.stored);
    QVERIFY(result.failure && result.failure->step == records::Failure::Lock);
    QVERIFY(!QFile::exists(scorePath(p)));
}

// A copy killed right after creating its lock file leaves it empty, naming no
// process; leaving must not wait QLockFile's default 30 s for it to age.
void TestRecords::emptyLockLeftByACrashIsCleared()
{
    FakePlatform p;
    QFile lock(p.recordDir + records::lockFileName);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    lock.close();
    const records::StoreResult result = records::storeIfHigher(p.recordDir, 0, QStringLiteral("5"), QStringLiteral("Ada"), 4000);
    QVERIFY(result.stored);
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("5\r\n"));
}

void TestRecords::realRecordDirectory()
{
    QtPlatform platform;
    QString error;
    const QString dir = platform.recordDirectory(&error);
    QCOMPARE(dir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/"));
    QVERIFY(QFileInfo(dir).isDir());
    QVERIFY(error.isEmpty());

    QTemporaryDir temp;
    putBytes(temp.filePath(QStringLiteral("home")), "a file");
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(temp.filePath(QStringLiteral("home"))));
    const QString failed = platform.recordDirectory(&error);
    qputenv("HOME", home);
    QCOMPARE(failed, QString());
    QVERIFY2(error.contains(QStringLiteral("Not a directory")), qPrintable(error));
}

// The writer is killed at random moments while it stores record after record
// (k with the name sequenceName(k)); each time, each file must hold the whole
// of one record it was given, never a mix or a cut. A kill between the two
// files' replacement leaves the name one record behind the score.
void TestRecords::killedWriterLeavesOldOrNewBytes()
{
    QTemporaryDir dir;
    const QString recordDir = dir.path() + QLatin1Char('/');
    QVERIFY(!records::writeRecordFiles(recordDir, QStringLiteral("0"), sequenceName(0)));
    qint64 lastScore = 0;
    qint64 lastName = 0;
    int nameBehind = 0;
    for (int run = 0; run < 200; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(RECORD_WRITER), {QStringLiteral("loop"), recordDir});
        QByteArray said;
        const auto waitFor = [&](const char *word) {
            while (!said.contains(word) && writer.waitForReadyRead(60000))
                said += writer.readAll();
            return said.contains(word);
        };
        QVERIFY(waitFor("ready"));
        // Every other run lets one record through first, so records keep coming
        // however slow the disk is; the kill then falls anywhere in the next ones.
        if (run % 2)
            QVERIFY(waitFor("stored"));
        std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(15000)));
        writer.kill();
        QVERIFY(writer.waitForFinished(60000));

        const QByteArray score = bytesOf(recordDir + records::scoreFileName);
        const QByteArray name = bytesOf(recordDir + records::nameFileName);
        const auto k = qint64(records::recordScore(records::decodeRecordText(score).value()));
        QCOMPARE(score, records::encodeRecordLine(QString::number(k)).value());
        const auto j = qint64(records::recordScore(records::decodeRecordText(name).value().mid(5)));
        QCOMPARE(name, records::encodeRecordLine(sequenceName(j)).value());
        QVERIFY(k >= lastScore && j >= lastName && j <= k);
        nameBehind += j < k;
        lastScore = k;
        lastName = j;
    }
    QVERIFY(lastScore >= 100);
    qInfo("%lld records stored; the name was behind the score after %d kills", lastScore, nameBehind);
}

// Two copies loaded the same record 3 and leave with 5 and 9: 9 stays, whatever the order.
void TestRecords::twoCopiesLeavingKeepTheHigherRecord()
{
    QTemporaryDir dir;
    const QString recordDir = dir.path() + QLatin1Char('/');
    for (int round = 0; round < 20; ++round) {
        QVERIFY(!records::writeRecordFiles(recordDir, QStringLiteral("3"), QStringLiteral("Bea")));
        QProcess low, high;
        low.start(QStringLiteral(RECORD_WRITER), {"leave", recordDir, "3", "5", "Ada"});
        high.start(QStringLiteral(RECORD_WRITER), {"leave", recordDir, "3", "9", "Bruno"});
        QVERIFY(low.waitForReadyRead(60000) && high.waitForReadyRead(60000));
        if (round % 2 == 0) {
            // Together, in a random order.
            const bool lowFirst = QRandomGenerator::global()->bounded(2) == 0;
            (lowFirst ? low : high).write("go\n");
            (lowFirst ? high : low).write("go\n");
            QVERIFY(low.waitForFinished(60000) && high.waitForFinished(60000));
        } else {
            // The higher one first: the lower one must not undo it.
            high.write("go\n");
            QVERIFY(high.waitForFinished(60000));
            low.write("go\n");
            QVERIFY(low.waitForFinished(60000));
            QCOMPARE(low.exitCode(), 1);
        }
        QCOMPARE(bytesOf(recordDir + records::scoreFileName), QByteArray("9\r\n"));
        QCOMPARE(bytesOf(recordDir + records::nameFileName), QByteArray("Bruno\r\n"));
    }
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
