// The name an earlier output is kept under, from the names already in its folder.

#include "backup_name.h"

#include <QTest>

class TestBackupName : public QObject
{
    Q_OBJECT

private slots:
    void nextBackupName_data()
    {
        QTest::addColumn<QStringList>("siblings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none yet") << QStringList{"a.wav", "b.wav.~4~"} << "a.wav.~1~";
        QTest::newRow("after the highest") << QStringList{"a.wav.~1~", "a.wav.~3~", "a.wav.~2~"} << "a.wav.~4~";
        QTest::newRow("numbers, not text order") << QStringList{"a.wav.~9~", "a.wav.~10~"} << "a.wav.~11~";
        QTest::newRow("only plain numbers count") << QStringList{"a.wav.~x~", "a.wav.~07~", "a.wav.~~", "a.wav.~5",
            "a.wav.~6~.old", "a.wav~8~"} << "a.wav.~1~";
        QTest::newRow("another name's backups") << QStringList{"xa.wav.~5~", "a.wa.~6~"} << "a.wav.~1~";
    }
    void nextBackupName()
    {
        QFETCH(QStringList, siblings);
        QFETCH(QString, expected);
        std::vector<std::string> names;
        for (const QString &s : siblings)
            names.push_back(s.toStdString());
        QCOMPARE(QString::fromStdString(wsstool::nextBackupName("a.wav", names)), expected);
    }
};

QTEST_GUILESS_MAIN(TestBackupName)
#include "tst_backup_name.moc"
