// Installation: `cmake --install` into a temporary prefix puts the program, its
// desktop entry, its AppStream metainfo and its icons where desktops look for
// them, and the freedesktop validators accept what it installed.

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMultiMap>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString appId = QStringLiteral(QUORVEL_APP_ID);

struct Run {
    int exitCode = -1;
    QString output;
};

// Runs a tool to its end; a tool that cannot be started counts as a failure.
Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {-1, program + QStringLiteral(" could not be started: ") + process.errorString()};
    process.waitForFinished(-1);
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromLocal8Bit(process.readAll())};
}

// The keys of a desktop entry's [Desktop Entry] group.
QMap<QString, QString> readDesktopEntry(const QString &path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// Every element's text in a metainfo file, keyed by its path and language,
// e.g. "component/summary@it"; attributes are keyed "path#name".
QMultiMap<QString, QString> readMetainfo(const QString &path)
{
    QMultiMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    QXmlStreamReader xml(&file);
    QStringList elements, keys;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            elements << xml.name().toString();
            const QString at = elements.join(QLatin1Char('/'));
            for (const QXmlStreamAttribute &attribute : xml.attributes())
                values.insert(at + QLatin1Char('#') + attribute.qualifiedName().toString(), attribute.value().toString());
            const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
            keys << (lang.isEmpty() ? at : at + QLatin1Char('@') + lang);
        } else if (xml.isEndElement()) {
            elements.removeLast();
            keys.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace() && !keys.isEmpty()) {
            values.insert(keys.last(), xml.text().toString().simplified());
        }
    }
    if (xml.hasError())
        values.insert(QStringLiteral("error"), xml.errorString());
    return values;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void icons_data();
    void icons();
    void picturesAreTheirDrawings_data();
    void picturesAreTheirDrawings();
    void desktopEntryPassesTheValidator();
    void desktopEntry_data();
    void desktopEntry();
    void metainfoPassesTheValidators();
    void metainfo_data();
    void metainfo();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    QString desktopFile() const { return installed(QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop")); }
    QString metainfoFile() const { return installed(QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml")); }

    QTemporaryDir m_prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Run install = run(QStringLiteral(CMAKE_COMMAND_PATH),
                            {QStringLiteral("--install"), QStringLiteral(QUORVEL_BUILD_DIR),
                             QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    QTest::newRow("program") << "bin/quorvel" << true;
    QTest::newRow("desktop entry") << "share/applications/" + appId + ".desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/" + appId + ".metainfo.xml" << false;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + appId + ".svg" << false;
    QTest::newRow("copyright") << "share/doc/quorvel/copyright" << false;
    QTest::newRow("changelog") << "share/doc/quorvel/changelog.gz" << false;
    QTest::newRow("manual page") << "share/man/man1/quorvel.1.gz" << false;
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);

    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (executable)
        QVERIFY(file.isExecutable());
}

void TestInstall::icons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size)))
            << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId) << size;
    QTest::newRow("scalable") << "share/icons/hicolor/scalable/apps/" + appId + ".svg" << 96;
}

void TestInstall::icons()
{
    QFETCH(QString, path);
    QFETCH(int, size);

    QImage image;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(installed(path));
        QVERIFY(svg.isValid());
        image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
    } else {
        QVERIFY(image.load(installed(path), "PNG"));
    }
    QCOMPARE(image.size(), QSize(size, size));

    // The game's own picture drawn over the whole square: a rounded corner left
    // clear, the red numerator box above, the green denominator box below.
    // Small sizes blend the edges a little.
    const auto at = [&](int x, int y) { return image.pixelColor(x * size / 32, y * size / 32); };
    const auto near = [](const QColor &colour, const QColor &expected) {
        return qAbs(colour.red() - expected.red()) <= 16 && qAbs(colour.green() - expected.green()) <= 16
            && qAbs(colour.blue() - expected.blue()) <= 16 && colour.alpha() == 255;
    };
    QCOMPARE(at(0, 0).alpha(), 0);
    QVERIFY2(near(at(8, 8), QColor(255, 0, 0)), qPrintable(at(8, 8).name()));
    QVERIFY2(near(at(8, 23), QColor(0, 128, 0)), qPrintable(at(8, 23).name()));
    QCOMPARE(at(16, 31).alpha(), 255);
}

void TestInstall::picturesAreTheirDrawings_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : QStringLiteral(QUORVEL_PICTURES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(name)) << name;
}

