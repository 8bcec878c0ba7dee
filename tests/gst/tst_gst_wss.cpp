// The GStreamer plugin as GStreamer's own programs and an application use it: the samples it
// hands on against WSSdec.exe's, seeking, the duration, damaged files. The plugin is the one in
// the build (GST_PLUGIN_PATH); the registry is a file of this run.

#include "wss_fixtures.h"

#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gst/app/gstappsink.h>
#include <gst/audio/audio.h>
#include <gst/gst.h>

#include <random>

using namespace wss_fixtures;

namespace {

constexpr int kBlockFrames = 1025;

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QString output; // standard output and error
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.output = QStringLiteral("timed out");
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

// A pipeline that decodes `path` through decodebin into an appsink, as an application would.
struct Player
{
    GstElement *pipeline = nullptr;
    GstAppSink *sink = nullptr;

    explicit Player(const QString &path)
    {
        GError *error = nullptr;
        const QByteArray description = "filesrc name=src ! decodebin ! appsink name=sink sync=false";
        pipeline = gst_parse_launch(description.constData(), &error);
        if (!pipeline) {
            g_clear_error(&error);
            return;
        }
        GstElement *src = gst_bin_get_by_name(GST_BIN(pipeline), "src");
        g_object_set(src, "location", QFile::encodeName(path).constData(), nullptr);
        gst_object_unref(src);
        sink = GST_APP_SINK(gst_bin_get_by_name(GST_BIN(pipeline), "sink"));
    }
    ~Player()
    {
        if (pipeline) {
            gst_element_set_state(pipeline, GST_STATE_NULL);
            gst_object_unref(sink);
            gst_object_unref(pipeline);
        }
    }
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    bool pause() const
    {
        return gst_element_set_state(pipeline, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE
            && gst_element_get_state(pipeline, nullptr, nullptr, 30 * GST_SECOND) == GST_STATE_CHANGE_SUCCESS;
    }

    // Appends the samples of `sample` to `out`; false when there is none.
    static bool take(GstSample *sample, std::vector<std::int16_t> &out, guint64 *firstFrame = nullptr)
    {
        if (!sample)
            return false;
        GstBuffer *buffer = gst_sample_get_buffer(sample);
        if (firstFrame)
            *firstFrame = GST_BUFFER_OFFSET(buffer);
        GstMapInfo map;
        gst_buffer_map(buffer, &map, GST_MAP_READ);
        const auto *samples = reinterpret_cast<const std::int16_t *>(map.data);
        out.insert(out.end(), samples, samples + map.size / sizeof(std::int16_t));
        gst_buffer_unmap(buffer, &map);
        gst_sample_unref(sample);
        return true;
    }

    // Every sample to the end, playing, until the end or an error; `error` gets its message.
    std::vector<std::int16_t> pullAll(QString *error = nullptr) const
    {
        std::vector<std::int16_t> out;
        gst_element_set_state(pipeline, GST_STATE_PLAYING);
        GstBus *bus = gst_element_get_bus(pipeline);
        GstMessage *m = nullptr;
        for (int waited = 0; !m && waited < 300;) {
            if (take(gst_app_sink_try_pull_sample(sink, GST_SECOND / 10), out))
                continue;
            if (gst_app_sink_is_eos(sink))
                break;
            m = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
            ++waited;
        }
        if (!m)
            m = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
        if (m && error) {
            GError *e = nullptr;
            gst_message_parse_error(m, &e, nullptr);
            *error = QString::fromUtf8(e->message);
            g_error_free(e);
        }
        if (m)
            gst_message_unref(m);
        gst_object_unref(bus);
        return out;
    }
};

} // namespace

class TestGstWss : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString gstLaunch_, gstDiscoverer_, gstPlay_, gstInspect_;
    std::vector<WssFile> files_; // short and long, 1 to 8 channels

