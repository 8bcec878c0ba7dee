// The WSS codec library against docs/wss-format.md: the worked example byte for byte, the header
// checks, and the checksum chain over blocks.

#include "block_coder.h"
#include "block_layout.h"
#include "encode_all.h"
#include "pipeline.h"
#include "plain_coder.h"
#include "test_sound.h"
#include "wss_block_coder.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include <pthread.h>

using namespace wss;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> list)
{
    return std::vector<std::uint8_t>(list.begin(), list.end());
}

// The stereo example of docs/wss-format.md: 6 frames at 8000 Hz.
const std::vector<std::int16_t> kExampleFrames = {1000, -1, 1011, -1, 981, -1, 985, -1, 1010, -1, 1000, -1};
const std::vector<std::uint8_t> kExampleFile
    = bytes({0x57, 0x53, 0x53, 0x1a, 0x01, 0x00, 0x01, 0x00, 0x40, 0x1f, 0x00, 0x00, 0x02, 0x00, 0x01, 0x04, 0x06, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xd8, 0x7b, 0xbc, 0x03, 0xe8, 0x03, 0x00, 0x00,
        0xff, 0xff, 0x00, 0x00, 0xf7, 0x30, 0x09, 0x00, 0x00, 0x00, 0x06, 0x6e, 0x30, 0x2c});

struct Decoded
{
    DecodeResult result;
    std::vector<std::int16_t> pcm;
};

Decoded decodeAll(const Header &h, const std::vector<std::uint8_t> &coded, CodecOptions options)
{
    Decoded d;
    std::size_t at = 0;
    d.result = decodeStream(
        h,
        [&](std::uint8_t *p, std::size_t n) {
            n = std::min(n, coded.size() - at);
            std::copy_n(coded.begin() + std::ptrdiff_t(at), n, p);
            at += n;
            return n;
        },
        [&](const std::int16_t *p, std::size_t frames) { d.pcm.insert(d.pcm.end(), p, p + frames * h.channels); },
        options);
    return d;
}

// Every kernel the processor has, with no worker thread, one and three (for any length).
std::vector<CodecOptions> allPaths()
{
    std::vector<CodecOptions> paths;
    for (Kernel k : {Kernel::Plain, Kernel::Sse2, Kernel::Avx2})
        if (kernelAvailable(k))
            for (unsigned threads : {0u, 1u, 3u})
                paths.push_back({k, threads});
    return paths;
}

QByteArray describe(const CodecOptions &o)
{
    return QByteArray(kernelName(o.kernel)) + ", " + QByteArray::number(o.threads) + " threads";
}

Header exampleHeader()
{
    Header h;
    h.sampleRate = 8000;
    h.channels = 2;
    h.frames = 6;
    return h;
}

} // namespace

class TestWssCodec : public QObject
{
    Q_OBJECT

private slots:
    void crcIsTheUsualCrc32()
    {
        const auto check = bytes({'1', '2', '3', '4', '5', '6', '7', '8', '9'});
        QCOMPARE(Crc32::of(check), 0xCBF43926u);
        Crc32 pieces;
        pieces.update(std::span(check).first(2));
        pieces.update(std::span(check).subspan(2));
        QCOMPARE(pieces.value(), 0xCBF43926u);
    }

    // The search finds the worked example's own codes (step index 0, codes 7, F, 0, 3, 9): the file
    // byte for byte.
    void encodesTheWorkedExample()
    {
        const Header h = exampleHeader();
        std::vector<std::uint8_t> file(kHeaderSize + blockBytes(2, 6));
        const auto header = serializeHeader(h);
        std::copy(header.begin(), header.end(), file.begin());
        BlockEncoder enc(2);
        QCOMPARE(enc.encode(kExampleFrames, 6, std::span(file).subspan(kHeaderSize)), file.size() - kHeaderSize);
        QCOMPARE(file, kExampleFile);
        QCOMPARE(fileSize(h), std::optional<std::uint64_t>(kExampleFile.size()));
    }

