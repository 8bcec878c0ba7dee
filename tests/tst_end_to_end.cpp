// The whole way through: pick a WAV file in the dialog, Encode with the real WSSCod.exe, pick the
// .wss, Decode with the real WSSdec.exe, and compare the sound that comes back.

#include "gui_helpers.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kFrames = kRate; // one second

std::vector<short> tone()
{
    std::vector<short> samples(size_t(kFrames) * kChannels);
    for (int i = 0; i < kFrames; ++i) {
        samples[size_t(i) * 2] = short(12000 * std::sin(2 * M_PI * 440 * i / kRate));
        samples[size_t(i) * 2 + 1] = short(8000 * std::sin(2 * M_PI * 660 * i / kRate));
    }
    return samples;
}

bool writeWav(const QString &path, const std::vector<short> &samples)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = kChannels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t written = sf_writef_short(file, samples.data(), sf_count_t(samples.size() / kChannels));
    sf_close(file);
    return written == sf_count_t(samples.size() / kChannels);
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

double snrDb(const std::vector<short> &reference, const std::vector<short> &decoded)
{
    double signal = 0, noise = 0;
    for (size_t i = 0; i < reference.size(); ++i) {
        signal += double(reference[i]) * reference[i];
        noise += double(reference[i] - decoded[i]) * (reference[i] - decoded[i]);
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

} // namespace

class TestEndToEnd : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The real tools, found on the PATH as an installed copy would find them in its folder.
        qputenv("PATH", QFile::encodeName(QStringLiteral(TOOLS_FOLDER)) + ':' + qgetenv("PATH"));
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void encodeThenDecodeThroughTheButtons()
    {
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
        const double snr = snrDb(original, decoded);
        qInfo("signal-to-noise ratio after encoding and decoding: %.1f dB", snr);
        QVERIFY2(snr > 30, qPrintable(QString::number(snr)));
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
                + ". Replace it? The earlier file will be kept beside it as tone.wav.~1~.");
        QCOMPARE(question.defaultButton, QStringLiteral("Cancel"));

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
        QVERIFY2(message.text.startsWith("'WSSdec.exe tone.wss' failed with exit code "), qPrintable(message.text));
        QVERIFY2(message.text.contains("damaged"), qPrintable(message.text));
        QVERIFY(!QFile::exists(sounds.filePath("tone.wav")));
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tone.wss"});
    }
};

TALVEN_TEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