    const WssFile &file(const QString &name) const
    {
        for (const WssFile &f : files_)
            if (QFileInfo(f.path).completeBaseName() == name)
                return f;
        static const WssFile none;
        return none;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        gstLaunch_ = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
        gstDiscoverer_ = QStandardPaths::findExecutable(QStringLiteral("gst-discoverer-1.0"));
        gstPlay_ = QStandardPaths::findExecutable(QStringLiteral("gst-play-1.0"));
        gstInspect_ = QStandardPaths::findExecutable(QStringLiteral("gst-inspect-1.0"));
        if (gstLaunch_.isEmpty() || gstDiscoverer_.isEmpty() || gstPlay_.isEmpty())
            QSKIP("GStreamer's tools are missing (packages gstreamer1.0-tools, gstreamer1.0-plugins-base-apps)");
        // Short (a part of one block), and long (over a hundred blocks, a short one at the end).
        // The plugin reads what the encoder writes, whichever codes it chose: the long files have
        // greedy codes, which the encoder finds far sooner than its search's.
        const int rates[] = {8000, 44100, 48000, 22050, 96000, 11025, 32000, 16000};
        for (int c = 1; c <= 8; ++c) {
            files_.push_back(makeWss(dir_.path(), QStringLiteral("short-%1").arg(c), c, rates[c - 1], 700));
            files_.push_back(makeWss(dir_.path(), QStringLiteral("long-%1").arg(c), c, rates[c - 1],
                130 * kBlockFrames + 77, Coding::Greedy));
        }
        for (const WssFile &f : files_)
            QVERIFY2(!f.reference.empty(), qPrintable(f.path));
    }

