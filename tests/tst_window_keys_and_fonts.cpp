// The window from the keyboard, at a large font, with long messages and files handed to it.

#include "fake_tools.h"
#include "gui_helpers.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "platform/settings_store.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>

namespace {

const QString kApp = ZRNSoundEncodeDecode::kSettingsApplication;
const QString kSection = ZRNSoundEncodeDecode::kSettingsSection;

} // namespace

class TestWindowKeysAndFonts : public QObject, private WindowFixture
{
    Q_OBJECT

    QFont m_defaultFont;

private slots:
    void initTestCase() { m_defaultFont = QApplication::font(); }
    void init() { openWindow(); }
    void cleanup()
    {
        closeWindow();
        QApplication::setFont(m_defaultFont);
    }

    void keysPressTheRightButton_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("tool");
        const QString dec = QStringLiteral("WSSdec.exe"), cod = QStringLiteral("WSSCod.exe");
        QTest::newRow("Return in the WSS field") << "txtWWSFileName" << int(Qt::Key_Return) << 0 << dec;
        QTest::newRow("keypad Enter in the WAV field")
            << "txtWavFileName" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << cod;
        QTest::newRow("Return on Encode") << "cmdEnCode" << int(Qt::Key_Return) << 0 << cod;
        QTest::newRow("Enter on Decode") << "cmdDecode" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << dec;
        QTest::newRow("Space on Decode") << "cmdDecode" << int(Qt::Key_Space) << 0 << dec;
        QTest::newRow("Alt+D anywhere") << "txtWavFileName" << int(Qt::Key_D) << int(Qt::AltModifier) << dec;
        QTest::newRow("Alt+E anywhere") << "txtWWSFileName" << int(Qt::Key_E) << int(Qt::AltModifier) << cod;
    }
    void keysPressTheRightButton()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, tool);
        FakeTools tools;
        tools.install(QStringLiteral("WSSdec.exe"));
        tools.install(QStringLiteral("WSSCod.exe"));
        QTemporaryDir sounds;
        writeFile(sounds.filePath("gun.wss"));
        writeFile(sounds.filePath("gun.wav"));
        field("txtWWSFileName")->setText(sounds.filePath("gun.wss"));
        field("txtWavFileName")->setText(sounds.filePath("gun.wav"));

        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        widget(qPrintable(target))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(tools.records(tool).size(), 1);
        const QString other = tool == QStringLiteral("WSSdec.exe") ? QStringLiteral("WSSCod.exe") : "WSSdec.exe";
        QCOMPARE(tools.records(other).size(), 0);
    }

    void mnemonicsAreUniqueAndNotRead()
    {
        const char *names[] = {"cmdDecode", "cmdEnCode", "cmdSelectWWSFileName", "cmdSelectWAVFileName"};
        const QStringList captions{"&Decode", "&Encode", "&Select WSS", "Select W&AV"};
        QSet<QChar> letters;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(button(names[i])->text(), captions[i]);
            QCOMPARE(button(names[i])->accessibleName(), QString(captions[i]).remove(u'&'));
            letters << captions[i].at(captions[i].indexOf(u'&') + 1);
        }
        QCOMPARE(letters.size(), 4);
    }

    void placeholdersNameWhatGoesInAnEmptyField()
    {
        QVERIFY(Platform::SaveSetting(kApp, kSection, "WAV", ""));
        ZRNSoundEncodeDecode again;
        const auto *wav = again.findChild<QLineEdit *>("txtWavFileName");
        QCOMPARE(wav->text(), QString());
        QCOMPARE(wav->placeholderText(), QStringLiteral("WAV file to encode"));
        QCOMPARE(field("txtWWSFileName")->placeholderText(), QStringLiteral("WSS file to decode"));
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
        if (beforeOpening)
            closeWindow();
        QApplication::setFont(large);
        if (beforeOpening)
            openWindow();
        QTRY_VERIFY(m_window->height() > 74); // the new font reaches an open window a moment later

        const QFontMetrics metrics(large);
        for (const char *name : {"cmdDecode", "cmdEnCode", "cmdSelectWWSFileName", "cmdSelectWAVFileName"}) {
            const QSize text = metrics.size(Qt::TextShowMnemonic, button(name)->text());
            QVERIFY2(text.width() + metrics.averageCharWidth() <= button(name)->width(), name);
            QVERIFY2(text.height() + 4 <= button(name)->height(), name);
            QCOMPARE(button(name)->size(), button("cmdDecode")->size());
        }
        // Rows keep their order and alignment; the window is as high as the rows need.
        for (const char *row : {"cmdSelectWWSFileName", "cmdDecode"})
            QCOMPARE(widget(row)->geometry().top(), widget("txtWWSFileName")->geometry().top());
        for (const char *row : {"cmdSelectWAVFileName", "cmdEnCode"})
            QCOMPARE(widget(row)->geometry().top(), widget("txtWavFileName")->geometry().top());
        QCOMPARE(widget("cmdEnCode")->x(), widget("cmdDecode")->x());
        QVERIFY(widget("cmdDecode")->x() > widget("cmdSelectWWSFileName")->geometry().right());
        QVERIFY(widget("txtWavFileName")->y() > widget("txtWWSFileName")->geometry().bottom());
        QCOMPARE(field("txtWWSFileName")->height(), button("cmdDecode")->height());
        QVERIFY(m_window->width() >= m_window->minimumSizeHint().width());
        QVERIFY(m_window->width() <= qMax(m_window->minimumSizeHint().width(), m_window->screen()->size().width()));
        QCOMPARE(m_window->minimumHeight(), m_window->height());
        QTRY_VERIFY(widget("cmdEnCode")->geometry().bottom() < m_window->height());
    }

    void aLongPathIsShownWholeAndCanBeSelected()
    {
        const QString path = QStringLiteral("/no/such/") + QString(300, u'x') + QStringLiteral(".wss");
        field("txtWWSFileName")->setText(path);
        QString shown;
        bool whole = false, selectable = false, onScreen = false;
        ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return;
            auto *view = box->findChild<QTextEdit *>(QStringLiteral("messageText"));
            if (!view) {
                box->accept();
                return;
            }
            shown = view->toPlainText();
            whole = view->isVisible() && view->width() >= 300 && view->verticalScrollBar()->maximum() == 0
                && view->document()->size().width() <= view->viewport()->width()
                && box->rect().contains(QRect(view->mapTo(box, QPoint()), view->size()));
            selectable = view->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
            onScreen = box->width() <= box->screen()->availableGeometry().width();
            box->accept();
        });
        click("cmdDecode");
        QVERIFY(answer.answered());
        QCOMPARE(shown, "Could not locate the file '" + path + "'");
        QVERIFY(whole);
        QVERIFY(selectable);
        QVERIFY(onScreen);
    }

    void filesHandedToTheWindowFillTheirRows()
    {
        QTemporaryDir sounds;
        const QString wss = sounds.filePath("gun.WSS"), wav = sounds.filePath("shot.Wav");
        const QString other = sounds.filePath("notes.txt");
        MessageSeen message;
        AcceptNextMessage(this, &message);
        m_window->openFiles({wss, other, wav});
        QCOMPARE(field("txtWWSFileName")->text(), wss);
        QCOMPARE(field("txtWavFileName")->text(), wav);
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WSS", ""), wss);
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WAV", ""), wav);
        QVERIFY2(message.text.contains("'" + other + "'"), qPrintable(message.text));
        QVERIFY(message.plain);
    }

    void commandLineOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << "--help" << 0 << "Usage: "
                              << "";
        QTest::newRow("version") << "--version" << 0 << "talven-sound 1.0.0\n"
                                 << "";
        QTest::newRow("unknown") << "--frobnicate" << 2 << ""
                                 << "talven-sound: Unknown option 'frobnicate'. Try 'talven-sound --help'.\n";
    }
    void commandLineOptions()
    {
        QFETCH(QString, option);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name)); // as over ssh: no display
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TALVEN_PROGRAM), {option});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()).left(out.size()), out);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), err);
    }

    void aFileOnTheCommandLineFillsItsRow()
    {
        QTemporaryDir sounds;
        QProcess program;
        program.setWorkingDirectory(sounds.path());
        program.start(QStringLiteral(TALVEN_PROGRAM), {QStringLiteral("gun shot.WSS")});
        QVERIFY(program.waitForStarted());
        QTRY_COMPARE(Platform::GetSetting(kApp, kSection, "WSS", ""), sounds.filePath("gun shot.WSS"));
        program.kill();
        program.waitForFinished();
    }
};

TALVEN_TEST_MAIN(TestWindowKeysAndFonts)
#include "tst_window_keys_and_fonts.moc"
