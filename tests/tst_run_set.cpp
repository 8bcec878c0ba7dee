// The window's runs without a window: each run's own Stop and Force stop, which run the status
// line follows, what a stopped batch says, the reports of failed runs, and closing. Stand-in
// tools (recording_tool) write the progress lines.

#include "fake_tools.h"
#include "main_window/conversion_run.h"
#include "main_window/run_set.h"
#include "os_util/command_line_text.h"
#include "test_main.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Action = RunSubject::Action;
using Offer = RunSet::Offer;

} // namespace

class TestRunSet : public QObject
{
    Q_OBJECT

private slots:
    // The user stops the decoder, which goes on, then starts an encode: Stop (and Esc) still reach
    // the encode, and Force stop ends the decoder alone.
    void aRunStartedAfterStopHasItsOwnStop()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"ignore_term", 1}});
        tools.script("WSSdec.exe", {"files\t2", "start\t1\tgun.wss", "@sleep 20000"});
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", {"files\t3", "start\t1\ttake1.wav", "@sleep 20000"});
        RunSet runs;
        QVERIFY(start(runs, Action::Decode, "*.wss"));
        QTRY_COMPARE(runs.text(), QStringLiteral("Decoding 1 of 2: gun.wss"));
        runs.stop();
        QCOMPARE(runs.text(), QStringLiteral("Stopping the decoding of *.wss…"));
        QCOMPARE(runs.offers(), RunSet::Offers(Offer::Stopping));

        QVERIFY(start(runs, Action::Encode, "*.wav"));
        QTRY_COMPARE(runs.text(), QStringLiteral("Encoding 1 of 3: take1.wav"));
        QCOMPARE(runs.offers(), RunSet::Offers(Offer::Stop));
        QTRY_COMPARE_WITH_TIMEOUT(
            runs.offers(), Offer::Stop | Offer::ForceStop, ConversionRun::kForceStopDelayMs + 3000);
        runs.forceStop();
        QTRY_VERIFY(!runs.isRunning(Action::Decode));
        QVERIFY(runs.isRunning(Action::Encode));
        QCOMPARE(runs.text(), QStringLiteral("Encoding 1 of 3: take1.wav"));
        QCOMPARE(runs.offers(), RunSet::Offers(Offer::Stop));
        runs.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!runs.isBusy(), 20000);
        QCOMPARE(runs.text(), QStringLiteral("Stopped after 0 of 2 files. Stopped after 0 of 3 files"));
        QVERIFY(!runs.takeReport());
    }

    // When the run the line follows ends, the line follows the other row's run, its bar too; at the
    // end it tells of both.
    void theLineFollowsTheRunStillGoing()
    {
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe",
            {"files\t3", "start\t1\ttake1.wav", "wrote\t1\ttake1.wss", "start\t2\ttake2.wav", "@sleep 20000"});
        tools.install("WSSdec.exe", {{"sleep_ms", 300}});
        tools.script("WSSdec.exe", {"files\t1", "start\t1\tgun.wss", "wrote\t1\tgun.wav"});
        RunSet runs;
        QVERIFY(start(runs, Action::Encode, "*.wav"));
        QTRY_COMPARE(runs.text(), QStringLiteral("Encoding 2 of 3: take2.wav"));
        QVERIFY(start(runs, Action::Decode, "gun.wss"));
        QCOMPARE(runs.progressMaximum(), -1); // the decode of one file has no bar
        QTRY_VERIFY(!runs.isRunning(Action::Decode));
        QCOMPARE(runs.text(), QStringLiteral("Encoding 2 of 3: take2.wav"));
        QCOMPARE(runs.progressMaximum(), 3);
        QCOMPARE(runs.progressValue(), 1);
        runs.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!runs.isBusy(), 20000);
        QCOMPARE(runs.text(), QStringLiteral("Wrote gun.wav in %1. Stopped after 1 of 3 files").arg(m_sounds.path()));
        QCOMPARE(runs.outputs(), (QStringList{m_sounds.filePath("gun.wav"), m_sounds.filePath("take1.wss")}));
        QCOMPARE(runs.offers(), RunSet::Offers(Offer::ShowInFolder));
    }

    // A batch whose first file failed (a full disc), stopped during the second: the line and the
    // report say both.
    void stopDoesNotHideAFailure()
    {
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe",
            {"files\t3", "start\t1\ta.wav", "@stderr WSSCod.exe: cannot write a.wss: No space left on device",
                "failed\t1\ta.wav\t1", "start\t2\tb.wav", "@sleep 20000"});
        RunSet runs;
        QSignalSpy reports(&runs, &RunSet::reportWaiting);
        QVERIFY(start(runs, Action::Encode, "*.wav"));
        QTRY_COMPARE(runs.text(), QStringLiteral("Encoding 2 of 3: b.wav"));
        runs.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!runs.isBusy(), 20000);
        QCOMPARE(runs.text(), QStringLiteral("Stopped after 0 of 3 files. Files that failed before the stop: 1"));
        QCOMPARE(reports.size(), 1);
        const std::optional<RunReport> report = runs.takeReport();
        QVERIFY(report);
        QCOMPARE(report->text,
            QStringLiteral("Encoding *.wav was stopped. Files that failed before the stop: 1.\n\n"
                           "WSSCod.exe: cannot write a.wss: No space left on device"));
        QVERIFY(!runs.takeReport());
    }

    // Once the window waits to close, nothing starts, and it is told to close when the last run has
    // ended and its report was taken.
    void closingWaitsForTheRunsAndTheirReports()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 300}, {"exit", 1}});
        tools.install("WSSCod.exe");
        RunSet runs;
        QSignalSpy ready(&runs, &RunSet::readyToClose);
        QVERIFY(start(runs, Action::Decode, "gun.wss"));
        runs.closeWhenDone();
        QVERIFY(!runs.canStart(Action::Encode));
        QVERIFY(!start(runs, Action::Encode, "take.wav"));
        QCOMPARE(runs.text(), QStringLiteral("The window closes when decoding gun.wss has finished…"));
        QTRY_VERIFY(!runs.isBusy());
        QCOMPARE(ready.size(), 0); // the failure is still to be told
        QVERIFY(runs.takeReport());
        QVERIFY(!runs.takeReport());
        QCOMPARE(ready.size(), 1);
        QVERIFY(tools.records("WSSCod.exe").isEmpty());
    }

private:
    bool start(RunSet &runs, Action action, const QString &argument)
    {
        RunSubject subject;
        subject.action = action;
        subject.tool = action == Action::Decode ? QStringLiteral("WSSdec.exe") : QStringLiteral("WSSCod.exe");
        subject.argument = argument;
        subject.path = m_sounds.filePath(argument);
        subject.folder = m_sounds.path();
        return runs.start(subject, OSUtil::BuildCommandLine(subject.tool + u' ', subject.toolArgument()));
    }

    QTemporaryDir m_sounds;
};

TALVEN_TEST_MAIN(TestRunSet)
#include "tst_run_set.moc"
