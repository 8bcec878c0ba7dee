// WSSCod.exe and WSSdec.exe run as the program runs them: one file name, in the file's folder.
// Every test works in its own temporary folder.

#include "build_path.h"
#include "test_sound.h"
#include "tool_process.h"
#include "wss_block_coder.h"
#include "wss_header.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <random>
#include <vector>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

using tool_process::environmentWith;
using tool_process::kDecoder;
using tool_process::kEncoder;
using tool_process::readFile;
using tool_process::Result;
using tool_process::run;
using tool_process::temporaryFiles;

// The environment of a tool run with syscall_shim.cpp between it and the C library, set as
// `settings` ("TALVEN_SHIM_LOG=...") say. (AddressSanitizer would refuse a library loaded before it.)
QStringList shim(const QStringList &settings)
{
    return QStringList{QStringLiteral("LD_PRELOAD=") + buildPath(SYSCALL_SHIM),
               QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")}
    + settings;
}

// For tests of permissions: as root, the tool runs as nobody (root may read any folder and link
// any file); `dir` is opened to it. Otherwise nothing changes.
std::function<void()> asNobody(const QString &dir)
{
    if (::geteuid() != 0)
        return [] {};
    QFile::setPermissions(dir,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::WriteOther | QFileDevice::ExeOther);
    return [] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
    };
}

// Every entry in a folder, hidden ones too, with the contents of the regular files.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo &fi : QDir(dir).entryInfoList(filter)) {
        struct stat st
        {
        };
        QFile f(fi.filePath());
        if (::lstat(QFile::encodeName(fi.filePath()).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            files[fi.fileName()] = "<not a regular file>";
        else if (f.open(QIODevice::ReadOnly))
            files[fi.fileName()] = f.readAll();
        else
            files[fi.fileName()] = "<unreadable>";
    }
    return files;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}

bool writeSound(const QString &path, int format, int channels, int rate, const std::vector<double> &s)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    sf_command(f, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t frames = sf_count_t(s.size()) / channels;
    const bool ok = sf_writef_double(f, s.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

struct Sound
{
    SF_INFO info{};
    std::vector<double> samples; // in 16-bit units
};

Sound readSound(const QString &path)
{
    Sound s;
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &s.info);
    if (!f)
        return s;
    s.samples.resize(std::size_t(s.info.frames * s.info.channels));
    sf_readf_double(f, s.samples.data(), s.info.frames);
    sf_close(f);
    for (double &v : s.samples)
        v = std::clamp(v * 32768.0, -32768.0, 32767.0);
    return s;
}

double worstChannelSnr(const Sound &ref, const Sound &out)
{
    return test_sound::worstChannelSnr(ref.samples, out.samples, ref.info.channels);
}

// Sample i, in interleaved order, of the sound in makeWss().
std::int16_t wssTestSample(std::uint64_t i)
{
    return std::int16_t(8000 * std::sin(double(i) / 40.0));
}

// A valid WSS file made with the codec library: stereo sine, three and a half blocks.
QByteArray makeWss(wss::Header h = {})
{
    if (h.sampleRate == 0) {
        h.sampleRate = 44100;
        h.channels = 2;
        h.frames = h.blockFrames * 3 + h.blockFrames / 2;
    }
    const auto header = wss::serializeHeader(h);
    QByteArray file(reinterpret_cast<const char *>(header.data()), int(header.size()));
    wss::BlockEncoder enc(h.channels, wss::Search::Greedy); // files for the decoder: greedy codes are quicker to make
    std::vector<std::int16_t> pcm(std::size_t(h.blockFrames) * h.channels);
    std::vector<std::uint8_t> block(wss::blockBytes(h.channels, h.blockFrames));
    for (std::uint64_t b = 0; b < wss::blockCount(h); ++b) {
        const std::size_t n = wss::framesInBlock(h, b);
        for (std::size_t i = 0; i < pcm.size(); ++i)
            pcm[i] = wssTestSample(b * pcm.size() + i);
        const std::size_t size = enc.encode(pcm, n, block);
        file.append(reinterpret_cast<const char *>(block.data()), int(size));
    }
    return file;
}

// The WSS file with the checksum of every block made right for the contents it now has.
QByteArray withChecksumsRight(QByteArray file, const wss::Header &h)
{
    wss::Crc32 crc;
    qsizetype at = qsizetype(wss::kHeaderSize);
    for (std::uint64_t b = 0; b < wss::blockCount(h); ++b) {
        const auto body = qsizetype(wss::blockBytes(h.channels, wss::framesInBlock(h, b)) - 4);
        crc.update(std::span(reinterpret_cast<const std::uint8_t *>(file.constData() + at), std::size_t(body)));
        for (int i = 0; i < 4; ++i)
            file[at + body + i] = char(crc.value() >> (8 * i));
        at += body + 4;
    }
    return file;
}

// A child setup that lets the tool open the usual 1024 descriptors (so that a batch holds 64).
void enoughDescriptors()
{
    rlimit lim{};
    ::getrlimit(RLIMIT_NOFILE, &lim);
    lim.rlim_cur = std::min<rlim_t>(1024, lim.rlim_max);
    ::setrlimit(RLIMIT_NOFILE, &lim);
}

// The little-endian bytes of a 32-bit number.
QByteArray le32(quint32 v)
{
    const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(bytes, 4);
}

// a.wav, b.wav and c.wav, and c.wss already there: one output new, one replacing.
bool writeThreeWavsAndAnEarlierOutput(const QDir &d)
{
    for (const char *name : {"a.wav", "b.wav", "c.wav"})
        if (!writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
                test_sound::makeSound("low sine", 1, 8000, 3000)))
            return false;
    writeFile(d.filePath("c.wss"), "earlier");
    return true;
}

} // namespace