// The game draws the painter commands recorded from each SVG drawing: after a
// drawing changes, `make pictures` records it again.
void TestInstall::picturesAreTheirDrawings()
{
    QFETCH(QString, name);
    const QString resources = QStringLiteral(QUORVEL_SOURCE_DIR "/src/resources/");
    QSvgRenderer svg(resources + name + QStringLiteral(".svg"));
    QPicture picture;
    QVERIFY(svg.isValid() && picture.load(resources + QStringLiteral("pictures/") + name + QStringLiteral(".pic")));

    for (int size : {32, 64}) {
        QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
        QImage replayed = drawn;
        drawn.fill(Qt::transparent);
        replayed.fill(Qt::transparent);
        QPainter svgPainter(&drawn);
        svg.render(&svgPainter);
        svgPainter.end();
        QPainter painter(&replayed);
        painter.scale(size / 32.0, size / 32.0);
        painter.drawPicture(0, 0, picture);
        painter.end();
        // Compared in 4 x 4 blocks: the SVG renderer of another Qt version
        // smooths a rounded edge a little differently from the one that
        // recorded the picture, while a drawing changed since shifts a whole
        // edge, which moves a block's average by a quarter or more.
        for (int y = 0; y < size; y += 4) {
            for (int x = 0; x < size; x += 4) {
                int most = 0;
                for (int shift : {0, 8, 16, 24}) {   // blue, green, red, alpha
                    int sum = 0;
                    for (int dy = 0; dy < 4; ++dy)
                        for (int dx = 0; dx < 4; ++dx)
                            sum += int((drawn.pixel(x + dx, y + dy) >> shift) & 0xff)
                                   - int((replayed.pixel(x + dx, y + dy) >> shift) & 0xff);
                    most = std::max(most, qAbs(sum) / 16);
                }
                QVERIFY2(most <= 24, qPrintable(QStringLiteral("%1 px, block at %2,%3: %4").arg(size).arg(x).arg(y).arg(most)));
            }
        }
    }
}

void TestInstall::desktopEntryPassesTheValidator()
{
    const Run check = run(QStringLiteral("desktop-file-validate"), {desktopFile()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    QVERIFY2(!check.output.contains(QLatin1String("error"), Qt::CaseInsensitive), qPrintable(check.output));
}

void TestInstall::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    // The menu starts the program with no arguments at all.
    QTest::newRow("Exec") << "Exec" << "quorvel";
    QTest::newRow("Icon") << "Icon" << appId;
    QTest::newRow("Type") << "Type" << "Application";
    QTest::newRow("Categories") << "Categories" << "Education;Math;";
    QTest::newRow("Terminal") << "Terminal" << "false";
    QTest::newRow("Name") << "Name" << "Quorvel";
    QTest::newRow("Comment[it]") << "Comment[it]" << "Riduci le frazioni ai minimi termini prima che scada il tempo";
    QTest::newRow("GenericName[it]") << "GenericName[it]" << "Esercizi di semplificazione delle frazioni";
}

void TestInstall::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QMap<QString, QString> keys = readDesktopEntry(desktopFile());
    QVERIFY2(keys.contains(key), qPrintable(key));
    QCOMPARE(keys.value(key), value);
}

void TestInstall::metainfoPassesTheValidators()
{
    const Run file = run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()});
    QVERIFY2(file.exitCode == 0, qPrintable(file.output));
    // The tree check also finds the desktop entry the metainfo launches.
    const Run tree = run(QStringLiteral("appstreamcli"), {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_prefix.path()});
    QVERIFY2(tree.exitCode == 0, qPrintable(tree.output));
}

void TestInstall::metainfo_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("id") << "component/id" << appId;
    QTest::newRow("type") << "component#type" << "desktop-application";
    QTest::newRow("launchable") << "component/launchable" << appId + ".desktop";
    QTest::newRow("metadata licence") << "component/metadata_license" << "CC0-1.0";
    QTest::newRow("project licence") << "component/project_license" << "GPL-3.0-or-later";
    QTest::newRow("Italian summary") << "component/summary@it" << "Riduci le frazioni ai minimi termini prima che scada il tempo";
    QTest::newRow("Italian description") << "component/description/p@it" << "Quorvel è un gioco di esercizio per gli alunni, in italiano.";
    QTest::newRow("category") << "component/categories/category" << "Education";
    QTest::newRow("screenshot") << "component/screenshots/screenshot/image" << "https://www.quorvel.example/screenshots/tavola.png";
    QTest::newRow("binary") << "component/provides/binary" << "quorvel";
    QTest::newRow("release") << "component/releases/release#version" << QStringLiteral(QUORVEL_VERSION);
}

void TestInstall::metainfo()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QMultiMap<QString, QString> values = readMetainfo(metainfoFile());
    QVERIFY2(!values.contains(QStringLiteral("error")), qPrintable(values.value(QStringLiteral("error"))));
    // Long texts are known by how they begin.
    const QStringList found = values.values(key);
    QVERIFY2(std::any_of(found.begin(), found.end(), [&](const QString &text) { return text.startsWith(value); }),
             qPrintable(key + QLatin1String(": ") + found.join(QLatin1String(" | "))));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
