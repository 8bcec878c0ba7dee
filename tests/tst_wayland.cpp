// The window as a Wayland client, run by tests/session/test-wayland.sh under a headless weston
// (which has no seat: no keyboard, no pointer). It converts a file through the window with the
// real tools and opens the file dialog, typing into fields as a user would.

#include "gui_helpers.h"
#include "platform/wayland_seat.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QFileDialog>
#include <QTemporaryDir>

#include <sndfile.h>

#include <vector>

class TestWayland : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        qputenv("PATH", QFile::encodeName(buildPath(TOOLS_FOLDER)) + ':' + qgetenv("PATH"));
    }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void aFileTypedIntoTheWindowIsEncoded()
    {
        QTemporaryDir sounds;
        const std::vector<short> ramp = [] {
            std::vector<short> samples(22050);
            for (size_t i = 0; i < samples.size(); ++i)
                samples[i] = short(i % 2000 * 8);
            return samples;
        }();
        SF_INFO info{};
        info.samplerate = 22050;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE *wav = sf_open(QFile::encodeName(sounds.filePath("ramp.wav")).constData(), SFM_WRITE, &info);
        QVERIFY(wav);
        sf_writef_short(wav, ramp.data(), sf_count_t(ramp.size()));
        sf_close(wav);

        // The field takes the focus and shows its cursor: the way into the input method.
        field("txtWavFileName")->clear();
        field("txtWavFileName")->setFocus();
        QTest::keyClicks(field("txtWavFileName"), sounds.filePath("ramp.wav"));
        clickAndWait("cmdEnCode");
        QVERIFY(QFileInfo(sounds.filePath("ramp.wss")).size() > 0);
    }

    void selectWssOpensTheFileDialog()
    {
        QTemporaryDir sounds;
        writeFile(sounds.filePath("gun.wss"));
        const ModalAnswer answer = AnswerNextFileDialog(sounds.filePath("gun.wss"));
        click("cmdSelectWWSFileName");
        QVERIFY(answer.answered());
        QCOMPARE(field("txtWWSFileName")->text(), sounds.filePath("gun.wss"));
    }
};

// As the program's main(): the seat check comes before the QApplication.
int main(int argc, char *argv[])
{
    TestEnv::isolate();
    Platform::AvoidTextInputWithoutSeat();
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    TestWayland test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_wayland.moc"
