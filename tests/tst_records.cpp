// The record files and leaving the game: bytes, loading, the comparison, the
// pair replaced as one under crashes, two copies leaving together, and failures.

#include "record_writer.h"
#include "support/intentfile.h"
#include "support/startedmatch.h"
#include "support/testparts.h"

#include "platform/qtplatform.h"
#include "records/system/file_system.h"
#include "records/record_files.h"
#include "records/record_store.h"
#include "records/record_text.h"
#include "records/system/windows_1252.h"
#include "window/tavola.h"

#include <QDir>
#include <QLockFile>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
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

// What is in a record folder, hidden files included.
QStringList folderEntries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

const QStringList onlyTheRecordFiles{QStringLiteral("quorvrec.txt"), QStringLiteral("quorvrec1.txt")};


#if QT_CONFIG(process)
// record_writer leaving with 7 and "Nuovo" over the record 5 of "Old", started
// under `launcher` (strace and its options) when one is given.
void startLeaving(QProcess &writer, const QString &dir, const QStringList &launcher = {})
{
    putBytes(dir + records::scoreFileName, "5\r\n");
    putBytes(dir + records::nameFileName, "Old\r\n");
    const QStringList command = launcher + QStringList{QStringLiteral(RECORD_WRITER), "leave", dir, "5", "7", "Nuovo"};
    if (!launcher.isEmpty()) {
        // LeakSanitizer cannot work under strace and aborts the writer at its exit.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        writer.setProcessEnvironment(environment);
    }
    writer.start(command.first(), command.mid(1));
    writer.write("go\n");
    writer.closeWriteChannel();
}

// One system call of record_writer's store: which call of its name it is in the
// whole run (from 1), and strace's line for it, with the record folder as DIR
// and the random end of a temporary file's name as XXXXXX.
struct TracedCall {
    QString name;
    int nth = 0;
    QString line;
};

// The file system calls of one store, in order, as strace shows them, from the
// writer saying it is ready to the removal of its lock file; none when strace is
// missing or may not trace here. `fault` holds strace's options that make a call fail.
QList<TracedCall> tracedStore(const QStringList &fault = {})
{
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        return {};
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace"));
    QProcess writer;
    startLeaving(writer, dir.path() + QLatin1Char('/'),
                 QStringList{"strace", "-qq", "-e", "signal=none", "-e", "trace=%file,%desc", "-o", trace} + fault);
    writer.waitForFinished(60000);
    QFile file(trace);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression call(QStringLiteral("^(\\w+)\\("));
    static const QRegularExpression randomEnd(QStringLiteral("\\.[A-Za-z0-9]{6}\""));
    QHash<QString, int> counts;
    QList<TracedCall> calls;
    bool storing = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString name = call.match(line).captured(1);
        if (name.isEmpty())
            continue;
        const int nth = ++counts[name];
        if (storing)
            calls.append({name, nth, QString(line).replace(dir.path(), QStringLiteral("DIR"))
                                         .replace(randomEnd, QStringLiteral(".XXXXXX\""))});
        if (storing && name.startsWith(QLatin1String("unlink")) && line.contains(records::lockFileName + '"'))
            break;
        storing = storing || line.startsWith(QLatin1String("write(1, \"ready"));
    }
    return calls;
}

// The name a successful link or rename gives, or nothing.
QString newName(const TracedCall &call)
{
    static const QRegularExpression target(QStringLiteral("\"([^\"]*)\"[^\"]*\\) += 0$"));
    if (call.name != QLatin1String("linkat") && !call.name.startsWith(QLatin1String("rename")))
        return {};
    return target.match(call.line).captured(1);
}
#endif

} // namespace

// The record's bytes, the converter and the store's files, without the window.
class TestRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineBytes_data();
    void lineBytes();
    void noConverterNoRecord();
    void everyByteBothWays();
    void browserTableIsIcus();
    void recordScore_data();
    void recordScore();
    void startReadsWithoutTheLockOnlyWhenQuiet_data();
    void startReadsWithoutTheLockOnlyWhenQuiet();
    void busyLockStoresNothing();
    void fileHeldByAnotherProgram_data();
    void fileHeldByAnotherProgram();
    void readOnlyFileFailsAtOnce();
    void emptyLockLeftByACrashIsCleared();
    void realRecordDirectory();
};

