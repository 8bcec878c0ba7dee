// The encoder's search (trellis_coder.cpp): cleaner than greedy coding on every kind of sound, the
// same bytes whatever the kernel and threads, and valid blocks in the cases at the edges.

#include "block_coder.h"
#include "block_layout.h"
#include "encode_all.h"
#include "ima_adpcm.h"
#include "look_ahead.h"
#include "plain_coder.h"
#include "test_sound.h"
#include "trellis_coder.h"
#include "wss_block_coder.h"
#include "wss_header.h"
#include "wss_stream.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace wss;

namespace {

// Decodes the blocks with the tests' own decoder, block for block; empty if any block is refused.
std::vector<std::int16_t> decodeAll(
    const std::vector<std::uint8_t> &coded, unsigned channels, std::uint16_t blockFrames, std::size_t frames)
{
    std::vector<std::int16_t> pcm(frames * channels);
    BlockDecoder dec(channels);
    std::size_t at = 0;
    for (std::size_t f = 0; f < frames; f += blockFrames) {
        const std::size_t n = std::min<std::size_t>(blockFrames, frames - f), size = blockBytes(channels, n);
        if (at + size > coded.size()
            || !dec.decode(std::span(coded).subspan(at, size), n, std::span(pcm).subspan(f * channels)))
            return {};
        at += size;
    }
    return at == coded.size() ? pcm : std::vector<std::int16_t>{};
}

double noiseEnergy(const std::vector<std::int16_t> &ref, const std::vector<std::int16_t> &out)
{
    double noise = 0;
    for (std::size_t i = 0; i < ref.size(); ++i)
        noise += double(ref[i] - out[i]) * double(ref[i] - out[i]);
    return noise;
}

// The squared error of one stream's codes, decoded from its first frame and `index`.
std::uint64_t streamError(const std::int16_t *s, std::size_t n, int index, const std::vector<std::uint8_t> &codes)
{
    std::vector<std::int16_t> out(n);
    decodeStreamPlain(codes.data(), n, ImaState{s[0], index}, out.data(), 1);
    std::uint64_t sum = 0;
    for (std::size_t k = 1; k < n; ++k) {
        const std::int64_t e = s[k] - out[k];
        sum += std::uint64_t(e * e);
    }
    return sum;
}

// The search as docs/wss-format.md describes it, written plainly: every child made and sorted, the
// cheapest of each step index, then the cheapest new states in order. Returns the step index the
// codes start from.
int plainSearch(const std::vector<std::int16_t> &s, const TrellisSettings &set, std::vector<std::uint8_t> &codes)
{
    struct Path
    {
        std::uint64_t cost;
        int predictor, index;
    };
    const int guess = startIndex(s.data(), 1, s.size());
    const int width = set.paths + set.extra;
    std::vector<Path> paths;
    std::vector<int> start;
    for (int j = 0; int(paths.size()) < set.paths && j <= 4 * kImaMaxIndex; ++j) {
        const int index = std::clamp(guess + (j + 1) / 2 * 2 * (j % 2 ? -1 : 1), 0, kImaMaxIndex);
        if (std::find(start.begin(), start.end(), index) == start.end()) {
            start.push_back(index);
            paths.push_back({0, s[0], index});
        }
    }
    std::vector<std::vector<std::uint16_t>> back; // each sample's kept paths: parent << 4 | code
    for (std::size_t k = 1; k < s.size(); ++k) {
        std::vector<std::pair<std::uint64_t, Path>> children; // key: cost << 11 | parent << 4 | code
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const Path &p = paths[i];
            const int sign = s[k] < p.predictor ? 8 : 0;
            ImaState greedy{p.predictor, p.index};
            const int g = int(imaEncode(greedy, s[k]) & 7);
            for (int m = std::max(0, g - set.spread); m <= std::min(7, g + set.spread); ++m) {
                ImaState st{p.predictor, p.index};
                const std::int64_t e = s[k] - imaDecode(st, unsigned(sign | m));
                const std::uint64_t cost = p.cost + std::uint64_t(e * e);
                children.push_back({cost << 11 | i << 4 | unsigned(sign | m), {cost, st.predictor, st.index}});
            }
        }
        std::sort(children.begin(), children.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        std::map<int, std::uint64_t> byIndex;
        for (const auto &c : children)
            byIndex.try_emplace(c.second.index, c.first); // sorted: the first is the cheapest
        std::vector<std::uint64_t> kept;
        kept.reserve(std::size_t(width) + byIndex.size());
        for (const auto &[index, key] : byIndex)
            kept.push_back(key);
        std::sort(kept.begin(), kept.end());
        kept.resize(std::min<std::size_t>(kept.size(), std::size_t(set.paths)));
        std::set<std::pair<int, int>> states;
        const auto state = [&](std::uint64_t key) {
            const auto &c
                = *std::find_if(children.begin(), children.end(), [&](const auto &x) { return x.first == key; });
            return std::pair(c.second.predictor, c.second.index);
        };
        for (const std::uint64_t key : kept)
            states.insert(state(key));
        for (const auto &c : children)
            if (int(kept.size()) < width && states.insert({c.second.predictor, c.second.index}).second)
                kept.push_back(c.first);
        std::sort(kept.begin(), kept.end());
        std::vector<Path> next;
        back.emplace_back();
        for (const std::uint64_t key : kept) {
            next.push_back(
                std::find_if(children.begin(), children.end(), [&](const auto &x) { return x.first == key; })->second);
            back.back().push_back(std::uint16_t(key & 2047));
        }
        paths = next;
    }
    codes.assign(codeBytes(s.size()), 0);
    ImaState greedy{s[0], guess};
    std::uint64_t greedyCost = 0;
    for (std::size_t k = 1; k < s.size(); ++k) {
        const unsigned code = imaEncode(greedy, s[k]);
        codes[(k - 1) / 2] |= std::uint8_t(code << ((k - 1) % 2 ? 4 : 0));
        greedyCost += std::uint64_t((s[k] - greedy.predictor) * (s[k] - greedy.predictor));
    }
    if (s.size() < 2 || greedyCost <= paths[0].cost)
        return guess;
    std::fill(codes.begin(), codes.end(), 0);
    std::size_t at = 0;
    for (std::size_t k = s.size() - 1; k >= 1; --k) {
        const std::uint16_t b = back[k - 1][at];
        codes[(k - 1) / 2] |= std::uint8_t((b & 15U) << ((k - 1) % 2 ? 4 : 0));
        at = b >> 4;
    }
    return start[at];
}

CodecOptions withSearch(Search search)
{
    CodecOptions o;
    o.search = search;
    return o;
}

} // namespace

