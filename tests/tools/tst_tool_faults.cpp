// The tools where the system lets them down: a small stack, a fault, a flush that fails once,
// signals set to be ignored, a file system without some renames. Each test runs the real tools.

#include "tool_process.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

using namespace tool_process;

namespace {

// No core file from a tool a test makes fault.
void noCoreFile()
{
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
}

} // namespace

class TestToolFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_made;
    // A WSS file whose decoding, 80 MB of WAV, the helper thread flushes early twice.
    QString longWss() const { return m_made.filePath("long.wss"); }

private slots:
    void initTestCase()
    {
        QVERIFY(writeWav(m_made.filePath("long.wav"), 2, 44100, 460));
        // Greedy codes: this long sound is for the decoder's runs, and the search would take long.
        QCOMPARE(run(kEncoder, m_made.path(), {"long.wav"}, {}, {"WSS_SEARCH=greedy"}).code, 0);
        QVERIFY(QFile::remove(m_made.filePath("long.wav")));
    }

    // Under `ulimit -s 18` (KiB) both tools convert a sound long enough for their coding threads:
    // the threads' stacks are set by the tools, not by the limit, and nothing deep runs on the
    // main thread. (The limit also holds the environment, and the dynamic loader needs some of the
    // rest: the tools run with a small one, as from a shell.)
    void smallStack()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer's own start needs more than 18 KiB of stack");
