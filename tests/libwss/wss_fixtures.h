#pragma once

// WSS files for the tests of libwss and the GStreamer plugin, made by the reference encoder
// WSSCod.exe from a WAV, and the sound WSSdec.exe decodes from them: the samples every reader must
// give. Also a main() that keeps the tests away from the real user's files.

#include "build_path.h"
#include "test_sound.h"
#include "wav_file.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cstdint>
#include <vector>

namespace wss_fixtures {

struct WssFile
{
    QString path;
    int channels = 0;
    int rate = 0;
    std::vector<std::int16_t> reference; // what WSSdec.exe decodes from it, interleaved
};

inline bool writeWav(const QString &path, int channels, int rate, const std::vector<std::int16_t> &pcm)
{
    return wav_file::write(path, channels, rate, pcm);
}

// The 16-bit samples of a WAV file, interleaved (empty when it cannot be read).
inline std::vector<std::int16_t> readWav(const QString &path, int *channels = nullptr, int *rate = nullptr)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<std::int16_t> pcm(std::size_t(info.frames * info.channels));
    const sf_count_t got = sf_readf_short(f, pcm.data(), info.frames);
    sf_close(f);
    pcm.resize(std::size_t(got * info.channels));
    if (channels)
        *channels = info.channels;
    if (rate)
        *rate = info.samplerate;
    return pcm;
}

// How WSSCod.exe codes a fixture: with its default search, or with greedy codes only
// (WSS_SEARCH=greedy): the same format, hundreds of times as fast, for files a test only reads.
enum class Coding { Default, Greedy };

inline bool runTool(const char *tool, const QString &file, Coding coding = Coding::Default)
{
    QProcess p;
    if (coding == Coding::Greedy) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WSS_SEARCH"), QStringLiteral("greedy"));
        p.setProcessEnvironment(environment);
    }
    p.start(buildPath(tool), {file});
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// `name`.wss in `folder`, coded by WSSCod.exe from `pcm`, with what WSSdec.exe decodes from it.
inline WssFile encodeWithTool(const QString &folder, const QString &name, int channels, int rate,
    const std::vector<std::int16_t> &pcm, Coding coding = Coding::Default)
{
    WssFile w;
    const QString wav = folder + u'/' + name + QStringLiteral(".wav");
    w.path = folder + u'/' + name + QStringLiteral(".wss");
    w.channels = channels;
    w.rate = rate;
    if (!writeWav(wav, channels, rate, pcm) || !runTool(WSSCOD, wav, coding) || !QFile::remove(wav))
        return {};
    // WSSdec.exe writes NAME.wav beside its input; a copy keeps the WSS file on its own.
    const QString copy = folder + u'/' + name + QStringLiteral("-ref.wss");
    if (!QFile::copy(w.path, copy) || !runTool(WSSDEC, copy))
        return {};
    w.reference = readWav(folder + u'/' + name + QStringLiteral("-ref.wav"));
    QFile::remove(copy);
    QFile::remove(folder + u'/' + name + QStringLiteral("-ref.wav"));
    return w;
}

inline WssFile makeWss(const QString &folder, const QString &name, int channels, int rate, std::size_t frames,
    Coding coding = Coding::Default)
{
    return encodeWithTool(folder, name, channels, rate, test_sound::makePcm16("music", channels, rate, frames), coding);
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// HOME, the XDG folders and GStreamer's registry in a temporary folder of this run.
inline QTemporaryDir &isolate()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/talven-test-home-XXXXXX"));
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("GST_REGISTRY", root + "/gst-registry.bin");
    return home;
}

} // namespace wss_fixtures

#define WSS_TEST_MAIN(TestObject)                                                                                      \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        wss_fixtures::isolate();                                                                                       \
        QCoreApplication app(argc, argv);                                                                              \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
