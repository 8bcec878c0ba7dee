// The status line, Stop and Show in folder, driven through the real window with stand-in tools
// that write progress lines.

#include "fake_tools.h"
#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "private_bus.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QAccessibleInterface>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
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
    QList<QStringList> calls; // each ShowItems call's items: one window each, in Thunar

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        calls << uris;
    }
};

// The desktop's notification server on the private session bus, with actions.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Sent
    {
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Sent> sent;

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
        const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        Q_UNUSED(appName);
        Q_UNUSED(replacesId);
        Q_UNUSED(appIcon);
        Q_UNUSED(timeout);
        sent << Sent{summary, body, actions, hints};
        return uint(sent.size());
    }
};

// What a dock reads from the program: the launcher entry's Update signals, as they come.
class LauncherListener : public QObject
{
    Q_OBJECT

public:
    struct Update
    {
        QString app;
        QVariantMap properties;
    };
    QList<Update> updates;

    // Listens on a connection of its own to the bus, as a dock would.
    bool listen(const QString &address)
    {
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("launcher-listener"));
        return m_bus.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
            QStringLiteral("Update"), this, SLOT(update(QString, QVariantMap)));
    }
    ~LauncherListener() override { QDBusConnection::disconnectFromBus(QStringLiteral("launcher-listener")); }

public slots:
    void update(const QString &app, const QVariantMap &properties) { updates << Update{app, properties}; }

