// libwss through its C API as another program uses it: files written by the library against the
// reference encoder's, frames read against the reference decoder's, seeking, and every failure.

#include "wss_fixtures.h"

#include "wss/wss.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <algorithm>
#include <random>

using namespace wss_fixtures;

namespace {

constexpr int kBlockFrames = 1025;
constexpr int kHeader = 32;

// All frames from `file`, read `piece` frames at a time; `status` gets the first failure.
std::vector<std::int16_t> readAllFrames(wss_file *file, std::uint64_t piece, std::int64_t *status = nullptr)
{
    std::vector<std::int16_t> out, buffer(piece * wss_channels(file));
    for (;;) {
        const std::int64_t n = wss_read_s16(file, buffer.data(), piece);
        if (n <= 0) {
            if (status)
                *status = n;
            return out;
        }
        out.insert(out.end(), buffer.begin(), buffer.begin() + n * wss_channels(file));
    }
}

void put32(QByteArray &b, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

int blockSize(int channels, int frames)
{
    return channels * (4 + frames / 2) + 4;
}

// Writes the header's and every block's checksum anew (docs/wss-format.md), so that a change to
// the contents is seen by the rules alone.
void resum(QByteArray &file, int channels, int frames)
{
    put32(file, 28, std::uint32_t(crc32(0, reinterpret_cast<const Bytef *>(file.constData()), 28)));
    uLong chain = crc32(0, nullptr, 0);
    for (int at = kHeader, left = frames; left > 0; left -= kBlockFrames) {
        const int size = blockSize(channels, std::min(left, kBlockFrames));
        chain = crc32(chain, reinterpret_cast<const Bytef *>(file.constData() + at), uInt(size - 4));
        put32(file, at + size - 4, std::uint32_t(chain));
        at += size;
    }
}

} // namespace

class TestLibWss : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    WssFile stereo_; // 20 blocks and a short one

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Read only: greedy codes, which the encoder finds far sooner than its search's.
        stereo_ = makeWss(dir_.path(), QStringLiteral("stereo"), 2, 44100, 20 * kBlockFrames + 300, Coding::Greedy);
        QVERIFY(!stereo_.reference.empty());
    }

    // Writing codes as WSSCod.exe does with its default search, byte for byte; reading gives what
    // WSSdec.exe decodes. The search costs some microseconds a sample, so the rows that cross the
    // library's chunks of 64 blocks (65600 frames, for the writer and the reader alike) have few
    // channels, and eight channels come in a short row.
    void writeThenRead_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("piece");
        QTest::newRow("empty, mono") << 1 << 0 << 100;
        QTest::newRow("one frame") << 1 << 1 << 100;
        QTest::newRow("one block, stereo") << 2 << kBlockFrames << 1;
        QTest::newRow("a block and a frame, 3 ch") << 3 << kBlockFrames + 1 << 4096;
        QTest::newRow("blocks and a short one, 8 ch") << 8 << 2 * kBlockFrames + 300 << 777;
        QTest::newRow("a chunk and a short block, stereo") << 2 << 70001 << 777;
        QTest::newRow("long, mono") << 1 << 2 * 64 * kBlockFrames + 18801 << 65536;
    }
    void writeThenRead()
    {
        QFETCH(int, channels);
        QFETCH(int, frames);
        QFETCH(int, piece);
        const auto pcm = test_sound::makePcm16("speech", channels, 22050, std::size_t(frames));
        const QString name = QStringLiteral("lib-%1-%2").arg(channels).arg(frames);
        const WssFile tool = encodeWithTool(dir_.path(), name, channels, 22050, pcm);
        QVERIFY(!tool.path.isEmpty());

        const QString written = dir_.path() + u'/' + name + QStringLiteral("-lib.wss");
        wss_file *w = nullptr;
        QCOMPARE(wss_open_write(QFile::encodeName(written).constData(), 22050, unsigned(channels), &w), WSS_OK);
        for (int at = 0; at < frames; at += piece) {
            const int n = std::min(piece, frames - at);
            QCOMPARE(wss_write_s16(w, pcm.data() + std::size_t(at) * std::size_t(channels), std::uint64_t(n)), WSS_OK);
        }
        QCOMPARE(wss_frames(w), std::uint64_t(frames));
        QCOMPARE(wss_close(w), WSS_OK);
        QCOMPARE(readAll(written), readAll(tool.path));

        wss_file *r = nullptr;
        QCOMPARE(wss_open_read(QFile::encodeName(written).constData(), &r), WSS_OK);
        QCOMPARE(wss_sample_rate(r), 22050u);
        QCOMPARE(wss_channels(r), unsigned(channels));
        QCOMPARE(wss_frames(r), std::uint64_t(frames));
        std::int64_t end = 1;
        QVERIFY(readAllFrames(r, std::uint64_t(piece), &end) == tool.reference);
        QCOMPARE(end, 0);
        QCOMPARE(wss_close(r), WSS_OK);
    }

    // A file being written keeps its name free until it is complete: an earlier file stays whole.
    void earlierFileStaysUntilClosed()
    {
        const QString path = dir_.path() + QStringLiteral("/earlier.wss");
        QVERIFY(writeAll(path, "earlier"));
        wss_file *w = nullptr;
        QCOMPARE(wss_open_write(QFile::encodeName(path).constData(), 8000, 1, &w), WSS_OK);
        const std::vector<std::int16_t> pcm(100000, 7);
        QCOMPARE(wss_write_s16(w, pcm.data(), pcm.size()), WSS_OK);
        QCOMPARE(readAll(path), QByteArray("earlier"));
        QCOMPARE(wss_close(w), WSS_OK);
        QCOMPARE(readAll(path).size(), kHeader + 97 * blockSize(1, kBlockFrames) + blockSize(1, 100000 - 97 * 1025));
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("earlier.wss.*")}, QDir::Files), QStringList());
    }

    // Seeking to a frame gives the frames decoding from the start gives there, going forward and back.
    void seekMatchesDecodingFromStart_data()
    {
        QTest::addColumn<bool>("callbacks");
        QTest::newRow("path") << false;
        QTest::newRow("read and seek callbacks") << true;
    }
    void seekMatchesDecodingFromStart()
    {
        QFETCH(bool, callbacks);
        const QByteArray bytes = readAll(stereo_.path);
        struct Memory
        {
            const QByteArray *bytes;
            std::int64_t at;
        } memory{&bytes, 0};
        const wss_io io = {[](void *user, void *buffer, size_t size) -> std::int64_t {
                               auto *m = static_cast<Memory *>(user);
                               const auto n = std::min<std::int64_t>(std::int64_t(size), m->bytes->size() - m->at);
                               std::memcpy(buffer, m->bytes->constData() + m->at, std::size_t(n));
                               m->at += n;
                               return n;
                           },
            [](void *user, std::int64_t offset, int whence) -> std::int64_t {
                auto *m = static_cast<Memory *>(user);
                m->at = (whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->at : m->bytes->size()) + offset;
                return m->at;
            }};
        wss_file *r = nullptr;
        QCOMPARE(callbacks ? wss_open_read_io(&io, &memory, &r)
                           : wss_open_read(QFile::encodeName(stereo_.path).constData(), &r),
            WSS_OK);
        const auto frames = std::int64_t(wss_frames(r));
        std::mt19937 random(26);
        std::vector<std::int16_t> got(std::size_t{3000} * 2);
        for (int i = 0; i < 20; ++i) {
            const std::int64_t frame = std::uniform_int_distribution<std::int64_t>(0, frames)(random);
            QCOMPARE(wss_seek(r, std::uint64_t(frame)), WSS_OK);
            QCOMPARE(wss_tell(r), std::uint64_t(frame));
            const std::int64_t n = wss_read_s16(r, got.data(), 3000);
            QCOMPARE(n, std::min<std::int64_t>(3000, frames - frame));
            QVERIFY2(std::equal(got.begin(), got.begin() + n * 2, stereo_.reference.begin() + frame * 2),
                qPrintable(QStringLiteral("frame %1").arg(frame)));
        }
        wss_close(r);
    }

    // Every fault a file can have, found before any of its frames are handed on, and named.
    void readFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("framesBefore"); // handed on before the failure; -1: opening fails
        QTest::addColumn<QString>("message");
        const int blocks = 21;
        QTest::newRow("empty") << "empty" << int(WSS_ERROR_NOT_WSS) << -1 << "not a WSS file (it is empty)";
        QTest::newRow("not WSS") << "riff" << int(WSS_ERROR_NOT_WSS) << -1 << "not a WSS file";
        QTest::newRow("ends inside the header")
            << "cut header" << int(WSS_ERROR_TRUNCATED) << -1 << "the file ends inside the header";
        QTest::newRow("header checksum") << "header byte" << int(WSS_ERROR_DAMAGED) << -1 << "header checksum mismatch";
        QTest::newRow("version 2") << "version" << int(WSS_ERROR_UNSUPPORTED) << -1 << "unsupported format version";
        QTest::newRow("block checksum") << "block byte" << int(WSS_ERROR_DAMAGED) << 2 * kBlockFrames
                                        << QStringLiteral("block 3 of %1 fails its checksum").arg(blocks);
        QTest::newRow("step index, checksums right")
            << "step index" << int(WSS_ERROR_DAMAGED) << 4 * kBlockFrames
            << QStringLiteral("block 5 of %1 starts channel 2 at step index 89 (at most 88)").arg(blocks);
        QTest::newRow("cut inside a block") << "cut block" << int(WSS_ERROR_TRUNCATED) << 6 * kBlockFrames
                                            << QStringLiteral("the file ends inside block 7 of %1").arg(blocks);
        QTest::newRow("bytes after the last block")
            << "trailing" << int(WSS_ERROR_DAMAGED) << 20 * kBlockFrames + 300 << "data after the last block";
    }
    void readFailures()
    {
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(int, framesBefore);
        QFETCH(QString, message);
        QByteArray b = readAll(stereo_.path);
        const int block = blockSize(2, kBlockFrames);
        if (fault == "empty")
            b.clear();
        else if (fault == "riff")
            b = QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16);
        else if (fault == "cut header")
            b.truncate(20);
        else if (fault == "header byte")
            b[9] = char(b[9] ^ 1);
        else if (fault == "version") {
            b[4] = 2;
            resum(b, 2, 20 * kBlockFrames + 300);
        } else if (fault == "block byte")
            b[kHeader + 2 * block + 100] = char(b[kHeader + 2 * block + 100] ^ 0x10);
        else if (fault == "step index") {
            b[kHeader + 4 * block + 4 + 2] = char(89);
            resum(b, 2, 20 * kBlockFrames + 300);
        } else if (fault == "cut block")
            b.truncate(kHeader + 6 * block + 10);
        else if (fault == "trailing")
            b.append("x");
        const QString path = dir_.path() + QStringLiteral("/fault.wss");
        QVERIFY(writeAll(path, b));

        wss_file *r = nullptr;
        const wss_status opened = wss_open_read(QFile::encodeName(path).constData(), &r);
        if (framesBefore < 0) {
            QCOMPARE(int(opened), status);
            QVERIFY(!r);
        } else {
            QCOMPARE(opened, WSS_OK);
            std::int64_t end = 0;
            const auto got = readAllFrames(r, 4000, &end);
            QCOMPARE(int(end), status);
            QCOMPARE(int(got.size()), framesBefore * 2);
            QVERIFY(std::equal(got.begin(), got.end(), stereo_.reference.begin()));
            std::int16_t more[2 * 10];
            QCOMPARE(int(wss_read_s16(r, more, 10)), status); // and stays there
            wss_close(r);
        }
        QVERIFY2(QString::fromUtf8(wss_last_error()).contains(message), wss_last_error());
    }

    // A seek passes over the blocks before its target only after checking their checksums.
    void seekChecksTheBlocksBefore()
    {
        QByteArray b = readAll(stereo_.path);
        const int at = kHeader + 9 * blockSize(2, kBlockFrames) + 50;
        b[at] = char(b[at] ^ 1);
        const QString path = dir_.path() + QStringLiteral("/seek-fault.wss");
        QVERIFY(writeAll(path, b));
        wss_file *r = nullptr;
        QCOMPARE(wss_open_read(QFile::encodeName(path).constData(), &r), WSS_OK);
        QCOMPARE(wss_seek(r, std::uint64_t{15} * kBlockFrames), WSS_ERROR_DAMAGED);
        QVERIFY2(QString::fromUtf8(wss_last_error()).contains(QStringLiteral("block 10 of 21 fails its checksum")),
            wss_last_error());
        QCOMPARE(wss_tell(r), 0u);
        QCOMPARE(wss_seek(r, std::uint64_t{5} * kBlockFrames), WSS_OK);
        std::vector<std::int16_t> pcm(std::size_t{4} * kBlockFrames);
        QCOMPARE(wss_read_s16(r, pcm.data(), std::uint64_t{2} * kBlockFrames), std::int64_t{2} * kBlockFrames);
        QVERIFY(std::equal(pcm.begin(), pcm.end(), stereo_.reference.begin() + std::ptrdiff_t{10} * kBlockFrames));
        QCOMPARE(wss_seek(r, std::uint64_t{9} * kBlockFrames + 1), WSS_OK); // block 10 itself is checked when decoded
        QCOMPARE(wss_read_s16(r, pcm.data(), 10), std::int64_t(WSS_ERROR_DAMAGED));
        wss_close(r);
    }

    // Calls that do not fit: each refused with its reason, nothing written.
    void misuse_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("9 channels") << "channels 9" << int(WSS_ERROR_INVALID) << "1 to 8 channels, not 9";
        QTest::newRow("rate 0") << "rate 0" << int(WSS_ERROR_INVALID) << "sample rate must be 1 to 2147483647";
        QTest::newRow("missing folder") << "missing folder" << int(WSS_ERROR_IO) << "No such file or directory";
        QTest::newRow("missing file") << "open missing" << int(WSS_ERROR_IO) << "could not open";
        QTest::newRow("seek past the end") << "seek past" << int(WSS_ERROR_INVALID) << "cannot seek to frame 20801";
        QTest::newRow("seek without a seek callback")
            << "seek stream" << int(WSS_ERROR_INVALID) << "the stream has no seek callback";
        QTest::newRow("write to a file being read")
            << "write reader" << int(WSS_ERROR_INVALID) << "not a file opened for writing";
        QTest::newRow("read a file being written")
            << "read writer" << int(WSS_ERROR_INVALID) << "not a file opened for reading";
    }
    void misuse()
    {
        QFETCH(QString, call);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QByteArray out = QFile::encodeName(dir_.path() + QStringLiteral("/misuse.wss"));
        const QByteArray in = QFile::encodeName(stereo_.path);
        wss_file *f = nullptr;
        std::int64_t got = 0;
        std::int16_t pcm[16] = {};
        if (call == "channels 9")
            got = wss_open_write(out.constData(), 8000, 9, &f);
        else if (call == "rate 0")
            got = wss_open_write(out.constData(), 0, 1, &f);
        else if (call == "missing folder")
            got = wss_open_write(
                QFile::encodeName(dir_.path() + QStringLiteral("/no/such.wss")).constData(), 8000, 1, &f);
        else if (call == "open missing")
            got = wss_open_read(QFile::encodeName(dir_.path() + QStringLiteral("/none.wss")).constData(), &f);
        else if (call == "seek past" && wss_open_read(in.constData(), &f) == WSS_OK)
            got = wss_seek(f, 20 * kBlockFrames + 301);
        else if (call == "seek stream") {
            static FILE *stream = std::fopen(in.constData(), "rb");
            const wss_io io = {[](void *user, void *buffer, size_t size) -> std::int64_t {
                                   return std::int64_t(std::fread(buffer, 1, size, static_cast<FILE *>(user)));
                               },
                nullptr};
            if (wss_open_read_io(&io, stream, &f) == WSS_OK)
                got = wss_seek(f, 0);
        } else if (call == "write reader" && wss_open_read(in.constData(), &f) == WSS_OK)
            got = wss_write_s16(f, pcm, 1);
        else if (call == "read writer" && wss_open_write(out.constData(), 8000, 1, &f) == WSS_OK)
            got = wss_read_s16(f, pcm, 1);
        QCOMPARE(int(got), status);
        QVERIFY2(QString::fromUtf8(wss_last_error()).contains(message), wss_last_error());
        wss_close(f);
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("misuse.wss.*")}, QDir::Files), QStringList());
    }
};

WSS_TEST_MAIN(TestLibWss)
#include "tst_libwss.moc"
