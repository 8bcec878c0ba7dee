// What the window's messages and fields tell the user: folders, tips, and the first start.

#include "fake_tools.h"
#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

class TestWindowMessages : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        openWindow();
        m_tools.install("WSSdec.exe");
        m_tools.install("WSSCod.exe");
    }
    void cleanup() { closeWindow(); }

    // A path that names a folder gets the same advice wherever it came from, and no tool runs.
    void aFolderGetsTheFolderMessage_data()
    {
        QTest::addColumn<QString>("row"); // "WSS", "WAV"
        QTest::addColumn<QString>("folder"); // in the test's folder; "~/" for the home folder of a first start
        QTest::newRow("with its files and a slash") << "WSS"
                                                    << "full/";
        QTest::newRow("without the slash") << "WSS"
                                           << "full";
        QTest::newRow("empty") << "WAV"
                               << "empty/";
        QTest::newRow("the home folder of a first start, WSS") << "WSS"
                                                               << "~/";
        QTest::newRow("the home folder of a first start, WAV") << "WAV"
                                                               << "~/";
    }
    void aFolderGetsTheFolderMessage()
    {
        QFETCH(QString, row);
        QFETCH(QString, folder);
        QDir(m_sounds.path()).mkpath(QStringLiteral("full"));
        QDir(m_sounds.path()).mkpath(QStringLiteral("empty"));
        writeFile(m_sounds.filePath("full/gun.wss"));
        writeFile(m_sounds.filePath("full/take.wav"));
        const bool wss = row == QLatin1String("WSS");
        QLineEdit *path = field(wss ? "txtWWSFileName" : "txtWavFileName");
        if (folder == QLatin1String("~/"))
            QCOMPARE(path->text(), QDir::homePath() + u'/'); // left as the window filled it
        else
            path->setText(m_sounds.filePath(folder));

        MessageSeen seen;
        const ModalAnswer answer = AcceptNextMessage(&seen);
        click(wss ? "cmdDecode" : "cmdEnCode");
        QTRY_VERIFY(answer.answered());
        waitForRuns();
        QCOMPARE(seen.text,
            QStringLiteral("'%1' is a folder: choose a %2 file in it with Select %2, or type its name.")
                .arg(path->text(), row));
        QCOMPARE(seen.details, QString());
        QCOMPARE(seen.icon, int(QMessageBox::Information));
        QVERIFY(m_tools.records("WSSdec.exe").isEmpty() && m_tools.records("WSSCod.exe").isEmpty());
    }

    // A folder handed to the program is called a folder, whatever its name.
    void aFolderOnTheCommandLineIsCalledAFolder()
    {
        QDir(m_sounds.path()).mkpath(QStringLiteral("takes.wav"));
        MessageSeen seen;
        const ModalAnswer answer = AcceptNextMessage(&seen);
        m_window->openFiles({m_sounds.path(), m_sounds.filePath("takes.wav")});
        QTRY_VERIFY(answer.answered());
        QCOMPARE(seen.text,
            QStringLiteral("These files were not opened:\n"
                           "'%1': a folder; choose a WSS or WAV file in it with Select WSS or Select WAV\n"
                           "'%2': a folder; choose a WSS or WAV file in it with Select WSS or Select WAV")
                .arg(m_sounds.path(), m_sounds.filePath("takes.wav")));
    }

    // The fields' tips say what belongs in them, patterns included: the one way to convert many.
    void theFieldsSayWhatBelongsInThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("WSS") << "txtWWSFileName"
                             << "WSS file to decode";
        QTest::newRow("WAV") << "txtWavFileName"
                             << "WAV file to encode";
    }
    void theFieldsSayWhatBelongsInThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const QString tip = field(qPrintable(name))->toolTip();
        QVERIFY2(tip.contains(kind), qPrintable(tip));
        QVERIFY2(tip.contains(QLatin1String("* for any characters")), qPrintable(tip));
        QVERIFY2(tip.contains(QLatin1String("? for one character")), qPrintable(tip));
    }

    // A message about the field's file comes while the line still tells of the last run: the line
    // forgets that run, so that the two do not read as one.
    void theLineForgetsTheLastRunWhileAMessageAboutInputIsShown()
    {
        writeFile(m_sounds.filePath("gun.wss"));
        field("txtWWSFileName")->setText(m_sounds.filePath("gun.wss"));
        auto *line = m_window->findChild<StatusLine *>();
        clickAndWait("cmdDecode");
        QCOMPARE(line->text(), QStringLiteral("Decoding gun.wss finished"));

        field("txtWWSFileName")->setText(m_sounds.filePath("nothing.wss"));
        QString lineDuringMessage = QStringLiteral("(no message)");
        const ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            lineDuringMessage = line->text();
            box->accept();
            return true;
        });
        click("cmdDecode");
        QTRY_VERIFY(answer.answered());
        QCOMPARE(lineDuringMessage, QString());
    }

private:
    QTemporaryDir m_sounds;
    FakeTools m_tools;
};

TALVEN_TEST_MAIN(TestWindowMessages)
#include "tst_window_messages.moc"
