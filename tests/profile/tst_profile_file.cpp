#include "platform/profile_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <memory>
#include <unistd.h>
#include <vector>

using Platform::SetProfileValue;
using Platform::WriteProfileString;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// Sets [a] k=value, the entry most tests write.
bool writeA(const QString &path, const QString &value)
{
    return WriteProfileString(QStringLiteral("a"), QStringLiteral("k"), value, path);
}

QString fixture(const QString &name)
{
    return buildPath(PROFILE_FIXTURES) + u'/' + name;
}

// Owner, group and other permissions of a Unix mode such as 0640.
QFile::Permissions permissionsOf(int mode)
{
    return QFile::Permissions::fromInt(((mode & 0700) << 6) | ((mode & 0070) << 1) | (mode & 0007));
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void setValue_data();
    void setValue();
    void refusesUnsafeEntries_data();
    void refusesUnsafeEntries();

    void editsFixture_data();
    void editsFixture();
    void createsMissingFile();
    void failsWithoutFolder();
    void writesThroughSymlink_data();
    void writesThroughSymlink();
    void keepsPermissions_data();
    void keepsPermissions();
    void unreadableFileIsLeftAlone_data();
    void unreadableFileIsLeftAlone();
    void givesUpWhileAnotherWriterHoldsTheLock();
    void concurrentWritersLoseNothing();

private:
    QString m_ini;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ini = m_dir->filePath(QStringLiteral("VisualBasic.ini"));
}

void TestProfileFile::setValue_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << QByteArray("S") << QByteArray("k") << QByteArray("[S]\nk=v\n");
    QTest::newRow("replaced in its own section only") << QByteArray("[a]\nk=old\n[b]\nk=other\n") << QByteArray("b")
                                                      << QByteArray("k") << QByteArray("[a]\nk=old\n[b]\nk=v\n");
    QTest::newRow("added under a header that ends the file")
        << QByteArray("[a]") << QByteArray("a") << QByteArray("k") << QByteArray("[a]\nk=v\n");
    QTest::newRow("case and blanks ignored, file's spelling kept")
        << QByteArray("[ Main\t]\n  KEY = old \n") << QByteArray(" main ") << QByteArray("key\t")
        << QByteArray("[ Main\t]\nKEY=v\n");
    QTest::newRow("non-ASCII names ignore case")
        << QByteArray("[Ärger]\nÖl=1\n") << QByteArray("äRGER") << QByteArray("öl") << QByteArray("[Ärger]\nÖl=v\n");
    QTest::newRow("keys before any section never match")
        << QByteArray("k=top\n[a]\n") << QByteArray("a") << QByteArray("k") << QByteArray("k=top\n[a]\nk=v\n");
    QTest::newRow("comments never match") << QByteArray(";[a]\n[a]\n ;k=old\n") << QByteArray("a") << QByteArray("k")
                                          << QByteArray(";[a]\n[a]\n ;k=old\nk=v\n");
    QTest::newRow("a line without '=' is not the key")
        << QByteArray("[a]\nk\n") << QByteArray("a") << QByteArray("k") << QByteArray("[a]\nk\nk=v\n");
    QTest::newRow("empty key added") << QByteArray("[a]\nx=1\n") << QByteArray("a") << QByteArray("")
                                     << QByteArray("[a]\nx=1\n=v\n");
    QTest::newRow("empty key replaced") << QByteArray("[a]\n =old\nx=1\n") << QByteArray("a") << QByteArray("")
                                        << QByteArray("[a]\n=v\nx=1\n");
    QTest::newRow("a replaced line keeps its own line end")
        << QByteArray("[a]\nk=1\r\nx=2\n") << QByteArray("a") << QByteArray("k") << QByteArray("[a]\nk=v\r\nx=2\n");
    QTest::newRow("BOM kept before a matching header") << QByteArray("\xEF\xBB\xBF[a]\nk=1\n") << QByteArray("a")
                                                       << QByteArray("k") << QByteArray("\xEF\xBB\xBF[a]\nk=v\n");
}

void TestProfileFile::setValue()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    QCOMPARE(SetProfileValue(before, section, key, "v"), std::optional<QByteArray>(after));
}

