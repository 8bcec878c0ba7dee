// WSSCod.exe on WAV files as recorders and other writers leave them: streamed past 4 GiB without
// their lengths, cut short, chunks without their pad byte, chunks out of order, and a file that
// gets shorter while it is read. The tool never claims more sound than it converted. Every test
// works in its own temporary folder.

#include "build_path.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const QString kEncoder = buildPath(WSSCOD);

struct Result
{
    int code;
    QStringList errorLines;
    QStringList outputLines;
};

Result run(const QString &dir, const QStringList &args, const QStringList &env = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : env)
        e.insert(setting.section('=', 0, 0), setting.section('=', 1));
    p.setProcessEnvironment(e);
    p.start(kEncoder, args);
    if (!p.waitForFinished(120000))
        qFatal("the encoder did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts),
        QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)};
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

// The hidden temporary files a run leaves in `dir`, which must be none.
QStringList temporaryFiles(const QString &dir)
{
    return QDir(dir).entryList(QDir::Hidden | QDir::Files).filter(QRegularExpression("^\\..*\\.[^.]{6}$"));
}

QByteArray number(quint64 v, int bytes, bool bigEndian = false)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(v >> (8 * (bigEndian ? bytes - 1 - i : i)));
    return out;
}

// A chunk: id, 32-bit length, body, and the pad byte after a body of odd length unless `pad` is
// false (as some writers leave it out).
QByteArray chunk(const char *id, const QByteArray &body, bool pad = true, bool bigEndian = false)
{
    return id + number(quint64(body.size()), 4, bigEndian) + body + QByteArray(pad ? body.size() % 2 : 0, '\0');
}

