// Running a tool: exit codes, failures, the window staying live, nested runs, no busy waiting.

#include "fake_tools.h"
#include "os_util/run_and_wait.h"
#include "platform/tool_process.h"
#include "test_main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <ctime>
#include <sys/wait.h>

using OSUtil::RunAndWait;
using OSUtil::RunResult;

namespace {

int openDescriptorCount()
{
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

} // namespace

class TestRunAndWait : public QObject
{
    Q_OBJECT

private slots:
    void exitCodesComeBack_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("success") << 0;
        QTest::newRow("failure") << 1;
        QTest::newRow("large") << 255;
    }
    void exitCodesComeBack()
    {
        QFETCH(int, code);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"exit", code}});
        const RunResult result = RunAndWait(QStringLiteral("WSSdec.exe gun.wss"), tools.folder());
        QCOMPARE(result.status, RunResult::Status::Exited);
        QCOMPARE(result.exitCode, code);
        QCOMPARE(result.succeeded(), code == 0);
        QCOMPARE(tools.records("WSSdec.exe").size(), 1);
        QCOMPARE(tools.records("WSSdec.exe").first().args, QStringList{"gun.wss"});
    }

    void argumentsAreSplitWithoutAShell()
    {
        FakeTools tools;
        tools.install("WSSdec.exe");
        QTemporaryDir work;
        const QString line = QStringLiteral(R"(WSSdec.exe "a b;$(id) `x` | & *" "say """hi"""" plain\path)");
        QVERIFY(RunAndWait(line, work.path()).succeeded());
        const ToolRecord record = tools.records("WSSdec.exe").value(0);
        QCOMPARE(record.args, (QStringList{"a b;$(id) `x` | & *", "say \"hi\"", "plain\\path"}));
        QCOMPARE(record.cwd, work.path());
    }

    void emptyWorkingFolderMeansTheCurrentOne()
    {
        FakeTools tools;
        tools.install("WSSCod.exe");
        QVERIFY(RunAndWait(QStringLiteral("WSSCod.exe x.wav")).succeeded());
        QCOMPARE(tools.records("WSSCod.exe").value(0).cwd, QDir::currentPath());
    }

    void missingToolIsReported()
    {
        FakeTools tools;
        const RunResult result = RunAndWait(QStringLiteral("NoSuchTool.exe a.wav"), tools.folder());
        QCOMPARE(result.status, RunResult::Status::NotStarted);
        QCOMPARE(result.program, QStringLiteral("NoSuchTool.exe"));
        QCOMPARE(result.error, QStringLiteral("no such program in the program's folder or on the PATH"));
    }

    void toolThatCannotStartIsReported()
    {
        FakeTools tools;
        tools.install("WSSdec.exe");
        // A working folder that cannot be entered keeps the tool from starting.
        RunResult result = RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder() + "/missing-folder");
        QCOMPARE(result.status, RunResult::Status::NotStarted);
        QCOMPARE(result.error, QStringLiteral("No such file or directory"));
        result = RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.pathOf("WSSdec.exe"));
        QCOMPARE(result.error, QStringLiteral("Not a directory"));
        QVERIFY(tools.records("WSSdec.exe").isEmpty());

        // An executable file that the system cannot run.
        QFile bogus(tools.pathOf("WSSCod.exe"));
        QVERIFY(bogus.open(QIODevice::WriteOnly));
        bogus.write("not a program\n");
        bogus.close();
        QVERIFY(bogus.setPermissions(bogus.permissions() | QFileDevice::ExeOwner));
        result = RunAndWait(QStringLiteral("WSSCod.exe a.wav"), tools.folder());
        QCOMPARE(result.status, RunResult::Status::NotStarted);
        QCOMPARE(result.program, QStringLiteral("WSSCod.exe"));
        QCOMPARE(result.error, QStringLiteral("Exec format error"));
    }

    void toolStoppedByASignal()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"signal", SIGTERM}, {"stderr_lines", 2}});
        const RunResult result = RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder());
        QCOMPARE(result.status, RunResult::Status::Signalled);
        QCOMPARE(result.signal, int(SIGTERM));
        QCOMPARE(result.errorLines, (QStringList{"error line 1", "error line 2"}));
    }

    // The message shows some of them; the box's details show them all, up to a bound.
    void errorLinesAreKept_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("all");
        QTest::newRow("a batch's worth") << 250 << true;
        QTest::newRow("more than the bound") << 100000 << false;
    }
    void errorLinesAreKept()
    {
        QFETCH(int, lines);
        QFETCH(bool, all);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"exit", 2}, {"stderr_lines", lines}});
        const RunResult result = RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder());
        QCOMPARE(result.errorLines.size() + result.errorLinesLeftOut, lines);
        QCOMPARE(result.errorLinesLeftOut == 0, all);
        QCOMPARE(result.errorLines.last(), QStringLiteral("error line %1").arg(lines));
        QCOMPARE(result.errorLines.first(), QStringLiteral("error line %1").arg(result.errorLinesLeftOut + 1));
        QVERIFY(result.errorLines.join(QString()).size() <= qsizetype(1024) * 1024);
    }

    void muchOutputDoesNotBlockTheTool()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"flood_bytes", 8 << 20}});
        const RunResult result = RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder());
        QVERIFY(result.succeeded());
        QCOMPARE(result.errorLines.last(), QStringLiteral("flood done"));
        QVERIFY(result.errorLines.first().size() <= 4096);
    }

    // A progress line longer than the limit is dropped whole, however the reads cut it; the
    // next line is passed on.
    void aProgressLineTooLongIsDropped_data()
    {
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<bool>("passedOn");
        QTest::newRow("at the limit") << Platform::ToolProcess::kMaxOutputLine << true;
        QTest::newRow("one byte over") << Platform::ToolProcess::kMaxOutputLine + 1 << false;
        QTest::newRow("far over") << Platform::ToolProcess::kMaxOutputLine * 3 << false;
    }
    void aProgressLineTooLongIsDropped()
    {
        QFETCH(qsizetype, length);
        QFETCH(bool, passedOn);
        Platform::ToolProcess process;
        QSignalSpy lines(&process, &Platform::ToolProcess::outputLine);
        QSignalSpy finished(&process, &Platform::ToolProcess::finished);
        // One write of the whole line and the next.
        const QString script = QStringLiteral("printf '%1\\nafter\\n' \"$(head -c %2 /dev/zero | tr '\\000' x)\"")
                                   .arg(QStringLiteral("%s"), QString::number(length));
        QVERIFY(process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, QString()));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QByteArrayList received;
        for (const QList<QVariant> &line : lines)
            received << line.at(0).toByteArray();
        QByteArrayList expected{"after"};
        if (passedOn)
            expected.prepend(QByteArray(length, 'x'));
        QCOMPARE(received, expected);
    }

    void eventsAreHandledWhileTheToolRuns()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 700}});
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(50);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder()).succeeded());
        QVERIFY(clock.elapsed() >= 650);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }

    void nestedRunsKeepTheirOwnProcess()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 300}, {"exit", 3}});
        tools.install("WSSCod.exe", {{"sleep_ms", 600}, {"exit", 4}});
        QStringList order;
        RunResult inner;
        QTimer::singleShot(50, this, [&] {
            inner = RunAndWait(QStringLiteral("WSSCod.exe inner.wav"), tools.folder());
            order << QStringLiteral("inner returned");
        });
        const RunResult outer = RunAndWait(QStringLiteral("WSSdec.exe outer.wss"), tools.folder());
        order << QStringLiteral("outer returned");
        // The outer tool ends first, but the outer call goes on only after the inner one returns.
        QCOMPARE(order, (QStringList{"inner returned", "outer returned"}));
        QCOMPARE(outer.exitCode, 3);
        QCOMPARE(inner.exitCode, 4);
    }

    void waitingDoesNotBurnTheProcessor()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 1000}});
        const std::clock_t before = std::clock();
        QVERIFY(RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder()).succeeded());
        const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
        qInfo("CPU time of this process during a one-second tool run: %.4f s", cpuSeconds);
        // A loop that polls without sleeping would use the whole second.
        QVERIFY2(cpuSeconds < 0.25, qPrintable(QString::number(cpuSeconds)));
    }

    void runsLeaveNoProcessOrDescriptorBehind()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"stderr_lines", 1}});
        RunAndWait(QStringLiteral("WSSdec.exe warm-up.wss"), tools.folder());
        const int descriptors = openDescriptorCount();
        for (int i = 0; i < 20; ++i) {
            RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder());
            RunAndWait(QStringLiteral("WSSdec.exe a.wss"), tools.folder() + "/missing-folder");
            RunAndWait(QStringLiteral("NoSuchTool.exe a.wss"), tools.folder());
        }
        QCOMPARE(openDescriptorCount(), descriptors);
        // No child is left, not even a zombie.
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);
    }
};

TALVEN_TEST_MAIN(TestRunAndWait)
#include "tst_run_and_wait.moc"
