// The window, driven through its real buttons, with stand-in tools on the PATH.

#include "build_path.h"
#include "fake_tools.h"
#include "gui_helpers.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "platform/settings_store.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kApp = ZRNSoundEncodeDecode::kSettingsApplication;
const QString kSection = ZRNSoundEncodeDecode::kSettingsSection;

} // namespace

class TestMainWindow : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void firstRunShowsTheHomeFolder()
    {
        const QString home = QDir::homePath() + u'/';
        QVERIFY(home.startsWith(TestEnv::home().path()));
        QCOMPARE(field("txtWWSFileName")->text(), home);
        QCOMPARE(field("txtWavFileName")->text(), home);
    }

    void savedPathsComeBackInANewWindow()
    {
        QVERIFY(Platform::SaveSetting(kApp, kSection, "WSS", "/snd/gun shot, 100% ünï.wss"));
        QVERIFY(Platform::SaveSetting(kApp, kSection, "WAV", ""));
        ZRNSoundEncodeDecode again;
        QCOMPARE(again.findChild<QLineEdit *>("txtWWSFileName")->text(), QStringLiteral("/snd/gun shot, 100% ünï.wss"));
        // Saved empty is not the same as never saved.
        QCOMPARE(again.findChild<QLineEdit *>("txtWavFileName")->text(), QString());
    }

    void geometryFollowsTheDrawing()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("TALVEN Sound Decoder / Encoder"));
        // The drawing's 914 x 74, and the rows of the output folder and the status line under it.
        QCOMPARE(m_window->size(), QSize(914, 74 + 2 * 32));
        // The icon built into the program is the one the package installs, pixel for pixel.
        const QImage installed(buildPath(TALVEN_ICON_PNG));
        QVERIFY(!installed.isNull());
        const auto pixels = [](const QImage &image) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            return QByteArray(reinterpret_cast<const char *>(argb.constBits()), argb.sizeInBytes());
        };
        QCOMPARE(pixels(m_window->windowIcon().pixmap(installed.size()).toImage()),
            pixels(QPixmap::fromImage(installed).toImage()));
        // left, top, width, height in pixels: the drawing's twips divided by 15
        QCOMPARE(widget("cmdDecode")->geometry(), QRect(808, 8, 97, 25));
        QCOMPARE(widget("cmdEnCode")->geometry(), QRect(808, 40, 97, 25));
        QCOMPARE(widget("txtWavFileName")->geometry(), QRect(8, 40, 689, 25));
        QCOMPARE(widget("txtWWSFileName")->geometry(), QRect(8, 8, 689, 25));
        QCOMPARE(widget("cmdSelectWAVFileName")->geometry(), QRect(704, 40, 97, 25));
        QCOMPARE(widget("cmdSelectWWSFileName")->geometry(), QRect(704, 8, 97, 25));
        QCOMPARE(widget("outputFolderChoice")->geometry(), QRect(8, 72, 897, 25));
        QCOMPARE(widget("statusLine")->geometry(), QRect(8, 104, 897, 25));

        // Wider, the fields take the extra width and the buttons keep to the right edge.
        m_window->resize(1214, 138);
        QTRY_COMPARE(widget("txtWWSFileName")->width(), 989);
        QCOMPARE(widget("cmdDecode")->geometry(), QRect(1108, 8, 97, 25));
        QCOMPARE(m_window->minimumHeight(), 138);
        QCOMPARE(m_window->maximumHeight(), 138);
    }

    void captionsAndTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("decode") << "cmdDecode"
                                << "Decode"
                                << "Decode the selected WSS file.";
        QTest::newRow("encode") << "cmdEnCode"
                                << "Encode"
                                << "Encode the selected WAV file.";
        QTest::newRow("select WAV") << "cmdSelectWAVFileName"
                                    << "Select WAV"
                                    << "Browse for the WAV file that you want to encode";
        QTest::newRow("select WSS") << "cmdSelectWWSFileName"
                                    << "Select WSS"
                                    << "Browse for the WSS file that you want to decode";
    }
    void captionsAndTooltips()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QCOMPARE(button(qPrintable(name))->accessibleName(), caption);
        QCOMPARE(button(qPrintable(name))->toolTip(), tip);
    }

    void fieldsHaveAccessibleNames()
    {
        QCOMPARE(field("txtWWSFileName")->accessibleName(), QStringLiteral("WSS file"));
        QCOMPARE(field("txtWavFileName")->accessibleName(), QStringLiteral("WAV file"));
    }

    void focusStartsOnSelectWssAndTabFollowsTheTabIndexes()
    {
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), widget("cmdSelectWWSFileName"));
        const char *order[] = {"cmdSelectWAVFileName", "txtWWSFileName", "txtWavFileName", "cmdEnCode", "cmdDecode",
            "cboOutputFolder", "cmdSelectWWSFileName"};
        for (const char *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void toolsGetTheBareNameInTheFilesFolder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fileOnDisk");
        QTest::addColumn<QString>("typed"); // relative to the sounds folder
        QTest::addColumn<bool>("typedRelative"); // typed as it stands, from the sounds folder
        QTest::addColumn<QStringList>("args");
        const QString blanks = QStringLiteral("gun shot ünï 音.wss");
        const QString quotes = QStringLiteral("it's \"loud\".wav");
        QTest::newRow("decode, blanks and non-ASCII")
            << "cmdDecode" << blanks << blanks << false << QStringList{blanks};
        QTest::newRow("encode, quotes") << "cmdEnCode" << quotes << quotes << false << QStringList{quotes};
        QTest::newRow("bare name in the current folder") << "cmdDecode"
                                                         << "gun.wss"
                                                         << "gun.wss" << true << QStringList{"gun.wss"};
        // Wildcards take part in the test and reach the tool as typed.
        QTest::newRow("wildcard") << "cmdEnCode"
                                  << "take1.wav"
                                  << "take?.wav" << false << QStringList{"take?.wav"};
    }
    void toolsGetTheBareNameInTheFilesFolder()
    {
        QFETCH(QString, button);
        QFETCH(QString, fileOnDisk);
        QFETCH(QString, typed);
        QFETCH(bool, typedRelative);
        QFETCH(QStringList, args);
        const QString tool = button == "cmdDecode" ? QStringLiteral("WSSdec.exe") : QStringLiteral("WSSCod.exe");
        const char *fieldName = button == "cmdDecode" ? "txtWWSFileName" : "txtWavFileName";
        FakeTools tools;
        tools.install(tool);
        QTemporaryDir sounds;
        writeFile(sounds.filePath(fileOnDisk));

        const QString before = QDir::currentPath();
        if (typedRelative)
            QVERIFY(QDir::setCurrent(sounds.path()));
        field(fieldName)->setText(typedRelative ? typed : sounds.path() + u'/' + typed);
        click(qPrintable(button));
        QDir::setCurrent(before);
        waitForRuns();

        const QList<ToolRecord> records = tools.records(tool);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().args, args);
        QCOMPARE(records.first().cwd, sounds.path());
    }

    void missingFilesAreReported_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("no such file") << "nothing here.wss";
        QTest::newRow("hidden file") << ".hidden.wss";
        QTest::newRow("wildcard matching nothing") << "*.mp3";
    }
    void missingFilesAreReported()
    {
        QFETCH(QString, relativePath);
        FakeTools tools;
        tools.install("WSSdec.exe");
        QTemporaryDir sounds;
        writeFile(sounds.filePath(".hidden.wss"));
        QVERIFY(QDir(sounds.path()).mkpath("folder"));
        QVERIFY(QDir(sounds.path()).mkpath("hidden-only"));
        writeFile(sounds.filePath("hidden-only/.x.wss"));

        const QString path = sounds.filePath(relativePath);
        field("txtWWSFileName")->setText(path);
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        click("cmdDecode");
        QVERIFY(answer.answered());
        QCOMPARE(message.text, "Could not locate the file '" + path + "'");
        QCOMPARE(message.title, QStringLiteral("TALVEN Sound Decoder / Encoder"));
        QVERIFY(message.plain);
        QVERIFY(tools.records("WSSdec.exe").isEmpty());
    }

    void toolProblemsAreReported_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("installed"); // the stand-in fails with exit code 3 and one error line
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("details"); // the command line and how it ended, for whoever needs them
        QTest::newRow("tool fails") << "cmdDecode"
                                    << "txtWWSFileName"
                                    << "gun.wss" << true << "Could not decode gun.wss.\n\nerror line 1"
                                    << "Command line: WSSdec.exe gun.wss\nExit code: 3\n\nerror line 1";
        QTest::newRow("tool missing")
            << "cmdEnCode"
            << "txtWavFileName"
            << "a.wav" << false
            << "Could not encode a.wav: WSSCod.exe could not be started.\n\nno such program in the program's folder or "
               "on the PATH"
            << "";
    }
    void toolProblemsAreReported()
    {
        QFETCH(QString, button);
        QFETCH(QString, fieldName);
        QFETCH(QString, fileName);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QFETCH(QString, details);
        FakeTools tools;
        if (installed)
            tools.install(button == "cmdDecode" ? "WSSdec.exe" : "WSSCod.exe", {{"exit", 3}, {"stderr_lines", 1}});
        QTemporaryDir sounds;
        writeFile(sounds.filePath(fileName));
        field(qPrintable(fieldName))->setText(sounds.filePath(fileName));
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait(qPrintable(button));
        QVERIFY(answer.answered());
        QCOMPARE(message.text, expected);
        QCOMPARE(message.details, details);
        QCOMPARE(message.icon, int(QMessageBox::Critical));
    }

    void theWindowStaysLiveAndShowsABusyCursorWhileToolsRun()
    {
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 600}});
        tools.install("WSSCod.exe");
        QTemporaryDir sounds;
        writeFile(sounds.filePath("gun.wss"));
        writeFile(sounds.filePath("shot.wav"));
        field("txtWWSFileName")->setText(sounds.filePath("gun.wss"));
        field("txtWavFileName")->setText(sounds.filePath("shot.wav"));

        click("cmdDecode");
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        click("cmdEnCode"); // the other row runs beside it, and ends first
        QTRY_COMPARE(tools.records("WSSCod.exe").size(), 1);
        QVERIFY(tools.records("WSSdec.exe").isEmpty());
        QVERIFY(!button("cmdDecode")->isEnabled());
        waitForRuns();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(tools.records("WSSdec.exe").size(), 1);
    }

    // The close button and Ctrl+Q alike: the window stays, says why, and closes when the tool
    // has ended; the tool is never killed.
    void closingTheWindowLetsTheToolFinish_data()
    {
        QTest::addColumn<bool>("ctrlQ");
        QTest::newRow("close button") << false;
        QTest::newRow("Ctrl+Q") << true;
    }
    void closingTheWindowLetsTheToolFinish()
    {
        QFETCH(bool, ctrlQ);
        FakeTools tools;
        tools.install("WSSCod.exe", {{"sleep_ms", 800}});
        QTemporaryDir sounds;
        writeFile(sounds.filePath("gun.wav"));
        field("txtWavFileName")->setText(sounds.filePath("gun.wav"));
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

        // As in main(): the application's own event loop, which quits when the last window
        // closes. QTest runs none, so without it closing would never ask the program to quit.
        qsizetype recordsWhenQuitting = -1;
        const auto quitting = connect(qApp, &QCoreApplication::aboutToQuit, this,
            [&] { recordsWhenQuitting = tools.records("WSSCod.exe").size(); });
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, this, [this] { click("cmdEnCode"); });
        bool stayed = false;
        QString said;
        QTimer::singleShot(200, this, [&] {
            if (ctrlQ)
                QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
            else
                m_window->close();
            stayed = m_window->isVisible() && !field("txtWavFileName")->isEnabled()
                && !button("cmdSelectWWSFileName")->isEnabled() && button("cmdStop")->isVisible();
            said = widget("statusText")->accessibleName();
        });
        // A window that never closes ends the loop with 1 instead of hanging the test.
        QTimer::singleShot(15000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        disconnect(quitting);

        QVERIFY(stayed);
        QCOMPARE(said, QStringLiteral("The window closes when encoding gun.wav has finished…"));
        QCOMPARE(lastWindowClosed.count(), 1);
        QVERIFY(!m_window->isVisible());
        // The record is written as the tool's last act: it ran to its end before the program
        // went on to quit.
        QCOMPARE(recordsWhenQuitting, 1);
    }

    void ctrlQClosesAnIdleWindow()
    {
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
    }
};

TALVEN_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