private:
    QDBusConnection m_bus{QString()};
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
        m_busAddress = m_privateBus.start();
        if (m_busAddress.isEmpty())
            QSKIP("dbus-daemon is needed for a private session bus (Debian: dbus-daemon)");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
        QGuiApplication::setDesktopFileName(QStringLiteral("example.test.talven_sound"));
        QVERIFY2(QDBusConnection::sessionBus().isConnected(),
            qPrintable(QDBusConnection::sessionBus().lastError().message()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFolder");
        // The desktop's own commands first come from here.
        qputenv("PATH", QFile::encodeName(m_commands.path()) + ':' + qgetenv("PATH"));
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        m_privateBus.stop();
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
        QTest::addColumn<QString>("expected"); // %1: the folder
        QTest::addColumn<bool>("showInFolder");
        QTest::newRow("a tool that says nothing") << QStringList{} << 0 << "Decoding gun.wss finished" << false;
        QTest::newRow("failed") << QStringList{"files\t1", "start\t1\tgun.wss", "failed\t1\tgun.wss\t1"} << 1
                                << "Decoding gun.wss failed" << false;
        QTest::newRow("partly failed: both told") << QStringList{"files\t3", "start\t1\ta.wss", "failed\t1\ta.wss\t1",
            "start\t2\tb.wss", "wrote\t2\tb.wav", "start\t3\tc.wss", "failed\t3\tc.wss\t1"}
                                                  << 1 << "Decoded 1 of 3 files in %1; 2 failed" << true;
    }
    void statusAfterARun()
    {
        QFETCH(QStringList, script);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QFETCH(bool, showInFolder);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"exit", exitCode}});
        tools.script("WSSdec.exe", script);
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdDecode");
        QCOMPARE(answer.answered(), exitCode != 0); // the details of what failed
        QCOMPARE(m_announced.value(0), QStringLiteral("Decoding gun.wss…"));
        QCOMPARE(m_announced.value(m_announced.size() - 1), expected.arg(m_sounds.path()));
        QCOMPARE(button("cmdShowInFolder")->isVisible(), showInFolder);
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

    // A screen reader speaks the line each time it is shown anew: what a run did at once, a
    // batch's progress at a calm pace, not file by file.
    void aBatchIsSpokenAtACalmPace()
    {
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", batchScript(20, 40));
        QStringList spoken;
        connect(m_window->findChild<StatusLine *>(), &StatusLine::spoken, this,
            [&spoken](const QString &text) { spoken << text; });
        clickAndWait("cmdEnCode");
        QVERIFY(m_announced.size() > 10); // the start, each of 20 files, the end
        QCOMPARE(spoken, (QStringList{"Encoding *.wav…", "Encoded 20 files in " + m_sounds.path()}));
        QCOMPARE(QAccessible::queryAccessibleInterface(widget("statusText"))->role(), QAccessible::Notification);
    }

    // A batch's progress is shown on the launcher, keyed by the desktop file id, rising, and taken
    // away when the batch ends; nothing asks for attention while the user watched it.
    void aBatchShowsItsProgressOnTheLauncher()
    {
        LauncherListener launcher;
        QVERIFY(launcher.listen(m_busAddress));
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", batchScript(20, 40));
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        clickAndWait("cmdEnCode");
        QTRY_VERIFY(!launcher.updates.isEmpty()
            && !launcher.updates.constLast().properties.value(QStringLiteral("progress-visible")).toBool());
        QList<double> shown;
        for (const LauncherListener::Update &update : std::as_const(launcher.updates)) {
            QCOMPARE(update.app, QStringLiteral("application://example.test.talven_sound.desktop"));
            QVERIFY(!update.properties.value(QStringLiteral("urgent")).toBool());
            if (update.properties.value(QStringLiteral("progress-visible")).toBool())
                shown << update.properties.value(QStringLiteral("progress")).toDouble();
        }
        QVERIFY2(shown.size() >= 5 && shown.size() <= 21, qPrintable(QString::number(shown.size())));
        QVERIFY(std::is_sorted(shown.cbegin(), shown.cend()));
        QVERIFY(shown.constFirst() < 0.5 && shown.constLast() > 0.5 && shown.constLast() <= 1.0);
        QVERIFY(launcher.updates.constFirst().properties.value(QStringLiteral("progress-visible")).toBool());
    }

    // Minimised, the title shows how far the batch has come; shown again, or when the batch has
    // ended, it is the window's own again.
    void theMinimisedTitleShowsTheProgress()
    {
        const QString title = m_window->windowTitle();
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", batchScript(10, 150));
        click("cmdEnCode");
        m_window->showMinimized();
        const QRegularExpression progress(QStringLiteral("^(\\d+) % – ") + QRegularExpression::escape(title) + u'$');
        QTRY_VERIFY(progress.match(m_window->windowTitle()).hasMatch());
        const int first = progress.match(m_window->windowTitle()).captured(1).toInt();
        QTRY_VERIFY(progress.match(m_window->windowTitle()).captured(1).toInt() > first);
        m_window->showNormal();
        QCOMPARE(m_window->windowTitle(), title);
        QTest::qWait(400); // files go on being encoded
        QCOMPARE(m_window->windowTitle(), title);
        m_window->showMinimized();
        QVERIFY(progress.match(m_window->windowTitle()).hasMatch());
        waitForRuns();
        QCOMPARE(m_window->windowTitle(), title);
        m_window->showNormal();
    }

    // A run longer than kNoticeAfterMs that ends while the window is not active is told by a
    // desktop notification, whose Show in folder action shows the written file; a run the user
    // watched, or a short one, is not.
    void aLongRunInTheBackgroundIsNotified_data()
    {
        QTest::addColumn<int>("runMs");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("notified");
        QTest::newRow("long, in the background") << ZRNSoundEncodeDecode::kNoticeAfterMs + 300 << false << true;
        QTest::newRow("long, watched") << ZRNSoundEncodeDecode::kNoticeAfterMs + 300 << true << false;
        QTest::newRow("short, in the background") << 100 << false << false;
    }
    void aLongRunInTheBackgroundIsNotified()
    {
        QFETCH(int, runMs);
        QFETCH(bool, active);
        QFETCH(bool, notified);
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeNotifications server;
        FakeFileManager manager;
        const QString notifications = QStringLiteral("/org/freedesktop/Notifications");
        const QString fileManager = QStringLiteral("/org/freedesktop/FileManager1");
        QVERIFY(bus.registerObject(notifications, &server, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(bus.registerObject(fileManager, &manager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        LauncherListener launcher;
        QVERIFY(launcher.listen(m_busAddress));
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe",
            {"files\t1", QStringLiteral("@sleep %1").arg(runMs), "start\t1\ttake.wav", "wrote\t1\ttake.wss"});
        if (active) {
            QApplication::setActiveWindow(m_window.get());
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        } else {
            QApplication::setActiveWindow(nullptr);
        }
        clickAndWait("cmdEnCode");
        const QString said = QStringLiteral("Wrote take.wss in ") + m_sounds.path();
        QCOMPARE(widget("statusText")->accessibleName(), said);
        if (notified) {
            QTRY_COMPARE(server.sent.size(), 1);
            QCOMPARE(server.sent.constFirst().summary, m_window->windowTitle());
            QCOMPARE(server.sent.constFirst().body, said);
            QCOMPARE(server.sent.constFirst().actions.value(1), QStringLiteral("Show in folder"));
            // The user picks the action: the folder opens with the file selected.
            QDBusMessage picked = QDBusMessage::createSignal(
                notifications, QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
            picked << 1U << server.sent.constFirst().actions.value(0);
            QVERIFY(bus.send(picked));
            QTRY_COMPARE(manager.calls,
                QList<QStringList>{{QUrl::fromLocalFile(m_sounds.filePath("take.wss")).toString(QUrl::FullyEncoded)}});
            // The launcher asks for attention until the user comes back.
            QTRY_VERIFY(!launcher.updates.isEmpty());
            QVERIFY(launcher.updates.constLast().properties.value(QStringLiteral("urgent")).toBool());
            QApplication::setActiveWindow(m_window.get());
            QTRY_VERIFY(!launcher.updates.constLast().properties.value(QStringLiteral("urgent")).toBool());
        } else {
            QTest::qWait(300);
            QVERIFY(server.sent.isEmpty());
            for (const LauncherListener::Update &update : std::as_const(launcher.updates))
                QVERIFY(!update.properties.value(QStringLiteral("urgent")).toBool());
        }
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus.unregisterObject(notifications);
        bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        bus.unregisterObject(fileManager);
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

    // One window for a batch, with one file selected; a single file opens with it selected.
    // Without a file manager, the desktop's handler for folders opens the folder once; with
    // neither, the user is told so, and where the files are.
    void showInFolder_data()
    {
        QTest::addColumn<bool>("fileManager");
        QTest::addColumn<QString>("folderHandler"); // what xdg-mime names for folders
        QTest::addColumn<QStringList>("script");
        const QStringList batch{"files\t3", "start\t1\ta b.wav", "wrote\t1\ta b.wss", "start\t2\tc.wav",
            "same\t2\tc.wss", "wrote\t3\td.wss"};
        const QStringList single{"files\t1", "start\t1\ta b.wav", "wrote\t1\ta b.wss"};
        QTest::newRow("a batch, a file manager on the bus") << true << "" << batch;
        QTest::newRow("one file, a file manager on the bus") << true << "" << single;
        QTest::newRow("a batch, a handler for folders") << false << "thunar.desktop" << batch;
        QTest::newRow("a batch, nothing shows folders") << false << "" << batch;
    }
    void showInFolder()
    {
        QFETCH(bool, fileManager);
        QFETCH(QString, folderHandler);
        QFETCH(QStringList, script);
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeFileManager manager;
        if (fileManager) {
            QVERIFY(bus.registerObject(
                QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        }
        writeFile(m_commands.filePath("xdg-mime"), "#!/bin/sh\necho '" + folderHandler.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(m_commands.filePath("xdg-mime"), QFile::ReadOwner | QFile::ExeOwner));
        m_openedFolders.clear();
        FakeTools tools;
        tools.install("WSSCod.exe");
        tools.script("WSSCod.exe", script);
        clickAndWait("cmdEnCode");
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        click("cmdShowInFolder");
        if (fileManager) {
            const QStringList first{QUrl::fromLocalFile(m_sounds.filePath("a b.wss")).toString(QUrl::FullyEncoded)};
            QTRY_COMPARE(manager.calls, QList<QStringList>{first});
            QTest::qWait(200); // and no second window comes
            QCOMPARE(manager.calls.size(), 1);
            QVERIFY(m_openedFolders.isEmpty());
            bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
            bus.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
        } else if (!folderHandler.isEmpty()) {
            QTRY_COMPARE(m_openedFolders, QStringList{m_sounds.path()});
            QTest::qWait(200);
            QCOMPARE(m_openedFolders.size(), 1);
        } else {
            QTRY_VERIFY(answer.answered());
            QVERIFY2(message.text.endsWith(u'\n' + m_sounds.path()), qPrintable(message.text));
            QVERIFY(m_openedFolders.isEmpty());
        }
        QCOMPARE(answer.answered(), !fileManager && folderHandler.isEmpty());
    }

private:
    QString m_busAddress;
    QStringList m_announced;
    QTemporaryDir m_sounds;
    PrivateSessionBus m_privateBus;
    QStringList m_openedFolders;
    QTemporaryDir m_commands;
};

TALVEN_TEST_MAIN(TestStatusLine)
#include "tst_status_line.moc"