// Loading the record into the window, leaving it and what fails on the way.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void firstRunCreatesEmptyFiles();
    void startLeavesExistingBytesUntouched();
    void leaving_data();
    void leaving();
    void recordChangedAfterStartUpToTheScoreStays_data();
    void recordChangedAfterStartUpToTheScoreStays();
    void storedRecordShowsAtNextStart();
    void exitButtonAndAltXLeave_data();
    void exitButtonAndAltXLeave();
    void refusingChangesNothing();
    void tickDuringConfirmationOpensNoSecondOne();
    void closeButtonStoresNothing();
    void hugeBinaryFilesStartAndCount();
    void failures_data();
    void failures();
    void startFinishesAStoreLeftHalfDone_data();
    void startFinishesAStoreLeftHalfDone();
};

#if QT_CONFIG(process)
// Writers killed while storing, and two copies racing to leave.
class TestRecordWriters : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewBytes();
    void killedStoreLeavesWholePair_data();
    void killedStoreLeavesWholePair();
    void storeSyncsBytesThenNames_data();
    void storeSyncsBytesThenNames();
    void storeLeftHalfDoneThatFailsNowWaits_data();
    void storeLeftHalfDoneThatFailsNowWaits();
    void twoCopiesLeavingKeepTheHigherRecord();
};
#endif

void TestRecordStore::initTestCase()
{
    QVERIFY2(records::decodeRecordText("\xe8\r\n") == QStringLiteral("è\r\n"),
             "This system has no windows-1252 converter: the game cannot keep its record.");
}

void TestRecordStore::lineBytes_data()
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

void TestRecordStore::lineBytes()
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
void TestRecordStore::noConverterNoRecord()
{
    const char *const unknown = "no-such-code-page";
    QVERIFY(!records::encodeRecordLine(QStringLiteral("Anna"), unknown));
    QVERIFY(!records::decodeRecordText("Anna\r\n", unknown));
}

// Every byte both ways, whichever converter the system has (ICU on Debian, the
// code-page API on Windows), against the code page as ICU has it: Latin-1 but
// for 0x80 to 0x9F, where the five bytes Windows leaves unassigned stand for
// the control characters of the same numbers.
void TestRecordStore::everyByteBothWays()
{
    static constexpr char16_t from0x80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int byte = 0; byte < 256; ++byte) {
        const QString character(QChar(byte >= 0x80 && byte < 0xa0 ? from0x80[byte - 0x80] : char16_t(byte)));
        const QByteArray line = QByteArray(1, char(byte)) + "\r\n";
        QCOMPARE(records::decodeRecordText(line).value(), character + QStringLiteral("\r\n"));
        QCOMPARE(records::encodeRecordLine(character).value(), line);
    }
}

void TestRecordStore::browserTableIsIcus()
{
    // The browser's build converts with its own table (there is no ICU there):
    // every byte and every UTF-16 unit must go as ICU has them.
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!decoder.isValid() || !encoder.isValid())
        QSKIP("This Qt has no ICU to check the browser's windows-1252 table against");
    for (int byte = 0; byte < 256; ++byte) {
        const QString fromIcu = decoder.decode(QByteArray(1, char(byte)));
        QCOMPARE(QString(QChar(records::windows1252Character(uchar(byte)))), fromIcu);
    }
    for (int unit = 0; unit < 0x10000; ++unit) {
        if (QChar::isSurrogate(char32_t(unit)))
            continue;   // half a character: the store encodes whole ones
        const QByteArray fromIcu = encoder.encode(QString(QChar(char16_t(unit))));
        const bool icuHasIt = fromIcu.size() == 1 && (fromIcu.front() != '\x1a' || unit == 0x1a);
        const std::optional<unsigned char> byte = records::windows1252Byte(char16_t(unit));
        QCOMPARE(byte.has_value(), icuHasIt);
        if (byte)
            QCOMPARE(char(*byte), fromIcu.front());
    }
}

void TestRecordStore::recordScore_data()
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

void TestRecordStore::recordScore()
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

// The record is read again under the lock when leaving: another copy may have
// stored one since start-up. Equal to the score, it stays, with its holder.
void TestRecords::recordChangedAfterStartUpToTheScoreStays_data()
{
    QTest::addColumn<QByteArray>("changedTo");
    QTest::newRow("equal") << QByteArray("5\r\n");
    QTest::newRow("higher") << QByteArray("6\r\n");
}

