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
        // The numbers are 64-bit: they grow past 9 digits, and end where no next one exists.
        QTest::newRow("past 9 digits") << QStringList{"a.wav.~999999999~"} << "a.wav.~1000000000~";
        QTest::newRow("10 digits") << QStringList{"a.wav.~1000000000~", "a.wav.~2~"} << "a.wav.~1000000001~";
        QTest::newRow("too big for 64 bits") << QStringList{"a.wav.~18446744073709551616~", "a.wav.~3~"} << "a.wav.~4~";
        QTest::newRow("no next number") << QStringList{"a.wav.~18446744073709551615~"} << "";
    }
    void nextBackupName()
    {
        QFETCH(QStringList, siblings);
        QFETCH(QString, expected);
        std::vector<std::string> names;
        for (const QString &s : siblings)
            names.push_back(s.toStdString());
        const std::optional<std::string> next = wsstool::nextBackupName("a.wav", names);
        QCOMPARE(next ? QString::fromStdString(*next) : QString(), expected);
        // One listing gives every name its highest number.
        names.push_back("b.wav.~7~");
        const auto highest = wsstool::BackupNumbers::highestOf(names);
        QCOMPARE(highest.count("b.wav") ? highest.at("b.wav") : 0u, 7u);
        const std::uint64_t a = highest.count("a.wav") ? highest.at("a.wav") : 0;
        QCOMPARE(wsstool::backupName("a.wav", a), next);
    }
};

QTEST_GUILESS_MAIN(TestBackupName)
#include "tst_backup_name.moc"