void TestProfileFile::refusesUnsafeEntries_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString nul(QChar(0));
    QTest::newRow("LF in section") << "a\n[b"
                                   << "k"
                                   << "v";
    QTest::newRow("CR in section") << "a\rb"
                                   << "k"
                                   << "v";
    QTest::newRow("NUL in section") << "a" + nul << "k"
                                    << "v";
    QTest::newRow("LF in key") << "a"
                               << "k\nj"
                               << "v";
    QTest::newRow("CR in key") << "a"
                               << "k\r"
                               << "v";
    QTest::newRow("NUL in key") << "a" << nul + "k"
                                << "v";
    QTest::newRow("LF in value") << "a"
                                 << "k"
                                 << "v\n[evil]\nx=1";
    QTest::newRow("CR in value") << "a"
                                 << "k"
                                 << "v\r";
    QTest::newRow("NUL in value") << "a"
                                  << "k"
                                  << "v" + nul + "w";
    QTest::newRow("']' in section") << "a]b"
                                    << "k"
                                    << "v";
    QTest::newRow("'=' in key") << "a"
                                << "k=j"
                                << "v";
    QTest::newRow("key reads as a comment") << "a"
                                            << " ;k"
                                            << "v";
    QTest::newRow("key reads as a section") << "a"
                                            << "[k"
                                            << "v";
}

void TestProfileFile::refusesUnsafeEntries()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before = readAll(fixture(QStringLiteral("shared.ini")));
    writeAll(m_ini, before);

    QVERIFY(!SetProfileValue(before, section.toUtf8(), key.toUtf8(), value.toUtf8()));
    QVERIFY(!WriteProfileString(section, key, value, m_ini));
    QCOMPARE(readAll(m_ini), before);
}

void TestProfileFile::editsFixture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QStringList>>("writes");

    QTest::newRow("comments, odd lines, BOM, no final line end")
        << QStringLiteral("shared")
        << QList<QStringList>{{"options", "folder", "/home/user/sounds"}, {"Empty", "Key", "1"},
               {"RECENT", " File2 ", "b.wav"}, {"New", "Name", "ok"}};
    QTest::newRow("CRLF") << QStringLiteral(
        "crlf") << QList<QStringList>{{"Options", "Folder", "/new"}, {"Options", "Added", "1"}, {"Fresh", "K", "v"}};
}

void TestProfileFile::editsFixture()
{
    QFETCH(QString, name);
    QFETCH(QList<QStringList>, writes);
    QVERIFY(QFile::copy(fixture(name + ".ini"), m_ini));
    // The copy takes the fixture's mode, which a read-only checkout would make read-only.
    QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::WriteOwner));

    for (const QStringList &write : writes)
        QVERIFY(WriteProfileString(write.at(0), write.at(1), write.at(2), m_ini));
    QCOMPARE(readAll(m_ini), readAll(fixture(name + "_after.ini")));
}

void TestProfileFile::createsMissingFile()
{
    QVERIFY(WriteProfileString(QStringLiteral("Folders"), QStringLiteral("Open"), QStringLiteral("/home/ü"), m_ini));
    QCOMPARE(readAll(m_ini), QByteArray("[Folders]\nOpen=/home/ü\n"));
    QVERIFY(!QFile::exists(m_ini + ".lock"));
}

void TestProfileFile::failsWithoutFolder()
{
    const QString path = m_dir->filePath(QStringLiteral("missing/VisualBasic.ini"));
    QVERIFY(!writeA(path, QStringLiteral("v")));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("missing"))));
}

void TestProfileFile::writesThroughSymlink_data()
{
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<bool>("targetExists");

    QTest::newRow("relative") << QStringLiteral("real/profile.ini") << true;
    QTest::newRow("absolute") << QStringLiteral("ABS/real/profile.ini") << true;
    QTest::newRow("relative with ..") << QStringLiteral("real/../real/profile.ini") << true;
    QTest::newRow("dangling") << QStringLiteral("real/profile.ini") << false;
}

void TestProfileFile::writesThroughSymlink()
{
    QFETCH(QString, linkText);
    QFETCH(bool, targetExists);
    linkText.replace(QStringLiteral("ABS"), m_dir->path());
    const QString target = m_dir->filePath(QStringLiteral("real/profile.ini"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("real")));
    if (targetExists)
        writeAll(target, "[a]\nk=old\n");
    QVERIFY(QFile::link(linkText, m_ini));

    QVERIFY(writeA(m_ini, QStringLiteral("new")));
    QVERIFY(QFileInfo(m_ini).isSymLink());
    QCOMPARE(QFile::symLinkTarget(m_ini), QFileInfo(target).absoluteFilePath());
    QCOMPARE(readAll(target), QByteArray("[a]\nk=new\n"));
    // Nothing was written beside the link.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::System).size(), 1);
}

