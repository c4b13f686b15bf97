// The record in the browser's storage (localStorage, here node-browser.js's
// stand-in): the same two files with the same bytes, a store refused or out of
// room changes nothing, another page's higher record stays, a store a page
// left half done is finished by the next, a lock not had (even without
// AbortSignal.timeout) is a failure and the record still read, and the first
// record asks the browser to keep the site's storage.

#include <QCoreApplication>

#include "support/intentfile.h"

#include "records/record_files.h"
#include "records/record_store.h"

#include <QDir>
#include <QTest>

#include <emscripten.h>

#include <map>

namespace {

EM_JS(void, resetStorage, (), {
    quorvelStorageState.refused = false;
    quorvelStorageState.quota = Infinity;
    localStorage.clear();
});

// Room for this many characters of keys and items; -1 for no limit.
EM_JS(void, limitStorage, (int quota), { quorvelStorageState.quota = quota < 0 ? Infinity : quota; });

EM_JS(void, refuseStorage, (int refused), { quorvelStorageState.refused = refused !== 0; });

// Bytes one character each, as the game keeps them.
EM_JS(void, putItem, (const char *key, const char *bytes, int size), {
    let text = "";
    for (let i = 0; i < size; ++i)
        text += String.fromCharCode(HEAPU8[bytes + i]);
    localStorage.setItem(UTF8ToString(key), text);
});

EM_JS(int, itemSize, (const char *key), {
    const text = localStorage.getItem(UTF8ToString(key));
    return text === null ? -1 : text.length;
});

EM_JS(void, copyItem, (const char *key, char *bytes), {
    const text = localStorage.getItem(UTF8ToString(key));
    for (let i = 0; i < text.length; ++i)
        HEAPU8[bytes + i] = text.charCodeAt(i);
});

EM_JS(int, itemCount, (), { return localStorage.length; });

// The record's lock taken by another page until releaseOtherPagesLock().
EM_JS(void, holdLockAsOtherPage, (), {
    navigator.locks.request("quorvel-record", () => new Promise((release) => { globalThis.quorvelOtherPage = release; }));
});

EM_JS(void, releaseOtherPagesLock, (), {
    if (globalThis.quorvelOtherPage)
        globalThis.quorvelOtherPage();
    globalThis.quorvelOtherPage = null;
});

EM_JS(void, refuseLocks, (int refused), { quorvelLockState.refused = refused !== 0; });

// As in Safari 15.4, Chrome before 103 and Firefox before 100, which have Web Locks.
EM_JS(void, haveAbortSignalTimeout, (int have), {
    if (!globalThis.quorvelAbortSignalTimeout)
        globalThis.quorvelAbortSignalTimeout = AbortSignal.timeout;
    AbortSignal.timeout = have ? globalThis.quorvelAbortSignalTimeout : undefined;
});

EM_JS(int, persistRequests, (), { return quorvelStorageManagerState.persistRequests; });

using Items = std::map<QString, QByteArray>;

const QString folder = QStringLiteral("/quorvel");
const QString scoreKey = folder + records::scoreFileName;
const QString nameKey = folder + records::nameFileName;
const QString intentKey = folder + records::intentFileName;

Items storedItems()
{
    Items items;
    for (const QString &key : {scoreKey, nameKey, intentKey}) {
        const QByteArray utf8 = key.toUtf8();
        const int size = itemSize(utf8.constData());
        if (size < 0)
            continue;
        QByteArray bytes(size, Qt::Uninitialized);
        copyItem(utf8.constData(), bytes.data());
        items[key] = bytes;
    }
    return items;
}

void putItems(const Items &items)
{
    for (const auto &[key, bytes] : items)
        putItem(key.toUtf8().constData(), bytes.constData(), int(bytes.size()));
}


} // namespace

Q_DECLARE_METATYPE(Items)

class TestWebStorage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    // First: the page asks once, at its first stored record.
    void storedRecordAsksToKeepTheStorage();
    void leaving_data();
    void leaving();
    void pageClosedMidStoreIsFinished();
    void lockNotHad_data();
    void lockNotHad();
};

void TestWebStorage::init()
{
    // Each case starts from an empty folder in memory, as a page just opened.
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
}

void TestWebStorage::storedRecordAsksToKeepTheStorage()
{
    resetStorage();
    QVERIFY(records::storeIfHigher(folder + QLatin1Char('/'), 0, QStringLiteral("3"), QStringLiteral("Ada")).stored);
    QCOMPARE(persistRequests(), 1);
    QVERIFY(records::storeIfHigher(folder + QLatin1Char('/'), 3, QStringLiteral("4"), QStringLiteral("Ugo")).stored);
    QCOMPARE(persistRequests(), 1);
}

