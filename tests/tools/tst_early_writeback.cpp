// Which stretch of an output the tools start writing to disk while they still convert.

#include "early_writeback.h"

#include <QTest>

class TestEarlyWriteback : public QObject
{
    Q_OBJECT

private slots:
    void nextStretch_data()
    {
        QTest::addColumn<quint64>("started");
        QTest::addColumn<quint64>("end");
        QTest::addColumn<quint64>("offset");
        QTest::addColumn<quint64>("length"); // 0: nothing to start yet
        const quint64 mib = 1 << 20;
        QTest::newRow("less than a stretch") << quint64(0) << 8 * mib - 1 << quint64(0) << quint64(0);
        QTest::newRow("a whole stretch") << quint64(0) << 8 * mib << quint64(0) << 8 * mib;
        QTest::newRow("whole pages only") << quint64(0) << 9 * mib + 4097 << quint64(0) << 9 * mib + 4096;
        QTest::newRow("from where the last ended") << 8 * mib << 16 * mib + 100 << 8 * mib << 8 * mib;
        QTest::newRow("a stretch but for the page being filled") << 8 * mib << 16 * mib + 4095 << 8 * mib << 8 * mib;
        QTest::newRow("short of a stretch in whole pages") << 8 * mib << 16 * mib - 1 << quint64(0) << quint64(0);
        QTest::newRow("the position went back") << 16 * mib << quint64(44) << quint64(0) << quint64(0);
    }
    void nextStretch()
    {
        QFETCH(quint64, started);
        QFETCH(quint64, end);
        QFETCH(quint64, offset);
        QFETCH(quint64, length);
        const wsstool::ByteRange r = wsstool::nextWritebackStretch(started, end, 8 << 20, 4096);
        QCOMPARE(quint64(r.length), length);
        if (length > 0)
            QCOMPARE(quint64(r.offset), offset);
    }
};

QTEST_GUILESS_MAIN(TestEarlyWriteback)
#include "tst_early_writeback.moc"
