#include "fakeplatform.h"
#include "window/tavola.h"
#include <QTest>
class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void opens() { FakePlatform p; Tavola w(&p); QVERIFY(w.surface); }
};
QTEST_MAIN(TestWindow)
#include "tst_window.moc"