    void inspectListsThePlugin()
    {
        const Run r = run(gstInspect_, {QStringLiteral("wss")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.output.contains(QStringLiteral("wssdec: WSS decoder")), qPrintable(r.output));
        QVERIFY2(r.output.contains(QStringLiteral("audio/x-wss: wss")), qPrintable(r.output));
    }

    void files_data()
    {
        QTest::addColumn<QString>("name");
        for (int c = 1; c <= 8; ++c)
            for (const char *length : {"short", "long"}) {
                const QString name = QStringLiteral("%1-%2").arg(QLatin1String(length)).arg(c);
                QTest::newRow(qPrintable(name)) << name;
            }
    }

    // gst-launch-1.0 ... decodebin ! wavenc writes WSSdec.exe's samples.
    void launchWritesTheToolsSamples_data() { files_data(); }
    void launchWritesTheToolsSamples()
    {
        QFETCH(QString, name);
        const WssFile &f = file(name);
        const QString wav = dir_.path() + u'/' + name + QStringLiteral("-gst.wav");
        const Run r = run(gstLaunch_,
            {QStringLiteral("-q"), QStringLiteral("filesrc"), QStringLiteral("location=") + f.path, QStringLiteral("!"),
                QStringLiteral("decodebin"), QStringLiteral("!"), QStringLiteral("wavenc"), QStringLiteral("!"),
                QStringLiteral("filesink"), QStringLiteral("location=") + wav});
        QVERIFY2(!r.crashed && r.exitCode == 0, qPrintable(r.output));
        int channels = 0, rate = 0;
        const auto got = readWav(wav, &channels, &rate);
        QCOMPARE(channels, f.channels);
        QCOMPARE(rate, f.rate);
        QCOMPARE(got.size(), f.reference.size());
        QVERIFY(got == f.reference);
    }

    // An application pulling samples gets WSSdec.exe's, in buffers stamped with their frame.
    void applicationPullsTheToolsSamples_data() { files_data(); }
    void applicationPullsTheToolsSamples()
    {
        QFETCH(QString, name);
        const WssFile &f = file(name);
        Player player(f.path);
        QVERIFY(player.pipeline);
        QVERIFY(player.pause());
        GstSample *preroll = gst_app_sink_pull_preroll(player.sink);
        QVERIFY(preroll);
        GstAudioInfo info;
        QVERIFY(gst_audio_info_from_caps(&info, gst_sample_get_caps(preroll)));
        gst_sample_unref(preroll);
        QCOMPARE(GST_AUDIO_INFO_FORMAT(&info), GST_AUDIO_FORMAT_S16LE);
        QCOMPARE(GST_AUDIO_INFO_CHANNELS(&info), f.channels);
        QCOMPARE(GST_AUDIO_INFO_RATE(&info), f.rate);
        QString error;
        const auto got = player.pullAll(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(got.size(), f.reference.size());
        QVERIFY(got == f.reference);
    }

    // Seeks to 20 random points, by time and by frame: the samples there are those from the start.
    void seekGivesTheSamplesFromTheStart()
    {
        const WssFile &f = file(QStringLiteral("long-3"));
        const auto frames = std::int64_t(f.reference.size()) / f.channels;
        Player player(f.path);
        QVERIFY(player.pause());
        gint64 duration = 0;
        QVERIFY(gst_element_query_duration(player.pipeline, GST_FORMAT_DEFAULT, &duration));
        QCOMPARE(duration, frames);
        std::mt19937 random(20);
        for (int i = 0; i < 20; ++i) {
            const std::int64_t frame = std::uniform_int_distribution<std::int64_t>(0, frames - 1)(random);
            const bool byTime = i % 2 == 0;
            const gint64 to = byTime ? gint64(gst_util_uint64_scale_int(guint64(frame), GST_SECOND, f.rate)) : frame;
            QVERIFY(gst_element_seek_simple(player.pipeline, byTime ? GST_FORMAT_TIME : GST_FORMAT_DEFAULT,
                GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), to));
            QCOMPARE(
                gst_element_get_state(player.pipeline, nullptr, nullptr, 30 * GST_SECOND), GST_STATE_CHANGE_SUCCESS);
            std::vector<std::int16_t> got;
            guint64 first = 0;
            QVERIFY(Player::take(gst_app_sink_try_pull_preroll(player.sink, 10 * GST_SECOND), got, &first));
            QCOMPARE(first, guint64(frame));
            gint64 position = -1;
            QVERIFY(gst_element_query_position(player.pipeline, GST_FORMAT_DEFAULT, &position));
            QVERIFY(position > frame);
            const std::size_t n = got.size();
            QVERIFY(n > 0 && std::int64_t(n) <= (frames - frame) * f.channels);
            QVERIFY2(std::equal(got.begin(), got.end(), f.reference.begin() + frame * f.channels),
                qPrintable(QStringLiteral("frame %1, by %2").arg(frame).arg(byTime ? "time" : "frame")));
        }
    }

    // gst-discoverer-1.0 gives the duration to the frame, the rate and the channels.
    void discovererDescribesTheFile_data() { files_data(); }
    void discovererDescribesTheFile()
    {
        QFETCH(QString, name);
        const WssFile &f = file(name);
        const Run r = run(gstDiscoverer_, {f.path});
        QVERIFY2(!r.crashed && r.exitCode == 0, qPrintable(r.output));
        const auto frames = guint64(f.reference.size()) / guint64(f.channels);
        const GstClockTime ns = gst_util_uint64_scale_int(frames, GST_SECOND, f.rate);
        const QString duration = QStringLiteral("Duration: %1:%2:%3.%4")
                                     .arg(ns / (3600 * GST_SECOND))
                                     .arg(ns / (60 * GST_SECOND) % 60, 2, 10, QLatin1Char('0'))
                                     .arg(ns / GST_SECOND % 60, 2, 10, QLatin1Char('0'))
                                     .arg(ns % GST_SECOND, 9, 10, QLatin1Char('0'));
        QVERIFY2(r.output.contains(duration), qPrintable(duration + u'\n' + r.output));
        // The nanoseconds printed name this frame count and no other.
        QCOMPARE(gst_util_uint64_scale_int_ceil(ns, f.rate, GST_SECOND), frames);
        QVERIFY2(r.output.contains(QStringLiteral("Sample rate: %1").arg(f.rate)), qPrintable(r.output));
        QVERIFY2(r.output.contains(QStringLiteral("Channels: %1").arg(f.channels)), qPrintable(r.output));
    }

    void playPlaysToTheEnd()
    {
        const Run r = run(gstPlay_, {QStringLiteral("--audiosink=fakesink"), file(QStringLiteral("long-2")).path});
        QVERIFY2(!r.crashed && r.exitCode == 0, qPrintable(r.output));
        QVERIFY2(!r.output.contains(QStringLiteral("ERROR")), qPrintable(r.output));
        QVERIFY2(r.output.contains(QStringLiteral("Reached end of play list")), qPrintable(r.output));
    }

    // Damaged and random files: an error that says what is wrong, never a crash, and never the
    // samples of a block that failed.
    void damagedFilesGiveErrors_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("framesBefore");
        QTest::newRow("block checksum") << "block byte"
                                        << "block 100 of 131 fails its checksum" << 99 * kBlockFrames;
        QTest::newRow("cut inside a block") << "cut"
                                            << "the file ends inside block 41 of 131" << 40 * kBlockFrames;
        QTest::newRow("header checksum") << "header byte"
                                         << "header checksum mismatch" << 0;
        QTest::newRow("random bytes") << "random"
                                      << "Could not determine type of stream" << 0;
        QTest::newRow("signature, then random bytes") << "signature"
                                                      << "header checksum mismatch" << 0;
        QTest::newRow("empty") << "empty"
                               << "Stream contains no data" << 0;
    }
    void damagedFilesGiveErrors()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QFETCH(int, framesBefore);
        const WssFile &f = file(QStringLiteral("long-1"));
        QByteArray b = readAll(f.path);
        const int block = 4 + kBlockFrames / 2 + 4;
        std::mt19937 random(7);
        if (fault == "block byte")
            b[32 + 99 * block + 9] = char(b[32 + 99 * block + 9] ^ 0x40);
        else if (fault == "cut")
            b.truncate(32 + 40 * block + 100);
        else if (fault == "header byte")
            b[16] = char(b[16] ^ 1);
        else if (fault == "empty")
            b.clear();
        else
            for (int i = fault == "signature" ? 4 : 0; i < b.size(); ++i)
                b[i] = char(random());
        const QString path = dir_.path() + QStringLiteral("/damaged.wss");
        QVERIFY(writeAll(path, b));

