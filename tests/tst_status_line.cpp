// The status line, Stop and Show in folder, driven through the real window with stand-in tools
// that write progress lines.

#include "fake_tools.h"
#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDesktopServices>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <csignal>

namespace {

// The progress lines of a batch of n files, take1.wav ... takeN.wav, pausing pauseMs before
// each file; the batch stops after the first stopAfter files, with a long pause.
QStringList batchScript(int n, int pauseMs, int stopAfter = -1)
{
    QStringList lines{QStringLiteral("files\t%1").arg(n)};
    for (int i = 1; i <= n; ++i) {
        lines << QStringLiteral("@sleep %1").arg(pauseMs) << QStringLiteral("start\t%1\ttake%1.wav").arg(i);
        if (i == stopAfter + 1)
            lines << QStringLiteral("@sleep 20000");
        lines << QStringLiteral("wrote\t%1\ttake%1.wss").arg(i);
    }
    return lines;
}

// The desktop's file manager on the private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        shown << uris;
    }
};

} // namespace

class TestStatusLine : public QObject, private WindowFixture
{
    Q_OBJECT

public slots:
    // The desktop's handler for folders, where no file manager answers on the bus.
    void openFolder(const QUrl &url) { m_openedFolders << url.toLocalFile(); }

private slots:
    void initTestCase()
    {
        // A session bus of our own, which no other program uses and which starts no service.
        m_busConfig.setFileTemplate(QDir::tempPath() + QStringLiteral("/talven-bus-XXXXXX.conf"));
        QVERIFY(m_busConfig.open());
        m_busConfig.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                          "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                          "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        m_busConfig.close();
        m_bus.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + m_busConfig.fileName(), QStringLiteral("--print-address"),
                QStringLiteral("--nofork")});
        if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead())
            QSKIP("dbus-daemon is needed for a private session bus (Debian: dbus-daemon)");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        QVERIFY2(QDBusConnection::sessionBus().isConnected(),
            qPrintable(QDBusConnection::sessionBus().lastError().message()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFolder");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void init()
    {
        openWindow();
        // Each new status, and whether the line's accessible name, which a screen reader
        // speaks, was already the new text when it came.
        m_announced.clear();
        connect(m_window->findChild<StatusLine *>(), &StatusLine::messageChanged, this, [this](const QString &text) {
            m_announced << (widget("statusText")->accessibleName() == text ? text : QStringLiteral("(not told)"));
        });
        writeFile(m_sounds.filePath("gun.wss"));
        writeFile(m_sounds.filePath("take.wav"));
        field("txtWWSFileName")->setText(m_sounds.filePath("gun.wss"));
        field("txtWavFileName")->setText(m_sounds.filePath("*.wav"));
    }
    void cleanup() { closeWindow(); }

    // What the line says after a run the tool tells nothing of, or that failed (the real tools'
    // runs are in tst_end_to_end); a screen reader hears the run begin and end.
    void statusAfterARun_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a tool that says nothing") << QStringList{} << 0 << "Decoding gun.wss finished";
        QTest::newRow("failed") << QStringList{"files\t1", "start\t1\tgun.wss", "failed\t1\tgun.wss\t1"} << 1
                                << "Decoding gun.wss failed";
    }
    void statusAfterARun()
    {
        QFETCH(QStringList, script);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"exit", exitCode}});
        tools.script("WSSdec.exe", script);
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdDecode");
        QCOMPARE(answer.answered(), exitCode != 0);
        QCOMPARE(m_announced, (QStringList{"Decoding gun.wss…", expected}));
        QVERIFY(!button("cmdShowInFolder")->isVisible()); // no outputs known
        QVERIFY(!button("cmdStop")->isVisible());
    }

    // Esc presses Stop: the tool is asked to end (SIGTERM), and the line says how far it came.
    void stopEndsTheBatch()
    {
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", batchScript(5, 0, 2));
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        click("cmdEnCode");
        QTRY_COMPARE(widget("statusText")->accessibleName(), QStringLiteral("Encoding 3 of 5: take3.wav"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        waitForRuns(); // no message box: the user stopped it
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Stopped after 2 of 5 files"));
        QVERIFY(tools.records("WSSCod.exe").isEmpty()); // it ended by the signal
        QVERIFY(button("cmdEnCode")->isEnabled());
    }

    // A tool that does not stop when asked: after 5 s Force stop is offered, and ends it.
    void forceStopEndsAToolThatGoesOn()
    {
        FakeTools tools;
        tools.install("WSSCod.exe", {{"ignore_term", 1}});
        tools.script("WSSCod.exe", batchScript(3, 0, 0));
        click("cmdEnCode");
        QTRY_COMPARE(widget("statusText")->accessibleName(), QStringLiteral("Encoding 1 of 3: take1.wav"));
        click("cmdStop");
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Stopping the encoding of *.wav…"));
        QVERIFY(!button("cmdStop")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(button("cmdForceStop")->isVisible(), ConversionRun::kForceStopDelayMs + 3000);
        click("cmdForceStop");
        waitForRuns();
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Stopped after 0 of 3 files"));
        QVERIFY(!button("cmdForceStop")->isVisible());
    }

    // While a row's tool runs, its button, Enter in its field and its Alt key start nothing.
    void aSecondPressRunsOnce()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 500}});
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        click("cmdDecode");
        QVERIFY(!button("cmdDecode")->isEnabled());
        QVERIFY(button("cmdEnCode")->isEnabled()); // the other row stays usable
        click("cmdDecode");
        QTest::keyClick(field("txtWWSFileName"), Qt::Key_Return);
        QTest::keyClick(field("txtWWSFileName"), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(field("txtWWSFileName")->text(), m_sounds.filePath("gun.wss")); // no "d" typed instead
        waitForRuns();
        QCOMPARE(tools.records("WSSdec.exe").size(), 1);
        click("cmdDecode"); // and the row takes a new run once it has ended
        waitForRuns();
        QCOMPARE(tools.records("WSSdec.exe").size(), 2);
    }

    void showInFolder_data()
    {
        QTest::addColumn<bool>("fileManager");
        QTest::newRow("a file manager on the bus") << true;
        QTest::newRow("none: the folder is opened") << false;
    }
    void showInFolder()
    {
        QFETCH(bool, fileManager);
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeFileManager manager;
        if (fileManager) {
            QVERIFY(bus.registerObject(
                QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        }
        m_openedFolders.clear();
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script(
            "WSSCod.exe", {"files\t2", "start\t1\ta b.wav", "wrote\t1\ta b.wss", "start\t2\tc.wav", "same\t2\tc.wss"});
        clickAndWait("cmdEnCode");
        click("cmdShowInFolder");
        if (fileManager) {
            QTRY_COMPARE(manager.shown,
                (QStringList{QUrl::fromLocalFile(m_sounds.filePath("a b.wss")).toString(QUrl::FullyEncoded),
                    QUrl::fromLocalFile(m_sounds.filePath("c.wss")).toString(QUrl::FullyEncoded)}));
            QVERIFY(m_openedFolders.isEmpty());
            bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
            bus.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
        } else {
            QTRY_COMPARE(m_openedFolders, QStringList{m_sounds.path()});
        }
    }

private:
    QStringList m_announced;
    QTemporaryDir m_sounds;
    QTemporaryFile m_busConfig;
    QProcess m_bus;
    QStringList m_openedFolders;
};

TALVEN_TEST_MAIN(TestStatusLine)
#include "tst_status_line.moc"
