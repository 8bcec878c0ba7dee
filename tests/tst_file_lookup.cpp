// Finding a file by pattern for the existence test, and finding a tool to run.

#include "platform/file_lookup.h"
#include "platform/tool_process.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

void touch(const QString &path, QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("x");
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

} // namespace

class TestFileLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QDir dir(m_dir.path());
        touch(dir.filePath("gun.wss"));
        touch(dir.filePath("take [2].wav"));
        touch(dir.filePath(".hidden.wss"));
        QVERIFY(dir.mkpath("folder.wss"));
        QVERIFY(QFile::link(dir.filePath("gun.wss"), dir.filePath("link.wss")));
        QVERIFY(QFile::link(dir.filePath("missing.wss"), dir.filePath("broken.wss")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.wss")).constData(), 0600), 0);

        QVERIFY(dir.mkpath("only-hidden"));
        touch(dir.filePath("only-hidden/.secret.wav"));
        QVERIFY(dir.mkpath("only-folders/sub"));
        QVERIFY(dir.mkpath("one-file"));
        touch(dir.filePath("one-file/x.wav"));
        QVERIFY(dir.mkpath(".hidden-folder"));
        touch(dir.filePath(".hidden-folder/inside.wav"));
    }

    void findFirstFile_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("acceptable");
        QTest::newRow("existing file") << "gun.wss" << QStringList{"gun.wss"};
        QTest::newRow("missing file") << "nothing.wss" << QStringList{};
        QTest::newRow("other case") << "GUN.WSS" << QStringList{};
        QTest::newRow("brackets in the name") << "take [2].wav" << QStringList{"take [2].wav"};
        QTest::newRow("hidden file") << ".hidden.wss" << QStringList{};
        QTest::newRow("folder") << "folder.wss" << QStringList{};
        QTest::newRow("link to a file") << "link.wss" << QStringList{"link.wss"};
        QTest::newRow("broken link") << "broken.wss" << QStringList{};
        QTest::newRow("named pipe") << "pipe.wss" << QStringList{};
        QTest::newRow("star") << "*.wss" << QStringList{"gun.wss", "link.wss"};
        QTest::newRow("question marks") << "???.wss" << QStringList{"gun.wss"};
        QTest::newRow("star matching no ordinary file") << "*.wsx" << QStringList{};
        QTest::newRow("wildcard does not reach hidden") << ".h*" << QStringList{};
        QTest::newRow("folder holding a file") << "one-file/" << QStringList{"x.wav"};
        QTest::newRow("folder holding only a hidden file") << "only-hidden/" << QStringList{};
        QTest::newRow("folder holding only folders") << "only-folders/" << QStringList{};
        QTest::newRow("file inside a hidden folder") << ".hidden-folder/inside.wav" << QStringList{"inside.wav"};
        QTest::newRow("missing folder") << "nowhere/" << QStringList{};
        QTest::newRow("wildcard in a folder name") << "*/x.wav" << QStringList{};
    }
    void findFirstFile()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, acceptable);
        const QString found = Platform::FindFirstFile(m_dir.path() + u'/' + pattern);
        if (acceptable.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(acceptable.contains(found), qPrintable(found));
    }

    void relativePatternsUseTheCurrentFolder()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const QString bare = Platform::FindFirstFile(QStringLiteral("gun.wss"));
        const QString nested = Platform::FindFirstFile(QStringLiteral("one-file/x.wav"));
        const QString wildcard = Platform::FindFirstFile(QStringLiteral("g?n.*"));
        const QString empty = Platform::FindFirstFile(QString());
        QDir::setCurrent(before);
        QCOMPARE(bare, QStringLiteral("gun.wss"));
        QCOMPARE(nested, QStringLiteral("x.wav"));
        QCOMPARE(wildcard, QStringLiteral("gun.wss"));
        QCOMPARE(empty, QString());
    }

    void toolsAreFoundInTheProgramFolderFirstThenOnThePath()
    {
        QTemporaryDir program, first, second;
        const auto executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        touch(program.filePath("WSSdec.exe"), executable);
        touch(first.filePath("WSSdec.exe"), executable);
        touch(first.filePath("WSSCod.exe"), QFileDevice::ReadOwner); // not executable
        touch(second.filePath("WSSCod.exe"), executable);
        const QString path = first.path() + u':' + second.path();

        QCOMPARE(Platform::FindExecutable("WSSdec.exe", program.path(), path), program.filePath("WSSdec.exe"));
        QCOMPARE(Platform::FindExecutable("WSSdec.exe", m_dir.path(), path), first.filePath("WSSdec.exe"));
        QCOMPARE(Platform::FindExecutable("WSSCod.exe", program.path(), path), second.filePath("WSSCod.exe"));
        QCOMPARE(Platform::FindExecutable("nothing", program.path(), path), QString());
        QCOMPARE(Platform::FindExecutable(program.filePath("WSSdec.exe"), m_dir.path(), QString()),
            program.filePath("WSSdec.exe"));
    }

    void toolsAreNeverTakenFromTheCurrentFolder()
    {
        QTemporaryDir sounds, empty;
        touch(sounds.filePath("WSSdec.exe"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(sounds.path()));
        const QString viaDot = Platform::FindExecutable("WSSdec.exe", empty.path(), QStringLiteral(".:"));
        const QString viaEmptyEntry = Platform::FindExecutable("WSSdec.exe", empty.path(), QStringLiteral("::"));
        const QString viaRelativeName = Platform::FindExecutable("./WSSdec.exe", empty.path(), QString());
        QDir::setCurrent(before);
        QCOMPARE(viaDot, QString());
        QCOMPARE(viaEmptyEntry, QString());
        QCOMPARE(viaRelativeName, QString());
    }

private:
    QTemporaryDir m_dir;
};

TALVEN_TEST_MAIN(TestFileLookup)
#include "tst_file_lookup.moc"