void TestWebStorage::leaving_data()
{
    QTest::addColumn<Items>("before");
    QTest::addColumn<int>("quota");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<double>("shownRecord");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<Items>("after");

    const Items none;
    const Items old{{scoreKey, "2\r\n"}, {nameKey, "Ada\r\n"}};
    const Items niccolo{{scoreKey, "3\r\n"}, {nameKey, "Niccol\xf2\r\n"}};
    const Items higher{{scoreKey, "9\r\n"}, {nameKey, "Bruno\r\n"}};
    QTest::newRow("first record") << none << -1 << false << 0.0 << true << QString() << niccolo;
    QTest::newRow("beats the stored one") << old << -1 << false << 2.0 << true << QString() << niccolo;
    QTest::newRow("another page stored a higher one meanwhile")
        << higher << -1 << false << 2.0 << false << QString() << higher;
    QTest::newRow("no room for the intent file")
        << old << 60 << false << 2.0 << false << QStringLiteral("lo spazio del browser per questo sito è pieno") << old;
    QTest::newRow("storage refused")
        << old << -1 << true << 2.0 << false << QStringLiteral("il browser non permette a questa pagina di salvare dati") << old;
}

void TestWebStorage::leaving()
{
    QFETCH(Items, before);
    QFETCH(int, quota);
    QFETCH(bool, refused);
    QFETCH(double, shownRecord);
    QFETCH(bool, stored);
    QFETCH(QString, reason);
    QFETCH(Items, after);

    resetStorage();
    putItems(before);
    limitStorage(quota);
    refuseStorage(refused);
    const records::StoreResult result = records::storeIfHigher(folder + QLatin1Char('/'), shownRecord,
                                                               QStringLiteral("3"), QStringLiteral("Niccolò"));
    refuseStorage(false);
    QCOMPARE(result.stored, stored);
    QCOMPARE(result.failure ? result.failure->reason : QString(), reason);
    QCOMPARE(storedItems(), after);
}

void TestWebStorage::pageClosedMidStoreIsFinished()
{
    // Closed after the score file and before the name file: the intent file holds the pair.
    resetStorage();
    putItems({{scoreKey, "3\r\n"}, {nameKey, "Ada\r\n"}, {intentKey, intentBytes("3\r\n", "Niccol\xf2\r\n")}});
    {
        const records::RecordLock lock(folder + QLatin1Char('/'));
        QVERIFY(!lock.failure());
    }
    const Items whole{{scoreKey, "3\r\n"}, {nameKey, "Niccol\xf2\r\n"}};
    QCOMPARE(storedItems(), whole);
    QCOMPARE(itemCount(), 2);
    QCOMPARE(records::readWholeFile(folder + records::nameFileName).text, QStringLiteral("Niccolò\r\n"));
}

void TestWebStorage::lockNotHad_data()
{
    QTest::addColumn<bool>("heldByOtherPage");
    QTest::addColumn<bool>("abortSignalTimeout");
    QTest::addColumn<bool>("locksRefused");
    QTest::addColumn<QString>("reason");

    const QString busy = QStringLiteral("un'altra pagina di Quorvel lo tiene bloccato");
    QTest::newRow("free, without AbortSignal.timeout") << false << false << false << QString();
    QTest::newRow("held by another page") << true << true << false << busy;
    QTest::newRow("held by another page, without AbortSignal.timeout") << true << false << false << busy;
    QTest::newRow("the browser refuses the lock")
        << false << true << true << QStringLiteral("il browser non permette a questa pagina di bloccarlo");
}

void TestWebStorage::lockNotHad()
{
    QFETCH(bool, heldByOtherPage);
    QFETCH(bool, abortSignalTimeout);
    QFETCH(bool, locksRefused);
    QFETCH(QString, reason);

    resetStorage();
    putItems({{scoreKey, "9\r\n"}, {nameKey, "Bruno\r\n"}});
    if (heldByOtherPage)
        holdLockAsOtherPage();
    haveAbortSignalTimeout(abortSignalTimeout);
    refuseLocks(locksRefused);
    std::optional<records::Failure> failure;
    {
        const records::RecordLock lock(folder + QLatin1Char('/'), 200);
        failure = lock.failure();
    }
    refuseLocks(false);
    haveAbortSignalTimeout(true);
    releaseOtherPagesLock();
    QCOMPARE(failure ? failure->reason : QString(), reason);
    // Held or not, the page reads the record the storage holds.
    QCOMPARE(records::readWholeFile(folder + records::scoreFileName).text, QStringLiteral("9\r\n"));
}

QTEST_GUILESS_MAIN(TestWebStorage)
#include "tst_webstorage.moc"