void TestRecords::recordChangedAfterStartUpToTheScoreStays()
{
    QFETCH(QByteArray, changedTo);
    FakePlatform p;
    putBytes(scorePath(p), "3\r\n");
    Tavola w(&p);
    start(w, p);
    putBytes(scorePath(p), changedTo);
    putBytes(namePath(p), "Ugo\r\n");
    QCOMPARE(leave(w, p, 5), QStringList({confirmation}));
    QCOMPARE(bytesOf(scorePath(p)), changedTo);
    QCOMPARE(bytesOf(namePath(p)), QByteArray("Ugo\r\n"));
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
    answerNext(w, true);
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

    // The system's own words, in its language.
#ifdef Q_OS_WIN
    const QString notADir = qt_error_string(3);        // ERROR_PATH_NOT_FOUND
    const QString overAFolder = qt_error_string(5);    // ERROR_ACCESS_DENIED
#else
    const QString notADir = QStringLiteral("Not a directory");
    const QString overAFolder = QStringLiteral("Filename refers to a directory");
#endif
    QTest::newRow("directory for the score file")
        << QStringLiteral("score dir")
        << QStringList{"Non posso leggere il file del record %dir/quorvrec.txt: non è un file normale"}
        << QStringLiteral("Non posso leggere il file del record %dir/quorvrec.txt: non è un file normale");
    QTest::newRow("directory for the name file")
        << QStringLiteral("name dir")
        << QStringList{"Non posso leggere il file del record %dir/quorvrec1.txt: non è un file normale"}
        << QStringLiteral("Non posso scrivere il file del record %dir/quorvrec1.txt: ") + overAFolder;
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
    // Paths are shown with the system's own separators.
    const auto shown = [dir = QDir::cleanPath(p.recordDir)](QString text) {
        return QDir::toNativeSeparators(text.replace(QStringLiteral("%dir"), dir));
    };
    const QByteArray scoreBefore = snapshot(score);
    const QByteArray nameBefore = snapshot(name);

    Tavola w(&p);
    QStringList expectedAtStart;
    for (const QString &message : atStart)
        expectedAtStart.append(shown(message));
    QCOMPARE(start(w, p), expectedAtStart);
    for (qsizetype i = p.dialogs.size() - atStart.size(); i < p.dialogs.size(); ++i)
        QVERIFY(p.dialogs.at(i).style.toInt() == 0 && p.dialogs.at(i).title == QLatin1String("Quorvel"));
    QCOMPARE(leave(w, p, 5), QStringList({confirmation, shown(atLeave) + notStored}));
    QVERIFY(TavolaView(w).hasEnded());
    QCOMPARE(snapshot(score), scoreBefore);
    QCOMPARE(snapshot(name), nameBefore);
    QVERIFY(!QFile::exists(records::scoreFileName));   // never in the root directory
}

void TestRecordStore::startReadsWithoutTheLockOnlyWhenQuiet_data()
{
    QTest::addColumn<QString>("extra");   // a file put in the folder beside the pair; empty: none
    QTest::addColumn<bool>("quiet");

    QTest::newRow("in order") << QString() << true;
    QTest::newRow("another copy holds the lock") << records::lockFileName.mid(1) << false;
    QTest::newRow("a store left its intent") << records::intentFileName.mid(1) << false;
    QTest::newRow("a store left a temporary file") << QStringLiteral("quorvrec1.txt.AbC123") << false;
    QTest::newRow("a look-alike is no leftover") << QStringLiteral("quorvrec1.txt.AbC12") << true;
}

// Start-up reads the pair without writing a lock file only in a quiet folder,
// and a store's replacing a file shows in the pair's version.
void TestRecordStore::startReadsWithoutTheLockOnlyWhenQuiet()
{
    QFETCH(QString, extra);
    QFETCH(bool, quiet);
    FakePlatform p;
    putBytes(scorePath(p), "5\r\n");
    QVERIFY(!records::quietPairVersion(p.recordDir));   // the name file is missing
    putBytes(namePath(p), "Old\r\n");
    if (!extra.isEmpty())
        putBytes(p.recordDir + extra, "");
    const auto before = records::quietPairVersion(p.recordDir);
    QCOMPARE(bool(before), quiet);
    if (!quiet)
        return;
    QCOMPARE(records::pairVersion(p.recordDir), before);
    QVERIFY(!records::writeRecordFiles(p.recordDir, QStringLiteral("5"), QStringLiteral("Old")));
    QVERIFY(records::pairVersion(p.recordDir) != before);
}

