// Parts of the tools' run on their own: what a WAV file's chunks say, how many outputs wait in a
// batch, opening an input, and writing an output.

#include "failure.h"
#include "i18n.h"
#include "input_file.h"
#include "output_batch.h"
#include "output_file.h"
#include "wav_layout.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// A WAV file of the given kind ("RIFF", "RIFX", "RF64") from chunks, each an id and its body.
QByteArray wavFile(const QByteArray &kind, const QList<QPair<QByteArray, QByteArray>> &chunks)
{
    const bool big = kind == "RIFX";
    auto u32 = [big](quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[big ? 3 - i : i] = char(v >> (8 * i));
        return b;
    };
    QByteArray body = "WAVE";
    for (const auto &[id, data] : chunks) {
        body += id + u32(id == "data#0" ? 0 : quint32(data.size())) + data;
        if (data.size() % 2)
            body += '\0';
    }
    body.replace("data#0", "data");
    return kind + u32(quint32(body.size())) + body;
}

QByteArray le(quint64 v, int bytes)
{
    QByteArray b(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        b[i] = char(v >> (8 * i));
    return b;
}

// A PCM fmt chunk's body, little-endian.
QByteArray fmt(quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return le(1, 2) + le(channels, 2) + le(rate, 4) + le(quint64(rate) * align, 4) + le(align, 2) + le(bits, 2);
}

wsstool::WavLayout layoutOf(const QByteArray &file)
{
    return wsstool::readWavLayout(
        [&](std::uint64_t offset, std::uint8_t *bytes, std::size_t n) {
            if (offset >= std::uint64_t(file.size()))
                return std::size_t(0);
            n = std::min<std::size_t>(n, std::size_t(file.size()) - std::size_t(offset));
            std::memcpy(bytes, file.constData() + offset, n);
            return n;
        },
        std::uint64_t(file.size()));
}

// The Failure of opening `name` as an input; exit code 0 when it opens.
wsstool::Failure openingFails(const char *name)
{
    try {
        const wsstool::InputFile in(name);
    } catch (const wsstool::Failure &f) {
        return f;
    }
    return {0, "opened"};
}

int openDescriptors()
{
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

} // namespace

class TestToolParts : public QObject
{
    Q_OBJECT

private slots:
    void wavLayout_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("dataChunks");
        QTest::addColumn<quint64>("declared");
        QTest::addColumn<quint64>("held");
        QTest::addColumn<bool>("lengthMissing");
        QTest::addColumn<quint32>("rate");
        QTest::addColumn<unsigned>("frameBytes");
        const QByteArray sound(400, 'x'), stereo = fmt(2, 8000, 16);
        QTest::newRow("plain") << wavFile("RIFF", {{"fmt ", stereo}, {"data", sound}}) << 1 << quint64(400)
                               << quint64(400) << false << 8000u << 4u;
        QTest::newRow("an odd chunk before, and one after") // chunks start at even offsets
            << wavFile("RIFF", {{"fmt ", stereo}, {"odd ", "abc"}, {"data", sound}, {"LIST", "info"}}) << 1
            << quint64(400) << quint64(400) << false << 8000u << 4u;
        QTest::newRow("no length") << wavFile("RIFF", {{"fmt ", stereo}, {"data#0", sound}}) << 1 << quint64(0)
                                   << quint64(400) << true << 8000u << 4u;
        QTest::newRow("big-endian RIFX, no length")
            << wavFile("RIFX", {{"fmt ", QByteArray(16, '\0')}, {"data#0", sound}}) << 1 << quint64(0) << quint64(400)
            << true << 0u << 0u;
        QTest::newRow("cut short") << wavFile("RIFF", {{"fmt ", stereo}, {"data", sound}}).chopped(150) << 1
                                   << quint64(400) << quint64(250) << false << 8000u << 4u;
        QTest::newRow("two data chunks") << wavFile("RIFF", {{"fmt ", fmt(1, 0, 16)}, {"data", "ab"}, {"data", sound}})
                                         << 2 << quint64(2) << quint64(2) << false << 0u << 2u;
        QByteArray rf64
            = wavFile("RF64", {{"ds64", le(1000, 8) + le(400, 8) + le(100, 8)}, {"fmt ", stereo}, {"data", sound}});
        rf64.replace(rf64.indexOf("data") + 4, 4, le(0xFFFFFFFF, 4));
        QTest::newRow("RF64: the length in ds64") << rf64 << 1 << quint64(400) << quint64(400) << false << 8000u << 4u;
        QTest::newRow("not a WAV file") << QByteArray("FORM\0\0\0\4AIFF", 12) << 0 << quint64(0) << quint64(0) << false
                                        << 0u << 0u;
    }
    void wavLayout()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, dataChunks);
        QFETCH(quint64, declared);
        QFETCH(quint64, held);
        QFETCH(bool, lengthMissing);
        QFETCH(quint32, rate);
        QFETCH(unsigned, frameBytes);
        const wsstool::WavLayout w = layoutOf(file);
        QCOMPARE(int(w.dataChunks), dataChunks);
        QCOMPARE(quint64(w.declared), declared);
        QCOMPARE(quint64(w.held()), held);
        QCOMPARE(w.lengthMissing(), lengthMissing);
        QCOMPARE(quint32(w.sampleRate), rate);
        QCOMPARE(w.frameBytes(), frameBytes);
        if (dataChunks > 0) // where the sound starts, and the length to put right
            QCOMPARE(file.mid(qsizetype(w.lengthAt) - 4, 4), QByteArray("data"));
    }

    // A translation is used only where printf reads the same arguments from it as from the text.
    void sameConversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("same");
        QTest::newRow("the same") << "cannot open %s: %s"
                                  << "%s kann nicht geöffnet werden: %s" << true;
        QTest::newRow("in another order") << "%s as %s"
                                          << "als %2$s: %1$s" << true;
        QTest::newRow("literal percent signs") << "%zu of %zu; 100%%"
                                               << "%zu/%zu (100 %%)" << true;
        QTest::newRow("twelve for one") << "%s is not a WSS file"
                                        << "%s%s%s%s%s%s%s%s%s%s%s%s" << false;
        QTest::newRow("one missing") << "%s: %s"
                                     << "%s" << false;
        QTest::newRow("another type") << "%llu bytes"
                                      << "%s Bytes" << false;
        QTest::newRow("another length") << "%zu files"
                                        << "%u Dateien" << false;
        QTest::newRow("a write") << "%s"
                                 << "%s%n" << false;
        QTest::newRow("a width argument") << "%s"
                                          << "%*s" << false;
        QTest::newRow("cut off") << "%s"
                                 << "%s %" << false;
    }
    void sameConversions()
    {
        QFETCH(QString, text);
        QFETCH(QString, translation);
        QFETCH(bool, same);
        QCOMPARE(wsstool::sameConversions(text.toUtf8().constData(), translation.toUtf8().constData()), same);
    }

    // Each waiting output keeps a descriptor: as many wait as the limit leaves, beside the ones
    // open and those a conversion needs, from 1 to 64.
    void batchFiles_data()
    {
        QTest::addColumn<quint64>("limit");
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("batch");
        QTest::newRow("the usual 1024") << quint64(1024) << 3 << 64;
        QTest::newRow("ulimit -n 32") << quint64(32) << 3 << 21;
        QTest::newRow("many inherited") << quint64(64) << 50 << 6;
        QTest::newRow("none to spare") << quint64(10) << 3 << 1;
    }
    void batchFiles()
    {
        QFETCH(quint64, limit);
        QFETCH(int, open);
        QFETCH(int, batch);
        QCOMPARE(int(wsstool::OutputBatch::batchFilesFor(limit, std::size_t(open))), batch);
    }

    // What cannot be read as a file is refused at once, and its descriptor closed.
    void inputThatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder") << "folder"
                                << "cannot open 'x': Is a directory";
        QTest::newRow("named pipe") << "pipe"
                                    << "'x' is a pipe, not a regular file";
    }
    void inputThatIsNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        qputenv("LC_ALL", "C");
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("x"));
        QVERIFY(kind == "folder" ? ::mkdir(path, 0700) == 0 : ::mkfifo(path, 0600) == 0);
        QVERIFY(QDir::setCurrent(dir.path()));
        const int before = openDescriptors();
        const wsstool::Failure f = openingFails("x");
        QCOMPARE(openDescriptors(), before);
        QCOMPARE(QString::fromStdString(f.message), message);
        QCOMPARE(f.exitCode, int(wsstool::kExitInput));
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    // A write cut short (here by a file size limit) goes on with the rest, and a failure gives the
    // reason of the write that failed, not a stale errno.
    void writeAtCutShort()
    {
        qputenv("LC_ALL", "C");
        QTemporaryDir dir;
        wsstool::OutputFile out(QFile::encodeName(dir.filePath("x.wss")).toStdString());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lim{1000, old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        const std::vector<char> bytes(100, 'x');
        errno = 0;
        out.writeAt(950, bytes.data(), bytes.size()); // 50 bytes fit
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
        try {
            out.check();
            QFAIL("no failure");
        } catch (const wsstool::Failure &f) {
            QVERIFY2(QString::fromStdString(f.message).endsWith(": File too large"), f.message.c_str());
        }
        struct stat st
        {
        };
        QCOMPARE(::fstat(out.fd(), &st), 0);
        QCOMPARE(st.st_size, off_t(1000));
    }
};

QTEST_GUILESS_MAIN(TestToolParts)
#include "tst_tool_parts.moc"
