#include "records/system/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <emscripten.h>

#include <utility>

// In the browser the folder is in the page's memory and gone at a reload: each
// record file is also kept in the site's localStorage, under its path, its bytes
// one character each. setItem replaces an item whole and at once, so the store's
// own order (intent file, then the two files, then the intent's removal) keeps
// a pair whole there as on a disk. Other pages of the same site share that
// storage; the Web Lock "quorvel-record" keeps them out of each other's store.
namespace records {

namespace {

// 0 stored, 1 the storage is full, 2 the browser refuses this page any storage.
EM_JS(int, storageSet, (const char *key, const char *bytes, int size), {
    let text = "";
    for (let i = 0; i < size; ++i)
        text += String.fromCharCode(HEAPU8[bytes + i]);
    try {
        localStorage.setItem(UTF8ToString(key), text);
        return 0;
    } catch (e) {
        return e && e.name === "QuotaExceededError" ? 1 : 2;
    }
});

// 0 when the browser refuses this page its storage.
EM_JS(int, storageReadable, (), {
    try {
        return localStorage.length >= 0 ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// -1 when there is no such item or no storage.
EM_JS(int, storageSize, (const char *key), {
    try {
        const text = localStorage.getItem(UTF8ToString(key));
        return text === null ? -1 : text.length;
    } catch (e) {
        return -1;
    }
});

EM_JS(void, storageCopy, (const char *key, char *bytes, int size), {
    const text = localStorage.getItem(UTF8ToString(key)) || "";
    for (let i = 0; i < size && i < text.length; ++i)
        HEAPU8[bytes + i] = text.charCodeAt(i) & 0xff;
});

EM_JS(int, storageRemove, (const char *key), {
    try {
        localStorage.removeItem(UTF8ToString(key));
        return 0;
    } catch (e) {
        return 2;
    }
});

// The keys that begin with `prefix`, one a line, into `out` when it is large
// enough; the bytes they need in UTF-8, or -1 without storage.
EM_JS(int, storageKeys, (const char *prefix, char *out, int capacity), {
    try {
        const start = UTF8ToString(prefix);
        const keys = [];
        for (let i = 0; i < localStorage.length; ++i) {
            const key = localStorage.key(i);
            if (key !== null && key.startsWith(start))
                keys.push(key);
        }
        const text = keys.join("\n");
        const needed = lengthBytesUTF8(text) + 1;
        if (needed <= capacity)
            stringToUTF8(text, out, capacity);
        return needed;
    } catch (e) {
        return -1;
    }
});

// Waits up to `timeoutMs` for the lock: 1 held (or no Web Locks to be had, as in
// a page served without https: then the tabs are not kept apart), 0 not had in
// time, -1 refused by the browser. The program waits suspended until the promise
// settles, so it settles on every path, and the wait is timed by the page's own
// clock: AbortSignal.timeout is missing from some browsers that have Web Locks
// (Safari 15.4, Chrome before 103, Firefox before 100). A lock granted after
// the wait was given up is let go at once.
EM_ASYNC_JS(int, takeRecordLock, (int timeoutMs), {
    try {
        if (typeof navigator === "undefined" || !navigator.locks)
            return 1;
        return await new Promise((resolve) => {
            let waiting = true;
            const giveUp = new AbortController();
            const timer = setTimeout(() => {
                waiting = false;
                giveUp.abort();
                resolve(0);
            }, timeoutMs);
            navigator.locks.request("quorvel-record", {signal: giveUp.signal}, () => {
                if (!waiting)
                    return undefined;
                waiting = false;
                clearTimeout(timer);
                return new Promise((release) => {
                    Module.quorvelReleaseRecord = release;
                    resolve(1);
                });
            }).catch(() => {
                if (waiting) {
                    waiting = false;
                    clearTimeout(timer);
                    resolve(-1);
                }
            });
        });
    } catch (e) {
        return -1;
    }
});

// Safari deletes a site's storage after seven days without a visit, and any
// browser may when the disk fills up, unless the site's storage is persistent.
// Asked once a page, when a record is stored; some browsers have no such thing.
EM_JS(void, askToKeepStorage, (), {
    if (Module.quorvelAskedToKeepStorage)
        return;
    Module.quorvelAskedToKeepStorage = true;
    try {
        navigator.storage.persist().catch(() => {});
    } catch (e) {
        // No storage manager here: nothing to ask.
    }
});

EM_JS(void, releaseRecordLock, (), {
    if (Module.quorvelReleaseRecord) {
        Module.quorvelReleaseRecord();
        Module.quorvelReleaseRecord = null;
    }
});

const QString storageFull = QStringLiteral("lo spazio del browser per questo sito è pieno");
const QString storageRefused = QStringLiteral("il browser non permette a questa pagina di salvare dati");

QString storageFailure(int code)
{
    return code == 1 ? storageFull : storageRefused;
}

// The store names its files as the folder and "/name"; the key is the clean path.
QByteArray keyOf(const QString &path)
{
    return QDir::cleanPath(path).toUtf8();
}

std::optional<QByteArray> storedBytes(const QString &path)
{
    const QByteArray key = keyOf(path);
    const int size = storageSize(key.constData());
    if (size < 0)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    storageCopy(key.constData(), bytes.data(), size);
    return bytes;
}

QStringList storedPaths(const QString &dir)
{
    const QByteArray prefix = keyOf(dir) + '/';
    QByteArray keys(256, Qt::Uninitialized);
    int needed = storageKeys(prefix.constData(), keys.data(), int(keys.size()));
    if (needed > keys.size()) {
        keys.resize(needed);
        needed = storageKeys(prefix.constData(), keys.data(), int(keys.size()));
    }
    if (needed <= 1)
        return {};
    return QString::fromUtf8(keys.constData(), needed - 1).split(QLatin1Char('\n'));
}

// The files this page has stored or removed: those another page may have
// changed meanwhile.
QSet<QString> &touchedPaths()
{
    static QSet<QString> paths;
    return paths;
}

// Puts the storage's bytes into the folder in memory, or takes away a file that
// the storage no longer holds.
bool bringUpToDate(const QString &dir)
{
    const QString folder = QDir::cleanPath(dir) + QLatin1Char('/');
    QSet<QString> paths;
    for (const QString &path : touchedPaths()) {
        if (path.startsWith(folder))
            paths.insert(path);
    }
    for (const QString &path : storedPaths(dir))
        paths.insert(path);
    for (const QString &path : std::as_const(paths)) {
        const std::optional<QByteArray> bytes = storedBytes(path);
        if (!bytes) {
            QFile::remove(path);
            continue;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
            return false;
        touchedPaths().insert(path);
    }
    return true;
}

} // namespace

struct ReplacementFile::Native {
    explicit Native(const QString &path) : file(path) {}
    QSaveFile file;
    QByteArray bytes;
};

ReplacementFile::ReplacementFile(const QString &path) : m_path(path), m_native(std::make_unique<Native>(path)) {}

ReplacementFile::~ReplacementFile() = default;

bool ReplacementFile::write(const QByteArray &bytes)
{
    QSaveFile &file = m_native->file;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        m_error = file.errorString();
        return false;
    }
    m_native->bytes = bytes;
    return true;
}

bool ReplacementFile::commit()
{
    // The storage first: a file it refuses stays as it was in memory too.
    const QByteArray key = keyOf(m_path);
    if (const int failure = storageSet(key.constData(), m_native->bytes.constData(), int(m_native->bytes.size()))) {
        m_error = storageFailure(failure);
        return false;
    }
    touchedPaths().insert(QDir::cleanPath(m_path));
    if (m_native->file.commit())
        return true;
    m_error = m_native->file.errorString();
    return false;
}

void syncFolder(const QString &)
{
    // Each item is in the storage as soon as setItem returns; how long the
    // storage lasts is the browser's to say.
    askToKeepStorage();
}

bool folderIsTheRecord()
{
    return false;
}

bool removeFile(const QString &path, QString *error, int *attempts)
{
    if (attempts)
        *attempts = 1;
    if (touchedPaths().contains(QDir::cleanPath(path)) && storageRemove(keyOf(path).constData()) != 0) {
        if (error)
            *error = storageRefused;
        return false;
    }
    QFile file(path);
    if (file.remove() || !QFileInfo::exists(path))
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

FolderGuard::FolderGuard(const QString &dir, int timeoutMs)
{
    if (dir.isEmpty())
        return;
    const int held = takeRecordLock(timeoutMs);
    const bool readable = storageReadable();
    // Not held, the record is still read as it stands, as from a folder on a
    // disk that cannot be locked: the page shows what the storage holds.
    const bool upToDate = readable && bringUpToDate(dir);
    if (held == 0)
        m_failure = QStringLiteral("un'altra pagina di Quorvel lo tiene bloccato");
    else if (held < 0)
        m_failure = QStringLiteral("il browser non permette a questa pagina di bloccarlo");
    else if (!readable)
        m_failure = storageRefused;
    else if (!upToDate)
        m_failure = QStringLiteral("impossibile copiare il record salvato nel browser nella memoria della pagina");
}

FolderGuard::~FolderGuard()
{
    releaseRecordLock();
}

} // namespace records
