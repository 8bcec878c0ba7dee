// Promises tools/README.md makes about a run that no other test holds: a signal the tool was
// started with set to be ignored stays ignored; a run over several files exits with the code of
// its first failure; an output that leads to the input is refused; wildcards in the folder part
// of a name are not expanded. Every test works in its own temporary folder.

#include "build_path.h"
#include "wss_block_coder.h"
#include "wss_header.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <unistd.h>

namespace {

const QString kEncoder = buildPath(WSSCOD);
const QString kDecoder = buildPath(WSSDEC);

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}

// A valid WSS file of a few blocks of silence, made with the codec library.
QByteArray makeWss()
{
    wss::Header h;
    h.sampleRate = 8000;
    h.channels = 1;
    h.frames = std::uint64_t(h.blockFrames) * 4;
    const auto header = wss::serializeHeader(h);
    QByteArray file(reinterpret_cast<const char *>(header.data()), int(header.size()));
    wss::BlockEncoder enc(h.channels);
    const std::vector<std::int16_t> pcm(h.blockFrames);
    std::vector<std::uint8_t> block(wss::blockBytes(h.channels, h.blockFrames));
    for (std::uint64_t b = 0; b < wss::blockCount(h); ++b)
        file.append(reinterpret_cast<const char *>(block.data()), int(enc.encode(pcm, h.blockFrames, block)));
    return file;
}

QStringList temporaryFiles(const QString &dir)
{
    return QDir(dir).entryList(QDir::Hidden | QDir::Files).filter(QRegularExpression("^\\..*\\.[^.]{6}$"));
}

} // namespace

class TestToolPromises : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    // The tools run in English (the tests quote their messages), and away from the real user's
    // files: HOME and the config folder are a temporary folder of this run's own.
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(".config")));
    }

    // Started with a signal ignored (nohup, or a shell's background job without job control), the
    // tool leaves it ignored: the signal does not stop the run. The shim holds the decoder in
    // its reading, with its temporary output open; a SIGTERM, not ignored, then ends it.
    void signalIgnoredAtStartStaysIgnored_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGHUP (nohup)") << int(SIGHUP);
        QTest::newRow("SIGINT (background job)") << int(SIGINT);
        QTest::newRow("SIGQUIT") << int(SIGQUIT);
    }
    void signalIgnoredAtStartStaysIgnored()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        writeFile(dir.filePath("stall.wss"), makeWss());
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", buildPath(SYSCALL_SHIM));
        env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        env.insert("TALVEN_SHIM_STALL_READ", "stall.wss");
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([signal] { std::signal(signal, SIG_IGN); });
        p.start(kDecoder, {"stall.wss"});
        QVERIFY(p.waitForStarted());
        QTRY_COMPARE(temporaryFiles(dir.path()).size(), 1);
        QCOMPARE(::kill(pid_t(p.processId()), signal), 0);
        QVERIFY(!p.waitForFinished(500));
        QCOMPARE(temporaryFiles(dir.path()).size(), 1);
        p.terminate();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(p.exitCode(), int(SIGTERM));
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

    // A run over several files exits with the code of its first failure, whatever comes after.
    void exitCodeIsTheFirstFailures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("missing input, then an output in the way") << QStringList{"nix.wss", "a.wss", "b.wss"} << 1;
        QTest::newRow("an output in the way, then a missing input") << QStringList{"b.wss", "a.wss", "nix.wss"} << 3;
        QTest::newRow("would replace its input, then missing") << QStringList{"c.wav", "nix.wss"} << 2;
    }
    void exitCodeIsTheFirstFailures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QDir d(dir.path());
        writeFile(d.filePath("a.wss"), makeWss());
        writeFile(d.filePath("b.wss"), makeWss());
        writeFile(d.filePath("c.wav"), "not sound");
        QVERIFY(d.mkdir("b.wav")); // an output in the way
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kDecoder, args);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), code);
        QVERIFY(d.exists("a.wav") == args.contains("a.wss"));
    }

    // An output name that leads to the input file (a link to it) is refused: the input is never
    // written or backed up.
    void outputThatLeadsToTheInputIsRefused_data()
    {
        QTest::addColumn<bool>("hardLink");
        QTest::newRow("symbolic link") << false;
        QTest::newRow("hard link") << true;
    }
    void outputThatLeadsToTheInputIsRefused()
    {
        QFETCH(bool, hardLink);
        QTemporaryDir dir;
        const QDir d(dir.path());
        writeFile(d.filePath("a.wss"), makeWss());
        if (hardLink)
            QCOMPARE(::link(QFile::encodeName(d.filePath("a.wss")).constData(),
                         QFile::encodeName(d.filePath("a.wav")).constData()),
                0);
        else
            QVERIFY(QFile::link("a.wss", d.filePath("a.wav")));
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kDecoder, {"a.wss"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
            "WSSdec.exe: the output 'a.wav' would replace the input; expected a WSS file\n");
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(d.entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"a.wav", "a.wss"}));
        QFile input(d.filePath("a.wss"));
        QVERIFY(input.open(QIODevice::ReadOnly));
        QCOMPARE(input.readAll(), makeWss());
    }

    // "*" and "?" are wildcards in the last part of a name only: "s*/a.wss" names the folder "s*".
    void wildcardsInTheFolderPartAreNotExpanded()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(d.mkdir("sub"));
        writeFile(d.filePath("sub/a.wss"), makeWss());
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kDecoder, {"s*/a.wss"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
            "WSSdec.exe: cannot open 's*/a.wss': No such file or directory\n");
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(!d.exists("sub/a.wav"));
    }
};

QTEST_GUILESS_MAIN(TestToolPromises)
#include "tst_tool_promises.moc"