void TestRecordStore::busyLockStoresNothing()
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
void TestRecordStore::emptyLockLeftByACrashIsCleared()
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

void TestRecordStore::fileHeldByAnotherProgram_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("heldForMs");
    QTest::addColumn<bool>("intentHeld");   // the intent file too, from when it appears
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("score file, for a moment") << records::scoreFileName << 300 << false << QByteArray("5\r\n") << QByteArray("Ada\r\n");
    QTest::newRow("name file, for a moment") << records::nameFileName << 300 << false << QByteArray("5\r\n") << QByteArray("Ada\r\n");
    QTest::newRow("score file, throughout") << records::scoreFileName << -1 << false << QByteArray("3\r\n") << QByteArray("Old\r\n");
    // The intent file then stays: the pupil is told the next start stores the
    // record, and it does.
    QTest::newRow("score and intent files, throughout") << records::scoreFileName << -1 << true << QByteArray("5\r\n") << QByteArray("Ada\r\n");
}

// Windows does not replace a file that another program (a virus scanner, an
// editor) holds open without sharing it, as Qt's own files are opened. A store
// tries again while it is held for a moment, and one held throughout stores
// nothing: both files keep the old record and no temporary file is left, or,
// when the intent file cannot go either, the next start stores the new one.
void TestRecordStore::fileHeldByAnotherProgram()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows keeps a file that another program holds open from being replaced");
#endif
    QFETCH(QString, held);
    QFETCH(int, heldForMs);
    QFETCH(bool, intentHeld);
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, name);

    FakePlatform p;
    QVERIFY(!records::writeRecordFiles(p.recordDir, QStringLiteral("3"), QStringLiteral("Old")));
    auto holder = std::make_unique<QFile>(p.recordDir + held);
    QVERIFY(holder->open(QIODevice::ReadOnly));
    QFile intentHolder(p.recordDir + records::intentFileName);
    std::atomic<bool> stored = false;
    std::thread other;
    if (heldForMs >= 0)
        other = std::thread([&] { std::this_thread::sleep_for(std::chrono::milliseconds(heldForMs)); holder.reset(); });
    else if (intentHeld)
        other = std::thread([&] { while (!stored && !intentHolder.open(QIODevice::ReadOnly)) std::this_thread::yield(); });
    const records::StoreResult result = records::storeIfHigher(p.recordDir, 3, QStringLiteral("5"), QStringLiteral("Ada"));
    stored = true;
    if (other.joinable())
        other.join();
    holder.reset();
    const bool intentLeft = QFile::exists(intentHolder.fileName());
    intentHolder.close();

    QCOMPARE(result.stored, heldForMs >= 0);
    QCOMPARE(intentLeft, intentHeld);
    QCOMPARE(result.failure && result.failure->intentLeft, intentHeld);
    QVERIFY(!records::RecordLock(p.recordDir).failure());   // as the next start takes it
    QCOMPARE(bytesOf(scorePath(p)), score);
    QCOMPARE(bytesOf(namePath(p)), name);
    QCOMPARE(folderEntries(p.recordDir), onlyTheRecordFiles);
}

// Windows will not remove (or replace) a read-only file, and no waiting
// changes that: the store gives up at once, not after a second on the
// window's thread. (Wine does replace one, so removing it shows the rule.)
void TestRecordStore::readOnlyFileFailsAtOnce()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows refuses to remove a read-only file");
#endif
    FakePlatform p;
    putBytes(scorePath(p), "3\r\n");
    QVERIFY(QFile::setPermissions(scorePath(p), QFile::ReadOwner | QFile::ReadUser));
    QString error;
    int attempts = 0;
    QVERIFY(!records::removeFile(scorePath(p), &error, &attempts));
    QCOMPARE(attempts, 1);
    QVERIFY(!error.isEmpty());
    QCOMPARE(bytesOf(scorePath(p)), QByteArray("3\r\n"));
    QVERIFY(QFile::setPermissions(scorePath(p), QFile::ReadOwner | QFile::WriteOwner));
}

