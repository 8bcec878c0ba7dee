// The window while its runs go on, with real message boxes: failures told one box at a time, the
// replace question and what happens while it is open.

#include "fake_tools.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Watches for message boxes from a timer while the test goes on; counts how many are open at
// once, and hands each one, when it is the active modal window, to answer.
class BoxWatcher : public QObject
{
public:
    explicit BoxWatcher(std::function<void(QMessageBox *)> answer)
        : m_answer(std::move(answer))
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
        m_timer.start(10);
    }

    QStringList texts; // of the boxes answered, in order
    int mostOpen = 0;

private:
    void poll()
    {
        int open = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            open += qobject_cast<QMessageBox *>(widget) && widget->isVisible() ? 1 : 0;
        mostOpen = qMax(mostOpen, open);
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answered)
            return;
        m_answered = box;
        texts << box->text();
        m_answer(box);
    }

    std::function<void(QMessageBox *)> m_answer;
    QTimer m_timer;
    QPointer<QMessageBox> m_answered;
};

void press(QMessageBox *box, const QString &caption)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text().remove(u'&') == caption) {
            button->click();
            return;
        }
    }
    box->done(QMessageBox::Cancel);
}

} // namespace

class TestWindowRuns : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        openWindow();
        writeFile(m_sounds.filePath("gun.wss"));
        writeFile(m_sounds.filePath("take.wav"));
        field("txtWWSFileName")->setText(m_sounds.filePath("gun.wss"));
        field("txtWavFileName")->setText(m_sounds.filePath("take.wav"));
    }
    void cleanup()
    {
        closeWindow();
        for (const QString &name : QDir(m_sounds.path()).entryList(QDir::Files))
            QFile::remove(m_sounds.filePath(name));
    }

    // Both rows' tools fail at once: the second failure waits for the first box to be answered.
    void twoFailuresAreToldOneAfterTheOther()
    {
        FakeTools tools;
        // The decoder ends first, the encoder while its box is open.
        tools.install("WSSdec.exe", {{"sleep_ms", 200}, {"exit", 1}});
        tools.install("WSSCod.exe", {{"sleep_ms", 700}, {"exit", 2}});
        bool waited = false;
        BoxWatcher watcher([&](QMessageBox *box) {
            // Answered only once both tools have ended, so that both reports are due.
            QTRY_COMPARE(tools.records("WSSdec.exe").size() + tools.records("WSSCod.exe").size(), 2);
            QTest::qWait(200);
            waited = true;
            box->done(QMessageBox::Ok);
        });
        click("cmdDecode");
        click("cmdEnCode");
        waitForRuns();
        QTRY_COMPARE(watcher.texts.size(), 2);
        QVERIFY(waited);
        QCOMPARE(watcher.mostOpen, 1);
        QCOMPARE(watcher.texts, (QStringList{"Could not decode gun.wss.", "Could not encode take.wav."}));
    }

    // While the replace question is open, the row starts a run (here on another file), or the
    // window is closed: Replace then starts nothing, and the closed window closes.
    void theReplaceQuestionOpenWhileThingsHappen_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("the row starts a run") << "run";
        QTest::newRow("the window is closed") << "close";
        QTest::newRow("closed while the other row runs") << "close, encoding";
    }
    void theReplaceQuestionOpenWhileThingsHappen()
    {
        QFETCH(QString, meanwhile);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 300}});
        tools.install("WSSCod.exe", {{"sleep_ms", 1500}});
        writeFile(m_sounds.filePath("gun.wav"));
        writeFile(m_sounds.filePath("other.wss"));
        if (meanwhile.contains(QLatin1String("encoding")))
            click("cmdEnCode");
        BoxWatcher watcher([&](QMessageBox *question) {
            if (meanwhile == QLatin1String("run")) {
                field("txtWWSFileName")->setText(m_sounds.filePath("other.wss"));
                button("cmdDecode")->click();
            } else {
                m_window->close();
            }
            press(question, QStringLiteral("Replace"));
        });
        click("cmdDecode");
        waitForRuns();
        QCOMPARE(watcher.texts.size(), 1);
        const QList<ToolRecord> decodes = tools.records("WSSdec.exe");
        if (meanwhile == QLatin1String("run")) {
            QCOMPARE(decodes.size(), 1);
            QCOMPARE(decodes.first().args, QStringList{"other.wss"});
            QVERIFY(m_window->isVisible());
        } else {
            QVERIFY(decodes.isEmpty());
            QTRY_VERIFY(!m_window->isVisible());
        }
    }

    // Every backup number of the existing output is taken: the tool would refuse to replace it,
    // so Replace is not offered, and nothing runs.
    void noReplaceWithoutABackupNumber()
    {
        FakeTools tools;
        tools.install("WSSdec.exe");
        writeFile(m_sounds.filePath("gun.wav"));
        writeFile(m_sounds.filePath("gun.wav.~18446744073709551615~"));
        BoxWatcher watcher([](QMessageBox *box) { press(box, QStringLiteral("OK")); });
        click("cmdDecode");
        QTRY_COMPARE(watcher.texts.size(), 1);
        QCOMPARE(watcher.texts.first(),
            QStringLiteral("gun.wav already exists in %1, and every backup number for it is taken, so the tool would "
                           "refuse to replace it. Move or remove its backups (gun.wav.~N~), or the file itself, and "
                           "try again.")
                .arg(m_sounds.path()));
        waitForRuns();
        QVERIFY(tools.records("WSSdec.exe").isEmpty());
        QVERIFY(button("cmdDecode")->isEnabled());
    }

    // Disabling the button that started a run moves the focus on: when the run ends, it comes
    // back, so that a second Space does not start the other row; unless the user moved it.
    void theFocusComesBackToTheButtonThatStartedTheRun_data()
    {
        QTest::addColumn<QString>("starter");
        QTest::addColumn<QString>("how"); // "Space", "click", or "Space, then Tab" (the user moves on)
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("Space on Encode") << "cmdEnCode"
                                         << "Space"
                                         << "cmdEnCode";
        QTest::newRow("click on Encode") << "cmdEnCode"
                                         << "click"
                                         << "cmdEnCode";
        QTest::newRow("Space on Decode") << "cmdDecode"
                                         << "Space"
                                         << "cmdDecode";
        QTest::newRow("the user moved it") << "cmdEnCode"
                                           << "Space, then the WSS field"
                                           << "txtWWSFileName";
    }
    void theFocusComesBackToTheButtonThatStartedTheRun()
    {
        QFETCH(QString, starter);
        QFETCH(QString, how);
        QFETCH(QString, focusAfter);
        FakeTools tools;
        tools.install("WSSdec.exe", {{"sleep_ms", 300}});
        tools.install("WSSCod.exe", {{"sleep_ms", 300}});
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QPushButton *start = button(qPrintable(starter));
        if (how == QLatin1String("click")) {
            click(qPrintable(starter));
        } else {
            start->setFocus();
            QTest::keyClick(start, Qt::Key_Space);
        }
        QTRY_VERIFY(!start->isEnabled());
        QVERIFY(!start->hasFocus());
        if (how.contains(QLatin1String("WSS field")))
            field("txtWWSFileName")->setFocus();
        waitForRuns();
        QTRY_VERIFY(start->isEnabled());
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    }

private:
    QTemporaryDir m_sounds;
};

TALVEN_TEST_MAIN(TestWindowRuns)
#include "tst_window_runs.moc"