QByteArray pcmFormat(int channels, int rate, int bits, bool bigEndian = false)
{
    const int frame = channels * bits / 8;
    return chunk("fmt ",
        number(1, 2, bigEndian) + number(quint64(channels), 2, bigEndian) + number(quint64(rate), 4, bigEndian)
            + number(quint64(rate) * quint64(frame), 4, bigEndian) + number(quint64(frame), 2, bigEndian)
            + number(quint64(bits), 2, bigEndian),
        true, bigEndian);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + number(quint64(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// `bytes` bytes of a sine, as 16-bit little-endian samples (the last one possibly cut).
QByteArray sine(int bytes)
{
    QByteArray out;
    for (int i = 0; out.size() < bytes; ++i)
        out += number(quint64(quint16(qint16(9000 * std::sin(i / 23.0)))), 2);
    return out.left(bytes);
}

// The WSS file's length in frames, from its header.
quint64 wssFrames(const QByteArray &wss)
{
    quint64 frames = 0;
    for (int i = 7; i >= 0 && wss.size() >= 24; --i)
        frames = frames << 8 | quint8(wss[16 + i]);
    return frames;
}

} // namespace

class TestWavInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    // The tools run in English (the tests quote their messages), and away from the real user's
    // files: HOME and the config folder are a temporary folder of this run's own. The encoder
    // writes greedy codes (WSS_SEARCH=greedy), the same format hundreds of times as soon as its
    // search: what it reads is the point here, not how it codes it.
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
        qputenv("WSS_SEARCH", "greedy");
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(".config")));
    }

    // A recorder that never wrote its lengths back leaves 0xFFFFFFFF or 0 in the RIFF and data
    // lengths; past 4 GiB of sound, the file's end says how long it is, not 32 bits. A sparse file
    // of 4,831,842,208 bytes of 48 kHz stereo: the WSS header the encoder writes at once gives its
    // 1,207,960,552 frames; the run is stopped there, and leaves nothing.
    void streamedWavPastFourGiB_data()
    {
        QTest::addColumn<quint32>("length");
        QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu;
        QTest::newRow("0") << 0u;
    }
    void streamedWavPastFourGiB()
    {
        QFETCH(quint32, length);
        QTemporaryDir dir;
        const quint64 sound = 4831842208;
        {
            QFile f(dir.filePath("big.wav"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray head
                = "RIFF" + number(length, 4) + "WAVE" + pcmFormat(2, 48000, 16) + "data" + number(length, 4);
            QCOMPARE(f.write(head), 44);
            QVERIFY(f.resize(qint64(44 + sound)));
        }
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(kEncoder, {"big.wav"});
        QVERIFY(p.waitForStarted());
        QByteArray header;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QStringList temporary = temporaryFiles(dir.path());
                header = temporary.isEmpty() ? QByteArray() : readFile(dir.filePath(temporary.first())).left(32);
                return header.size() == 32;
            }(),
            60000);
        p.terminate();
        QVERIFY(p.waitForFinished());
        QCOMPARE(wssFrames(header), sound / 4);
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
        QVERIFY(!QFile::exists(dir.filePath("big.wss")));
    }

    // Only RF64 says more than 4 GiB, and RF64 is little-endian: a big-endian RIFX file past
    // 4 GiB without its lengths cannot be read, and is refused as such.
    void bigEndianPastFourGiBIsRefused()
    {
        QTemporaryDir dir;
        {
            QFile f(dir.filePath("big.wav"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write("RIFX" + number(0xFFFFFFFF, 4) + "WAVE" + pcmFormat(2, 48000, 16, true) + "data"
                + number(0xFFFFFFFF, 4)));
            QVERIFY(f.resize(qint64(44 + 4831842208)));
        }
        const Result r = run(dir.path(), {"big.wav"});
        QCOMPARE(r.errorLines,
            QStringList({"WSSCod.exe: 'big.wav' is a big-endian WAV file (RIFX) with more than 4 GiB of sound: such a "
                         "file can only be RF64, which is little-endian; not converted"}));
        QCOMPARE(r.code, 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"big.wav"}));
    }

    // A WAV file that gets shorter while the encoder reads it (another program truncates it, here
    // the shim as the read passes 100,000 bytes) is not converted: exit 1, a message naming it,
    // and the earlier output left as it was, no temporary file.
    void inputThatShrinksIsNotConverted()
    {
        QTemporaryDir dir;
        const QByteArray wav = riff(pcmFormat(1, 8000, 16) + chunk("data", sine(400000)));
        writeFile(dir.filePath("in.wav"), wav);
        writeFile(dir.filePath("in.wss"), "earlier");
        const Result r = run(dir.path(), {"in.wav"},
            {"LD_PRELOAD=" + buildPath(SYSCALL_SHIM), "ASAN_OPTIONS=verify_asan_link_order=0",
                "TALVEN_SHIM_SHRINK_AT=in.wav:100000"});
        QCOMPARE(r.errorLines,
            QStringList({"WSSCod.exe: 'in.wav' got shorter while it was read, from 400044 to 100000 bytes; not "
                         "converted"}));
        QCOMPARE(r.code, 1);
        QCOMPARE(readFile(dir.filePath("in.wss")), "earlier");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"in.wav", "in.wss"}));
    }

    // Where the sound is not what the header says, the message says what was converted, in frames
    // and in time, and the incomplete frame left out; the WSS file holds exactly those frames.
    // Stereo 16-bit at 44.1 kHz: 13,229 whole frames and 2 bytes of one more.
    void sayWhatWasConverted_data()
    {
        QTest::addColumn<quint32>("length"); // the data chunk's
        QTest::addColumn<QString>("message");
        const QString frames = "converted 13229 frames (0:00.300) and left out an incomplete last frame (2 of 4 bytes)";
        QTest::newRow("cut short") << 52920u
                                   << "'in.wav' is cut short: its sound should be 52920 bytes long but the file holds "
                                      "52918; "
                + frames;
        QTest::newRow("no length") << 0xFFFFFFFFu
                                   << "'in.wav' does not give the length of its sound; read it to the end of the file: "
                                      "52918 bytes; "
                + frames;
        QTest::newRow("length inside a frame")
            << 52918u << "'in.wav' ends inside a frame: of its 52918 bytes of sound, " + frames;
    }
    void sayWhatWasConverted()
    {
        QFETCH(quint32, length);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QByteArray format = pcmFormat(2, 44100, 16);
        writeFile(dir.filePath("in.wav"), riff(format + "data" + number(length, 4) + sine(52918)));
        writeFile(dir.filePath("whole.wav"), riff(format + chunk("data", sine(52916))));
        QCOMPARE(run(dir.path(), {"whole.wav"}).code, 0);
        const Result r = run(dir.path(), {"in.wav"});
        QCOMPARE(r.errorLines, QStringList({"WSSCod.exe: " + message}));
        QCOMPARE(r.code, 0);
        const QByteArray wss = readFile(dir.filePath("in.wss"));
        QCOMPARE(wssFrames(wss), 13229u);
        QCOMPARE(wss, readFile(dir.filePath("whole.wss")));
    }

    // The progress lines' total and the summary count the same things: a pattern that names no
    // file counts as one item that failed in both, with its own `failed` line, so that a reader
    // of the lines sees every item end.
    void progressTotalAgreesWithSummary()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("\u00fc b.wav"), riff(pcmFormat(1, 8000, 16) + chunk("data", sine(8000))));
        const Result r = run(dir.path(), {"\u00fc b.wav", "nix.wav", "*.flac"}, {"WSS_PROGRESS=1"});
        QCOMPARE(r.outputLines,
            QStringList({"files\t3", "start\t1\t\u00fc b.wav", "start\t2\tnix.wav", "failed\t2\tnix.wav\t1",
                "failed\t3\t*.flac\t1", "wrote\t1\t\u00fc b.wss"}));
        QCOMPARE(r.errorLines,
            QStringList({"WSSCod.exe: cannot open 'nix.wav': No such file or directory",
                "WSSCod.exe: no file matches '*.flac'", "WSSCod.exe: 1 of 3 files encoded; 2 failed"}));
        QCOMPARE(r.code, 1);
    }

    // Chunks of odd length are followed by a pad byte, which some writers leave out: the data
    // chunk is found either way, and the sound is the same. RF64 gives its lengths in a ds64 chunk.
    // A data chunk before the fmt chunk that says how to read it is not WAV, and is refused,
    // saying so.
    void chunkLayouts_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QByteArray format = pcmFormat(2, 44100, 16), sound = sine(52920), list = chunk("LIST", "abc", false);
        QTest::newRow("pad byte there") << riff(format + chunk("LIST", "abc") + chunk("data", sound)) << 0 << "";
        QTest::newRow("no pad byte") << riff(format + list + chunk("data", sound)) << 0 << "";
        QTest::newRow("no pad byte, one before fmt")
            << riff(list + chunk("LIST", "xyzzy", false) + format + chunk("data", sound)) << 0 << "";
        // Where the pad byte belongs, "ata" and the length's first byte, 'A', look like a chunk id.
        const QByteArray printable = sine(0x4140) + "AA";
        QTest::newRow("no pad byte, a length that reads as text")
            << riff(format + list + chunk("data", printable)) << 0
            << "'in.wav' ends inside a frame: of its 16706 bytes of sound, converted 4176 frames (0:00.095) and left "
               "out an incomplete last frame (2 of 4 bytes)";
        QTest::newRow("no pad byte, no length")
            << riff(format + list + "data" + number(0xFFFFFFFF, 4) + sound) << 0
            << "'in.wav' does not give the length of its sound; read it to the end of the file: 52920 bytes, 13230 "
               "frames (0:00.300)";
        QTest::newRow("RF64") << "RF64" + number(0xFFFFFFFF, 4) + "WAVE"
                + chunk("ds64", number(quint64(52920 + 72), 8) + number(52920, 8) + number(13230, 8) + number(0, 4))
                + format + "data" + number(0xFFFFFFFF, 4)
                + sound << 0 << "";
        QTest::newRow("data before fmt") << riff(chunk("data", sound) + format) << 1
                                         << "damaged WAV file 'in.wav': its data chunk comes before its fmt chunk";
        QTest::newRow("data before fmt, no length") << riff("data" + number(0, 4) + sound + format) << 1
                                                    << "damaged WAV file 'in.wav': no fmt chunk before its data chunk";
    }
    void chunkLayouts()
    {
        QFETCH(QByteArray, wav);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath("in.wav"), wav);
        const QByteArray sound = wav.mid(wav.indexOf("data") + 8);
        writeFile(
            dir.filePath("plain.wav"), riff(pcmFormat(2, 44100, 16) + chunk("data", sound.left(sound.size() / 4 * 4))));
        QCOMPARE(run(dir.path(), {"plain.wav"}).code, 0);
        const Result r = run(dir.path(), {"in.wav"});
        QCOMPARE(r.errorLines, message.isEmpty() ? QStringList() : QStringList({"WSSCod.exe: " + message}));
        QCOMPARE(r.code, code);
        if (code == 0)
            QCOMPARE(readFile(dir.filePath("in.wss")), readFile(dir.filePath("plain.wss")));
        else
            QVERIFY(!QFile::exists(dir.filePath("in.wss")));
    }
};

QTEST_GUILESS_MAIN(TestWavInput)
#include "tst_wav_input.moc"