void TestRecordStore::realRecordDirectory()
{
    QtPlatform platform;
    QString error;
    const QString dir = platform.recordDirectory(&error);
    QCOMPARE(dir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/"));
    QVERIFY(QFileInfo(dir).isDir());
    QVERIFY(error.isEmpty());

    // A file where the folder should be.
    const QString folder = dir.chopped(1);
    QVERIFY(QDir(folder).removeRecursively());
    putBytes(folder, "a file");
    const QString failed = platform.recordDirectory(&error);
    QFile::remove(folder);
    QCOMPARE(failed, QString());
    QVERIFY2(error.startsWith(QStringLiteral("impossibile creare la cartella %1 (").arg(QDir::toNativeSeparators(folder))),
             qPrintable(error));
}

// The writer is killed at random moments while it stores record after record
// (k with the name sequenceName(k)); each time, once the next copy has taken the
// lock (and completed a pair the kill left half replaced), both files must hold
// the whole of the same record, never a mix or a cut.
#if QT_CONFIG(process)
void TestRecordWriters::killedWriterLeavesOldOrNewBytes()
{
    QTemporaryDir dir;
    const QString recordDir = dir.path() + QLatin1Char('/');
    QVERIFY(!records::writeRecordFiles(recordDir, QStringLiteral("0"), sequenceName(0)));
    qint64 lastScore = 0;
    int intentsLeft = 0;
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
        intentsLeft += QFile::exists(recordDir + records::intentFileName);
        QVERIFY(!records::RecordLock(recordDir).failure());

        const QByteArray score = bytesOf(recordDir + records::scoreFileName);
        const QByteArray name = bytesOf(recordDir + records::nameFileName);
        const auto k = qint64(records::recordScore(records::decodeRecordText(score).value()));
        QCOMPARE(score, records::encodeRecordLine(QString::number(k)).value());
        QCOMPARE(name, records::encodeRecordLine(sequenceName(k)).value());
        QVERIFY(k >= lastScore);
        lastScore = k;
    }
    QVERIFY(lastScore >= 100);
    qInfo("%lld records stored; %d kills left an intent file", lastScore, intentsLeft);
}
#endif

// What a copy that died while storing leaves: its temporary files, and maybe the
// intent file, whole (it only gets its name once written and synced) or, should
// anything else put one there, damaged.
void TestRecords::startFinishesAStoreLeftHalfDone_data()
{
    QTest::addColumn<int>("cut");   // bytes missing from the intent file's end; -1: none there
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("name");

    QTest::newRow("temporary files only") << -1 << QStringLiteral("5\r\n") << QStringLiteral("Old\r\n");
    QTest::newRow("intent file") << 0 << QStringLiteral("7\r\n") << QStringLiteral("Nuovè\r\n");
    QTest::newRow("intent file cut short") << 1 << QStringLiteral("5\r\n") << QStringLiteral("Old\r\n");
}

void TestRecords::startFinishesAStoreLeftHalfDone()
{
    QFETCH(int, cut);
    QFETCH(QString, score);
    QFETCH(QString, name);
    FakePlatform p;
    putBytes(scorePath(p), "5\r\n");
    putBytes(namePath(p), "Old\r\n");
    for (const char *leftover : {"quorvrec.txt.AbC123", "quorvrec1.txt.xYz789", "quorvrec.new.Q1w2E3"})
        putBytes(p.recordDir + QLatin1String(leftover), "7\r\n");
    if (cut >= 0)
        putBytes(p.recordDir + records::intentFileName, intentBytes("7\r\n", "Nuov\xe8\r\n").chopped(cut));
    Tavola w(&p);
    QCOMPARE(start(w, p), QStringList());
    QCOMPARE(label(w, "lblpunti")->text(), score);
    QCOMPARE(label(w, "lblnome")->text(), name);
    QCOMPARE(folderEntries(p.recordDir), onlyTheRecordFiles);
}