class TestTrellis : public QObject
{
    Q_OBJECT

private slots:
    // The margins are the gains measured on these half seconds less about a third (sines gain least:
    // 0.85 to 1.05 dB): the search switched off (greedy codes) gains nothing and fails every row.
    void cleanerThanGreedy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("margin"); // dB the worst channel must gain
        QTest::newRow("sine 16k") << "sine" << 2 << 16000 << 0.6;
        QTest::newRow("sine 44.1k") << "sine" << 2 << 44100 << 0.7;
        QTest::newRow("8-bit sine 8k") << "sine8" << 1 << 8000 << 0.55;
        QTest::newRow("white noise") << "white" << 2 << 44100 << 1.3;
        QTest::newRow("pink noise") << "pink" << 2 << 44100 << 1.5;
        QTest::newRow("speech 16k") << "speech" << 1 << 16000 << 1.4;
        QTest::newRow("music 44.1k") << "music" << 2 << 44100 << 1.3;
    }

    void cleanerThanGreedy()
    {
        QFETCH(QString, kind);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(double, margin);
        const auto C = unsigned(channels);
        const auto pcm = test_sound::makePcm16(kind.toStdString(), channels, rate, std::size_t(rate) / 2);
        const std::size_t frames = pcm.size() / C;
        const auto greedy = decodeAll(
            encodeAll(pcm, C, kDefaultBlockFrames, withSearch(Search::Greedy)), C, kDefaultBlockFrames, frames);
        const auto searched = decodeAll(
            encodeAll(pcm, C, kDefaultBlockFrames, withSearch(Search::Trellis)), C, kDefaultBlockFrames, frames);
        QCOMPARE(searched.size(), pcm.size());
        const double before = test_sound::worstChannelSnr(pcm, greedy, channels);
        const double after = test_sound::worstChannelSnr(pcm, searched, channels);
        qInfo("greedy %.2f dB, search %.2f dB", before, after);
        QVERIFY2(after >= before + margin, qPrintable(QString("%1 dB, greedy %2 dB").arg(after).arg(before)));
    }

    // Both parts of the pruning matter: without the paths at distinct step indexes (one left) or
    // without the further states (none), the search is noisier on the sounds that need each; and
    // so does the width: half as many further states (64 paths in all) are noisier on pink noise.
    void bothPartsOfThePruning_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("paths");
        QTest::addColumn<int>("extra");
        QTest::addColumn<double>("margin"); // dB the default gains over the narrower search: about 2/3 of the measured
        QTest::newRow("speech, one step index") << "speech" << 16000 << 1 << 16 << 1.2;
        QTest::newRow("music, one step index") << "music" << 44100 << 1 << 16 << 1.0;
        QTest::newRow("music, no further states") << "music" << 44100 << 24 << 0 << 0.35;
        QTest::newRow("pink noise, 64 paths") << "pink" << 44100 << 24 << 40 << 0.02;
    }

    void bothPartsOfThePruning()
    {
        QFETCH(QString, kind);
        QFETCH(int, rate);
        QFETCH(int, paths);
        QFETCH(int, extra);
        QFETCH(double, margin);
        const auto pcm = test_sound::makePcm16(kind.toStdString(), 1, rate, std::size_t(rate) / 2);
        TrellisScratch scratch;
        const auto roundTrip = [&](const TrellisSettings &settings) {
            std::vector<std::int16_t> out(pcm.size());
            std::vector<std::uint8_t> codes(codeBytes(kDefaultBlockFrames));
            for (std::size_t f = 0; f < pcm.size(); f += kDefaultBlockFrames) {
                const std::size_t n = std::min<std::size_t>(kDefaultBlockFrames, pcm.size() - f);
                const int index = encodeStreamTrellis(pcm.data() + f, 1, n, codes.data(), scratch, settings);
                out[f] = pcm[f];
                decodeStreamPlain(codes.data(), n, ImaState{pcm[f], index}, out.data() + f, 1);
            }
            return test_sound::worstChannelSnr(pcm, out, 1);
        };
        // The search alone: the look-ahead coder it falls back on would hide what pruning loses.
        TrellisSettings search;
        search.lookAhead = 0;
        const double full = roundTrip(search), narrower = roundTrip({paths, extra, search.spread, 0});
        qInfo("default %.2f dB, narrower %.2f dB", full, narrower);
        QVERIFY2(full >= narrower + margin, qPrintable(QString("%1 dB, narrower %2 dB").arg(full).arg(narrower)));
    }

    // The search's quick ways to the paths it keeps (trees of minima, children made in vectors, each
    // path's children merged in key order) choose exactly what the search written plainly chooses.
    void sameAsThePlainSearch_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("paths");
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("quieter"); // bits the sound is shifted down by
        const TrellisSettings d;
        QTest::newRow("speech, the default") << "speech" << 8000 << d.paths << d.extra << d.spread << 0;
        QTest::newRow("music, the default") << "music" << 44100 << d.paths << d.extra << d.spread << 0;
        QTest::newRow("pink noise, the default") << "pink" << 44100 << d.paths << d.extra << d.spread << 0;
        // A few units either way: the greedy codes come close, but not exactly.
        QTest::newRow("faint pink noise, the default") << "pink" << 44100 << d.paths << d.extra << d.spread << 12;
        QTest::newRow("music, narrower") << "music" << 44100 << 8 << 8 << 2 << 0;
        QTest::newRow("speech, one path") << "speech" << 16000 << 1 << 0 << 0 << 0;
    }

    void sameAsThePlainSearch()
    {
        QFETCH(QString, kind);
        QFETCH(int, rate);
        QFETCH(int, paths);
        QFETCH(int, extra);
        QFETCH(int, spread);
        QFETCH(int, quieter);
        const TrellisSettings set{paths, extra, spread, 0};
        auto pcm = test_sound::makePcm16(kind.toStdString(), 1, rate, 600);
        for (std::int16_t &v : pcm)
            v = std::int16_t(v >> quieter);
        std::vector<std::uint8_t> expected, codes(codeBytes(pcm.size()));
        const int expectedIndex = plainSearch(pcm, set, expected);
        TrellisScratch scratch;
        for (const Kernel kernel : {Kernel::Plain, Kernel::Avx2}) {
            if (!kernelAvailable(kernel))
                continue;
            const int index = encodeStreamTrellis(pcm.data(), 1, pcm.size(), codes.data(), scratch, set, kernel);
            QCOMPARE(index, expectedIndex);
            QVERIFY2(codes == expected, kernelName(kernel));
        }
    }

    // What WSSCod.exe runs with no option is the search; WSS_SEARCH=greedy asks for greedy codes.
    void theDefaultIsTheSearch()
    {
        const auto pcm = test_sound::makePcm16("music", 2, 44100, std::size_t{3} * 1025);
        std::vector<std::uint8_t> byDefault(3 * blockBytes(2, 1025)), searched(byDefault.size());
        encodeBlocks(2, 1025, 3, pcm.data(), byDefault.data(), Kernel::Plain);
        encodeBlocks(2, 1025, 3, pcm.data(), searched.data(), Kernel::Plain, Search::Trellis);
        QCOMPARE(byDefault, searched);
        qunsetenv("WSS_SEARCH");
        QVERIFY(optionsFromEnvironment().search == Search::Trellis);
        qputenv("WSS_SEARCH", "greedy");
        QVERIFY(optionsFromEnvironment().search == Search::Greedy);
        qunsetenv("WSS_SEARCH");
    }

    // The search also chooses each block's step index: a block that opens loud after silence
    // (where the first changes say little) starts higher than the guess from them.
    void choosesTheStartIndex()
    {
        std::vector<std::int16_t> s(200, 0);
        for (std::size_t k = 9; k < s.size(); ++k)
            s[k] = std::int16_t(k % 2 ? 12000 : -12000);
        std::vector<std::uint8_t> codes(codeBytes(s.size()));
        TrellisScratch scratch;
        TrellisSettings search;
        search.lookAhead = 0;
        const int index = encodeStreamTrellis(s.data(), 1, s.size(), codes.data(), scratch, search);
        QVERIFY2(index > 0, qPrintable(QString::number(index)));
    }

    // Where the look-ahead coder codes a stream with less error than the search, its codes are
    // kept: never noisier than either, and on speech and music cleaner than the search alone, as a
    // look at the next samples finds what the paths kept by their cost so far can drop.
    void keepsTheLookAheadWhereCheaper_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("lookAheadWins"); // in some block
        QTest::newRow("speech, 8 kHz") << "speech" << 8000 << true;
        QTest::newRow("music, 44.1 kHz") << "music" << 44100 << true;
        QTest::newRow("pink noise, 44.1 kHz") << "pink" << 44100 << false;
    }

    void keepsTheLookAheadWhereCheaper()
    {
        QFETCH(QString, kind);
        QFETCH(int, rate);
        QFETCH(bool, lookAheadWins);
        const auto pcm = test_sound::makePcm16(kind.toStdString(), 1, rate, std::size_t(rate) / 2);
        TrellisScratch scratch;
        TrellisSettings search;
        search.lookAhead = 0;
        std::uint64_t byDefault = 0, searchAlone = 0, lookAhead = 0;
        std::vector<std::uint8_t> codes(codeBytes(kDefaultBlockFrames));
        for (std::size_t f = 0; f < pcm.size(); f += kDefaultBlockFrames) {
            const std::size_t n = std::min<std::size_t>(kDefaultBlockFrames, pcm.size() - f);
            const std::int16_t *s = pcm.data() + f;
            int index = encodeStreamTrellis(s, 1, n, codes.data(), scratch);
            byDefault += streamError(s, n, index, codes);
            index = encodeStreamTrellis(s, 1, n, codes.data(), scratch, search);
            searchAlone += streamError(s, n, index, codes);
            index = startIndex(s, 1, n);
            look_ahead::encodeStream(
                s, 1, n, index, codes.data(), TrellisSettings{}.lookAhead, look_ahead::kEncoderNodesPerFrame);
            lookAhead += streamError(s, n, index, codes);
        }
        qInfo("squared error: default %llu, search alone %llu, look-ahead %llu", qulonglong(byDefault),
            qulonglong(searchAlone), qulonglong(lookAhead));
        QVERIFY(byDefault <= searchAlone && byDefault <= lookAhead);
        if (lookAheadWins)
            QVERIFY(byDefault < searchAlone);
    }

    // The same input gives the same bytes, whatever the kernel and the number of threads (each run
    // a new one); a sound of three chunks (41,000 frames each at 3 channels, the last one short),
    // so that threads share it.
    void sameBytesEveryPath()
    {
        const unsigned C = 3;
        const auto pcm = test_sound::makePcm16("music", int(C), 44100, 85000);
        const CodecOptions plain{Kernel::Plain, 0};
        const auto reference = encodeAll(pcm, C, kDefaultBlockFrames, plain);
        for (const CodecOptions &o : {CodecOptions{Kernel::Sse2, 1}, CodecOptions{Kernel::Avx2, 3}}) {
            if (kernelAvailable(o.kernel))
                QVERIFY2(encodeAll(pcm, C, kDefaultBlockFrames, o) == reference,
                    qPrintable(QString("%1, %2 threads").arg(kernelName(o.kernel)).arg(o.threads)));
        }
    }

    // Blocks at the edges: each decodes, block for block, with frame 0 of every block exact, and
    // comes out no noisier than the greedy codes (silence and a square wave the greedy coder
    // follows exactly stay exact).
    void edgeCases_data()
    {
        QTest::addColumn<std::vector<std::int16_t>>("pcm");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("blockFrames");
        const auto music
            = [](int channels, std::size_t frames) { return test_sound::makePcm16("music", channels, 44100, frames); };
        QTest::newRow("1-frame blocks") << music(2, 300) << 2 << 1;
        QTest::newRow("2-frame blocks") << music(1, 301) << 1 << 2;
        QTest::newRow("short last block") << music(2, 3 * 1025 + 7) << 2 << 1025;
        QTest::newRow("a lone frame") << music(1, 1) << 1 << 1025;
        QTest::newRow("8 channels") << music(8, 2 * 1025 + 100) << 8 << 1025;
        std::vector<std::int16_t> clipped(4000);
        for (std::size_t k = 0; k < clipped.size(); ++k)
            clipped[k] = std::int16_t(std::clamp(40000.0 * std::sin(double(k) * 0.05), -32768.0, 32767.0));
        QTest::newRow("clipping at ±32767") << clipped << 1 << 1025;
        QTest::newRow("silence") << std::vector<std::int16_t>(6000, 0) << 2 << 1025;
        std::vector<std::int16_t> square(3000);
        for (std::size_t k = 0; k < square.size(); ++k)
            square[k] = std::int16_t(k / 50 % 2 ? 32767 : -32768);
        QTest::newRow("full-scale square wave") << square << 1 << 1025;
        std::vector<std::int16_t> extremes(3000);
        for (std::size_t k = 0; k < extremes.size(); ++k)
            extremes[k] = std::int16_t(k % 2 ? 32767 : -32768);
        QTest::newRow("full-scale at half the rate") << extremes << 1 << 1025;
    }

    void edgeCases()
    {
        QFETCH(std::vector<std::int16_t>, pcm);
        QFETCH(int, channels);
        QFETCH(int, blockFrames);
        const auto C = unsigned(channels);
        const auto B = std::uint16_t(blockFrames);
        const std::size_t frames = pcm.size() / C;
        const auto coded = encodeAll(pcm, C, B, withSearch(Search::Trellis));
        const auto out = decodeAll(coded, C, B, frames);
        QCOMPARE(out.size(), pcm.size());
        for (std::size_t f = 0; f < frames; f += B)
            for (std::size_t c = 0; c < C; ++c)
                QCOMPARE(out[f * C + c], pcm[f * C + c]);
        const auto greedy = decodeAll(encodeAll(pcm, C, B, withSearch(Search::Greedy)), C, B, frames);
        QCOMPARE(greedy.size(), pcm.size());
        const double searched = noiseEnergy(pcm, out), plain = noiseEnergy(pcm, greedy);
        QVERIFY2(searched <= plain, qPrintable(QString("noise %1, greedy %2").arg(searched).arg(plain)));
    }
};

QTEST_GUILESS_MAIN(TestTrellis)
#include "tst_trellis.moc"