class TestWssTools : public QObject
{
    Q_OBJECT

private slots:
    // The tools speak the user's language; these tests quote their English messages.
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<qint64>("frames");
        QTest::addColumn<double>("minSnr");
        const int wav = SF_FORMAT_WAV;
        QTest::newRow("sine mono 16-bit 44.1k")
            << "low sine" << (wav | SF_FORMAT_PCM_16) << 1 << 44100 << qint64(3 * 44100 + 17) << 36.0;
        QTest::newRow("sine stereo 16-bit 48k")
            << "low sine" << (wav | SF_FORMAT_PCM_16) << 2 << 48000 << qint64(1025 * 40) << 36.0;
        QTest::newRow("sine 8ch 24-bit 96k")
            << "low sine" << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_24) << 8 << 96000 << qint64(96001) << 36.0;
        QTest::newRow("sine stereo 32-bit 192k")
            << "low sine" << (wav | SF_FORMAT_PCM_32) << 2 << 192000 << qint64(50000) << 36.0;
        QTest::newRow("sine stereo float 22.05k")
            << "low sine" << (wav | SF_FORMAT_FLOAT) << 2 << 22050 << qint64(30000) << 36.0;
        QTest::newRow("sine mono double 16k")
            << "low sine" << (wav | SF_FORMAT_DOUBLE) << 1 << 16000 << qint64(20000) << 36.0;
        QTest::newRow("sine mono 8-bit 8k")
            << "low sine" << (wav | SF_FORMAT_PCM_U8) << 1 << 8000 << qint64(16003) << 30.0;
        QTest::newRow("loud float, clipped")
            << "loud sine" << (wav | SF_FORMAT_FLOAT) << 2 << 44100 << qint64(30000) << 25.0;
        QTest::newRow("noise mono 16-bit 44.1k")
            << "white" << (wav | SF_FORMAT_PCM_16) << 1 << 44100 << qint64(88200) << 12.0;
        QTest::newRow("noise stereo 24-bit 48k")
            << "white" << (wav | SF_FORMAT_PCM_24) << 2 << 48000 << qint64(48000) << 12.0;
        for (qint64 n : {0, 1, 2, 1024, 1025, 1026})
            QTest::addRow("%lld frames", n) << "low sine" << (wav | SF_FORMAT_PCM_16) << 2 << 44100 << n << 0.0;
    }

    void roundTrip()
    {
        QFETCH(QString, kind);
        QFETCH(int, format);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(qint64, frames);
        QFETCH(double, minSnr);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeSound(dir.filePath("in.wav"), format, channels, rate,
            test_sound::makeSound(kind.toStdString(), channels, rate, std::size_t(frames))));
        const Sound ref = readSound(dir.filePath("in.wav"));
        QCOMPARE(ref.info.frames, frames);

        // The short rows through the search, as the program runs the encoder; the sample formats
        // and channel layouts are the point of the others, which code greedily (the same format,
        // hundreds of times as fast as the search).
        Result r = run(
            kEncoder, dir.path(), {"in.wav"}, {}, frames > 1026 ? QStringList{"WSS_SEARCH=greedy"} : QStringList{});
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        // The size follows from the layout: header, then per block a 4-byte header per channel,
        // a byte per two frames after the first, and a checksum.
        qint64 size = 32;
        for (qint64 left = frames; left > 0; left -= 1025)
            size += channels * (4 + std::min<qint64>(left, 1025) / 2) + 4;
        QCOMPARE(QFileInfo(dir.filePath("in.wss")).size(), size);

        r = run(kDecoder, dir.path(), {"-f", "in.wss"}); // over the original, without a backup
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        QCOMPARE(snapshot(dir.path()).keys(), QStringList({"in.wav", "in.wss"}));
        const Sound out = readSound(dir.filePath("in.wav"));
        QCOMPARE(out.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(out.info.channels, channels);
        QCOMPARE(out.info.samplerate, rate);
        QCOMPARE(out.info.frames, frames);
        // The first frame of every block is stored whole.
        for (qint64 i = 0; i < frames * channels; i += qint64(1025) * channels)
            for (int c = 0; c < channels; ++c)
                QCOMPARE(out.samples[i + c], std::nearbyint(ref.samples[i + c]));
        if (minSnr > 0) {
            const double snr = worstChannelSnr(ref, out);
            qInfo("SNR %.1f dB", snr);
            QVERIFY2(snr >= minSnr, qPrintable(QString("SNR %1 dB").arg(snr)));
        }
    }

    // Other writers may choose another block size; an even one leaves an unused half byte in
    // every block.
    void decodesOtherBlockSizes()
    {
        QTemporaryDir dir;
        wss::Header h;
        h.sampleRate = 11025;
        h.channels = 3;
        h.blockFrames = 100;
        h.frames = 1050;
        writeFile(dir.filePath("in.wss"), makeWss(h));
        const Result r = run(kDecoder, dir.path(), {"in.wss"});
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        const Sound out = readSound(dir.filePath("in.wav"));
        QCOMPARE(out.info.frames, 1050);
        QCOMPARE(out.info.channels, 3);
        Sound ref = out;
        for (std::size_t i = 0; i < ref.samples.size(); ++i)
            ref.samples[i] = wssTestSample(i);
        const double snr = worstChannelSnr(ref, out);
        qInfo("SNR %.1f dB", snr);
        QVERIFY2(snr >= 28, qPrintable(QString("SNR %1 dB").arg(snr)));
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");

        QTemporaryDir scratch;
        auto soundFile = [&](int format, int channels) {
            const QString path = scratch.filePath("x");
            writeSound(path, format, channels, 8000, test_sound::makeSound("low sine", channels, 8000, 100));
            return readFile(path);
        };
        const QByteArray wss = makeWss();
        auto flipped = [&](qsizetype at) {
            QByteArray b = wss;
            b[at] = char(b[at] ^ 0x20);
            return b;
        };
        const qsizetype block = qsizetype(wss::blockBytes(2, 1025));
        const QString damaged = "damaged WSS file 'in.wss': ";

        QTest::newRow("missing wav") << kEncoder << "in.wav" << QByteArray() << 1
                                     << "cannot open 'in.wav': No such file or directory";
        QTest::newRow("missing wss") << kDecoder << "in.wss" << QByteArray() << 1
                                     << "cannot open 'in.wss': No such file or directory";
        QTest::newRow("empty wav") << kEncoder << "in.wav" << QByteArray("") << 1
                                   << "'in.wav' is not a WAV file (it is empty)";
        QTest::newRow("empty wss") << kDecoder << "in.wss" << QByteArray("") << 1
                                   << "'in.wss' is not a WSS file (it is empty)";
        QTest::newRow("text as wav") << kEncoder << "in.wav" << QByteArray("hello\n") << 1
                                     << "'in.wav' is not a WAV file";
        QTest::newRow("aiff as wav") << kEncoder << "in.wav" << soundFile(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1) << 1
                                     << "'in.wav' is not a WAV file";
        QTest::newRow("wav as wss") << kDecoder << "in.wss" << soundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1) << 1
                                    << "'in.wss' is not a WSS file";
        QTest::newRow("9 channels") << kEncoder << "in.wav" << soundFile(SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 9) << 1
                                    << "unsupported layout in 'in.wav': 9 channels (at most 8)";
        wss::Header v2;
        v2.version = 2;
        v2.sampleRate = 8000;
        v2.channels = 1;
        QTest::newRow("version 2") << kDecoder << "in.wss" << makeWss(v2).left(32) << 1
                                   << "unsupported WSS file 'in.wss': format version 2 (this decoder reads version 1)";
        QTest::newRow("cut in header") << kDecoder << "in.wss" << wss.left(20) << 1
                                       << damaged + "the file ends inside the header";
        QTest::newRow("cut in block") << kDecoder << "in.wss" << wss.left(32 + block + 100) << 1
                                      << damaged + "the file ends inside block 2 of 4";
        QTest::newRow("last byte missing")
            << kDecoder << "in.wss" << wss.chopped(1) << 1 << damaged + "the file ends inside block 4 of 4";
        QTest::newRow("byte added") << kDecoder << "in.wss" << wss + '\0' << 1 << damaged + "data after the last block";
        QTest::newRow("flip in header") << kDecoder << "in.wss" << flipped(8) << 1
                                        << damaged + "header checksum mismatch";
        QTest::newRow("flip in block head")
            << kDecoder << "in.wss" << flipped(32 + 5) << 1 << damaged + "block 1 of 4 fails its checksum";
        QTest::newRow("flip in codes") << kDecoder << "in.wss" << flipped(32 + block + 700) << 1
                                       << damaged + "block 2 of 4 fails its checksum";
        QTest::newRow("flip in checksum")
            << kDecoder << "in.wss" << flipped(32 + 3 * block - 2) << 1 << damaged + "block 3 of 4 fails its checksum";
        QTest::newRow("flip last byte") << kDecoder << "in.wss" << flipped(wss.size() - 1) << 1
                                        << damaged + "block 4 of 4 fails its checksum";
        // Blocks whose checksums are right but that break a rule of the format: the message names it.
        wss::Header stereo;
        stereo.sampleRate = 44100;
        stereo.channels = 2;
        stereo.frames = stereo.blockFrames * 3 + stereo.blockFrames / 2;
        auto ruleBroken = [&](qsizetype at, char value) {
            QByteArray b = wss;
            b[at] = value;
            return withChecksumsRight(b, stereo);
        };
        QTest::newRow("step index 89") << kDecoder << "in.wss" << ruleBroken(32 + 2, 89) << 1
                                       << damaged + "block 1 of 4 starts channel 1 at step index 89 (at most 88)";
        QTest::newRow("step index 255") << kDecoder << "in.wss" << ruleBroken(32 + 2 * block + 6, char(255)) << 1
                                        << damaged + "block 3 of 4 starts channel 2 at step index 255 (at most 88)";
        QTest::newRow("reserved byte") << kDecoder << "in.wss" << ruleBroken(32 + block + 3, 1) << 1
                                       << damaged + "block 2 of 4 has a reserved byte of 1 in channel 1 (must be 0)";
        wss::Header even = stereo; // blocks of 100 frames: 99 codes leave half of a byte unused
        even.blockFrames = 100;
        even.frames = 350;
        QByteArray unused = makeWss(even);
        unused[32 + 112 + 8 + 100 - 1] = char(unused[32 + 112 + 8 + 100 - 1] | 0x30);
        QTest::newRow("unused half set") << kDecoder << "in.wss" << withChecksumsRight(unused, even) << 1
                                         << damaged
                + "block 2 of 4 sets the unused half of the last code byte of channel 2 (must be 0)";
        // WAV files libsndfile refuses without a reason of its own ("SF_INFO struct incomplete").
        const QByteArray wav = soundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1);
        QTest::newRow("sample rate 0") << kEncoder << "in.wav" << wav.left(24) + le32(0) + wav.mid(28) << 1
                                       << "damaged WAV file 'in.wav': its sample rate is 0";
        QTest::newRow("sample rate 2^31")
            << kEncoder << "in.wav" << wav.left(24) + le32(0x80000000u) + wav.mid(28) << 1
            << "unsupported layout in 'in.wav': sample rate 2147483648 (at most 2147483647)";
        QByteArray twoData = wav.left(36) + "data" + le32(2) + "ab" + wav.mid(36);
        twoData.replace(4, 4, le32(quint32(twoData.size() - 8)));
        QTest::newRow("two data chunks") << kEncoder << "in.wav" << twoData << 1
                                         << "damaged WAV file 'in.wav': more than one data chunk";
        // Names are quoted with escapes, so that every message stays one line.
        QTest::newRow("a newline in the name")
            << kEncoder << "in\nput.wav" << QByteArray("hello\n") << 1 << "'in\\nput.wav' is not a WAV file";
        QTest::newRow("wav to decoder") << kDecoder << "in.wav" << soundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1) << 2
                                        << "the output 'in.wav' would replace the input; expected a WSS file";
        QTest::newRow("wss to encoder") << kEncoder << "in.wss" << wss << 2
                                        << "the output 'in.wss' would replace the input; expected a WAV file";
    }

    // A refused input leaves the folder exactly as it was: input untouched, an older output
    // untouched, no temporary file.
    void refusesBadInput()
    {
        QFETCH(QString, tool);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (!content.isNull())
            writeFile(dir.filePath(name), content);
        const QString other = tool == kEncoder ? "in.wss" : "in.wav";
        if (other != name)
            writeFile(dir.filePath(other), "an older output");
        const auto before = snapshot(dir.path());

        const Result r = run(tool, dir.path(), {name});
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.errorLines, QStringList({QFileInfo(tool).fileName() + ": " + message}));
        QCOMPARE(r.code, code);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Running out of room (here a file size limit) fails cleanly and keeps the older output.
    void writeFailureKeepsOldOutput()
    {
        QTemporaryDir dir;
        QVERIFY(writeSound(dir.filePath("in.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100,
            test_sound::makeSound("low sine", 2, 44100, 441000)));
        writeFile(dir.filePath("in.wss"), "an older output");
        writeFile(dir.filePath("small.wss"), makeWss());
        const auto before = snapshot(dir.path());
        auto limit = [] {
            const rlimit lim{65536, 65536};
            setrlimit(RLIMIT_FSIZE, &lim);
        };
        // Greedy codes: the failure is the point, and the search would take long to reach it.
        Result r = run(kEncoder, dir.path(), {"in.wav"}, limit, {"WSS_SEARCH=greedy"});
        QCOMPARE(
            r.errorLines, QStringList({"WSSCod.exe: cannot write 'in.wss' in '" + dir.path() + "': File too large"}));
        QCOMPARE(r.code, 3);
        r = run(kDecoder, dir.path(), {"small.wss"}, [] {
            const rlimit lim{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &lim);
        });
        QCOMPARE(r.errorLines,
            QStringList({"WSSdec.exe: cannot write 'small.wav' in '" + dir.path() + "': File too large"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Stopped halfway by any signal that ends a process (the program's Stop sends SIGTERM), a tool
    // removes its unfinished output and ends by that signal. The shim holds the decoder in its
    // reading of the blocks, so it is sure to be stopped in the middle of the file.
    void stoppedToolLeavesNothing_data()
    {
        QTest::addColumn<int>("signal");
        for (const int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGRTMIN + 2})
            QTest::addRow("%s", sigabbrev_np(sig) ? sigabbrev_np(sig) : "real-time") << sig;
    }
    void stoppedToolLeavesNothing()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        writeFile(dir.filePath("live.wss"), makeWss());
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.setProcessEnvironment(environmentWith(shim({"TALVEN_SHIM_STALL_READ=live.wss"})));
        p.setChildProcessModifier([] { // SIGQUIT would leave a core file
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
        });
        p.start(kDecoder, {"live.wss"});
        QVERIFY(p.waitForStarted());
        QTRY_COMPARE(temporaryFiles(dir.path()).size(), 1);
        ::kill(pid_t(p.processId()), signal);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(p.exitCode(), signal);
        QCOMPARE(snapshot(dir.path()).keys(), QStringList({"live.wss"}));
    }

    void options_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("firstOut"); // first line of standard output
        QTest::addColumn<QString>("firstError"); // first line of error output
        const QString usage = "usage: WSSdec.exe [-f | -n] FILE...";
        const QString contradict = "WSSdec.exe: -f and -n contradict each other: -f replaces existing outputs, -n "
                                   "leaves them as they are; give one of them";
        const QString noFile = "WSSdec.exe: no file named: give the WSS file to decode";
        QTest::newRow("nothing") << kDecoder << QStringList() << 2 << "" << noFile;
        QTest::newRow("only --") << kDecoder << QStringList{"--"} << 2 << "" << noFile;
        QTest::newRow("-h") << kDecoder << QStringList{"-h"} << 0 << usage << "";
        QTest::newRow("--help among files") << kDecoder << QStringList{"x.wss", "--help"} << 0 << usage << "";
        QTest::newRow("--version") << kEncoder << QStringList{"--version"} << 0 << "WSSCod.exe 1.0.0"
                                   << "";
        QTest::newRow("-h after --") << kDecoder << QStringList{"--", "-h"} << 1 << ""
                                     << "WSSdec.exe: cannot open '-h': No such file or directory";
        QTest::newRow("other dash word") << kDecoder << QStringList{"-help"} << 1 << ""
                                         << "WSSdec.exe: cannot open '-help': No such file or directory";
        QTest::newRow("a name starting with -") << kDecoder << QStringList{"-take 1.wss"} << 0 << ""
                                                << "";
        // -f and -n together are refused, whichever comes last: nothing is converted.
        QTest::newRow("-f with -n") << kDecoder << QStringList{"-f", "-n", "-take 1.wss"} << 2 << "" << contradict;
        QTest::newRow("--no-clobber with --force")
            << kDecoder << QStringList{"--no-clobber", "-take 1.wss", "--force"} << 2 << "" << contradict;
        QTest::newRow("-n alone") << kDecoder << QStringList{"-n", "-take 1.wss"} << 0 << ""
                                  << "";
        QTest::newRow("a folder") << kDecoder << QStringList{"sub/"} << 1 << ""
                                  << "WSSdec.exe: 'sub/' is a folder; give the WSS file to decode in it";
        QTest::newRow("a file as a folder") << kDecoder << QStringList{"-take 1.wss/"} << 1 << ""
                                            << "WSSdec.exe: cannot open '-take 1.wss/': Not a directory";
    }
    void options()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, firstOut);
        QFETCH(QString, firstError);
        QTemporaryDir dir;
        writeFile(dir.filePath("-take 1.wss"), makeWss());
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(tool, args);
        QVERIFY(p.waitForFinished());
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).section('\n', 0, 0), firstOut);
        const QStringList errors = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.value(0), firstError);
        if (firstError.contains("no file named") || firstError.contains("contradict"))
            QVERIFY(errors.value(1).startsWith("usage: "));
        QCOMPARE(p.exitCode(), code);
        QCOMPARE(QFileInfo::exists(dir.filePath("-take 1.wav")), code == 0 && firstOut.isEmpty());
    }

    // -o puts every output in one folder under the name it would have beside its file, backups
    // and temporary files there too; a folder that is missing, not a folder or read-only stops
    // the run before anything is converted. The folder: in/a.wav, in/b.wav, in/a (no extension),
    // other/a.wav (another sound), other/old.wav (the sound of in/a.wav), out/ (holding old.wss),
    // file (a regular file), ro/ (on a read-only file system, as the shim has it). "@" stands for
    // the folder's absolute path.
    void outputFolder_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("made"); // what out/ holds afterwards, sorted
        const QString usage = "usage: WSSCod.exe [-f | -n] FILE...";
        const QStringList none;
        const QStringList old{"old.wss"};
        QTest::newRow("-o DIR") << kEncoder << QStringList{"-o", "out", "in/a.wav"} << 0 << none
                                << QStringList{"a.wss", "old.wss"};
        QTest::newRow("--output-folder=DIR") << kEncoder << QStringList{"--output-folder=out", "in/a.wav"} << 0 << none
                                             << QStringList{"a.wss", "old.wss"};
        QTest::newRow("--output-folder DIR, a pattern") << kEncoder << QStringList{"--output-folder", "out", "in/*.wav"}
                                                        << 0 << none << QStringList{"a.wss", "b.wss", "old.wss"};
        QTest::newRow("an absolute DIR, after the file")
            << kEncoder << QStringList{"in/b.wav", "-o", "@/out/"} << 0 << none << QStringList{"b.wss", "old.wss"};
        QTest::newRow("the earlier output kept in DIR")
            << kEncoder << QStringList{"-o", "out", "other/old.wav"} << 0
            << QStringList{"WSSCod.exe: kept the earlier 'out/old.wss' as 'out/old.wss.~1~'"}
            << QStringList{"old.wss", "old.wss.~1~"};
        QTest::newRow("decoding into DIR")
            << kDecoder << QStringList{"-o", "out", "out/old.wss"} << 0 << none << QStringList{"old.wav", "old.wss"};
        QTest::newRow("DIR the input's own folder")
            << kDecoder << QStringList{"-o", "@/in", "in/a.wav"} << 2
            << QStringList{"WSSdec.exe: the output '@/in/a.wav' would replace the input; expected a WSS file"} << old;
        QTest::newRow("two files, one output in DIR")
            << kEncoder << QStringList{"-o", "out", "in/a.wav", "other/a.wav"} << 2
            << QStringList{"WSSCod.exe: 'other/a.wav' is not converted: its output 'out/a.wss' was made from "
                           "'in/a.wav' in this run",
                   "WSSCod.exe: 1 of 2 files encoded; 1 failed"}
            << QStringList{"a.wss", "old.wss"};
        QTest::newRow("two files, one output in DIR, -f")
            << kEncoder << QStringList{"-f", "-o", "out", "in/a.wav", "other/a.wav"} << 2
            << QStringList{"WSSCod.exe: 'other/a.wav' is not converted: its output 'out/a.wss' was made from "
                           "'in/a.wav' in this run",
                   "WSSCod.exe: 1 of 2 files encoded; 1 failed"}
            << QStringList{"a.wss", "old.wss"};
        QTest::newRow("two files, one output beside them")
            << kEncoder << QStringList{"in/a.wav", "in/a"} << 2
            << QStringList{"WSSCod.exe: 'in/a' is not converted: its output 'in/a.wss' was made from 'in/a.wav' in "
                           "this run",
                   "WSSCod.exe: 1 of 2 files encoded; 1 failed"}
            << old;
        QTest::newRow("a missing DIR") << kEncoder << QStringList{"-o", "nowhere", "in/a.wav"} << 3
                                       << QStringList{"WSSCod.exe: the output folder 'nowhere' does not exist"} << old;
        QTest::newRow("a file as DIR") << kEncoder << QStringList{"-o", "file", "in/a.wav"} << 3
                                       << QStringList{"WSSCod.exe: the output folder 'file' is not a folder"} << old;
        QTest::newRow("a read-only DIR")
            << kEncoder << QStringList{"--output-folder=ro", "in/a.wav"} << 3
            << QStringList{"WSSCod.exe: cannot write in the output folder 'ro': Read-only file system"} << old;
        QTest::newRow("-o without DIR")
            << kEncoder << QStringList{"in/a.wav", "-o"} << 2
            << QStringList{"WSSCod.exe: '-o' needs a folder: -o FOLDER or --output-folder=FOLDER", usage} << old;
        QTest::newRow("--output-folder= empty")
            << kEncoder << QStringList{"--output-folder=", "in/a.wav"} << 2
            << QStringList{"WSSCod.exe: '--output-folder=' needs a folder: -o FOLDER or --output-folder=FOLDER", usage}
            << old;
        QTest::newRow("-o after --, a file name")
            << kEncoder << QStringList{"--", "-o"} << 1
            << QStringList{"WSSCod.exe: cannot open '-o': No such file or directory"} << old;
    }
    void outputFolder()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        const QDir d(dir.path());
        for (const char *folder : {"in", "other", "out", "ro"})
            QVERIFY(d.mkdir(folder));
        const std::vector<double> sine = test_sound::makeSound("low sine", 1, 8000, 3000);
        for (const char *name : {"in/a.wav", "in/b.wav", "in/a", "other/old.wav"})
            QVERIFY(writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, sine));
        QVERIFY(writeSound(d.filePath("other/a.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 8000,
            test_sound::makeSound("white", 2, 8000, 5000)));
        writeFile(d.filePath("out/old.wss"), makeWss());
        writeFile(d.filePath("file"), "not a folder");
        // The sound of in/a.wav encoded beside it, elsewhere: what its output must hold.
        QVERIFY(QFile::copy(d.filePath("in/a.wav"), d.filePath("ro/a.wav")));
        QCOMPARE(run(kEncoder, d.filePath("ro"), {"a.wav"}).code, 0);
        const QByteArray expected = readFile(d.filePath("ro/a.wss"));
        QVERIFY(expected.size() > 100);
        const auto in = snapshot(d.filePath("in")), other = snapshot(d.filePath("other"));
        args.replaceInStrings("@", dir.path());
        errors.replaceInStrings("@", dir.path());

        const Result r = run(tool, dir.path(), args, {}, shim({"TALVEN_SHIM_READ_ONLY=ro"}));
        QCOMPARE(r.errorLines.mid(0, errors.size()), errors);
        QCOMPARE(r.code, code);
        const auto out = snapshot(d.filePath("out"));
        QCOMPARE(out.keys(), made);
        for (const char *name : {"a.wss", "b.wss"})
            if (made.contains(name))
                QCOMPARE(out.value(name), expected);
        // out/old.wss replaced by the sound of other/old.wav and kept as a backup, or left alone.
        const bool replaced = made.contains("old.wss.~1~");
        QCOMPARE(out.value("old.wss"), replaced ? expected : makeWss());
        if (replaced)
            QCOMPARE(out.value("old.wss.~1~"), makeWss());
        // Beside the inputs nothing changed but the one output a run without -o writes there.
        auto inAfter = snapshot(d.filePath("in"));
        if (!args.contains("-o") && !args.join(' ').contains("--output-folder"))
            QCOMPARE(inAfter.take("a.wss"), expected);
        QCOMPARE(inAfter, in);
        QCOMPARE(snapshot(d.filePath("other")), other);
        QCOMPARE(snapshot(d.filePath("ro")).keys(), QStringList({"a.wav", "a.wss"}));
    }

    // An existing output is kept as NAME.~N~ (N after the highest there), except with -f, or when
    // it holds the same bytes (the second run). The input is never touched.
    void existingOutputIsKept_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("present"); // extra files before the run, each holding "old <name>"
        QTest::addColumn<QString>("keptAs"); // "": no backup
        QTest::newRow("decode over a WAV")
            << kDecoder << QStringList{"in.wss"} << QStringList{"in.wav"} << "in.wav.~1~";
        QTest::newRow("encode over a WSS")
            << kEncoder << QStringList{"in.wav"} << QStringList{"in.wss"} << "in.wss.~1~";
        QTest::newRow("after the highest backup")
            << kDecoder << QStringList{"in.wss"} << QStringList{"in.wav", "in.wav.~1~", "in.wav.~3~", "in.wav.~x~"}
            << "in.wav.~4~";
        QTest::newRow("numbers keep growing") << kEncoder << QStringList{"in.wav"}
                                              << QStringList{"in.wss", "in.wss.~1000000000~"} << "in.wss.~1000000001~";
        QTest::newRow("-f") << kDecoder << QStringList{"-f", "in.wss"} << QStringList{"in.wav"} << "";
        QTest::newRow("--force") << kEncoder << QStringList{"in.wav", "--force"} << QStringList{"in.wss"} << "";
    }
    void existingOutputIsKept()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QFETCH(QStringList, present);
        QFETCH(QString, keptAs);
        QTemporaryDir dir;
        const bool decoding = tool == kDecoder;
        const QString input = decoding ? "in.wss" : "in.wav";
        const QString output = decoding ? "in.wav" : "in.wss";
        if (decoding)
            writeFile(dir.filePath(input), makeWss());
        else
            QVERIFY(writeSound(dir.filePath(input), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
                test_sound::makeSound("low sine", 1, 8000, 5000)));
        const QByteArray inputBytes = readFile(dir.filePath(input));
        for (const QString &name : present)
            writeFile(dir.filePath(name), "old " + name.toUtf8());
        auto before = snapshot(dir.path());

        const Result r = run(tool, dir.path(), args);
        QCOMPARE(r.code, 0);
        const QString name = QFileInfo(tool).fileName();
        QCOMPARE(r.errorLines,
            keptAs.isEmpty() ? QStringList()
                             : QStringList{name + ": kept the earlier '" + output + "' as '" + keptAs + "'"});
        auto after = snapshot(dir.path());
        QCOMPARE(after.value(input), inputBytes);
        if (!keptAs.isEmpty())
            QCOMPARE(after.take(keptAs), "old " + output.toUtf8());
        const QByteArray fresh = after.take(output);
        QVERIFY(fresh.size() > 100);
        before.remove(output);
        QCOMPARE(after, before); // nothing else came or went

        // The same run again writes the same bytes, and adds no second backup.
        QCOMPARE(run(tool, dir.path(), args).errorLines, QStringList());
        after.insert(output, fresh);
        if (!keptAs.isEmpty())
            after.insert(keptAs, "old " + output.toUtf8());
        QCOMPARE(snapshot(dir.path()), after);
    }

    // -n: an input whose output is there is not converted, and the output stays exactly as it was
    // (bytes, time, inode; no backup, no temporary file), also when it appears only as the new
    // file is about to take its name (the shim makes it then). The others convert; exit 0 unless
    // one failed. The folder holds a.wav, b.wav, c.wav (and bad.wav, not sound, where named).
    void noClobberLeavesExistingOutputs_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("present"); // outputs there before the run, each holding "old"
        QTest::addColumn<QString>("appears"); // an output the shim makes just before the rename onto it
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("lines"); // the progress lines
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("written"); // new outputs
        const QString one = "WSSCod.exe: 0 of 1 file encoded; 0 failed; 1 skipped (the output existed)";
        const QString batch = "WSSCod.exe: 2 of 3 files encoded; 0 failed; 1 skipped (the output existed)";
        QTest::newRow("one file, its output there")
            << QStringList{"-n", "a.wav"} << QStringList{"a.wss"} << "" << 0
            << QStringList{"files\t1", "start\t1\ta.wav", "skipped\t1\ta.wss"} << QStringList{one} << QStringList{};
        QTest::newRow("a batch, one output there")
            << QStringList{"--no-clobber", "?.wav"} << QStringList{"b.wss"} << "" << 0
            << QStringList{"files\t3", "start\t1\ta.wav", "start\t2\tb.wav", "skipped\t2\tb.wss", "start\t3\tc.wav",
                   "wrote\t1\ta.wss", "wrote\t3\tc.wss"}
            << QStringList{batch} << QStringList{"a.wss", "c.wss"};
        QTest::newRow("no output there") << QStringList{"-n", "?.wav"} << QStringList{} << "" << 0
                                         << QStringList{"files\t3", "start\t1\ta.wav", "start\t2\tb.wav",
                                                "start\t3\tc.wav", "wrote\t1\ta.wss", "wrote\t2\tb.wss",
                                                "wrote\t3\tc.wss"}
                                         << QStringList{} << QStringList{"a.wss", "b.wss", "c.wss"};
        QTest::newRow("one fails, one skipped")
            << QStringList{"-n", "*.wav"} << QStringList{"b.wss"} << "" << 1
            << QStringList{"files\t4", "start\t1\ta.wav", "start\t2\tb.wav", "skipped\t2\tb.wss", "start\t3\tbad.wav",
                   "failed\t3\tbad.wav\t1", "start\t4\tc.wav", "wrote\t1\ta.wss", "wrote\t4\tc.wss"}
            << QStringList{"WSSCod.exe: 'bad.wav' is not a WAV file",
                   "WSSCod.exe: 2 of 4 files encoded; 1 failed; 1 skipped (the output existed)"}
            << QStringList{"a.wss", "c.wss"};
        QTest::newRow("an input whose output is there is not read")
            << QStringList{"-n", "*.wav"} << QStringList{"bad.wss"} << "" << 0
            << QStringList{"files\t4", "start\t1\ta.wav", "start\t2\tb.wav", "start\t3\tbad.wav", "skipped\t3\tbad.wss",
                   "start\t4\tc.wav", "wrote\t1\ta.wss", "wrote\t2\tb.wss", "wrote\t4\tc.wss"}
            << QStringList{"WSSCod.exe: 3 of 4 files encoded; 0 failed; 1 skipped (the output existed)"}
            << QStringList{"a.wss", "b.wss", "c.wss"};
        QTest::newRow("one file, its output appears meanwhile")
            << QStringList{"-n", "a.wav"} << QStringList{} << "a.wss" << 0
            << QStringList{"files\t1", "start\t1\ta.wav", "skipped\t1\ta.wss"} << QStringList{one} << QStringList{};
        QTest::newRow("a batch, an output appears meanwhile")
            << QStringList{"-n", "?.wav"} << QStringList{} << "b.wss" << 0
            << QStringList{"files\t3", "start\t1\ta.wav", "start\t2\tb.wav", "start\t3\tc.wav", "wrote\t1\ta.wss",
                   "skipped\t2\tb.wss", "wrote\t3\tc.wss"}
            << QStringList{batch} << QStringList{"a.wss", "c.wss"};
    }
    void noClobberLeavesExistingOutputs()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, present);
        QFETCH(QString, appears);
        QFETCH(int, code);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, written);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const std::vector<double> sound = test_sound::makeSound("low sine", 1, 8000, 3000);
        for (const char *name : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, sound));
        if (args.contains("*.wav"))
            writeFile(d.filePath("bad.wav"), "not sound");
        // Earlier outputs an hour old: a file written again, or replaced, would be newer.
        QMap<QString, struct stat> earlier;
        for (const QString &name : present) {
            writeFile(d.filePath(name), "old");
            const QByteArray path = QFile::encodeName(d.filePath(name));
            const utimbuf old{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
            QCOMPARE(::utime(path.constData(), &old), 0);
            QCOMPARE(::stat(path.constData(), &earlier[name]), 0);
        }
        auto before = snapshot(dir.path());

        QStringList env{"WSS_PROGRESS=1"};
        if (!appears.isEmpty())
            env = shim({"WSS_PROGRESS=1", "TALVEN_SHIM_APPEAR=" + appears});
        const Result r = run(kEncoder, dir.path(), args, {}, env);
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.outputLines, lines);
        QCOMPARE(r.errorLines, errors);
        QCOMPARE(r.code, code);

        for (auto it = earlier.cbegin(); it != earlier.cend(); ++it) {
            struct stat now
            {
            };
            QCOMPARE(::stat(QFile::encodeName(d.filePath(it.key())).constData(), &now), 0);
            QCOMPARE(now.st_ino, it.value().st_ino);
            QCOMPARE(now.st_mtim.tv_sec, it.value().st_mtim.tv_sec);
            QCOMPARE(now.st_mtim.tv_nsec, it.value().st_mtim.tv_nsec);
        }
        auto after = snapshot(dir.path());
        if (!appears.isEmpty())
            QCOMPARE(after.take(appears), QByteArray("appeared")); // the other program's file, as it wrote it
        for (const QString &name : written)
            QVERIFY2(after.take(name).size() > 100, qPrintable(name));
        QCOMPARE(after, before); // the earlier outputs as they were, nothing else new
    }

    // A pattern converts every ordinary file it names, in byte order, and reports each failure.
    // The folder: a.wav b.wav bad.wav link.wav (to a.wav) x?.wav é.wav and one named by the byte
    // 0xFF, which is not UTF-8 (listed as U+FFFD); .hidden.wav, broken.wav (a broken link) and
    // sub.wav/ (a folder holding in.wss) are never converted.
    void patterns_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("made"); // new names in the folder, sorted
        const QStringList all{"a.wss", "b.wss", "link.wss", "x?.wss", "\u00e9.wss", "\ufffd.wss"};
        const QStringList failed{
            "WSSCod.exe: 'bad.wav' is not a WAV file", "WSSCod.exe: 6 of 7 files encoded; 1 failed"};
        QTest::newRow("*.wav") << kEncoder << QStringList{"*.wav"} << 1 << failed << all;
        QTest::newRow("* never takes the run's own outputs") << kEncoder << QStringList{"*"} << 1 << failed << all;
        QTest::newRow("? is one character, a bad byte too")
            << kEncoder << QStringList{"?.wav"} << 0 << QStringList{}
            << QStringList{"a.wss", "b.wss", "\u00e9.wss", "\ufffd.wss"};
        QTest::newRow("folder part") << kDecoder << QStringList{"sub.wav/*"} << 0 << QStringList{}
                                     << QStringList{"sub.wav/in.wav"};
        const QString replace = "' would replace the input; expected a WSS file";
        QTest::newRow("wrong kind, in byte order")
            << kDecoder << QStringList{"?.wav"} << 2
            << QStringList{"WSSdec.exe: the output 'a.wav" + replace, "WSSdec.exe: the output 'b.wav" + replace,
                   "WSSdec.exe: the output '\u00e9.wav" + replace, "WSSdec.exe: the output '\ufffd.wav" + replace,
                   "WSSdec.exe: 0 of 4 files decoded; 4 failed"}
            << QStringList{};
        QTest::newRow("no match") << kDecoder << QStringList{"*.wss"} << 1
                                  << QStringList{"WSSdec.exe: no file matches '*.wss'"} << QStringList{};
        QTest::newRow("case counts") << kEncoder << QStringList{"A*"} << 1
                                     << QStringList{"WSSCod.exe: no file matches 'A*'"} << QStringList{};
        QTest::newRow("an existing name is no pattern")
            << kEncoder << QStringList{"x?.wav"} << 0 << QStringList{} << QStringList{"x?.wss"};
    }
    void patterns()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const std::vector<double> sound = test_sound::makeSound("low sine", 1, 8000, 3000);
        for (const char *name : {"a.wav", "b.wav", "x?.wav", ".hidden.wav", "\u00e9.wav"})
            QVERIFY(writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, sound));
        const QByteArray bytePath = QFile::encodeName(d.path()) + "/\xff";
        QCOMPARE(::link(QFile::encodeName(d.filePath("a.wav")).constData(), (bytePath + ".wav").constData()), 0);
        writeFile(d.filePath("bad.wav"), "not sound");
        QVERIFY(QFile::link("a.wav", d.filePath("link.wav")));
        QVERIFY(QFile::link("gone.wav", d.filePath("broken.wav")));
        QVERIFY(d.mkdir("sub.wav"));
        writeFile(d.filePath("sub.wav/in.wss"), makeWss());
        const auto removeByteNames = qScopeGuard([&] { // which QTemporaryDir cannot name
            ::unlink((bytePath + ".wav").constData());
            ::unlink((bytePath + ".wss").constData());
        });
        // Listed by bytes: Qt cannot name the 0xFF file.
        auto names = [&] {
            QStringList list;
            for (const QByteArray folder : {"", "sub.wav/"}) {
                DIR *dirp = ::opendir((QFile::encodeName(d.path()) + '/' + folder).constData());
                while (const dirent *e = dirp ? ::readdir(dirp) : nullptr)
                    if (e->d_name[0] != '.' || e->d_name[1] == 'h')
                        list << QString::fromUtf8(folder + e->d_name);
                if (dirp)
                    ::closedir(dirp);
            }
            return list;
        };
        const QStringList before = names();
        const Result r = run(tool, dir.path(), args);
        QCOMPARE(r.errorLines, errors);
        QCOMPARE(r.code, code);
        QStringList after = names();
        for (const QString &n : before)
            after.removeOne(n);
        after.sort();
        QCOMPARE(after, made);
    }

    // With WSS_PROGRESS=1 a tool says on standard output what it does, one line an event, names
    // escaped; a closed or broken standard output changes nothing else. The folder: a.wav, b.wav
    // (not sound), c.wav with an older c.wss, and a WAV whose name needs every kind of escape.
    void progressLines_data()
    {
        QTest::addColumn<QStringList>("earlier"); // arguments of a run before, without progress lines
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stdoutIs"); // "read", "closed" or "broken"
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("made"); // names new in the folder, sorted
        const QString odd = "x\\y\tz\n\r\x01\x7f\u00e9", oddEscaped = "x\\\\y\\tz\\n\\r\\x01\\x7f\u00e9";
        QTest::newRow("one file") << QStringList() << QStringList{"a.wav"} << "read" << 0
                                  << QStringList{"files\t1", "start\t1\ta.wav", "wrote\t1\ta.wss"}
                                  << QStringList{"a.wss"};
        QTest::newRow("the same again") << QStringList{"a.wav"} << QStringList{"a.wav"} << "read" << 0
                                        << QStringList{"files\t1", "start\t1\ta.wav", "same\t1\ta.wss"}
                                        << QStringList{"a.wss"};
        const QStringList batchMade{"a.wss", "c.wss.~1~", odd + ".wss"};
        QTest::newRow("a pattern") << QStringList() << QStringList{"*.wav"} << "read" << 1
                                   << QStringList{"files\t4", "start\t1\ta.wav", "start\t2\tb.wav",
                                          "failed\t2\tb.wav\t1", "start\t3\tc.wav", "start\t4\t" + oddEscaped + ".wav",
                                          "wrote\t1\ta.wss", "kept\t3\tc.wss\tc.wss.~1~", "wrote\t3\tc.wss",
                                          "wrote\t4\t" + oddEscaped + ".wss"}
                                   << batchMade;
        QTest::newRow("stdout closed") << QStringList() << QStringList{"*.wav"} << "closed" << 1 << QStringList()
                                       << batchMade;
        QTest::newRow("stdout broken") << QStringList() << QStringList{"*.wav"} << "broken" << 1 << QStringList()
                                       << batchMade;
        // A name given twice, under any spelling, is converted once.
        QTest::newRow("a name given twice")
            << QStringList() << QStringList{"c.wav", "./c.wav", "c.wav"} << "read" << 0
            << QStringList{"files\t1", "start\t1\tc.wav", "kept\t1\tc.wss\tc.wss.~1~", "wrote\t1\tc.wss"}
            << QStringList{"c.wss.~1~"};
    }
    void progressLines()
    {
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, args);
        QFETCH(QString, stdoutIs);
        QFETCH(int, code);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const std::vector<double> sound = test_sound::makeSound("low sine", 1, 8000, 3000);
        for (const QString &name : {QString("a.wav"), QString("c.wav"), QString("x\\y\tz\n\r\x01\x7f\u00e9.wav")})
            QVERIFY(writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, sound));
        writeFile(d.filePath("b.wav"), "not sound");
        writeFile(d.filePath("c.wss"), "old");
        const QStringList before = snapshot(dir.path()).keys();
        if (!earlier.isEmpty())
            QCOMPARE(run(kEncoder, dir.path(), earlier).code, 0);

        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WSS_PROGRESS", "1");
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([&stdoutIs] {
            if (stdoutIs == "closed") { // stdin too, so that an output could take descriptor 1
                ::close(STDIN_FILENO);
                ::close(STDOUT_FILENO);
            } else if (int fds[2]; stdoutIs == "broken" && ::pipe(fds) == 0) {
                ::close(fds[0]);
                ::dup2(fds[1], STDOUT_FILENO);
                ::close(fds[1]);
            }
        });
        p.start(kEncoder, args);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), code);
        const QString expected = lines.isEmpty() ? QString() : lines.join('\n') + '\n';
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), expected);
        QStringList after = snapshot(dir.path()).keys();
        for (const QString &name : before)
            after.removeOne(name);
        QCOMPARE(after, made);
        for (const QString &name : made.filter(QRegularExpression("\\.wss$"))) // the same sound in each
            QCOMPARE(readFile(d.filePath(name)), readFile(d.filePath("a.wss")));
    }

    // A pattern over more files than the tools put in place at once (64): existing outputs are
    // kept or left alone across the batches, and a SIGTERM while outputs wait to be put in place
    // removes every temporary file and leaves no partial name. The shim holds the decoder in the
    // last file, so it is sure to be stopped there, after the 70 others.
    void batchOfManyFiles()
    {
        QTemporaryDir dir;
        QDir d(dir.path());
        const QByteArray wss = makeWss();
        for (int i = 0; i < 70; ++i)
            writeFile(d.filePath(QString::asprintf("n%02d.wss", i)), wss);
        QCOMPARE(run(kDecoder, dir.path(), {"*.wss"}).errorLines, QStringList());
        const QByteArray wav = readFile(d.filePath("n00.wav"));
        for (const char *name : {"n03.wav", "n67.wav"})
            writeFile(d.filePath(name), "old");
        auto inode = [&](const QString &name) {
            struct stat st
            {
            };
            return ::stat(QFile::encodeName(d.filePath(name)).constData(), &st) == 0 ? st.st_ino : 0;
        };
        const auto untouched = inode("n66.wav");
        auto before = snapshot(dir.path());
        QCOMPARE(run(kDecoder, dir.path(), {"*.wss"}).errorLines,
            QStringList({"WSSdec.exe: kept the earlier 'n03.wav' as 'n03.wav.~1~'",
                "WSSdec.exe: kept the earlier 'n67.wav' as 'n67.wav.~1~'"}));
        before["n03.wav"] = before["n67.wav"] = wav;
        before["n03.wav.~1~"] = before["n67.wav.~1~"] = "old";
        QCOMPARE(snapshot(dir.path()), before);
        QCOMPARE(inode("n66.wav"), untouched);

        for (int i = 0; i < 70; ++i)
            QVERIFY(d.remove(QString::asprintf("n%02d.wav", i)));
        writeFile(d.filePath("stall.wss"), wss);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.setProcessEnvironment(environmentWith(shim({"TALVEN_SHIM_STALL_READ=stall.wss"})));
        p.start(kDecoder, {"*.wss"});
        QVERIFY(p.waitForStarted());
        auto temporary = [&] { return snapshot(dir.path()).keys().filter(QRegularExpression("^\\.")); };
        QTRY_COMPARE(temporary().filter(QRegularExpression("^\\.stall\\.wav\\.")).size(), 1);
        QCOMPARE(temporary().size(), 70 - 64 + 1); // six wait to be put in place
        p.terminate();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(temporary(), QStringList());
        const QStringList placed = QDir(dir.path()).entryList({"*.wav"});
        QCOMPARE(placed.size(), 64);
        for (const QString &name : placed)
            QCOMPARE(readFile(d.filePath(name)), wav);
    }

    // A file that fails as its batch is put in place fails the run: its line on the error output,
    // its progress line, the summary, and its exit code. Here the 64th output, the one that fills
    // the batch, cannot take its name.
    void failureAsTheBatchIsPlaced()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        const QByteArray wss = makeWss();
        for (int i = 0; i < 64; ++i)
            writeFile(d.filePath(QString::asprintf("n%02d.wss", i)), wss);
        const Result r = run(kDecoder, dir.path(), {"*.wss"}, enoughDescriptors,
            shim({"TALVEN_SHIM_FAIL_NAME=n63.wav", "WSS_PROGRESS=1"}));
        QCOMPARE(r.errorLines,
            QStringList({"WSSdec.exe: cannot write 'n63.wav' in '" + dir.path() + "': Permission denied",
                "WSSdec.exe: 63 of 64 files decoded; 1 failed"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(r.outputLines.filter(QRegularExpression("^(failed|wrote)\t6[34]\t")),
            QStringList({"wrote\t63\tn62.wav", "failed\t64\tn63.wss\t3"}));
        QVERIFY(!d.exists("n63.wav"));
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

    // A closed error output (`WSSCod.exe '*.wav' 2>&1 | head -1`) does not stop the run: its
    // messages are lost, and every file is converted.
    void closedErrorOutputDoesNotStopTheRun()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        writeFile(d.filePath("a.wav"), "not sound");
        for (const char *name : {"b.wav", "c.wav"})
            QVERIFY(writeSound(d.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
                test_sound::makeSound("low sine", 1, 8000, 3000)));
        const Result r = run(kEncoder, dir.path(), {"*.wav"}, [] {
            if (int fds[2]; ::pipe(fds) == 0) {
                ::close(fds[0]);
                ::dup2(fds[1], STDERR_FILENO);
                ::close(fds[1]);
            }
        });
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.code, 1);
        QCOMPARE(d.entryList({"*.wss"}), QStringList({"b.wss", "c.wss"}));
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

    // A WAV file whose header does not give the length it holds: without a length (0, or
    // 0xFFFFFFFF, as crashed recorders and streaming writers leave it) its sound runs to the end of
    // the file; with more than it holds, or ending inside a frame, what is there is converted. Each
    // says so in one line. The WSS file is the one a whole WAV file of that sound makes.
    void wavLengthAsTheFileHoldsIt_data()
    {
        QTest::addColumn<quint32>("length"); // in the data chunk's header
        QTest::addColumn<int>("cut"); // bytes cut off the end of the file
        QTest::addColumn<int>("frames"); // converted
        QTest::addColumn<QString>("message");
        const QString missing
            = "'in.wav' does not give the length of its sound; read it to the end of the file: 40000 bytes, 10000 "
              "frames (0:01.250)";
        const QString more = "'in.wav' is cut short: its sound should be 80000 bytes long but the file holds 40000; "
                             "converted those, 10000 frames (0:01.250)";
        QTest::newRow("length 0") << 0u << 0 << 10000 << missing;
        QTest::newRow("length 0xFFFFFFFF") << 0xFFFFFFFFu << 0 << 10000 << missing;
        QTest::newRow("more than it holds") << 80000u << 0 << 10000 << more;
        QTest::newRow("ends inside a frame") << 39998u << 2 << 9999
                                             << "'in.wav' ends inside a frame: of its 39998 bytes of sound, converted "
                                                "9999 frames (0:01.250) and left out "
                                                "an incomplete last frame (2 of 4 bytes)";
    }
    void wavLengthAsTheFileHoldsIt()
    {
        QFETCH(quint32, length);
        QFETCH(int, cut);
        QFETCH(int, frames);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::vector<double> sound = test_sound::makeSound("low sine", 2, 8000, 10000);
        QVERIFY(writeSound(dir.filePath("whole.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 8000,
            std::vector<double>(sound.begin(), sound.begin() + std::ptrdiff_t(2) * frames)));
        QVERIFY(writeSound(dir.filePath("in.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 8000, sound));
        QByteArray wav = readFile(dir.filePath("in.wav"));
        QCOMPARE(wav.mid(36, 4), "data");
        wav.replace(40, 4, le32(length));
        writeFile(dir.filePath("in.wav"), wav.chopped(cut));
        // Greedy codes: which frames are read is the point, not how they are coded.
        const QStringList greedy{"WSS_SEARCH=greedy"};
        QCOMPARE(run(kEncoder, dir.path(), {"whole.wav"}, {}, greedy).code, 0);
        const Result r = run(kEncoder, dir.path(), {"in.wav"}, {}, greedy);
        QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: " + message}));
        QCOMPARE(r.code, 0);
        QCOMPARE(readFile(dir.filePath("in.wss")), readFile(dir.filePath("whole.wss")));
    }

    // What is not a regular file is refused at once, as input or as the existing output (which -f
    // still replaces), and the run goes on with the next file. A pipe, or /dev/stdin, would keep
    // the tool waiting, and an output beside /dev/stdin would go into /dev.
    void refusesWhatIsNotAFile_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stdinIs"); // "pipe", or "file": in.wav
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // "DIR" stands for the folder
        QTest::addColumn<QStringList>("made");
        QTest::newRow("a pipe as input") << QStringList{"fifo.wav", "in.wav"} << "pipe" << 1
                                         << "'fifo.wav' is a pipe, not a regular file" << QStringList{"in.wss"};
        QTest::newRow("a pipe as output") << QStringList{"pipe.wav", "in.wav"} << "pipe" << 3
                                          << "cannot write 'pipe.wss' in 'DIR': a named pipe of that name is in the "
                                             "way; rename or move it"
                                          << QStringList{"in.wss"};
        QTest::newRow("a link to a pipe as output")
            << QStringList{"link.wav"} << "pipe" << 3
            << "cannot write 'link.wss' in 'DIR': a named pipe of that name is in the way; rename or move it"
            << QStringList{};
        QTest::newRow("-f replaces it") << QStringList{"-f", "link.wav"} << "pipe" << 0 << "" << QStringList{};
        QTest::newRow("/dev/stdin, a pipe") << QStringList{"/dev/stdin", "in.wav"} << "pipe" << 1
                                            << "'/dev/stdin' is a pipe, not a regular file" << QStringList{"in.wss"};
        QTest::newRow("/dev/stdin, a file")
            << QStringList{"/dev/stdin"} << "file" << 1
            << "'/dev/stdin' stands for an open descriptor, not a file; give the file's own name" << QStringList{};
    }
    void refusesWhatIsNotAFile()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, stdinIs);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const auto removeFromDev = qScopeGuard([] { QFile::remove("/dev/stdin.wss"); });
        QVERIFY(writeSound(d.filePath("in.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
            test_sound::makeSound("low sine", 1, 8000, 3000)));
        for (const char *name : {"fifo.wav", "pipe.wss"})
            QCOMPARE(::mkfifo(QFile::encodeName(d.filePath(name)).constData(), 0600), 0);
        QVERIFY(QFile::copy(d.filePath("in.wav"), d.filePath("pipe.wav")));
        QVERIFY(QFile::copy(d.filePath("in.wav"), d.filePath("link.wav")));
        QVERIFY(QFile::link("pipe.wss", d.filePath("link.wss")));
        const QStringList before = snapshot(dir.path()).keys();
        const QByteArray input = QFile::encodeName(d.filePath("in.wav"));
        const Result r = run(kEncoder, dir.path(), args, [&] {
            if (stdinIs == "file")
                ::dup2(::open(input.constData(), O_RDONLY), STDIN_FILENO);
        });
        QCOMPARE(r.errorLines.value(0),
            message.isEmpty() ? QString() : "WSSCod.exe: " + QString(message).replace("DIR", dir.path()));
        QCOMPARE(r.code, code);
        QStringList after = snapshot(dir.path()).keys();
        for (const QString &name : before)
            after.removeOne(name);
        QCOMPARE(after, made);
        QVERIFY(!QFile::exists("/dev/stdin.wss"));
        if (args.first() == "-f")
            QVERIFY(QFileInfo(d.filePath("link.wss")).isFile() && !QFileInfo(d.filePath("link.wss")).isSymLink());
    }

    // Where link() is refused (no hard links on the file system, or another user's file under
    // fs.protected_hardlinks), the new file is swapped in (renameat2 RENAME_EXCHANGE) and the earlier
    // one then takes its backup name, so that the output name always exists; killed between the two,
    // the output name holds the new file and the earlier one is still there under the temporary name.
    // Where the exchange is refused too, the earlier file is renamed first.
    void replacesWithoutAHardLink_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<bool>("otherUser"); // in.wss is root's, and the tool runs as nobody
        QTest::addColumn<QString>("step"); // in the shim's log
        QTest::addColumn<bool>("killed"); // right after the first rename
        const QStringList noLink{"TALVEN_SHIM_NO_LINK=1"};
        QTest::newRow("exchange") << shim(noLink) << false << "exchange" << false;
        QTest::newRow("exchange, killed between its steps")
            << shim(noLink + QStringList{"TALVEN_SHIM_KILL_AFTER_RENAME=1"}) << false << "exchange" << true;
        QTest::newRow("rename, where exchange is refused")
            << shim(noLink + QStringList{"TALVEN_SHIM_NO_EXCHANGE=1"}) << false << "noreplace" << false;
        QTest::newRow("another user's file") << shim({}) << true << "exchange" << false;
    }
    void replacesWithoutAHardLink()
    {
        QFETCH(QStringList, env);
        QFETCH(bool, otherUser);
        QFETCH(QString, step);
        QFETCH(bool, killed);
        if (otherUser && (::geteuid() != 0 || readFile("/proc/sys/fs/protected_hardlinks").trimmed() != "1"))
            QSKIP("needs root, and fs.protected_hardlinks=1");
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeSound(d.filePath("in.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
            test_sound::makeSound("low sine", 1, 8000, 3000)));
        QCOMPARE(run(kEncoder, dir.path(), {"in.wav"}).code, 0);
        const QByteArray fresh = readFile(d.filePath("in.wss"));
        writeFile(d.filePath("in.wss"), "earlier");
        QFile::setPermissions(d.filePath("in.wav"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        const QString log = d.filePath("shim.log");
        const Result r = run(kEncoder, dir.path(), {"in.wav"},
            otherUser ? asNobody(dir.path()) : std::function<void()>(), env + QStringList{"TALVEN_SHIM_LOG=" + log});
        QVERIFY(readFile(log).contains(" in.wss " + step.toUtf8()));
        QFile::remove(log);
        const auto files = snapshot(dir.path());
        QCOMPARE(files.value("in.wss"), fresh);
        if (killed) {
            QCOMPARE(r.status, QProcess::CrashExit);
            QCOMPARE(files.keys(QByteArray("earlier")).size(), 1); // under the temporary name
        } else {
            QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: kept the earlier 'in.wss' as 'in.wss.~1~'"}));
            QCOMPARE(r.code, 0);
            QCOMPARE(files.value("in.wss.~1~"), "earlier");
            QCOMPARE(files.size(), 3);
        }
    }

    // A run that keeps the backups of many files lists their folder once, not once a file.
    void backupsListTheFolderOnce()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QStringList names;
        for (int i = 0; i < 5; ++i) {
            names << QString::asprintf("n%d.wss", i);
            writeFile(d.filePath(names.last()), makeWss());
            writeFile(d.filePath(QString::asprintf("n%d.wav", i)), "earlier");
        }
        const QTemporaryDir logs; // not in the folder listed; a folder of this run's own
        const QString log = logs.filePath("shim.log");
        const Result r = run(kDecoder, dir.path(), names, {}, shim({"TALVEN_SHIM_LOG=" + log}));
        QCOMPARE(r.code, 0);
        QCOMPARE(r.errorLines.size(), 5);
        QCOMPARE(QString::fromUtf8(readFile(log)).split('\n').filter("opendir " + dir.path()).size(), 1);
        QCOMPARE(readFile(d.filePath("n4.wav.~1~")), "earlier");
    }

    // With few descriptors allowed, a batch holds fewer outputs (each waiting output keeps one),
    // and a descriptor refused in the middle of a run puts the waiting ones in place first.
    void manyFilesWithFewDescriptors_data()
    {
        QTest::addColumn<int>("limit"); // RLIMIT_NOFILE
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<bool>("noneRefused"); // the batch was sized so that no descriptor was refused
        QTest::newRow("ulimit -n 32") << 32 << QStringList() << true;
        QTest::newRow("a descriptor refused") << 1024 << QStringList{"TALVEN_SHIM_FD_LIMIT=24"} << false;
    }
    void manyFilesWithFewDescriptors()
    {
        QFETCH(int, limit);
        QFETCH(QStringList, env);
        QFETCH(bool, noneRefused);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeSound(d.filePath("a.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000,
            test_sound::makeSound("low sine", 1, 8000, 200)));
        for (int i = 0; i < 100; ++i)
            QVERIFY(QFile::copy(d.filePath("a.wav"), d.filePath(QString::asprintf("f%02d.wav", i))));
        const QTemporaryDir logs;
        const QString log = logs.filePath("shim.log");
        const Result r = run(
            kEncoder, dir.path(), {"f*.wav"},
            [limit] {
                const rlimit lim{rlim_t(limit), rlim_t(limit)};
                ::setrlimit(RLIMIT_NOFILE, &lim);
            },
            shim(env + QStringList{"TALVEN_SHIM_LOG=" + log}));
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        QCOMPARE(d.entryList({"f*.wss"}).size(), 100);
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
        QCOMPARE(!readFile(log).contains("emfile "), noneRefused);
    }

    // When the backup numbers have run out, the tool says so and replaces nothing.
    void noBackupNumberLeft()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("in.wss"), makeWss());
        writeFile(dir.filePath("in.wav"), "earlier");
        writeFile(dir.filePath("in.wav.~18446744073709551615~"), "the last");
        const auto before = snapshot(dir.path());
        const Result r = run(kDecoder, dir.path(), {"in.wss"});
        QCOMPARE(r.errorLines,
            QStringList({"WSSdec.exe: cannot keep the earlier 'in.wav' in '" + dir.path()
                + "': 'in.wav.~18446744073709551615~' has the highest backup number there can be; nothing was "
                  "replaced"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A pattern in a folder that may be listed but not searched (read permission without execute)
    // says that the folder cannot be read, not that nothing matches.
    void patternInAFolderThatCannotBeSearched()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(d.mkdir("locked"));
        writeFile(d.filePath("locked/a.wav"), "sound");
        const auto setup = asNobody(dir.path());
        QFile::setPermissions(d.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        const auto reopen = qScopeGuard([&] {
            QFile::setPermissions(
                d.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        const Result r = run(kEncoder, dir.path(), {"locked/*.wav"}, setup);
        QCOMPARE(r.errorLines,
            QStringList(
                {"WSSCod.exe: cannot read the folder 'locked/' to look for 'locked/*.wav': Permission denied"}));
        QCOMPARE(r.code, 1);
    }

    // An output takes its name only once its data is on disk: each rename of a temporary file
    // comes after a flush of it (fsync, fdatasync, or syncfs of its file system) that follows its
    // last write. A new output gets the mode of a new file, 0666 less the umask. One file, and a
    // batch (one of them over an earlier output).
    void flushedBeforeNamed_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("umask");
        for (const int mask : {022, 077, 002}) {
            QTest::addRow("one file, umask %03o", mask) << QStringList{"a.wav"} << mask;
            QTest::addRow("a batch, umask %03o", mask) << QStringList{"*.wav"} << mask;
        }
    }
    void flushedBeforeNamed()
    {
        QFETCH(QStringList, args);
        QFETCH(int, umask);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeThreeWavsAndAnEarlierOutput(d));
        const QTemporaryDir logs;
        const QString log = logs.filePath("shim.log");
        const Result r = run(
            kEncoder, dir.path(), args, [umask] { ::umask(mode_t(umask)); }, shim({"TALVEN_SHIM_LOG=" + log}));
        QCOMPARE(r.code, 0);
        const QStringList calls = QString::fromUtf8(readFile(log)).split('\n', Qt::SkipEmptyParts);
        QMap<QString, bool> flushed; // temporary file: flushed since its last write
        QSet<QString> named;
        for (const QString &call : calls) {
            const QStringList f = call.split(' ');
            if (f[0] == "write")
                flushed[f[1]] = false;
            else if (f[0] == "fsync" || f[0] == "fdatasync")
                flushed[f[1]] = true;
            else if (f[0] == "syncfs")
                for (bool &b : flushed)
                    b = true;
            else if (f[0] == "rename" && f[1].startsWith('.') && f[2].endsWith(".wss")) {
                QVERIFY2(flushed.value(f[1]), qPrintable(call + " before a flush"));
                named << f[1];
            }
        }
        QCOMPARE(named.size(), args.first() == "*.wav" ? 3 : 1);
        for (const QString &name : d.entryList({"*.wss"})) {
            struct stat st
            {
            };
            QCOMPARE(::stat(QFile::encodeName(d.filePath(name)).constData(), &st), 0);
            if (name != "c.wss" || args.first() == "*.wav")
                QCOMPARE(int(st.st_mode & 0777), 0666 & ~umask);
        }
    }

    // A flush that fails (an I/O error found only at the flush) fails the file with exit code 3,
    // and replaces nothing: no output takes its name, no earlier one is touched.
    void flushErrorReplacesNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("errors");
        const QString error = "WSSCod.exe: cannot write '%1' in 'DIR': Input/output error";
        QTest::newRow("one file") << QStringList{"c.wav"} << QStringList{error.arg("c.wss")};
        QTest::newRow("a batch") << QStringList{"*.wav"}
                                 << QStringList{error.arg("a.wss"), error.arg("b.wss"), error.arg("c.wss"),
                                        "WSSCod.exe: 0 of 3 files encoded; 3 failed"};
    }
    void flushErrorReplacesNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, errors);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeThreeWavsAndAnEarlierOutput(d));
        const auto before = snapshot(dir.path());
        const Result r = run(kEncoder, dir.path(), args, {}, shim({"TALVEN_SHIM_FAIL_FLUSH=1"}));
        QCOMPARE(r.errorLines, errors.replaceInStrings("DIR", dir.path()));
        QCOMPARE(r.code, 3);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Killed at any moment while it replaces an existing output, a tool leaves the earlier content
    // under NAME or its backup, and NAME is either the earlier file or the complete new one. (Greedy
    // codes: what matters here is the replacing, and the search would make the runs long.)
    void killedAtAnyMomentLosesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(writeSound(dir.filePath("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100,
            test_sound::makeSound("white", 2, 44100, std::size_t(44100) * 20)));
        const QStringList greedy{"WSS_SEARCH=greedy"};
        QCOMPARE(run(kEncoder, dir.path(), {"long.wav"}, {}, greedy).code, 0);
        const QByteArray complete = readFile(dir.filePath("long.wss"));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run(kEncoder, dir.path(), {"-f", "long.wav"}, {}, greedy).code, 0);
        const qint64 runMs = std::max<qint64>(timer.elapsed(), 5);
        std::mt19937 rng(7);
        int replaced = 0;
        for (int i = 0; i < 12; ++i) {
            QFile::remove(dir.filePath("long.wss.~1~"));
            writeFile(dir.filePath("long.wss"), "the earlier long.wss");
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.setProcessEnvironment(environmentWith(greedy));
            p.start(kEncoder, {"long.wav"});
            QVERIFY(p.waitForStarted());
            ::usleep(useconds_t(std::uniform_int_distribution<qint64>(0, runMs * 1100)(rng)));
            ::kill(pid_t(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished());
            const auto files = snapshot(dir.path());
            const QByteArray now = files.value("long.wss");
            if (now == complete) {
                ++replaced;
                QCOMPARE(files.value("long.wss.~1~"), "the earlier long.wss");
            } else {
                QCOMPARE(now, "the earlier long.wss");
            }
        }
        qInfo("%d of 12 runs had replaced the output when killed", replaced);
    }

    // An output of more than 32 MiB is sent to disk and flushed by a helper thread while the
    // decoder still works: it comes out whole, and a damaged block near the end fails the run as
    // always, with the helper stopped and nothing left behind.
    void longOutputWrittenWhileConverting()
    {
        QTemporaryDir dir;
        wss::Header h;
        h.sampleRate = 44100;
        h.channels = 2;
        h.frames = std::uint64_t(44100) * 220; // 38.8 MB of WAV
        QByteArray wss = makeWss(h);
        writeFile(dir.filePath("long.wss"), wss);
        Result r = run(kDecoder, dir.path(), {"long.wss"});
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        const Sound out = readSound(dir.filePath("long.wav"));
        QCOMPARE(out.info.frames, qint64(h.frames));
        for (std::size_t i = 0; i < out.samples.size(); i += std::size_t(h.blockFrames) * h.channels)
            QCOMPARE(out.samples[i], double(wssTestSample(i))); // the first frame of every block

        wss[wss.size() - 10] = char(wss[wss.size() - 10] ^ 0x55);
        writeFile(dir.filePath("long.wss"), wss);
        const auto before = snapshot(dir.path());
        r = run(kDecoder, dir.path(), {"long.wss"});
        const auto blocks = QString::number(wss::blockCount(h));
        QCOMPARE(r.errorLines,
            QStringList({"WSSdec.exe: damaged WSS file 'long.wss': block " + blocks + " of " + blocks
                + " fails its checksum"}));
        QCOMPARE(r.code, 1);
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestWssTools)
#include "tst_wss_tools.moc"