// record_writer is killed (by strace, before the call runs) at each call of its
// store that can change a file, one call per row. After the next load the pair
// is wholly old until the intent file is in place and wholly new from then on,
// and the folder holds nothing but the record. A kill before a call that only
// reads leaves what a kill before the next changing call leaves.
#if QT_CONFIG(process)
void TestRecordWriters::killedStoreLeavesWholePair_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("nth");   // 0: not killed
    QTest::addColumn<bool>("newPair");

    const QList<TracedCall> calls = tracedStore();
    if (calls.isEmpty())
        QSKIP("strace is missing or may not trace here (scripts/install-deps installs it)");
    const QStringList changing{"openat", "write", "fchmod", "ftruncate", "flock", "fsync", "fdatasync",
                               "linkat", "rename", "renameat", "renameat2", "unlink", "unlinkat"};
    static const QRegularExpression opensForWriting(QStringLiteral("^openat\\(.*(O_WRONLY|O_RDWR|O_CREAT)"));
    bool intentInPlace = false;
    for (const TracedCall &c : calls) {
        if (changing.contains(c.name) && (c.name != QLatin1String("openat") || opensForWriting.match(c.line).hasMatch()))
            QTest::addRow("%s", qPrintable(c.line.left(c.line.lastIndexOf(QLatin1String(" = "))).trimmed()))
                << c.name << c.nth << intentInPlace;
        intentInPlace = intentInPlace || newName(c).endsWith(records::intentFileName);
    }
    QVERIFY2(intentInPlace, "the store put no intent file in place");
    QTest::newRow("not killed") << QString() << 0 << true;
}
#endif

#if QT_CONFIG(process)
void TestRecordWriters::killedStoreLeavesWholePair()
{
    QFETCH(QString, call);
    QFETCH(int, nth);
    QFETCH(bool, newPair);
    QTemporaryDir dir;
    const QString recordDir = dir.path() + QLatin1Char('/');
    QProcess writer;
    startLeaving(writer, recordDir,
                 nth ? QStringList{"strace", "-qq", "-o", "/dev/null", "-e", "trace=" + call, "-e",
                                   QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(nth)}
                     : QStringList());
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitStatus(), nth ? QProcess::CrashExit : QProcess::NormalExit);

    QProcess load;
    load.start(QStringLiteral(RECORD_WRITER), {"load", recordDir});
    QVERIFY(load.waitForFinished(60000));
    QCOMPARE(load.readAllStandardOutput(), newPair ? QByteArray("7\nNuovo\n") : QByteArray("5\nOld\n"));
    QCOMPARE(folderEntries(recordDir), onlyTheRecordFiles);
}
#endif

// Each file's bytes reach the system before it is synced (a write, then fsync on
// its descriptor), the intent file's name is synced into the folder before a
// record file is replaced, and the replacements before the intent file goes.
// A store whose score file cannot be replaced removes its intent file and tells
// the pupil the record was not stored: that removal is synced too.
#if QT_CONFIG(process)
void TestRecordWriters::storeSyncsBytesThenNames_data()
{
    QTest::addColumn<QStringList>("fault");    // strace's options that make a call fail
    QTest::addColumn<bool>("removalSynced");   // the intent file's removal, before the lock goes

    const QList<TracedCall> calls = tracedStore();
    if (calls.isEmpty())
        QSKIP("strace is missing or may not trace here (scripts/install-deps installs it)");
    QTest::newRow("stored") << QStringList() << false;
    const auto scoreReplaced = std::find_if(calls.cbegin(), calls.cend(), [](const TracedCall &c) {
        return newName(c).endsWith(records::scoreFileName);
    });
    QVERIFY(scoreReplaced != calls.cend());
    QTest::newRow("score file not replaced")
        << QStringList{"-e", QStringLiteral("inject=%1:error=EACCES:when=%2").arg(scoreReplaced->name).arg(scoreReplaced->nth)}
        << true;
}

