// The whole way through: pick a WAV file in the dialog, Encode with the real WSSCod.exe, pick the
// .wss, Decode with the real WSSdec.exe, and compare the sound that comes back; what the status
// line says of the real tools' runs, the replace question, Stop in a batch, a batch of failures.

#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "test_main.h"
#include "test_sound.h"
#include "wav_file.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kFrames = kRate; // one second
constexpr char kGreedy[] = "greedy";

std::vector<short> tone(int frames = kFrames)
{
    return test_sound::makePcm16("low sine", kChannels, kRate, frames);
}

bool writeWav(const QString &path, const std::vector<short> &samples)
{
    return wav_file::write(path, kChannels, kRate, samples);
}

std::vector<short> readWav(const QString &path, SF_INFO *info)
{
    *info = SF_INFO{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, info);
    if (!file)
        return {};
    std::vector<short> samples(size_t(info->frames) * size_t(info->channels));
    sf_readf_short(file, samples.data(), info->frames);
    sf_close(file);
    return samples;
}

} // namespace

class TestEndToEnd : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The real tools, found on the PATH as an installed copy would find them in its folder.
        qputenv("PATH", QFile::encodeName(buildPath(TOOLS_FOLDER)) + ':' + qgetenv("PATH"));
        // The encoder writes greedy codes, the same format hundreds of times as soon as its default
        // search: these tests are about the window's runs, not the codes. The first test runs
        // the encoder as it comes.
        qputenv("WSS_SEARCH", kGreedy);
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void encodeThenDecodeThroughTheButtons()
    {
        qunsetenv("WSS_SEARCH");
        const auto greedyAgain = qScopeGuard([] { qputenv("WSS_SEARCH", kGreedy); });
        QTemporaryDir sounds;
        const std::vector<short> original = tone();
        QVERIFY(writeWav(sounds.filePath("tone.wav"), original));

        {
            const ModalAnswer answer = AnswerNextFileDialog(sounds.filePath("tone.wav"));
            click("cmdSelectWAVFileName");
            QVERIFY(answer.answered());
        }
        clickAndWait("cmdEnCode");
        QVERIFY(QFileInfo(sounds.filePath("tone.wss")).size() > 0);

        QVERIFY(QFile::rename(sounds.filePath("tone.wav"), sounds.filePath("original.wav")));
        {
            const ModalAnswer answer = AnswerNextFileDialog(sounds.filePath("tone.wss"));
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }
        clickAndWait("cmdDecode");

        SF_INFO info;
        const std::vector<short> decoded = readWav(sounds.filePath("tone.wav"), &info);
        QCOMPARE(info.frames, sf_count_t(kFrames));
        QCOMPARE(info.samplerate, kRate);
        QCOMPARE(info.channels, kChannels);
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        const double snr = test_sound::worstChannelSnr(original, decoded, kChannels);
        qInfo("signal-to-noise ratio after encoding and decoding: %.1f dB", snr);
        QVERIFY2(snr > 30, qPrintable(QString::number(snr)));
    }

    // A file whose name reads as an option is converted as a file: the real tools are given
    // "./-name", one argument, in the file's folder.
    void aNameThatReadsAsAnOptionIsConverted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("output");
        QTest::newRow("--version") << "--version"
                                   << "--version.wss";
        QTest::newRow("-h") << "-h"
                            << "-h.wss";
        QTest::newRow("-f") << "-f"
                            << "-f.wss";
        QTest::newRow("-take.wav") << "-take.wav"
                                   << "-take.wss";
        QTest::newRow("a pattern: -t*.wav") << "-t*.wav"
                                            << "-take.wss";
    }
    void aNameThatReadsAsAnOptionIsConverted()
    {
        QFETCH(QString, name);
        QFETCH(QString, output);
        QTemporaryDir sounds;
        const QString file = name.contains(u'*') ? QStringLiteral("-take.wav") : name;
        QVERIFY(writeWav(sounds.filePath(file), tone()));
        field("txtWavFileName")->setText(sounds.filePath(name));
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdEnCode");
        QVERIFY2(!answer.answered(), qPrintable(message.text));
        QVERIFY(QFileInfo(sounds.filePath(output)).size() > 0);
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Wrote %1 in %2").arg(output, sounds.path()));
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files).size(), 2); // the input and its output alone
    }

    // The window runs the tool with the name as typed; the tool converts every file it names.
    void aWildcardPathConvertsEveryMatch()
    {
        QTemporaryDir sounds;
        for (const char *name : {"a.wav", "b.wav", ".hidden.wav"})
            QVERIFY(writeWav(sounds.filePath(name), tone()));
        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        clickAndWait("cmdEnCode");
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files), QStringList({"a.wav", "a.wss", "b.wav", "b.wss"}));
    }

    // Encode, then Decode the new .wss over the original WAV: the window asks first. Replace
    // decodes and keeps the original beside the copy; Cancel (or Esc) runs nothing.
    void decodingOverTheOriginalWavAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Replace") << "Replace" << true;
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("Esc") << "Esc" << false;
    }
    void decodingOverTheOriginalWavAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, replaced);
        QTemporaryDir sounds;
        QVERIFY(writeWav(sounds.filePath("tone.wav"), tone()));
        QFile original(sounds.filePath("tone.wav"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray originalBytes = original.readAll();
        original.close();
        field("txtWavFileName")->setText(sounds.filePath("tone.wav"));
        clickAndWait("cmdEnCode");
        const QStringList before = QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden);

        field("txtWWSFileName")->setText(sounds.filePath("tone.wss"));
        QuestionSeen question;
        const ModalAnswer asked = AnswerNextQuestion(answer, &question);
        clickAndWait("cmdDecode");
        QVERIFY(asked.answered());
        QCOMPARE(question.text,
            "tone.wav already exists in " + sounds.path()
                + ". Replace it? If the new file differs from it, the earlier file will be kept beside it as "
                  "tone.wav.~1~; if they are the same, it is left as it is.");
        QCOMPARE(question.buttons, (QStringList{"Cancel", "Replace"})); // nothing to skip to
        QCOMPARE(question.defaultButton, QStringLiteral("Cancel"));
        QVERIFY2(question.offCentre >= 0 && question.offCentre < 60, qPrintable(QString::number(question.offCentre)));

        if (!replaced) {
            QCOMPARE(QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden), before);
            QVERIFY(original.open(QIODevice::ReadOnly));
            QCOMPARE(original.readAll(), originalBytes);
            return;
        }
        QFile kept(sounds.filePath("tone.wav.~1~"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), originalBytes);
        SF_INFO info;
        QCOMPARE(readWav(sounds.filePath("tone.wav"), &info).size(), tone().size()); // the decoded copy
    }

    void aDamagedFileIsReportedWithTheToolsReason()
    {
        QTemporaryDir sounds;
        QVERIFY(writeWav(sounds.filePath("tone.wav"), tone()));
        field("txtWavFileName")->setText(sounds.filePath("tone.wav"));
        clickAndWait("cmdEnCode");
        QVERIFY(QFile::remove(sounds.filePath("tone.wav")));

        QFile wss(sounds.filePath("tone.wss"));
        QVERIFY(wss.open(QIODevice::ReadWrite));
        wss.seek(wss.size() / 2);
        const char flipped = char(~wss.peek(1).at(0));
        wss.write(&flipped, 1);
        wss.close();

        field("txtWWSFileName")->setText(sounds.filePath("tone.wss"));
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdDecode");
        QVERIFY(answer.answered());
        QVERIFY2(message.text.startsWith("Could not decode tone.wss.\n\n"), qPrintable(message.text));
        QVERIFY2(
            message.details.startsWith("Command line: WSSdec.exe tone.wss\nExit code: "), qPrintable(message.details));
        QVERIFY2(message.text.contains("damaged"), qPrintable(message.text));
        QVERIFY(!QFile::exists(sounds.filePath("tone.wav")));
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tone.wss"});
    }

    // What the status line says after the real tools' runs, and through a batch.
    void theStatusLineSaysWhatWasWritten_data()
    {
        QTest::addColumn<QStringList>("wavs");
        QTest::addColumn<QStringList>("earlier"); // outputs there before the run
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // %1 stands for the folder
        QTest::newRow("one file") << QStringList{"tone.wav"} << QStringList{} << "tone.wav"
                                  << "Wrote tone.wss in %1";
        QTest::newRow("one file, the earlier output kept")
            << QStringList{"tone.wav"} << QStringList{"tone.wss"} << "tone.wav"
            << "Wrote tone.wss in %1. The earlier tone.wss is kept as tone.wss.~1~";
        QTest::newRow("a batch") << QStringList{"a.wav", "b.wav", "c.wav"} << QStringList{"b.wss", "c.wss"} << "*.wav"
                                 << "Encoded 3 files in %1. 2 replaced files kept as backups (NAME.~N~)";
    }
    void theStatusLineSaysWhatWasWritten()
    {
        QFETCH(QStringList, wavs);
        QFETCH(QStringList, earlier);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QTemporaryDir sounds;
        for (const QString &name : wavs)
            QVERIFY(writeWav(sounds.filePath(name), tone()));
        for (const QString &name : earlier)
            writeFile(sounds.filePath(name), "an earlier file");
        QStringList said;
        connect(m_window->findChild<StatusLine *>(), &StatusLine::messageChanged, this, [&](const QString &text) {
            said << (widget("statusText")->accessibleName() == text ? text : QStringLiteral("(not told)"));
        });
        QSignalSpy bar(m_window->findChild<QProgressBar *>(), &QProgressBar::valueChanged);

        field("txtWavFileName")->setText(sounds.filePath(typed));
        QuestionSeen question;
        const ModalAnswer replace = AnswerNextQuestion(QStringLiteral("Replace"), &question);
        clickAndWait("cmdEnCode");
        QCOMPARE(replace.answered(), !earlier.isEmpty());
        QCOMPARE(said.last(), expected.arg(sounds.path()));
        QVERIFY(button("cmdShowInFolder")->isVisible());
        for (const QString &name : earlier)
            QCOMPARE(fileContents(sounds.filePath(name + ".~1~")), QByteArray("an earlier file"));
        // Each new status, as a screen reader hears it; the count and the bar reach 3 of 3.
        if (wavs.size() > 1) {
            QCOMPARE(said,
                (QStringList{"Encoding *.wav…", "Encoding 1 of 3: a.wav", "Encoding 2 of 3: b.wav",
                    "Encoding 3 of 3: c.wav", expected.arg(sounds.path())}));
            QCOMPARE(bar.last().first().toInt(), 3);
            QCOMPARE(m_window->findChild<QProgressBar *>()->maximum(), 3);
        }
    }

    // A batch where some outputs exist: the question offers Replace, Skip existing and Cancel. Skip
    // existing makes only the missing outputs and leaves the others exactly as they were; Replace
    // keeps each earlier file that differs; Cancel runs nothing. The status line says which.
    void aBatchWithSomeOutputsThere_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("made"); // outputs new after the run, with backups
        QTest::addColumn<QString>("said"); // %1 stands for the folder
        QTest::newRow("Skip existing")
            << "Skip existing" << QStringList{"a.wss", "d.wss"}
            << "Encoded 2 files in %1. Files skipped because their output already existed: 2";
        QTest::newRow("Replace") << "Replace" << QStringList{"a.wss", "b.wss.~1~", "c.wss.~1~", "d.wss"}
                                 << "Encoded 4 files in %1. 2 replaced files kept as backups (NAME.~N~)";
        QTest::newRow("Cancel") << "Cancel" << QStringList{} << "";
    }
    void aBatchWithSomeOutputsThere()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, made);
        QFETCH(QString, said);
        QTemporaryDir sounds;
        for (const char *name : {"a.wav", "b.wav", "c.wav", "d.wav"})
            QVERIFY(writeWav(sounds.filePath(name), tone()));
        writeFile(sounds.filePath("b.wss"), "earlier b");
        writeFile(sounds.filePath("c.wss"), "earlier c");
        const QDateTime earlierTime = QFileInfo(sounds.filePath("b.wss")).lastModified().addSecs(-3600);
        for (const char *name : {"b.wss", "c.wss"}) {
            QFile earlier(sounds.filePath(name));
            QVERIFY(earlier.open(QIODevice::ReadWrite));
            QVERIFY(earlier.setFileTime(earlierTime, QFileDevice::FileModificationTime));
        }
        const QStringList before = QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden);

        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        QuestionSeen question;
        const ModalAnswer asked = AnswerNextQuestion(answer, &question);
        clickAndWait("cmdEnCode");
        QVERIFY(asked.answered());
        QCOMPARE(question.buttons, (QStringList{"Cancel", "Replace", "Skip existing"}));
        QCOMPARE(question.defaultButton, QStringLiteral("Cancel"));
        QVERIFY2(question.text.startsWith("2 of the 4 WSS files already exist in " + sounds.path()),
            qPrintable(question.text));

        QStringList after = QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : before)
            QVERIFY2(after.removeOne(name), qPrintable(name));
        QCOMPARE(after, made);
        QCOMPARE(widget("statusText")->accessibleName(), said.isEmpty() ? said : said.arg(sounds.path()));
        if (answer == QLatin1String("Replace"))
            return;
        // Skipped or cancelled: the earlier outputs are exactly as they were.
        for (const char *name : {"b.wss", "c.wss"}) {
            QCOMPARE(fileContents(sounds.filePath(name)), "earlier " + QByteArray(name).left(1));
            QCOMPARE(QFileInfo(sounds.filePath(name)).lastModified(), earlierTime);
        }
    }

    // A second run over outputs that already hold the same sound: the question promises a backup
    // only of what differs, none is made, and the status line says they were left as they were.
    void aSecondRunOverTheSameOutputsKeepsNoBackup()
    {
        QTemporaryDir sounds;
        for (const char *name : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(writeWav(sounds.filePath(name), tone()));
        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        clickAndWait("cmdEnCode");
        const QStringList first = QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(first.size(), 6);

        QuestionSeen question;
        const ModalAnswer replace = AnswerNextQuestion(QStringLiteral("Replace"), &question);
        clickAndWait("cmdEnCode");
        QVERIFY(replace.answered());
        QCOMPARE(question.text,
            "All 3 WSS files already exist in " + sounds.path()
                + ". Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; "
                  "those that are the same are left as they are.");
        QCOMPARE(question.buttons, (QStringList{"Cancel", "Replace"}));
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden), first); // no backup made
        QCOMPARE(widget("statusText")->accessibleName(),
            "Encoded 3 files in " + sounds.path() + ". Files that already held the same sound, left as they were: 3");
    }

    // Stopped mid-batch: every output name holds its earlier file or a whole new one, the earlier
    // files of those replaced are kept, and no temporary file is left.
    void stopInABatchLeavesOldOrWholeFiles()
    {
        constexpr int kFiles = 400;
        QTemporaryDir sounds;
        // A tenth of a second each: the batch, not the sound, is what is stopped.
        QVERIFY(writeWav(sounds.filePath("take000.wav"), tone(kRate / 10)));
        for (int i = 1; i < kFiles; ++i)
            QVERIFY(QFile::copy(sounds.filePath("take000.wav"),
                sounds.filePath(QStringLiteral("take%1.wav").arg(i, 3, 10, QChar(u'0')))));
        for (int i = 0; i < kFiles; i += 10)
            writeFile(sounds.filePath(QStringLiteral("take%1.wss").arg(i, 3, 10, QChar(u'0'))), "earlier");
        // The same sound encoded on its own: every new output must be exactly this.
        QTemporaryDir reference;
        QVERIFY(QFile::copy(sounds.filePath("take000.wav"), reference.filePath("take.wav")));
        QProcess encoder;
        encoder.setWorkingDirectory(reference.path());
        encoder.start(buildPath(TOOLS_FOLDER) + QStringLiteral("/WSSCod.exe"), {QStringLiteral("take.wav")});
        QVERIFY(encoder.waitForFinished() && encoder.exitCode() == 0);
        const QByteArray whole = fileContents(reference.filePath("take.wss"));
        QVERIFY(!whole.isEmpty());

        // Stop once a good part of the batch has gone by.
        connect(m_window->findChild<StatusLine *>(), &StatusLine::messageChanged, this, [this](const QString &text) {
            if (text.startsWith(QLatin1String("Encoding 80 of ")))
                click("cmdStop");
        });
        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        QuestionSeen question;
        const ModalAnswer replace = AnswerNextQuestion(QStringLiteral("Replace"), &question);
        clickAndWait("cmdEnCode"); // no message box: the user stopped it
        QVERIFY(replace.answered());
        QCOMPARE(question.text,
            "40 of the 400 WSS files already exist in " + sounds.path()
                + ". Replace them, or skip them and make only the others? Earlier files that differ from the new "
                  "ones will be kept beside them as NAME.~N~; those that are the same are left as they are.");

        const QString said = widget("statusText")->accessibleName();
        int written = 0, kept = 0;
        for (int i = 0; i < kFiles; ++i) {
            const QString output = sounds.filePath(QStringLiteral("take%1.wss").arg(i, 3, 10, QChar(u'0')));
            const QByteArray bytes = fileContents(output);
            if (bytes == whole) {
                ++written;
                if (i % 10 == 0) {
                    ++kept;
                    QCOMPARE(fileContents(output + ".~1~"), QByteArray("earlier"));
                }
            } else if (i % 10 == 0) {
                QCOMPARE(bytes, QByteArray("earlier"));
            } else {
                QVERIFY2(!QFile::exists(output), qPrintable(output));
            }
        }
        QVERIFY2(written < kFiles, "the batch ended before Stop");
        QVERIFY2(kept > 1, "too few files in place when stopped to tell"); // outputs are placed 64 at a time
        QCOMPARE(said,
            QStringLiteral("Stopped after %1 of 400 files. %2 replaced files kept as backups (NAME.~N~)")
                .arg(written)
                .arg(kept));
        QCOMPARE(QDir(sounds.path())
                     .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)
                     .filter(QRegularExpression("^\\.")),
            QStringList());
    }

    // 60 failures: the message counts those left out, the box's details hold every line.
    void aBatchOfFailuresIsReportedWhole()
    {
        QTemporaryDir sounds;
        for (int i = 1; i <= 60; ++i)
            writeFile(sounds.filePath(QStringLiteral("f%1.wav").arg(i, 2, 10, QChar(u'0'))), "");
        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdEnCode");
        QVERIFY(answer.answered());
        // After the command line, how it ended and a blank line.
        QStringList details = message.details.split(u'\n');
        QCOMPARE(details.size(), 64);
        QCOMPARE(details.first(), QStringLiteral("Command line: WSSCod.exe *.wav"));
        details = details.mid(3);
        for (int i = 1; i <= 60; ++i)
            QVERIFY2(details.at(i - 1).contains(QStringLiteral("'f%1.wav'").arg(i, 2, 10, QChar(u'0'))),
                qPrintable(details.at(i - 1)));
        QCOMPARE(details.last(), QStringLiteral("WSSCod.exe: 0 of 60 files encoded; 60 failed"));
        const QStringList shown = message.text.split(u'\n');
        const QStringList expected = details.mid(0, 9) << QStringLiteral("…and 51 more") << details.last();
        QCOMPARE(shown.mid(2), expected);
        QCOMPARE(widget("statusText")->accessibleName(), QStringLiteral("Encoding *.wav failed"));
    }
};

TALVEN_TEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