    void encodesTheWorkedExampleGreedily()
    {
        const Header h = exampleHeader();
        std::vector<std::uint8_t> file(kHeaderSize + blockBytes(2, 6));
        const auto header = serializeHeader(h);
        std::copy(header.begin(), header.end(), file.begin());
        BlockEncoder enc(2, Search::Greedy);
        QCOMPARE(enc.encode(kExampleFrames, 6, std::span(file).subspan(kHeaderSize)), file.size() - kHeaderSize);
        // As the worked example, but channel 0 starts at step index 8 (step 16, the mean change
        // over its first frames) with codes 2, F, 0, 3, A, and the checksum follows.
        std::vector<std::uint8_t> expected(kExampleFile);
        expected[34] = 8;
        const std::vector<std::uint8_t> tail = bytes({0xf2, 0x30, 0x0a, 0x00, 0x00, 0x00, 0xa5, 0x26, 0x44, 0x68});
        std::copy(tail.begin(), tail.end(), expected.end() - 10);
        QCOMPARE(file, expected);
        std::vector<std::int16_t> out(12);
        QVERIFY(BlockDecoder(2).decode(std::span(file).subspan(kHeaderSize), 6, out));
        QCOMPARE(out, std::vector<std::int16_t>({1000, -1, 1010, -1, 985, -1, 988, -1, 1012, -1, 997, -1}));
    }

    void startIndexFollowsTheFirstChanges_data()
    {
        QTest::addColumn<std::vector<std::int16_t>>("samples");
        QTest::addColumn<int>("index");
        QTest::newRow("one frame") << std::vector<std::int16_t>{5000} << 0;
        QTest::newRow("silence") << std::vector<std::int16_t>(20, 7) << 0;
        QTest::newRow("changes of 16") << std::vector<std::int16_t>{0, 16, 0, 16, 0, 16, 0, 16, 0, 900} << 8;
        QTest::newRow("full swings") << std::vector<std::int16_t>{-32768, 32767, -32768} << 88;
    }

    void startIndexFollowsTheFirstChanges()
    {
        QFETCH(std::vector<std::int16_t>, samples);
        QFETCH(int, index);
        QCOMPARE(startIndex(samples.data(), 1, samples.size()), index);
    }

    void decodesTheWorkedExample()
    {
        Header h;
        QCOMPARE(parseHeader(std::span(kExampleFile).first<kHeaderSize>(), h).status, HeaderStatus::Ok);
        QCOMPARE(h.sampleRate, 8000u);
        QCOMPARE(h.channels, 2);
        QCOMPARE(h.blockFrames, 1025);
        QCOMPARE(h.frames, 6u);
        std::vector<std::int16_t> out(12);
        BlockDecoder dec(2);
        QVERIFY(dec.decode(std::span(kExampleFile).subspan(kHeaderSize), 6, out));
        QCOMPARE(out, kExampleFrames);
    }