void TestProfileFile::keepsPermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0640") << 0640;
    QTest::newRow("0600") << 0600;
    QTest::newRow("0664") << 0664;
}

void TestProfileFile::keepsPermissions()
{
    QFETCH(int, mode);
    writeAll(m_ini, "[a]\nk=old\n");
    QVERIFY(QFile::setPermissions(m_ini, permissionsOf(mode)));

    QVERIFY(writeA(m_ini, QStringLiteral("new")));
    QCOMPARE(readAll(m_ini), QByteArray("[a]\nk=new\n"));
    QCOMPARE(QFile::permissions(m_ini) & permissionsOf(0777), permissionsOf(mode));
}

void TestProfileFile::unreadableFileIsLeftAlone_data()
{
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("no read permission") << false;
    QTest::newRow("a folder in its place") << true;
}

void TestProfileFile::unreadableFileIsLeftAlone()
{
    QFETCH(bool, isFolder);
    if (isFolder) {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("VisualBasic.ini")));
        QVERIFY(!writeA(m_ini, QStringLiteral("v")));
        QVERIFY(QFileInfo(m_ini).isDir());
        return;
    }
    writeAll(m_ini, "[a]\nk=old\n");
    QVERIFY(QFile::setPermissions(m_ini, QFile::WriteOwner));
    if (::geteuid() == 0) {
        // Root reads any file, so the write is made by the writer helper running as nobody, who
        // then owns the file and may write it but not read it.
        constexpr uid_t kNobody = 65534;
        QVERIFY(::chown(QFile::encodeName(m_ini).constData(), kNobody, kNobody) == 0);
        QVERIFY(QFile::setPermissions(m_dir->path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
                | QFile::ExeOther));
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedChannels);
        writer.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(99);
        });
        writer.start(buildPath(PROFILE_WRITER), {m_ini, QStringLiteral("k"), QStringLiteral("1")});
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer.exitCode(), 1); // the helper's "writing failed"
    } else {
        QVERIFY(!writeA(m_ini, QStringLiteral("v")));
    }
    QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(readAll(m_ini), QByteArray("[a]\nk=old\n"));
}

// The lock belongs to the file written, not to the name it was reached by.
void TestProfileFile::givesUpWhileAnotherWriterHoldsTheLock()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("real")));
    const QString target = m_dir->filePath(QStringLiteral("real/profile.ini"));
    writeAll(target, "[a]\nk=old\n");
    QVERIFY(QFile::link(QStringLiteral("real/profile.ini"), m_ini));
    QLockFile otherWriter(target + ".lock");
    QVERIFY(otherWriter.tryLock(0));

    QVERIFY(!writeA(m_ini, QStringLiteral("new")));
    QCOMPARE(readAll(target), QByteArray("[a]\nk=old\n"));
}

void TestProfileFile::concurrentWritersLoseNothing()
{
    constexpr int keysPerWriter = 200;
    const QStringList prefixes{QStringLiteral("a"), QStringLiteral("b")};
    writeAll(m_ini, "; another program's line\n[Theirs]\nX=1\n");

    std::vector<std::unique_ptr<QProcess>> writers;
    for (const QString &prefix : prefixes) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedChannels);
        writers.back()->start(buildPath(PROFILE_WRITER), {m_ini, prefix, QString::number(keysPerWriter)});
    }
    for (auto &writer : writers) {
        QVERIFY(writer->waitForFinished(120000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer->exitCode(), 0);
    }

    const QList<QByteArray> lines = readAll(m_ini).split('\n');
    const QSet<QByteArray> present(lines.cbegin(), lines.cend());
    QCOMPARE(lines.mid(0, 3), QList<QByteArray>({"; another program's line", "[Theirs]", "X=1"}));
    for (const QString &prefix : prefixes) {
        for (int i = 0; i < keysPerWriter; ++i) {
            const QByteArray line = QStringLiteral("%1%2=value %1%2").arg(prefix).arg(i).toUtf8();
            QVERIFY2(present.contains(line), line.constData());
        }
    }
    QCOMPARE(lines.size(), 3 + 2 + 2 * keysPerWriter + 1); // two sections, the final line end
}

TALVEN_TEST_MAIN(TestProfileFile)
#include "tst_profile_file.moc"
