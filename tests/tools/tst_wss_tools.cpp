// WSSCod.exe and WSSdec.exe run as the program runs them: one file name, in the file's folder.
// Every test works in its own temporary folder.

#include "wss_format.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kEncoder = QStringLiteral(WSSCOD);
const QString kDecoder = QStringLiteral(WSSDEC);

struct Result
{
    int code;
    QProcess::ExitStatus status;
    QStringList errorLines;
};

Result run(
    const QString &tool, const QString &dir, const QStringList &args, const std::function<void()> &childSetup = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    if (childSetup)
        p.setChildProcessModifier(childSetup);
    p.start(tool, args);
    if (!p.waitForFinished(120000))
        qFatal("%s did not finish", qPrintable(tool));
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    return {p.exitCode(), p.exitStatus(), err.split('\n', Qt::SkipEmptyParts)};
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

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sound, interleaved, full scale = 1.0.
std::vector<double> makeSound(const QString &kind, int channels, int rate, qint64 frames)
{
    std::vector<double> s(std::size_t(frames * channels));
    std::mt19937 rng(1234);
    std::normal_distribution<double> normal(0.0, 0.2);
    for (qint64 i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            double &v = s[std::size_t(i * channels + c)];
            if (kind == "noise") {
                v = std::clamp(normal(rng), -1.0, 1.0);
            } else {
                // A different pitch in each channel, so swapped channels cannot pass.
                const double freq = 220.0 * (c + 2) / 2.0 + 31.0 * c;
                const double amp = kind == "loud" ? 1.5 : 0.5;
                v = amp * std::sin(2 * M_PI * freq * double(i) / rate);
            }
        }
    return s;
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

// Signal to noise ratio of the worst channel, in dB.
double worstChannelSnr(const Sound &ref, const Sound &out)
{
    const int ch = ref.info.channels;
    double worst = INFINITY;
    for (int c = 0; c < ch; ++c) {
        double signal = 0, noise = 0;
        for (std::size_t i = std::size_t(c); i < ref.samples.size(); i += std::size_t(ch)) {
            signal += ref.samples[i] * ref.samples[i];
            noise += (ref.samples[i] - out.samples[i]) * (ref.samples[i] - out.samples[i]);
        }
        worst = std::min(worst, 10 * std::log10(signal / std::max(noise, 1e-9)));
    }
    return worst;
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
    wss::BlockEncoder enc(h.channels);
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

} // namespace

class TestWssTools : public QObject
{
    Q_OBJECT

private slots:
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
            << "sine" << (wav | SF_FORMAT_PCM_16) << 1 << 44100 << qint64(3 * 44100 + 17) << 36.0;
        QTest::newRow("sine stereo 16-bit 48k")
            << "sine" << (wav | SF_FORMAT_PCM_16) << 2 << 48000 << qint64(1025 * 40) << 36.0;
        QTest::newRow("sine 8ch 24-bit 96k")
            << "sine" << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_24) << 8 << 96000 << qint64(96001) << 36.0;
        QTest::newRow("sine stereo 32-bit 192k")
            << "sine" << (wav | SF_FORMAT_PCM_32) << 2 << 192000 << qint64(50000) << 36.0;
        QTest::newRow("sine stereo float 22.05k")
            << "sine" << (wav | SF_FORMAT_FLOAT) << 2 << 22050 << qint64(30000) << 36.0;
        QTest::newRow("sine mono double 16k")
            << "sine" << (wav | SF_FORMAT_DOUBLE) << 1 << 16000 << qint64(20000) << 36.0;
        QTest::newRow("sine mono 8-bit 8k") << "sine" << (wav | SF_FORMAT_PCM_U8) << 1 << 8000 << qint64(16003) << 30.0;
        QTest::newRow("loud float, clipped")
            << "loud" << (wav | SF_FORMAT_FLOAT) << 2 << 44100 << qint64(30000) << 25.0;
        QTest::newRow("noise mono 16-bit 44.1k")
            << "noise" << (wav | SF_FORMAT_PCM_16) << 1 << 44100 << qint64(88200) << 12.0;
        QTest::newRow("noise stereo 24-bit 48k")
            << "noise" << (wav | SF_FORMAT_PCM_24) << 2 << 48000 << qint64(48000) << 12.0;
        for (qint64 n : {0, 1, 2, 1024, 1025, 1026})
            QTest::addRow("%lld frames", n) << "sine" << (wav | SF_FORMAT_PCM_16) << 2 << 44100 << n << 0.0;
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
        QVERIFY(writeSound(dir.filePath("in.wav"), format, channels, rate, makeSound(kind, channels, rate, frames)));
        const Sound ref = readSound(dir.filePath("in.wav"));
        QCOMPARE(ref.info.frames, frames);
        writeFile(dir.filePath("in.wss"), "an older in.wss, to be replaced");

        Result r = run(kEncoder, dir.path(), {"in.wav"});
        QCOMPARE(r.errorLines, QStringList());
        QCOMPARE(r.code, 0);
        // The size follows from the layout: header, then per block a 4-byte header per channel,
        // a byte per two frames after the first, and a checksum.
        qint64 size = 32;
        for (qint64 left = frames; left > 0; left -= 1025)
            size += channels * (4 + std::min<qint64>(left, 1025) / 2) + 4;
        QCOMPARE(QFileInfo(dir.filePath("in.wss")).size(), size);

        r = run(kDecoder, dir.path(), {"in.wss"});
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
            writeSound(path, format, channels, 8000, makeSound("sine", channels, 8000, 100));
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
        QVERIFY(writeSound(
            dir.filePath("in.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100, makeSound("sine", 2, 44100, 441000)));
        writeFile(dir.filePath("in.wss"), "an older output");
        writeFile(dir.filePath("small.wss"), makeWss());
        const auto before = snapshot(dir.path());
        auto limit = [] {
            const rlimit lim{65536, 65536};
            setrlimit(RLIMIT_FSIZE, &lim);
        };
        Result r = run(kEncoder, dir.path(), {"in.wav"}, limit);
        QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: cannot write 'in.wss': File too large"}));
        QCOMPARE(r.code, 3);
        r = run(kDecoder, dir.path(), {"small.wss"}, [] {
            const rlimit lim{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &lim);
        });
        QCOMPARE(r.errorLines, QStringList({"WSSdec.exe: cannot write 'small.wav': File too large"}));
        QCOMPARE(r.code, 3);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Stopped halfway (the program's Cancel), a tool removes its unfinished output. The input is
    // a pipe, so the decoder is sure to be waiting in the middle of the file when it is stopped.
    void stoppedToolLeavesNothing()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath("live.wss");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kDecoder, {"live.wss"});
        QVERIFY(p.waitForStarted());
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
        QVERIFY(fd >= 0);
        const QByteArray wss = makeWss();
        QCOMPARE(::write(fd, wss.constData(), 32 + 3000), ssize_t(32 + 3000));
        QTRY_COMPARE(snapshot(dir.path()).size(), 2); // the pipe and the decoder's temporary file
        p.terminate();
        QVERIFY(p.waitForFinished());
        ::close(fd);
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(snapshot(dir.path()).keys(), QStringList({"live.wss"}));
    }

    void usage()
    {
        QTemporaryDir dir;
        for (const QString &tool : {kEncoder, kDecoder}) {
            for (const QStringList &args : {QStringList(), QStringList({"a", "b"})}) {
                const Result r = run(tool, dir.path(), args);
                QCOMPARE(r.code, 2);
                QVERIFY(!r.errorLines.isEmpty());
                const QString name = QFileInfo(tool).fileName();
                QVERIFY(r.errorLines.first().startsWith("usage: " + name + " FILE"));
            }
        }
        QVERIFY(snapshot(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWssTools)
#include "tst_wss_tools.moc"