    void headerChecks_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<std::uint64_t>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("fixCrc");
        QTest::addColumn<HeaderStatus>("expected");
        QTest::newRow("signature") << 0 << std::uint64_t('X') << 1 << true << HeaderStatus::NotWss;
        QTest::newRow("checksum") << 8 << std::uint64_t(44100) << 4 << false << HeaderStatus::Damaged;
        QTest::newRow("version 2") << 4 << std::uint64_t(2) << 2 << true << HeaderStatus::UnsupportedVersion;
        QTest::newRow("coding 2") << 6 << std::uint64_t(2) << 2 << true << HeaderStatus::UnsupportedCoding;
        QTest::newRow("rate 0") << 8 << std::uint64_t(0) << 4 << true << HeaderStatus::Damaged;
        QTest::newRow("rate 2^31") << 8 << std::uint64_t(0x80000000u) << 4 << true << HeaderStatus::UnsupportedLayout;
        QTest::newRow("0 channels") << 12 << std::uint64_t(0) << 2 << true << HeaderStatus::Damaged;
        QTest::newRow("9 channels") << 12 << std::uint64_t(9) << 2 << true << HeaderStatus::UnsupportedLayout;
        QTest::newRow("block of 0") << 14 << std::uint64_t(0) << 2 << true << HeaderStatus::Damaged;
        QTest::newRow("huge length") << 16 << ~std::uint64_t(0) << 8 << true << HeaderStatus::UnsupportedLayout;
        QTest::newRow("reserved") << 24 << std::uint64_t(1) << 4 << true << HeaderStatus::Damaged;
    }

    void headerChecks()
    {
        QFETCH(int, offset);
        QFETCH(std::uint64_t, value);
        QFETCH(int, width);
        QFETCH(bool, fixCrc);
        QFETCH(HeaderStatus, expected);
        auto b = serializeHeader(exampleHeader());
        for (int i = 0; i < width; ++i)
            b[offset + i] = std::uint8_t(value >> (8 * i));
        if (fixCrc) {
            const std::uint32_t crc = Crc32::of(std::span(b).first(28));
            for (int i = 0; i < 4; ++i)
                b[28 + i] = std::uint8_t(crc >> (8 * i));
        }
        Header h;
        QCOMPARE(parseHeader(b, h).status, expected);
    }

    // Each checksum covers the blocks before it too, so blocks in the wrong order are found even
    // though each one is intact.
    void blocksOutOfOrderAreDamage()
    {
        const std::size_t frames = 8, size = blockBytes(1, frames);
        std::vector<std::int16_t> pcm(frames);
        std::vector<std::uint8_t> stream(3 * size);
        BlockEncoder enc(1);
        for (int b = 0; b < 3; ++b) {
            for (std::size_t i = 0; i < frames; ++i)
                pcm[i] = std::int16_t(b * 1000 + int(i) * 50);
            enc.encode(pcm, frames, std::span(stream).subspan(b * size, size));
        }
        auto decodeAll = [&](const std::vector<std::uint8_t> &s) {
            BlockDecoder dec(1);
            for (int b = 0; b < 3; ++b)
                if (!dec.decode(std::span(s).subspan(b * size, size), frames, pcm))
                    return false;
            return true;
        };
        QVERIFY(decodeAll(stream));
        std::vector<std::uint8_t> swapped(stream);
        const auto at = [&swapped](std::size_t offset) { return swapped.begin() + std::ptrdiff_t(offset); };
        std::swap_ranges(at(size), at(2 * size), at(2 * size));
        QVERIFY(!decodeAll(swapped));
    }

    // Bounds are the figures of the encoder that carried each block's step index over from the
    // block before, on two seconds, less 0.1 dB. The search costs some microseconds a sample: the
    // steady sounds (sines, noise), whose figure is the same on any length, are coded for half a
    // second; speech and music, whose loudness changes within each second, for the whole two.
    void quality_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("minSnr");
        QTest::newRow("sine 16k") << "sine" << 2 << 16000 << 0.5 << 26.73 - 0.1;
        QTest::newRow("sine 44.1k") << "sine" << 2 << 44100 << 0.5 << 35.35 - 0.1;
        QTest::newRow("sine 192k") << "sine" << 1 << 192000 << 0.5 << 64.60 - 0.1;
        QTest::newRow("8-bit sine 8k") << "sine8" << 1 << 8000 << 0.5 << 28.25 - 0.1;
        QTest::newRow("white noise") << "white" << 2 << 44100 << 0.5 << 14.56 - 0.1;
        QTest::newRow("pink noise") << "pink" << 2 << 44100 << 0.5 << 19.58 - 0.1;
        QTest::newRow("speech 16k") << "speech" << 1 << 16000 << 2.0 << 4.57 - 0.1;
        QTest::newRow("music 44.1k") << "music" << 2 << 44100 << 2.0 << 31.82 - 0.1;
    }

    void quality()
    {
        QFETCH(QString, kind);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(double, seconds);
        QFETCH(double, minSnr);
        const auto pcm = test_sound::makePcm16(kind.toStdString(), channels, rate, std::size_t(rate * seconds));
        // Coded as the encoder codes by default: the best kernel, many streams side by side (every
        // kernel gives the plain code's bytes: pathsAgree and kernelsEncodeAnySamples).
        Header h;
        h.sampleRate = std::uint32_t(rate);
        h.channels = std::uint16_t(channels);
        h.blockFrames = kDefaultBlockFrames;
        h.frames = pcm.size() / std::size_t(channels);
        const Decoded d = decodeAll(h, encodeAll(pcm, unsigned(channels), h.blockFrames, {}), {});
        QCOMPARE(d.result.status, DecodeResult::Ok);
        const auto &out = d.pcm;
        QCOMPARE(out.size(), pcm.size());
        const double snr = test_sound::worstChannelSnr(pcm, out, channels);
        qInfo("SNR %.2f dB", snr);
        QVERIFY2(snr >= minSnr, qPrintable(QString("SNR %1 dB").arg(snr)));
    }

    // The vector kernels and the threads must give the plain code's bytes and samples exactly, on
    // lengths that leave lanes, blocks and chunks partly filled.
    void pathsAgree_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("blockFrames");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("kind");
        for (int c = 1; c <= 8; ++c) {
            // Over three chunks of about 128 * 1025 samples, and a frame: see chunkBlocks().
            for (int n : {0, 1, 2, 1025 + 1, 3 * 128 * 1025 / c + 1})
                QTest::addRow("%d ch, %d frames", c, n) << c << 1025 << n << "pink";
            QTest::addRow("%d ch, blocks of 100", c) << c << 100 << 5 * 1025 + 50 << "pink";
        }
        QTest::newRow("blocks of 1") << 3 << 1 << 3000 << "pink";
        QTest::newRow("blocks of 2") << 5 << 2 << 3001 << "pink";
        QTest::newRow("clipped, 1 ch") << 1 << 1025 << 44100 << "loud";
        QTest::newRow("clipped, 8 ch") << 8 << 1025 << 44100 << "loud";
    }

    void pathsAgree()
    {
        QFETCH(int, channels);
        QFETCH(int, blockFrames);
        QFETCH(int, frames);
        QFETCH(QString, kind);
        const auto C = unsigned(channels);
        const auto pcm = test_sound::makePcm16(kind.toStdString(), channels, 44100, std::size_t(frames));
        Header h;
        h.sampleRate = 44100;
        h.channels = std::uint16_t(C);
        h.blockFrames = std::uint16_t(blockFrames);
        h.frames = std::uint64_t(frames);

        // The reference: one block at a time through the simple interface. Greedy codes: the lane
        // kernels code those (the search's own paths are in tst_trellis).
        std::vector<std::uint8_t> reference;
        std::vector<std::int16_t> decoded(pcm.size());
        BlockEncoder enc(C, Search::Greedy);
        BlockDecoder dec(C);
        for (std::uint64_t b = 0; b < blockCount(h); ++b) {
            const std::size_t n = framesInBlock(h, b), at = std::size_t(b) * blockFrames * C;
            std::vector<std::uint8_t> block(blockBytes(C, n));
            enc.encode(std::span(pcm).subspan(at), n, block);
            QVERIFY(dec.decode(block, n, std::span(decoded).subspan(at)));
            reference.insert(reference.end(), block.begin(), block.end());
        }
        QCOMPARE(reference.size(), std::size_t(*fileSize(h) - kHeaderSize));

        for (CodecOptions o : allPaths()) {
            o.search = Search::Greedy;
            QVERIFY2(encodeAll(pcm, C, h.blockFrames, o) == reference, describe(o));
            const Decoded d = decodeAll(h, reference, o);
            QVERIFY2(d.result.status == DecodeResult::Ok, describe(o));
            QVERIFY2(d.pcm == decoded, describe(o));
        }
    }

    // Damage is reported at the first block that has it, whatever the path; blocks before it are
    // handed on, none after.
    void pathsFindDamage_data()
    {
        QTest::addColumn<int>("offset"); // into the blocks; negative: cut the file there
        QTest::addColumn<bool>("fixChecksum"); // make the block's own checksum match again
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("broken"); // the rule the block breaks, or None for its checksum
        const int size = int(blockBytes(2, 1025)), checksum = int(BlockFault::None);
        QTest::newRow("code byte") << 700 * size + 30 << false << int(DecodeResult::Damaged) << 700 << checksum;
        QTest::newRow("first block") << 3 << false << int(DecodeResult::Damaged) << 0 << checksum;
        QTest::newRow("step index 89, checksum wrong")
            << 5 * size + 6 << false << int(DecodeResult::Damaged) << 5 << checksum;
        QTest::newRow("step index 89") << 5 * size + 6 << true << int(DecodeResult::Damaged) << 5
                                       << int(BlockFault::StepIndex);
        QTest::newRow("reserved byte") << 9 * size + 7 << true << int(DecodeResult::Damaged) << 9
                                       << int(BlockFault::ReservedByte);
        QTest::newRow("cut in block 601")
            << -(600 * size + 9) << false << int(DecodeResult::Truncated) << 600 << checksum;
        QTest::newRow("cut after block 600")
            << -(600 * size) << false << int(DecodeResult::Truncated) << 600 << checksum;
    }

    void pathsFindDamage()
    {
        QFETCH(int, offset);
        QFETCH(bool, fixChecksum);
        QFETCH(int, status);
        QFETCH(int, block);
        QFETCH(int, broken);
        Header h;
        h.sampleRate = 44100;
        h.channels = 2;
        h.frames = 800 * 1025 + 77;
        const auto pcm = test_sound::makePcm16("pink", 2, 44100, std::size_t(h.frames));
        std::vector<std::uint8_t> coded = encodeAll(pcm, 2, h.blockFrames, {Kernel::Plain, 0, Search::Greedy});
        if (offset < 0) {
            coded.resize(std::size_t(-offset));
        } else {
            coded[std::size_t(offset)] = offset % blockBytes(2, 1025) == 6 ? 89 : coded[std::size_t(offset)] ^ 0x10;
            if (fixChecksum) {
                const std::size_t size = blockBytes(2, 1025), start = std::size_t(offset) / size * size;
                // The chain covers only block contents, so leave the earlier checksums out.
                Crc32 chain;
                for (std::size_t b = 0; b <= start / size; ++b)
                    chain.update(std::span(coded).subspan(b * size, size - 4));
                for (int i = 0; i < 4; ++i)
                    coded[start + size - 4 + std::size_t(i)] = std::uint8_t(chain.value() >> (8 * i));
            }
        }
        for (const CodecOptions &o : allPaths()) {
            const Decoded d = decodeAll(h, coded, o);
            QVERIFY2(d.result.status == status, describe(o));
            QVERIFY2(d.result.block == std::uint64_t(block), describe(o));
            QVERIFY2(int(d.result.broken.fault) == broken, describe(o));
            QVERIFY2(d.result.broken.channel == (broken == int(BlockFault::None) ? 0u : 1u), describe(o));
            QVERIFY2(d.pcm.size() == std::size_t(block) * 1025 * 2, describe(o));
        }
    }

    // Any codes at all, not only those an encoder picks: every step index, and predictions driven
    // into both clamps. Each kernel decodes them to the plain code's samples.
    void kernelsDecodeAnyCodes_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("blockFrames");
        for (int c = 1; c <= 8; ++c) {
            QTest::addRow("%d ch, 1025 frames", c) << c << 1025;
            QTest::addRow("%d ch, 100 frames", c) << c << 100;
        }
    }
    void kernelsDecodeAnyCodes()
    {
        QFETCH(int, channels);
        QFETCH(int, blockFrames);
        const auto C = unsigned(channels);
        const auto B = std::size_t(blockFrames);
        const std::size_t count = 64 / C + 3; // several groups of lanes, and a rest for the plain code
        const BlockStreams st(C, B);
        std::mt19937 rng(std::uint32_t(channels * 1000 + blockFrames));
        std::vector<std::uint8_t> blocks(count * st.size);
        for (auto &b : blocks)
            b = std::uint8_t(rng());
        for (std::size_t s = 0; s < count * C; ++s) {
            blocks[st.headerAt(s) + 2] = std::uint8_t(rng() % (kImaMaxIndex + 1));
            blocks[st.headerAt(s) + 3] = 0;
            if (B % 2 == 0)
                blocks[st.codesAt(s) + st.perChannel - 1] &= 0x0F;
        }
        std::vector<std::int16_t> reference(count * B * C), pcm(reference.size());
        std::vector<std::uint32_t> crc(count);
        QCOMPARE(decodeBlocks(C, B, count, blocks.data(), reference.data(), crc.data(), Kernel::Plain), count);
        QVERIFY(std::count(reference.begin(), reference.end(), std::int16_t(32767)) > 0);
        QVERIFY(std::count(reference.begin(), reference.end(), std::int16_t(-32768)) > 0);
        for (Kernel k : {Kernel::Sse2, Kernel::Avx2}) {
            if (!kernelAvailable(k))
                continue;
            std::fill(pcm.begin(), pcm.end(), std::int16_t(0));
            QCOMPARE(decodeBlocks(C, B, count, blocks.data(), pcm.data(), crc.data(), k), count);
            QVERIFY2(pcm == reference, kernelName(k));
        }
    }

    // Any samples at all, full scale and at random: differences beyond 16 bits and both clamps.
    // Each kernel codes them to the plain code's bytes.
    void kernelsEncodeAnySamples_data() { kernelsDecodeAnyCodes_data(); }
    void kernelsEncodeAnySamples()
    {
        QFETCH(int, channels);
        QFETCH(int, blockFrames);
        const auto C = unsigned(channels);
        const auto B = std::size_t(blockFrames);
        const std::size_t count = 64 / C + 3;
        std::mt19937 rng(std::uint32_t(channels * 1000 + blockFrames));
        std::vector<std::int16_t> pcm(count * B * C);
        for (auto &v : pcm)
            v = std::int16_t(rng());
        const std::size_t size = count * blockBytes(C, B);
        std::vector<std::uint8_t> reference(size), coded(size);
        for (Search search : {Search::Greedy, Search::Trellis}) {
            // The search costs hundreds of times the greedy coder, and codes each stream (channel of
            // a block) alone: four streams of it are enough to compare the kernels.
            const std::size_t blocks = search == Search::Greedy ? count : (4 + C - 1) / C;
            std::fill(reference.begin(), reference.end(), std::uint8_t(0));
            encodeBlocks(C, B, blocks, pcm.data(), reference.data(), Kernel::Plain, search);
            for (Kernel k : {Kernel::Sse2, Kernel::Avx2}) {
                if (!kernelAvailable(k))
                    continue;
                std::fill(coded.begin(), coded.end(), std::uint8_t(0));
                encodeBlocks(C, B, blocks, pcm.data(), coded.data(), k, search);
                QVERIFY2(coded == reference, kernelName(k));
            }
        }
    }

    // The unused half of a last code byte must be 0: every path refuses the block, and says why.
    void paddingNibbleMustBeZero()
    {
        std::vector<std::uint8_t> block(kExampleFile.begin() + kHeaderSize, kExampleFile.end());
        block[10] |= 0x10; // the unused half of channel 0's last code byte
        const std::uint32_t crc = Crc32::of(std::span(block).first(block.size() - 4));
        for (int i = 0; i < 4; ++i)
            block[block.size() - 4 + i] = std::uint8_t(crc >> (8 * i));
        std::vector<std::int16_t> out(12);
        BlockDecoder dec(2);
        QVERIFY(!dec.decode(block, 6, out));
        QCOMPARE(dec.broken().fault, BlockFault::UnusedHalf);
        for (const CodecOptions &o : allPaths()) {
            const Decoded d = decodeAll(exampleHeader(), block, o);
            QVERIFY2(d.result.status == DecodeResult::Damaged && d.result.block == 0, describe(o));
            QVERIFY2(d.result.broken.fault == BlockFault::UnusedHalf && d.result.broken.channel == 0, describe(o));
            QVERIFY2(d.pcm.empty(), describe(o));
        }
    }

    // Worker threads take no signal from outside (SIGINT, SIGTERM, ...): those reach the thread
    // that started the work, where the tools handle them, or hold them back for a step that must
    // not be cut in two. Faults still reach the thread that causes them.
    void workersTakeNoSignals()
    {
        sigset_t before;
        pthread_sigmask(SIG_SETMASK, nullptr, &before);
        std::mutex mutex;
        std::vector<sigset_t> seen; // by the workers; the caller's thread codes some chunks too
        int coded = 0;
        const pthread_t caller = pthread_self();
        {
            Pipeline<int> pipeline(3, [&](int &) {
                sigset_t mask;
                pthread_sigmask(SIG_SETMASK, nullptr, &mask);
                std::this_thread::sleep_for(std::chrono::milliseconds(2)); // so the workers get some
                const std::lock_guard lock(mutex);
                ++coded;
                if (!pthread_equal(pthread_self(), caller))
                    seen.push_back(mask);
            });
            int chunks = 0;
            pipeline.run([&](int &) { return ++chunks < 12; }, [](int &) { return true; });
        }
        QCOMPARE(coded, 12);
        QVERIFY(!seen.empty());
        sigset_t after;
        pthread_sigmask(SIG_SETMASK, nullptr, &after);
        for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM, SIGRTMIN}) {
            for (const sigset_t &mask : seen)
                QVERIFY(sigismember(&mask, sig));
            QCOMPARE(sigismember(&after, sig), sigismember(&before, sig));
        }
        for (const sigset_t &mask : seen)
            QVERIFY(!sigismember(&mask, SIGSEGV));
    }
};

QTEST_GUILESS_MAIN(TestWssCodec)
#include "tst_wss_codec.moc"