        // gst-launch-1.0 itself now and then waits forever on an empty file, before any WSS
        // element is involved (typefinding finds no data); an application gets the error.
        if (fault != "empty") {
            const Run r = run(gstLaunch_,
                {QStringLiteral("filesrc"), QStringLiteral("location=") + path, QStringLiteral("!"),
                    QStringLiteral("decodebin"), QStringLiteral("!"), QStringLiteral("fakesink")});
            QVERIFY2(!r.crashed && r.exitCode != 0, qPrintable(r.output));
            QVERIFY2(r.output.contains(QStringLiteral("ERROR")), qPrintable(r.output));
            QVERIFY2(r.output.contains(message), qPrintable(r.output));
        }

        Player player(path);
        QString error;
        gst_element_set_state(player.pipeline, GST_STATE_PAUSED);
        const auto got = player.pullAll(&error);
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(int(got.size()), framesBefore);
        QVERIFY(std::equal(got.begin(), got.end(), f.reference.begin()));
    }
};

int main(int argc, char *argv[])
{
    wss_fixtures::isolate();
    qputenv("GST_PLUGIN_PATH", QFile::encodeName(buildPath(GST_PLUGIN_DIR)));
    gst_init(&argc, &argv);
    QCoreApplication app(argc, argv);
    TestGstWss tc;
    const int result = QTest::qExec(&tc, argc, argv);
    gst_deinit();
    return result;
}

#include "tst_gst_wss.moc"
