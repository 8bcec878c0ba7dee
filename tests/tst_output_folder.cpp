// Where the outputs go, with the real window and the real tools: beside each file as the tools'
// own way (the command line as it always was), or in a folder chosen under the rows, given to the
// tool with -o; the choice kept for the next window; the replace question asked of the chosen
// folder; Show in folder opening it; and a run that could not write its outputs offering another
// folder at once.

#include "gui_helpers.h"
#include "main_window/conversion_run.h"
#include "main_window/output_folder_choice.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "platform/settings_store.h"
#include "private_bus.h"
#include "test_main.h"
#include "test_sound.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>

#include <sndfile.h>

namespace {

bool writeWav(const QString &path)
{
    const std::vector<short> samples = test_sound::makePcm16("low sine", 1, 8000, 4000);
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t written = sf_writef_short(file, samples.data(), sf_count_t(samples.size()));
    return sf_close(file) == 0 && written == sf_count_t(samples.size());
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What a failure's message box showed, and whether it offered another folder.
struct FailureSeen
{
    QString text;
    QString details;
    bool offered = false;
};

// Notes the next message box, then presses its "Choose Another Folder…" button when it has one
// and `choose` asks for it, else OK.
[[nodiscard]] ModalAnswer AnswerNextFailure(FailureSeen *seen, bool choose)
{
    return ModalAnswer([seen, choose](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        seen->text = box->text();
        seen->details = box->detailedText();
        auto *offer = box->findChild<QPushButton *>(QStringLiteral("messageAction"));
        seen->offered = offer && offer->text() == QStringLiteral("&Choose Another Folder…");
        QTest::mouseClick(choose && offer ? offer : box->button(QMessageBox::Ok), Qt::LeftButton);
        return true;
    });
}

} // namespace

// The desktop's file manager on the test's own session bus: what Show in folder asked it to show.
class RecordingFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> calls;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        calls << uris;
    }
};

