// The window from the keyboard, at a large font, with long messages and files handed to it.

#include "fake_tools.h"
#include "gui_helpers.h"
#include "platform/settings_store.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

class TestWindowKeysAndFonts : public QObject, private WindowFixture
{
    Q_OBJECT

    const QFont m_defaultFont = QApplication::font();
    static QString saved(const char *key)
    {
        return Platform::GetSetting(ZRNSoundEncodeDecode::kSettingsApplication, "Settings", key, "");
    }

private slots:
    void init() { openWindow(); }
    void cleanup()
    {
        closeWindow();
        QApplication::setFont(m_defaultFont);
    }

    void keysPressTheRightButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("tool");
        QTest::newRow("Return in WSS field") << "txtWWSFileName" << int(Qt::Key_Return) << 0 << "WSSdec.exe";
        QTest::newRow("keypad Enter in WAV field")
            << "txtWavFileName" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "WSSCod.exe";
        QTest::newRow("Return on Encode") << "cmdEnCode" << int(Qt::Key_Return) << 0 << "WSSCod.exe";
        QTest::newRow("Enter on Decode") << "cmdDecode" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                         << "WSSdec.exe";
        QTest::newRow("Space on Decode") << "cmdDecode" << int(Qt::Key_Space) << 0 << "WSSdec.exe";
        QTest::newRow("Alt+D") << "txtWavFileName" << int(Qt::Key_D) << int(Qt::AltModifier) << "WSSdec.exe";
        QTest::newRow("Alt+E") << "txtWWSFileName" << int(Qt::Key_E) << int(Qt::AltModifier) << "WSSCod.exe";
    }
    void keysPressTheRightButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, tool);
        FakeTools tools;
        QTemporaryDir sounds;
        for (const char *name : {"WSSdec.exe", "WSSCod.exe"})
            tools.install(name);
        for (const char *name : {"txtWWSFileName", "txtWavFileName"}) {
            writeFile(sounds.filePath(name));
            field(name)->setText(sounds.filePath(name));
        }
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        widget(qPrintable(focus))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(tools.records(tool).size(), 1);
        QCOMPARE(tools.records("WSSdec.exe").size() + tools.records("WSSCod.exe").size(), 1);
    }

    void placeholders()
    {
        QCOMPARE(field("txtWWSFileName")->placeholderText(), QStringLiteral("WSS file to decode"));
        QCOMPARE(field("txtWavFileName")->placeholderText(), QStringLiteral("WAV file to encode"));
    }

    void captionsFitAtALargeFont_data()
    {
        QTest::addColumn<bool>("beforeOpening");
        QTest::newRow("font set before the window opens") << true;
        QTest::newRow("font changed while it is open") << false;
    }
    void captionsFitAtALargeFont()
    {
        QFETCH(bool, beforeOpening);
        QFont large = m_defaultFont;
        large.setPointSize(18);
        const int defaultHeight = m_window->height();
        if (beforeOpening)
            closeWindow();
        QApplication::setFont(large);
        if (beforeOpening)
            openWindow();
        QTRY_VERIFY(m_window->height() > defaultHeight); // an open window gets the new font a moment later

        const QFontMetrics metrics(large);
        for (const char *name :
            {"cmdDecode", "cmdEnCode", "cmdSelectWWSFileName", "cmdSelectWAVFileName", "cmdStop", "cmdShowInFolder"}) {
            const QSize text = metrics.size(Qt::TextShowMnemonic, button(name)->text());
            QVERIFY2(text.width() + metrics.averageCharWidth() <= button(name)->width(), name);
            QVERIFY2(text.height() + 4 <= button(name)->height(), name);
        }
        // The rows keep their order and alignment, and the window stays as high as they need.
        QCOMPARE(widget("cmdEnCode")->geometry().translated(0, -widget("cmdEnCode")->y()),
            widget("cmdDecode")->geometry().translated(0, -widget("cmdDecode")->y()));
        QCOMPARE(widget("cmdSelectWAVFileName")->y(), widget("txtWavFileName")->y());
        QVERIFY(widget("txtWavFileName")->y() > widget("txtWWSFileName")->geometry().bottom());
        QCOMPARE(m_window->minimumHeight(), m_window->height());
        QTRY_VERIFY(widget("cmdEnCode")->geometry().bottom() < widget("statusLine")->y());
        QTRY_VERIFY(widget("statusLine")->geometry().bottom() < m_window->height());
    }

    void aLongPathIsShownWholeAndSelectable()
    {
        const QString path = QStringLiteral("/no/such/") + QString(300, u'x') + QStringLiteral(".wss");
        field("txtWWSFileName")->setText(path);
        QString shown;
        QElapsedTimer open;
        ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            auto *view = box->findChild<QTextEdit *>(QStringLiteral("messageText"));
            if (view && view->isVisible() && view->width() >= 300 && view->verticalScrollBar()->maximum() == 0
                && view->document()->size().width() <= view->viewport()->width()
                && box->width() <= box->screen()->availableGeometry().width()
                && view->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard)
                && box->button(QMessageBox::Ok)->hasFocus())
                shown = view->toPlainText();
            // A busy machine may show the box before it is laid out and focused: look again for a
            // while before giving up.
            if (!open.isValid())
                open.start();
            if (shown.isEmpty() && !open.hasExpired(5000))
                return false;
            box->accept();
            return true;
        });
        click("cmdDecode");
        QVERIFY(answer.answered());
        QCOMPARE(shown, "Could not locate the file '" + path + "'");
    }

    // The first existing file of each kind; one message, centred on the window, for the rest.
    void filesHandedToTheWindowFillTheirRows()
    {
        closeWindow();
        QTemporaryDir sounds;
        const QString wss = sounds.filePath("gun.WSS"), wav = sounds.filePath("shot.Wav");
        const QString other = sounds.filePath("other.wss"), notes = sounds.filePath("notes.txt");
        for (const QString &path : {wss, wav, other, notes})
            writeFile(path);
        const QString missing = sounds.filePath("nope.wss");

        // Handed over as main() does, at once after show(), before the window is in its place.
        QSettings(QSettings::IniFormat, QSettings::UserScope, ZRNSoundEncodeDecode::kSettingsApplication).clear();
        m_window = std::make_unique<ZRNSoundEncodeDecode>();
        m_window->move(300, 200);
        QString text;
        QPoint boxCentre;
        ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            text = box->text();
            boxCentre = box->frameGeometry().center();
            box->accept();
            return true;
        });
        m_window->show();
        m_window->openFiles({missing, wss, notes, other, wav});
        m_window->move(600, 400); // as a window manager places a new window, a moment after show()
        QTRY_VERIFY(answer.answered());

        QCOMPARE(
            QStringList({field("txtWWSFileName")->text(), field("txtWavFileName")->text()}), QStringList({wss, wav}));
        QCOMPARE(QStringList({saved("WSS"), saved("WAV")}), QStringList({wss, wav}));
        QCOMPARE(text,
            QStringList({"These files were not opened:", "'" + missing + "': no such file",
                            "'" + notes + "': not a .wss or .wav file",
                            "'" + other + "': its row takes one file, the first given: '" + wss + "'"})
                .join(u'\n'));
        QVERIFY2((boxCentre - m_window->frameGeometry().center()).manhattanLength() < 60,
            qPrintable(QStringLiteral("box centred at %1,%2").arg(boxCentre.x()).arg(boxCentre.y())));
    }

    void commandLineOptionsWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        // Started by its whole path, it names itself by its name.
        QTest::newRow("help") << "--help" << 0 << "Usage: talven-sound [options] [FILE...]\n"
                              << "";
        QTest::newRow("version") << "--version" << 0 << "talven-sound 1.0.0\n"
                                 << "";
        QTest::newRow("unknown") << "--frob" << 2 << ""
                                 << "talven-sound: Unknown option 'frob'. Try 'talven-sound --help'.\n";
        QTest::newRow("no display for the window") << "gun.wss" << 1 << ""
                                                   << "talven-sound: no display to open the window on (DISPLAY and "
                                                      "WAYLAND_DISPLAY are not set).\n";
    }
    void commandLineOptionsWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(buildPath(TALVEN_PROGRAM), {option});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()).left(out.size()), out);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), err);
    }

    void aFileOnTheCommandLineFillsItsRow()
    {
        QTemporaryDir sounds;
        writeFile(sounds.filePath("gun shot.WSS"));
        QProcess program;
        program.setWorkingDirectory(sounds.path());
        program.start(buildPath(TALVEN_PROGRAM), {QStringLiteral("gun shot.WSS")});
        QTRY_COMPARE(saved("WSS"), sounds.filePath("gun shot.WSS"));
        program.kill();
        program.waitForFinished();
    }
};

TALVEN_TEST_MAIN(TestWindowKeysAndFonts)
#include "tst_window_keys_and_fonts.moc"
