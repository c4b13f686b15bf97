// The record in the browser's storage (localStorage, here node-browser.js's
// stand-in): the same two files with the same bytes, a store refused or out of
// room changes nothing, another page's higher record stays, and a store a page
// left half done is finished by the next.

#include <QCoreApplication>

#include "records/record_files.h"
#include "records/record_store.h"

#include <QDataStream>
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

QByteArray intentOf(const QByteArray &score, const QByteArray &name)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << score << name;
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Items)

class TestWebStorage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void leaving_data();
    void leaving();
    void pageClosedMidStoreIsFinished();
};

void TestWebStorage::init()
{
    // Each case starts from an empty folder in memory, as a page just opened.
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
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
    putItems({{scoreKey, "3\r\n"}, {nameKey, "Ada\r\n"}, {intentKey, intentOf("3\r\n", "Niccol\xf2\r\n")}});
    {
        const records::RecordLock lock(folder + QLatin1Char('/'));
        QVERIFY(!lock.failure());
    }
    const Items whole{{scoreKey, "3\r\n"}, {nameKey, "Niccol\xf2\r\n"}};
    QCOMPARE(storedItems(), whole);
    QCOMPARE(itemCount(), 2);
    QCOMPARE(records::readWholeFile(folder + records::nameFileName).text, QStringLiteral("Niccolò\r\n"));
}

QTEST_GUILESS_MAIN(TestWebStorage)
#include "tst_webstorage.moc"
