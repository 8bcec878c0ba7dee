// The WSS codec library against docs/wss-format.md: the worked example byte for byte, the header
// checks, and the checksum chain over blocks.

#include "wss_format.h"

#include <QTest>

#include <vector>

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
    }
};

QTEST_GUILESS_MAIN(TestWssCodec)
#include "tst_wss_codec.moc"
