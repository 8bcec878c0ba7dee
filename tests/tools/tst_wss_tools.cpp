// WSSCod.exe and WSSdec.exe run as the program runs them: one file name, in the file's folder.
// Every test works in its own temporary folder.

#include "test_sound.h"
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

        Result r = run(kEncoder, dir.path(), {"in.wav"});
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
        Result r = run(kEncoder, dir.path(), {"in.wav"}, limit);
        QCOMPARE(
            r.errorLines, QStringList({"WSSCod.exe: cannot write 'in.wss' in " + dir.path() + ": File too large"}));
        QCOMPARE(r.code, 3);
        r = run(kDecoder, dir.path(), {"small.wss"}, [] {
            const rlimit lim{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &lim);
        });
        QCOMPARE(
            r.errorLines, QStringList({"WSSdec.exe: cannot write 'small.wav' in " + dir.path() + ": File too large"}));
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

    void options_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("firstOut"); // first line of standard output
        QTest::addColumn<QString>("firstError"); // first line of error output
        const QString usage = "usage: WSSdec.exe [-f] FILE...";
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
        QTest::newRow("a folder") << kDecoder << QStringList{"sub/"} << 1 << ""
                                  << "WSSdec.exe: 'sub/' is a folder; give the WSS file to decode in it";
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
        if (firstError.contains("no file named"))
            QVERIFY(errors.value(1).startsWith("usage: "));
        QCOMPARE(p.exitCode(), code);
        QCOMPARE(QFileInfo::exists(dir.filePath("-take 1.wav")), code == 0 && firstOut.isEmpty());
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
    // removes every temporary file and leaves no partial name. The last file named is a pipe, so
    // the decoder is sure to be stopped in it, after the 70 matches.
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
        QCOMPARE(mkfifo(QFile::encodeName(d.filePath("pipe.wss")).constData(), 0600), 0);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kDecoder, {"*.wss", "pipe.wss"});
        QVERIFY(p.waitForStarted());
        const int fd = ::open(QFile::encodeName(d.filePath("pipe.wss")).constData(), O_WRONLY);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, wss.constData(), 32 + 3000), ssize_t(32 + 3000));
        auto temporary = [&] { return snapshot(dir.path()).keys().filter(QRegularExpression("^\\.")); };
        QTRY_COMPARE(temporary().filter(QRegularExpression("^\\.pipe\\.wav\\.")).size(), 1);
        QCOMPARE(temporary().size(), 70 - 64 + 1); // six wait to be put in place
        p.terminate();
        QVERIFY(p.waitForFinished());
        ::close(fd);
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(temporary(), QStringList());
        const QStringList placed = QDir(dir.path()).entryList({"*.wav"});
        QCOMPARE(placed.size(), 64);
        for (const QString &name : placed)
            QCOMPARE(readFile(d.filePath(name)), wav);
    }

    // Killed at any moment while it replaces an existing output, a tool leaves the earlier content
    // under NAME or its backup, and NAME is either the earlier file or the complete new one.
    void killedAtAnyMomentLosesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(writeSound(dir.filePath("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100,
            test_sound::makeSound("white", 2, 44100, std::size_t(44100) * 20)));
        QCOMPARE(run(kEncoder, dir.path(), {"long.wav"}).code, 0);
        const QByteArray complete = readFile(dir.filePath("long.wss"));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run(kEncoder, dir.path(), {"-f", "long.wav"}).code, 0);
        const qint64 runMs = std::max<qint64>(timer.elapsed(), 5);
        std::mt19937 rng(7);
        int replaced = 0;
        for (int i = 0; i < 12; ++i) {
            QFile::remove(dir.filePath("long.wss.~1~"));
            writeFile(dir.filePath("long.wss"), "the earlier long.wss");
            QProcess p;
            p.setWorkingDirectory(dir.path());
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
};

QTEST_GUILESS_MAIN(TestWssTools)
#include "tst_wss_tools.moc"