#endif
        const QStringList env{"LC_ALL=C.UTF-8", "WSS_THREADS=2", "PATH=/usr/bin:/bin"};
        QTemporaryDir dir;
        QVERIFY(writeWav(dir.filePath("a.wav"), 2, 44100, 12));
        QVERIFY(writeFile(dir.filePath("a.wss"), "earlier"));
        const auto smallStack = [] {
            const rlimit lim{18 << 10, 18 << 10};
            ::setrlimit(RLIMIT_STACK, &lim);
            noCoreFile();
        };
        for (int round = 0; round < 3; ++round) {
            QFile::remove(dir.filePath("a.wss.~1~"));
            QVERIFY(writeFile(dir.filePath("a.wss"), "earlier"));
            Result r = run(kEncoder, dir.path(), {"a.wav"}, smallStack, env, false);
            QCOMPARE(r.status, QProcess::NormalExit);
            QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: kept the earlier 'a.wss' as 'a.wss.~1~'"}));
            QCOMPARE(r.code, 0);
            r = run(kDecoder, dir.path(), {"-f", "a.wss"}, smallStack, env, false);
            QCOMPARE(r.status, QProcess::NormalExit);
            QCOMPARE(r.code, 0);
            QCOMPARE(temporaryFiles(dir.path()), QStringList());
        }
    }

    // A fault that uses up a thread's stack still runs the handler (on the thread's alternate
    // stack): the temporary file is removed and the tool ends by SIGSEGV. In the thread that reads
    // and writes, and in the helper that flushes a long output early.
    void faultOnAUsedUpStack_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::newRow("the converting thread") << "TALVEN_SHIM_OVERFLOW_READ=a.wss";
        QTest::newRow("the flushing helper") << "TALVEN_SHIM_OVERFLOW_FDATASYNC=1";
    }
    void faultOnAUsedUpStack()
    {
        QFETCH(QString, setting);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(longWss(), dir.filePath("a.wss")));
        const auto before = snapshot(dir.path());
        const Result r = run(kDecoder, dir.path(), {"a.wss"}, noCoreFile, shim({setting}));
        QCOMPARE(r.status, QProcess::CrashExit);
        QCOMPARE(r.code, SIGSEGV);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // An error that only one flush saw (an early one, or a start of the disk writing) fails the
    // file even though the final flush succeeds: exit 3, and the earlier output stays.
    void earlyFlushError_data()
    {
        QTest::addColumn<QString>("call");
        QTest::newRow("the first early fdatasync") << "fdatasync:1";
        QTest::newRow("a start of the disk writing") << "sync_file_range:2";
    }
    void earlyFlushError()
    {
        QFETCH(QString, call);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(longWss(), dir.filePath("a.wss")));
        QVERIFY(writeFile(dir.filePath("a.wav"), "earlier"));
        const auto before = snapshot(dir.path());
        const Result r = run(kDecoder, dir.path(), {"a.wss"}, {}, shim({"TALVEN_SHIM_FAIL_CALL=" + call}));
        QCOMPARE(r.errorLines,
            QStringList({"WSSdec.exe: cannot write 'a.wav' in '" + dir.path() + "': Input/output error"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A signal the tool was started with set to be ignored (nohup) stays ignored; the others still
    // stop it and remove its temporary file.
    void ignoredSignalsStayIgnored()
    {
        QTemporaryDir dir;
        QVERIFY(writeWav(dir.filePath("a.wav"), 1, 8000, 2));
        QCOMPARE(run(kEncoder, dir.path(), {"a.wav"}).code, 0);
        QVERIFY(QFile::remove(dir.filePath("a.wav")));
        QProcess p;
        start(
            p, kDecoder, dir.path(), {"a.wss"},
            [] {
                std::signal(SIGHUP, SIG_IGN);
                std::signal(SIGINT, SIG_IGN);
            },
            shim({"TALVEN_SHIM_STALL_READ=a.wss"}));
        QVERIFY(p.waitForStarted());
        QTRY_COMPARE(temporaryFiles(dir.path()).size(), 1);
        ::kill(pid_t(p.processId()), SIGHUP);
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(!p.waitForFinished(500));
        ::kill(pid_t(p.processId()), SIGTERM);
        const Result r = finish(p);
        QCOMPARE(r.status, QProcess::CrashExit);
        QCOMPARE(r.code, SIGTERM);
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

    // An existing output is kept as a backup, not replaced: where the file system has no rename
    // without replacing (the tools look for a file of the name first), and where the file the
    // tool looked up under the name lost its last name before the link to its backup name was
    // made (another run put its own file there and dropped the one that came out).
    void earlierFileKept_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::newRow("no rename without replacing")
            << shim({"TALVEN_SHIM_NO_NOREPLACE=1", "TALVEN_SHIM_NO_LINK=1", "TALVEN_SHIM_NO_EXCHANGE=1"});
        QTest::newRow("the file gone as it is linked") << shim({"TALVEN_SHIM_LINK_GONE=1"});
    }
    void earlierFileKept()
    {
        QFETCH(QStringList, env);
        QTemporaryDir dir;
        QVERIFY(writeWav(dir.filePath("a.wav"), 1, 8000, 1));
        QVERIFY(writeFile(dir.filePath("a.wss"), "earlier"));
        const Result r = run(kEncoder, dir.path(), {"a.wav"}, {}, env);
        QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: kept the earlier 'a.wss' as 'a.wss.~1~'"}));
        QCOMPARE(r.code, 0);
        QCOMPARE(readFile(dir.filePath("a.wss.~1~")), "earlier");
        QVERIFY(readFile(dir.filePath("a.wss")).startsWith("WSS"));
    }

    // Several runs of the same conversion at once over an existing output keep the earlier file
    // once, and no copy of the new one: each run compares the file its new one put out of the way
    // with its new one, and drops it when they are the same. With hard links, with the exchange
    // where there are none, and with renames where there is no exchange either.
    void concurrentRunsKeepNoCopy_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::newRow("link") << QStringList();
        QTest::newRow("exchange") << shim({"TALVEN_SHIM_NO_LINK=1"});
        QTest::newRow("rename") << shim({"TALVEN_SHIM_NO_LINK=1", "TALVEN_SHIM_NO_EXCHANGE=1"});
    }
    void concurrentRunsKeepNoCopy()
    {
        QFETCH(QStringList, env);
        QTemporaryDir dir;
        QDir d(dir.path());
        QVERIFY(writeWav(d.filePath("a.wav"), 1, 8000, 1));
        // Greedy codes: the runs meet where they place their outputs, whatever the codes, and the
        // quicker they are, the more often they meet.
        const QString greedy = "WSS_SEARCH=greedy";
        env.append(greedy);
        QCOMPARE(run(kEncoder, dir.path(), {"a.wav"}, {}, {greedy}).code, 0);
        const QByteArray fresh = readFile(d.filePath("a.wss"));
        for (int round = 0; round < 12; ++round) {
            for (const QString &backup : d.entryList({"a.wss.~*"}, QDir::Files))
                QVERIFY(d.remove(backup));
            QVERIFY(writeFile(d.filePath("a.wss"), "earlier"));
            std::vector<std::unique_ptr<QProcess>> runs;
            for (int i = 0; i < 4; ++i) {
                runs.push_back(std::make_unique<QProcess>());
                start(*runs.back(), kEncoder, dir.path(), {"a.wav"}, {}, env);
            }
            for (auto &p : runs) {
                const Result r = finish(*p);
                QVERIFY2(r.code == 0, qPrintable(r.errorLines.join(u'\n')));
            }
            const auto files = snapshot(dir.path());
            QCOMPARE(files.value("a.wss"), fresh);
            QCOMPARE(files.keys(QByteArray("earlier")).size(), 1);
            QCOMPARE(files.keys(fresh), QStringList({"a.wss"}));
            QCOMPARE(files.size(), 3); // a.wav, a.wss and the earlier one's backup
        }
    }

    // A fault once the run is over (here in a library's clean-up at exit) does not turn it into a
    // failure: the tool ends with the run's exit code, not by SIGSEGV.
    void lateFault_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("code");
        QTest::newRow("converted") << "a.wav" << 0;
        QTest::newRow("failed") << "none.wav" << 1;
    }
    void lateFault()
    {
        QFETCH(QString, input);
        QFETCH(int, code);
        QTemporaryDir dir;
        QVERIFY(writeWav(dir.filePath("a.wav"), 1, 8000, 1));
        const Result r = run(kEncoder, dir.path(), {input}, noCoreFile, shim({"TALVEN_SHIM_FAULT_AT_EXIT=1"}));
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.code, code);
        QCOMPARE(QFile::exists(dir.filePath("a.wss")), code == 0);
    }

    // A file size limit (`ulimit -f`) fails the write, since SIGXFSZ is ignored: the output that
    // would pass it fails with exit 3 and leaves nothing, the run goes on with the next file.
    void fileSizeLimit()
    {
        QTemporaryDir dir;
        QVERIFY(writeWav(dir.filePath("a.wav"), 1, 8000, 1));
        QVERIFY(writeWav(dir.filePath("b.wav"), 2, 44100, 4));
        const Result r = run(kEncoder, dir.path(), {"b.wav", "a.wav"}, [] {
            const rlimit lim{64 << 10, 64 << 10};
            ::setrlimit(RLIMIT_FSIZE, &lim);
        });
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.errorLines,
            QStringList({"WSSCod.exe: cannot write 'b.wss' in '" + dir.path() + "': File too large",
                "WSSCod.exe: 1 of 2 files encoded; 1 failed"}));
        QCOMPARE(r.code, 3);
        QVERIFY(QFile::exists(dir.filePath("a.wss")));
        QVERIFY(!QFile::exists(dir.filePath("b.wss")));
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

    // A catalogue planted beside a tool whose translation takes other arguments than the text
    // (twelve %s for one) never reaches printf: the tool says the English text. A translation
    // that takes the text's own arguments is still used.
    void plantedCatalogue()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(d.mkpath("bin/locale/de/LC_MESSAGES"));
        QVERIFY(QFile::copy(kDecoder, d.filePath("bin/WSSdec.exe")));
        QVERIFY(QFile::setPermissions(d.filePath("bin/WSSdec.exe"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(writeFile(d.filePath("planted.po"),
            "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
            "msgid \"%s is not a WSS file\"\nmsgstr \"%s%s%s%s%s%s%s%s%s%s%s%s\"\n\n"
            "msgid \"%s is not a WSS file (it is empty)\"\nmsgstr \"%s ist leer\"\n"));
        QProcess msgfmt;
        msgfmt.start(
            "msgfmt", {"-o", d.filePath("bin/locale/de/LC_MESSAGES/talven-sound.mo"), d.filePath("planted.po")});
        QVERIFY(msgfmt.waitForFinished() && msgfmt.exitCode() == 0);
        QVERIFY(writeFile(d.filePath("x.wss"), "not a WSS file at all"));
        QVERIFY(writeFile(d.filePath("e.wss"), ""));
        const QStringList german{"LANGUAGE=de"};
        Result r = run(d.filePath("bin/WSSdec.exe"), dir.path(), {"e.wss"}, {}, german);
        QCOMPARE(r.errorLines, QStringList({"WSSdec.exe: 'e.wss' ist leer"}));
        r = run(d.filePath("bin/WSSdec.exe"), dir.path(), {"x.wss"}, noCoreFile, german);
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.errorLines, QStringList({"WSSdec.exe: 'x.wss' is not a WSS file"}));
        QCOMPARE(r.code, 1);
    }
};

TALVEN_TOOL_TEST_MAIN(TestToolFaults)
#include "tst_tool_faults.moc"