void TestRecordWriters::storeSyncsBytesThenNames()
{
    QFETCH(QStringList, fault);
    QFETCH(bool, removalSynced);
    const QList<TracedCall> calls = tracedStore(fault);
    QVERIFY(!calls.isEmpty());
    static const QRegularExpression descriptor(QStringLiteral("^\\w+\\((\\d+)[,)]"));
    static const QRegularExpression opened(QStringLiteral(" = (\\d+)$"));
    QHash<QString, QString> state;   // by descriptor: "folder", "opened" or "written"
    bool intentUnsynced = false;     // since the folder was last synced
    bool replacedUnsynced = false;
    bool removed = false, removedUnsynced = false;
    int fileSyncs = 0;
    for (const TracedCall &c : calls) {
        const QString fd = descriptor.match(c.line).captured(1);
        const QString name = newName(c);
        if (c.name == QLatin1String("openat")) {
            state[opened.match(c.line).captured(1)] = QLatin1String(c.line.contains(QLatin1String("O_DIRECTORY")) ? "folder" : "opened");
        } else if (c.name == QLatin1String("write")) {
            state[fd] = QStringLiteral("written");
        } else if ((c.name == QLatin1String("fsync") || c.name == QLatin1String("fdatasync")) && state[fd] == QLatin1String("folder")) {
            intentUnsynced = replacedUnsynced = removedUnsynced = false;
        } else if (c.name == QLatin1String("fsync") || c.name == QLatin1String("fdatasync")) {
            QVERIFY2(state[fd] == QLatin1String("written"), qPrintable(c.line));
            ++fileSyncs;
        } else if (name.endsWith(records::intentFileName)) {
            intentUnsynced = true;
        } else if (name.endsWith(records::scoreFileName) || name.endsWith(records::nameFileName)) {
            QVERIFY2(!intentUnsynced, qPrintable(c.line));
            replacedUnsynced = true;
        } else if (c.name.startsWith(QLatin1String("unlink")) && c.line.contains(records::intentFileName + '"')) {
            QVERIFY2(!replacedUnsynced, qPrintable(c.line));
            removed = removedUnsynced = true;
        }
    }
    QVERIFY(fileSyncs >= 3);   // the two record files and the intent file
    QVERIFY(removed);
    if (removalSynced)
        QVERIFY(!removedUnsynced);
}
#endif

// A copy that died while storing left its intent file, and the next one to leave
// cannot finish that store right now: strace makes one call fail, as another
// program holding the intent file, or a read-only score file on Windows, does.
// The intent file stays for a later start, which stores that pair; the leaving
// pupil's score, written nowhere, is told as not stored.
#if QT_CONFIG(process)
void TestRecordWriters::storeLeftHalfDoneThatFailsNowWaits_data()
{
    QTest::addColumn<QStringList>("fault");   // strace's options; DIR is the record folder

    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty()
        || QProcess::execute(QStringLiteral("strace"), {"-qq", "-o", "/dev/null", "true"}) != 0)
        QSKIP("strace is missing or may not trace here (scripts/install-deps installs it)");
    QTest::newRow("intent file not opened for now")
        << QStringList{"-P", "DIR" + records::intentFileName, "-e", "inject=/^open:error=EACCES"};
    QTest::newRow("score file not replaced") << QStringList{"-e", "inject=/^rename:error=EACCES:when=1"};
}

void TestRecordWriters::storeLeftHalfDoneThatFailsNowWaits()
{
    QFETCH(QStringList, fault);
    QTemporaryDir dir;
    const QString recordDir = dir.path() + QLatin1Char('/');
    putBytes(recordDir + records::intentFileName, intentBytes("6\r\n", "Ugo\r\n"));
    QProcess writer;
    startLeaving(writer, recordDir, QStringList{"strace", "-qq", "-o", "/dev/null"} + fault.replaceInStrings("DIR", recordDir));
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitCode(), 2);   // failed, and the pupil is told the record was not stored
    QVERIFY(QFile::exists(recordDir + records::intentFileName));

    QProcess load;
    load.start(QStringLiteral(RECORD_WRITER), {"load", recordDir});
    QVERIFY(load.waitForFinished(60000));
    QCOMPARE(load.readAllStandardOutput(), QByteArray("6\nUgo\n"));
    QCOMPARE(folderEntries(recordDir), onlyTheRecordFiles);
}
#endif

// Two copies loaded the same record 3 and leave with 5 and 9: 9 stays, whatever the order.
#if QT_CONFIG(process)
void TestRecordWriters::twoCopiesLeavingKeepTheHigherRecord()
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
#endif

int main(int argc, char **argv)
{
    TestApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);   // as QTEST_MAIN does
    QStandardPaths::setTestModeEnabled(true);
    TestRecordStore store;
    TestRecords window;
#if QT_CONFIG(process)
    TestRecordWriters writers;
    return runTestParts(argc, argv, {{"unit", &store}, {"window", &window}, {"soak", &writers}});
#else
    return runTestParts(argc, argv, {{"unit", &store}, {"window", &window}});
#endif
}
#include "tst_records.moc"