class TestOutputFolder : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The real tools, found on the PATH as an installed copy would find them in its folder.
        qputenv("PATH", QFile::encodeName(buildPath(TOOLS_FOLDER)) + ':' + qgetenv("PATH"));
        // A session bus of its own, which no other program uses, for the file manager.
        const QString address = m_bus.start();
        QVERIFY2(!address.isEmpty(), "dbus-daemon is needed (Debian: dbus-daemon)");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
        QVERIFY(bus.registerObject(
            QStringLiteral("/org/freedesktop/FileManager1"), &m_fileManager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    }
    void cleanupTestCase() { m_bus.stop(); }
    void init() { openWindow(); }
    void cleanup()
    {
        closeWindow();
        qunsetenv("LD_PRELOAD");
        qunsetenv("TALVEN_SHIM_READ_ONLY");
        qputenv("ASAN_OPTIONS", m_asanOptions);
    }

    void besideEachFileIsTheDefault()
    {
        QCOMPARE(outputFolderBox()->currentText(), QStringLiteral("Beside each file"));
        QCOMPARE(outputFolderBox()->accessibleName(), QStringLiteral("Output folder"));
        QVERIFY(!outputFolderBox()->toolTip().isEmpty());
        QVERIFY(outputFolderBox()->focusPolicy() & Qt::TabFocus);
    }

    // A folder chosen under the rows takes the outputs, -o on the tool's command line; back to
    // "Beside each file", the command line is the one argument it always was. The choice is
    // what a new window shows.
    void chosenFolderTakesTheOutputs_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("a folder chosen") << true;
        QTest::newRow("back beside each file") << false;
    }
    void chosenFolderTakesTheOutputs()
    {
        QFETCH(bool, chosen);
        QTemporaryDir sounds;
        const QString out = sounds.filePath("out put");
        QVERIFY(QDir().mkpath(out));
        QVERIFY(writeWav(sounds.filePath("tone.wav")));
        chooseFolderFromTheList(out);
        QCOMPARE(outputFolderBox()->currentText(), out);
        if (!chosen)
            pickFromTheList(Qt::Key_Home); // "Beside each file", the first item
        const QString outputs = chosen ? out : sounds.path();

        field("txtWavFileName")->setText(sounds.filePath("tone.wav"));
        click("cmdEnCode");
        const auto *run = m_window->findChild<ConversionRun *>();
        QVERIFY(run);
        QCOMPARE(run->commandLine(),
            chosen ? QStringLiteral("WSSCod.exe -o \"%1\" tone.wav").arg(out) : QStringLiteral("WSSCod.exe tone.wav"));
        waitForRuns();
        QCOMPARE(filesIn(out), chosen ? QStringList{"tone.wss"} : QStringList());
        QCOMPARE(filesIn(sounds.path()), chosen ? QStringList{"tone.wav"} : QStringList({"tone.wav", "tone.wss"}));
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Wrote tone.wss in %1").arg(outputs));
        // Show in folder shows the file where it was written.
        m_fileManager.calls.clear();
        click("cmdShowInFolder");
        QTRY_COMPARE(m_fileManager.calls,
            QList<QStringList>{{QUrl::fromLocalFile(outputs + "/tone.wss").toString(QUrl::FullyEncoded)}});

        // Kept per user, beside the last paths, and shown by the next window.
        QCOMPARE(Platform::GetSetting(ZRNSoundEncodeDecode::kSettingsApplication,
                     ZRNSoundEncodeDecode::kSettingsSection, OutputFolderChoice::kSettingsKey, QStringLiteral("unset")),
            chosen ? out : QString());
        const ZRNSoundEncodeDecode again;
        QCOMPARE(again.findChild<QComboBox *>("cboOutputFolder")->currentText(),
            chosen ? out : QStringLiteral("Beside each file"));
    }

    // Cancelling the folder dialog keeps the choice as it was.
    void cancellingTheFolderDialogChangesNothing()
    {
        chooseFolderFromTheList(QString());
        QCOMPARE(outputFolderBox()->currentText(), QStringLiteral("Beside each file"));
        QCOMPARE(Platform::GetSetting(ZRNSoundEncodeDecode::kSettingsApplication,
                     ZRNSoundEncodeDecode::kSettingsSection, OutputFolderChoice::kSettingsKey, QStringLiteral("unset")),
            QStringLiteral("unset"));
    }

    // The replace question looks where the outputs go, and the earlier file is kept there.
    void theReplaceQuestionLooksInTheChosenFolder()
    {
        QTemporaryDir sounds;
        const QString out = sounds.filePath("out");
        QVERIFY(QDir().mkpath(out));
        QVERIFY(writeWav(sounds.filePath("tone.wav")));
        writeFile(out + "/tone.wss", "an earlier file");
        chooseFolderFromTheList(out);
        field("txtWavFileName")->setText(sounds.filePath("tone.wav"));
        QuestionSeen question;
        const ModalAnswer replace = AnswerNextQuestion(QStringLiteral("Replace"), &question);
        clickAndWait("cmdEnCode");
        QVERIFY(replace.answered());
        QCOMPARE(question.text,
            "tone.wss already exists in " + out
                + ". Replace it? If the new file differs from it, the earlier file will be kept beside it as "
                  "tone.wss.~1~; if they are the same, it is left as it is.");
        QCOMPARE(fileContents(out + "/tone.wss.~1~"), QByteArray("an earlier file"));
        QCOMPARE(filesIn(out), QStringList({"tone.wss", "tone.wss.~1~"}));
    }

    // A run that could not write its outputs (the tool's exit code 3) offers another folder in
    // its failure box: picking one runs the same conversion there, and keeps the folder as the
    // choice. Other failures offer nothing. "ro" is on a read-only file system, as the tools see
    // it through the test's system call shim.
    void aFolderThatCannotBeWrittenOffersAnother_data()
    {
        QTest::addColumn<QString>("chosenFirst"); // the output folder before the run; "" beside the file
        QTest::addColumn<QString>("wav"); // in the sounds folder
        QTest::addColumn<QString>("firstLine"); // of the tool's error output in the box
        QTest::addColumn<bool>("offered");
        QTest::newRow("beside the file, read-only")
            << ""
            << "ro/tone.wav"
            << "WSSCod.exe: cannot write 'tone.wss' in '%1/ro': Read-only file system" << true;
        QTest::newRow("a read-only output folder")
            << "ro"
            << "tone.wav"
            << "WSSCod.exe: cannot write in the output folder '%1/ro': Read-only file system" << true;
        QTest::newRow("an output folder gone") << "gone"
                                               << "tone.wav"
                                               << "WSSCod.exe: the output folder '%1/gone' does not exist" << true;
        QTest::newRow("not a WAV file") << ""
                                        << "bad.wav"
                                        << "WSSCod.exe: 'bad.wav' is not a WAV file (it is empty)" << false;
    }
    void aFolderThatCannotBeWrittenOffersAnother()
    {
        QFETCH(QString, chosenFirst);
        QFETCH(QString, wav);
        QFETCH(QString, firstLine);
        QFETCH(bool, offered);
        QTemporaryDir sounds;
        for (const char *folder : {"ro", "other", "gone"})
            QVERIFY(QDir(sounds.path()).mkdir(folder));
        QVERIFY(writeWav(sounds.filePath("ro/tone.wav")));
        QVERIFY(writeWav(sounds.filePath("tone.wav")));
        writeFile(sounds.filePath("bad.wav"), "");
        if (!chosenFirst.isEmpty())
            chooseFolderFromTheList(sounds.filePath(chosenFirst));
        QVERIFY(QDir(sounds.filePath("gone")).removeRecursively());
        // The tools' AddressSanitizer would refuse a library loaded before it.
        qputenv("ASAN_OPTIONS", m_asanOptions + ":verify_asan_link_order=0");
        qputenv("LD_PRELOAD", QFile::encodeName(buildPath(SYSCALL_SHIM)));
        qputenv("TALVEN_SHIM_READ_ONLY", "ro");

        field("txtWavFileName")->setText(sounds.filePath(wav));
        FailureSeen failure;
        const ModalAnswer failed = AnswerNextFailure(&failure, true);
        const ModalAnswer other = AnswerNextFileDialog(sounds.filePath("other"));
        clickAndWait("cmdEnCode");
        QVERIFY(failed.answered());
        QCOMPARE(failure.text.section(u'\n', 2, 2), QString(firstLine).replace("%1", sounds.path()));
        QCOMPARE(failure.offered, offered);
        QCOMPARE(other.answered(), offered);
        const QString name = QFileInfo(wav).fileName();
        if (!offered) {
            QCOMPARE(filesIn(sounds.filePath("other")), QStringList());
            return;
        }
        // The same conversion again, into the folder picked, which is now the choice.
        QVERIFY2(failure.details.startsWith(QStringLiteral("Command line: WSSCod.exe ")), qPrintable(failure.details));
        QCOMPARE(filesIn(sounds.filePath("other")), QStringList{"tone.wss"});
        QCOMPARE(widget("statusText")->accessibleName(),
            QStringLiteral("Wrote tone.wss in %1").arg(sounds.filePath("other")));
        QCOMPARE(outputFolderBox()->currentText(), sounds.filePath("other"));
        QCOMPARE(filesIn(sounds.filePath("ro")), QStringList{name});
    }

private:
    const QByteArray m_asanOptions = qgetenv("ASAN_OPTIONS");
    PrivateSessionBus m_bus;
    RecordingFileManager m_fileManager;

    QComboBox *outputFolderBox() const { return m_window->findChild<QComboBox *>("cboOutputFolder"); }

    // Picks an item of the output folder list from the keyboard, as a user would: Alt+T, then a key.
    void pickFromTheList(Qt::Key key)
    {
        QApplication::setActiveWindow(m_window.get());
        QTest::keyClick(m_window.get(), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), outputFolderBox());
        QTest::keyClick(outputFolderBox(), key);
    }

    // "Choose a folder…", the last item, and the folder typed into the dialog (cancelled when "").
    void chooseFolderFromTheList(const QString &folder)
    {
        const ModalAnswer answer = AnswerNextFileDialog(folder, [](QFileDialog *dialog) {
            QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Choose the Output Folder"));
        });
        pickFromTheList(Qt::Key_End);
        QVERIFY(answer.answered());
    }
};

TALVEN_TEST_MAIN(TestOutputFolder)
#include "tst_output_folder.moc"
