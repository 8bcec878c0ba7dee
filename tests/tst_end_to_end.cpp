// The whole way through: pick a WAV file in the dialog, Encode with the real WSSCod.exe, pick the
// .wss, Decode with the real WSSdec.exe, and compare the sound that comes back.

#include "gui_helpers.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "test_main.h"
#include "test_sound.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kFrames = kRate; // one second

std::vector<short> tone()
{
    return test_sound::makePcm16("low sine", kChannels, kRate, kFrames);
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
        click("cmdEnCode");
        QVERIFY(QFileInfo(sounds.filePath("tone.wss")).size() > 0);

        QVERIFY(QFile::rename(sounds.filePath("tone.wav"), sounds.filePath("original.wav")));
        {
            const ModalAnswer answer = AnswerNextFileDialog(sounds.filePath("tone.wss"));
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }
        click("cmdDecode");

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

    // The window runs the tool with the name as typed; the tool converts every file it names.
    void aWildcardPathConvertsEveryMatch()
    {
        QTemporaryDir sounds;
        for (const char *name : {"a.wav", "b.wav", ".hidden.wav"})
            QVERIFY(writeWav(sounds.filePath(name), tone()));
        field("txtWavFileName")->setText(sounds.filePath("*.wav"));
        click("cmdEnCode");
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files), QStringList({"a.wav", "a.wss", "b.wav", "b.wss"}));
    }

    // Encode, then Decode the new .wss: the original WAV is kept beside the decoded copy.
    void decodingOverTheOriginalWavKeepsIt()
    {
        QTemporaryDir sounds;
        QVERIFY(writeWav(sounds.filePath("tone.wav"), tone()));
        QFile original(sounds.filePath("tone.wav"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray originalBytes = original.readAll();
        field("txtWavFileName")->setText(sounds.filePath("tone.wav"));
        click("cmdEnCode");
        field("txtWWSFileName")->setText(sounds.filePath("tone.wss"));
        click("cmdDecode");

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
        click("cmdEnCode");
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
        click("cmdDecode");
        QVERIFY(answer.answered());
        QVERIFY2(message.text.startsWith("'WSSdec.exe tone.wss' failed with exit code "), qPrintable(message.text));
        QVERIFY2(message.text.contains("damaged"), qPrintable(message.text));
        QVERIFY(!QFile::exists(sounds.filePath("tone.wav")));
        QCOMPARE(QDir(sounds.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tone.wss"});
    }
};

TALVEN_TEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
