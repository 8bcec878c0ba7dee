#include "wss_dec.h"

#include "wss/wss.h"

#include <gst/audio/audio.h>

#include <algorithm>
#include <vector>

GST_DEBUG_CATEGORY_STATIC(wss_dec_debug);
#define GST_CAT_DEFAULT wss_dec_debug

struct _GstWssDec
{
    GstElement parent;
    GstPad *sinkpad;
    GstPad *srcpad; // from the moment the file's header is read

    // Set up in the streaming thread when it starts; read under the object lock by queries.
    wss_file *file;
    guint64 offset; // upstream's read position, in bytes, for libwss's callbacks
    GstFlowReturn pullResult; // why the last pull stopped short (EOS, flushing, ...)
    guint32 rate;
    guint channels;
    guint64 frames;

    GstSegment segment; // in time
    guint64 nextFrame; // the frame the next buffer starts with
    gboolean needSegment; // a segment event is due before the next buffer
    gboolean discont;
    gboolean tagsSent;
};

G_DEFINE_TYPE(GstWssDec, gst_wss_dec, GST_TYPE_ELEMENT)

namespace {

// Frames handed on in one buffer: about 0.1 s at 44.1 kHz.
constexpr guint64 kBufferFrames = 4096;

GstStaticPadTemplate sinkTemplate
    = GST_STATIC_PAD_TEMPLATE("sink", GST_PAD_SINK, GST_PAD_ALWAYS, GST_STATIC_CAPS("audio/x-wss"));
GstStaticPadTemplate srcTemplate = GST_STATIC_PAD_TEMPLATE("src", GST_PAD_SRC, GST_PAD_SOMETIMES,
    GST_STATIC_CAPS(
        "audio/x-raw, format = (string) " GST_AUDIO_NE(S16) ", layout = (string) interleaved, "
                                                            "rate = (int) [ 1, MAX ], channels = (int) [ 1, 8 ]"));

GstClockTime frameTime(const GstWssDec *self, guint64 frame)
{
    return gst_util_uint64_scale_int(frame, GST_SECOND, gint(self->rate));
}

// The first frame at or after `time`, so that a frame's own timestamp gives that frame back.
guint64 timeFrame(const GstWssDec *self, GstClockTime time)
{
    return std::min(gst_util_uint64_scale_int_ceil(time, gint(self->rate), GST_SECOND), self->frames);
}

gint64 readUpstream(void *user, void *buffer, size_t size)
{
    auto *self = static_cast<GstWssDec *>(user);
    GstBuffer *pulled = nullptr;
    self->pullResult
        = gst_pad_pull_range(self->sinkpad, self->offset, guint(std::min<size_t>(size, G_MAXUINT)), &pulled);
    if (self->pullResult == GST_FLOW_EOS)
        return 0;
    if (self->pullResult != GST_FLOW_OK)
        return -1;
    const gsize got = gst_buffer_extract(pulled, 0, buffer, size);
    gst_buffer_unref(pulled);
    self->offset += got;
    return gint64(got);
}

gint64 seekUpstream(void *user, gint64 offset, int whence)
{
    auto *self = static_cast<GstWssDec *>(user);
    gint64 base = 0;
    if (whence == SEEK_CUR)
        base = gint64(self->offset);
    else if (whence == SEEK_END && !gst_pad_peer_query_duration(self->sinkpad, GST_FORMAT_BYTES, &base))
        return -1;
    if (base + offset < 0)
        return -1;
    self->offset = guint64(base + offset);
    return gint64(self->offset);
}

// Posts what libwss said as an error: for a damaged file it names the block. The message comes
// from the sink pad rather than the element: a decodebin drops the errors of an element it is
// still setting up (it would try another one), and here the first blocks can be read and found
// damaged before it has finished; there is no other element for WSS to try.
void postError(GstWssDec *self, wss_status status)
{
    GQuark domain = GST_STREAM_ERROR;
    gint code = GST_STREAM_ERROR_DECODE;
    if (status == WSS_ERROR_NOT_WSS)
        code = GST_STREAM_ERROR_WRONG_TYPE;
    else if (status == WSS_ERROR_UNSUPPORTED)
        code = GST_STREAM_ERROR_CODEC_NOT_FOUND;
    else if (status != WSS_ERROR_DAMAGED && status != WSS_ERROR_TRUNCATED) {
        domain = GST_RESOURCE_ERROR;
        code = GST_RESOURCE_ERROR_READ;
    }
    GError *error = g_error_new_literal(domain, code, wss_last_error());
    gchar *debug = g_strdup_printf("libwss: %s", wss_status_name(status));
    GST_WARNING_OBJECT(self, "%s", error->message);
    gst_element_post_message(GST_ELEMENT(self), gst_message_new_error(GST_OBJECT(self->sinkpad), error, debug));
    g_error_free(error);
    g_free(debug);
}

gboolean srcEvent(GstPad *pad, GstObject *parent, GstEvent *event);
gboolean srcQuery(GstPad *pad, GstObject *parent, GstQuery *query);

// The source pad appears once the header is read, with its caps set, as a demuxer's does: a
// decodebin then links it at once, before the first buffer.
void addSourcePad(GstWssDec *self)
{
    self->srcpad = gst_pad_new_from_static_template(&srcTemplate, "src");
    gst_pad_set_event_function(self->srcpad, srcEvent);
    gst_pad_set_query_function(self->srcpad, srcQuery);
    gst_pad_use_fixed_caps(self->srcpad);
    gst_pad_set_active(self->srcpad, TRUE);
    gchar *streamId = gst_pad_create_stream_id(self->srcpad, GST_ELEMENT(self), nullptr);
    gst_pad_push_event(self->srcpad, gst_event_new_stream_start(streamId));
    g_free(streamId);
    GstAudioInfo info;
    gst_audio_info_set_format(&info, GST_AUDIO_FORMAT_S16, gint(self->rate), gint(self->channels), nullptr);
    GstCaps *caps = gst_audio_info_to_caps(&info);
    gst_pad_set_caps(self->srcpad, caps);
    gst_caps_unref(caps);
    gst_element_add_pad(GST_ELEMENT(self), self->srcpad);
    gst_element_no_more_pads(GST_ELEMENT(self));
}

void removeSourcePad(GstWssDec *self)
{
    if (!self->srcpad)
        return;
    gst_pad_set_active(self->srcpad, FALSE);
    gst_element_remove_pad(GST_ELEMENT(self), self->srcpad);
    self->srcpad = nullptr;
}

// Opens the file and announces the stream.
gboolean openFile(GstWssDec *self)
{
    static const wss_io io = {readUpstream, seekUpstream};
    self->offset = 0;
    wss_file *file = nullptr;
    const wss_status status = wss_open_read_io(&io, self, &file);
    if (status != WSS_OK) {
        if (self->pullResult == GST_FLOW_FLUSHING)
            return FALSE;
        postError(self, status);
        return FALSE;
    }
    GST_OBJECT_LOCK(self);
    self->file = file;
    self->rate = wss_sample_rate(file);
    self->channels = wss_channels(file);
    self->frames = wss_frames(file);
    GST_OBJECT_UNLOCK(self);

    addSourcePad(self);
    GST_OBJECT_LOCK(self);
    self->segment.duration = frameTime(self, self->frames);
    GST_OBJECT_UNLOCK(self);
    return TRUE;
}

void pauseTask(GstWssDec *self, GstFlowReturn result)
{
    GST_DEBUG_OBJECT(self, "pausing: %s", gst_flow_get_name(result));
    gst_pad_pause_task(self->sinkpad);
    if (result == GST_FLOW_EOS) {
        if (self->segment.flags & GST_SEGMENT_FLAG_SEGMENT) {
            const gint64 stop = GST_CLOCK_TIME_IS_VALID(self->segment.stop) ? gint64(self->segment.stop)
                                                                            : gint64(frameTime(self, self->frames));
            gst_element_post_message(
                GST_ELEMENT(self), gst_message_new_segment_done(GST_OBJECT(self), GST_FORMAT_TIME, stop));
            gst_pad_push_event(self->srcpad, gst_event_new_segment_done(GST_FORMAT_TIME, stop));
        } else {
            gst_pad_push_event(self->srcpad, gst_event_new_eos());
        }
    } else if (result == GST_FLOW_NOT_LINKED || result < GST_FLOW_EOS) {
        GST_ELEMENT_FLOW_ERROR(self, result);
        gst_pad_push_event(self->srcpad, gst_event_new_eos());
    }
}

void loop(gpointer data)
{
    auto *self = static_cast<GstWssDec *>(data);
    if (self->needSegment) {
        self->needSegment = FALSE;
        gst_pad_push_event(self->srcpad, gst_event_new_segment(&self->segment));
        if (!self->tagsSent) {
            self->tagsSent = TRUE;
            gst_pad_push_event(self->srcpad,
                gst_event_new_tag(gst_tag_list_new(
                    GST_TAG_AUDIO_CODEC, "WSS (IMA ADPCM)", GST_TAG_CONTAINER_FORMAT, "WSS", nullptr)));
        }
    }
    guint64 end = self->frames;
    if (GST_CLOCK_TIME_IS_VALID(self->segment.stop))
        end = std::min(end, timeFrame(self, self->segment.stop));
    if (self->nextFrame >= end) {
        pauseTask(self, GST_FLOW_EOS);
        return;
    }
    const guint64 want = std::min(kBufferFrames, end - self->nextFrame);
    GstBuffer *buffer = gst_buffer_new_allocate(nullptr, want * self->channels * sizeof(gint16), nullptr);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_WRITE);
    const gint64 got = wss_read_s16(self->file, reinterpret_cast<gint16 *>(map.data), want);
    gst_buffer_unmap(buffer, &map);
    if (got <= 0) {
        gst_buffer_unref(buffer);
        if (got < 0 && self->pullResult == GST_FLOW_FLUSHING) {
            pauseTask(self, GST_FLOW_FLUSHING);
            return;
        }
        if (got < 0) {
            // Said once, naming the block; downstream then ends with the frames before it.
            postError(self, wss_status(got));
            gst_pad_pause_task(self->sinkpad);
            gst_pad_push_event(self->srcpad, gst_event_new_eos());
            return;
        }
        pauseTask(self, GST_FLOW_EOS);
        return;
    }
    gst_buffer_set_size(buffer, gssize(got) * gssize(self->channels) * gssize(sizeof(gint16)));
    GST_BUFFER_PTS(buffer) = frameTime(self, self->nextFrame);
    GST_BUFFER_DURATION(buffer) = frameTime(self, self->nextFrame + guint64(got)) - GST_BUFFER_PTS(buffer);
    GST_BUFFER_OFFSET(buffer) = self->nextFrame;
    GST_BUFFER_OFFSET_END(buffer) = self->nextFrame + guint64(got);
    if (self->discont) {
        GST_BUFFER_FLAG_SET(buffer, GST_BUFFER_FLAG_DISCONT);
        self->discont = FALSE;
    }
    self->nextFrame += guint64(got);
    GST_OBJECT_LOCK(self);
    self->segment.position = frameTime(self, self->nextFrame);
    GST_OBJECT_UNLOCK(self);
    const GstFlowReturn result = gst_pad_push(self->srcpad, buffer);
    if (result != GST_FLOW_OK)
        pauseTask(self, result);
}

// A seek by time or by frame: the streaming thread stops (flushing, or at its next turn), libwss
// moves to the frame, and a new segment starts from it.
gboolean doSeek(GstWssDec *self, GstEvent *event)
{
    gdouble rate;
    GstFormat format;
    GstSeekFlags flags;
    GstSeekType startType, stopType;
    gint64 start, stop;
    gst_event_parse_seek(event, &rate, &format, &flags, &startType, &start, &stopType, &stop);
    if (rate <= 0.0 || (format != GST_FORMAT_TIME && format != GST_FORMAT_DEFAULT)) {
        GST_DEBUG_OBJECT(self, "only forward seeks by time or by frame");
        return FALSE;
    }
    if (!self->file)
        return FALSE;
    if (format == GST_FORMAT_DEFAULT) {
        if (startType != GST_SEEK_TYPE_NONE && start >= 0)
            start = gint64(frameTime(self, guint64(start)));
        if (stopType != GST_SEEK_TYPE_NONE && stop >= 0)
            stop = gint64(frameTime(self, guint64(stop)));
    }
    const gboolean flush = (flags & GST_SEEK_FLAG_FLUSH) != 0;
    const guint32 seqnum = gst_event_get_seqnum(event);
    if (flush) {
        GstEvent *flushStart = gst_event_new_flush_start();
        gst_event_set_seqnum(flushStart, seqnum);
        gst_pad_push_event(self->srcpad, flushStart);
    } else {
        gst_pad_pause_task(self->sinkpad);
    }
    GST_PAD_STREAM_LOCK(self->sinkpad);

    GstSegment segment = self->segment;
    gboolean update;
    gst_segment_do_seek(
        &segment, rate, GST_FORMAT_TIME, flags, startType, guint64(start), stopType, guint64(stop), &update);
    const guint64 frame = timeFrame(self, segment.position);
    const wss_status status = wss_seek(self->file, frame);
    if (flush) {
        GstEvent *flushStop = gst_event_new_flush_stop(TRUE);
        gst_event_set_seqnum(flushStop, seqnum);
        gst_pad_push_event(self->srcpad, flushStop);
    }
    if (status == WSS_OK) {
        GST_OBJECT_LOCK(self);
        self->segment = segment;
        self->segment.position = frameTime(self, frame);
        GST_OBJECT_UNLOCK(self);
        self->nextFrame = frame;
        self->needSegment = TRUE;
        self->discont = TRUE;
        if (flags & GST_SEEK_FLAG_SEGMENT)
            gst_element_post_message(GST_ELEMENT(self),
                gst_message_new_segment_start(GST_OBJECT(self), GST_FORMAT_TIME, gint64(segment.position)));
    } else {
        postError(self, status);
    }
    if (status == WSS_OK)
        gst_pad_start_task(self->sinkpad, loop, self, nullptr);
    GST_PAD_STREAM_UNLOCK(self->sinkpad);
    return status == WSS_OK;
}

gboolean srcEvent(GstPad *pad, GstObject *parent, GstEvent *event)
{
    auto *self = GST_WSS_DEC(parent);
    if (GST_EVENT_TYPE(event) == GST_EVENT_SEEK) {
        const gboolean ok = doSeek(self, event);
        gst_event_unref(event);
        return ok;
    }
    return gst_pad_event_default(pad, parent, event);
}

gboolean srcQuery(GstPad *pad, GstObject *parent, GstQuery *query)
{
    auto *self = GST_WSS_DEC(parent);
    GST_OBJECT_LOCK(self);
    const gboolean open = self->file != nullptr;
    const guint64 frames = self->frames;
    const GstClockTime position = self->segment.position;
    GST_OBJECT_UNLOCK(self);
    switch (GST_QUERY_TYPE(query)) {
    case GST_QUERY_DURATION: {
        GstFormat format;
        gst_query_parse_duration(query, &format, nullptr);
        if (!open || (format != GST_FORMAT_TIME && format != GST_FORMAT_DEFAULT))
            return FALSE;
        gst_query_set_duration(query, format, gint64(format == GST_FORMAT_TIME ? frameTime(self, frames) : frames));
        return TRUE;
    }
    case GST_QUERY_POSITION: {
        GstFormat format;
        gst_query_parse_position(query, &format, nullptr);
        if (!open || (format != GST_FORMAT_TIME && format != GST_FORMAT_DEFAULT))
            return FALSE;
        gst_query_set_position(query, format, gint64(format == GST_FORMAT_TIME ? position : timeFrame(self, position)));
        return TRUE;
    }
    case GST_QUERY_SEEKING: {
        GstFormat format;
        gst_query_parse_seeking(query, &format, nullptr, nullptr, nullptr);
        if (format != GST_FORMAT_TIME && format != GST_FORMAT_DEFAULT)
            return FALSE;
        gst_query_set_seeking(
            query, format, open, 0, gint64(format == GST_FORMAT_TIME ? frameTime(self, frames) : frames));
        return TRUE;
    }
    default:
        return gst_pad_query_default(pad, parent, query);
    }
}

// Only pull mode: every block's checksum depends on the blocks before it, and a seek reads the
// ones it passes over, which a pushed stream cannot give.
gboolean sinkActivate(GstPad *pad, GstObject *)
{
    GstQuery *query = gst_query_new_scheduling();
    const gboolean pull = gst_pad_peer_query(pad, query)
        && gst_query_has_scheduling_mode_with_flags(query, GST_PAD_MODE_PULL, GST_SCHEDULING_FLAG_SEEKABLE);
    gst_query_unref(query);
    if (!pull) {
        GST_ERROR_OBJECT(pad, "WSS files are read in pull mode only");
        return FALSE;
    }
    return gst_pad_activate_mode(pad, GST_PAD_MODE_PULL, TRUE);
}

gboolean sinkActivateMode(GstPad *pad, GstObject *parent, GstPadMode mode, gboolean active)
{
    auto *self = GST_WSS_DEC(parent);
    if (mode != GST_PAD_MODE_PULL)
        return FALSE;
    if (active) {
        // The header is read here, so that a file that is not WSS, or whose header is damaged,
        // fails the change to PAUSED: a decodebin then reports it, or tries another element.
        if (!self->file && !openFile(self))
            return FALSE;
        self->needSegment = TRUE;
        self->discont = TRUE;
        return gst_pad_start_task(pad, loop, self, nullptr);
    }
    return gst_pad_stop_task(pad);
}

void closeFile(GstWssDec *self)
{
    GST_OBJECT_LOCK(self);
    wss_file *file = self->file;
    self->file = nullptr;
    self->frames = 0;
    self->nextFrame = 0;
    self->tagsSent = FALSE;
    gst_segment_init(&self->segment, GST_FORMAT_TIME);
    GST_OBJECT_UNLOCK(self);
    wss_close(file);
}

GstStateChangeReturn changeState(GstElement *element, GstStateChange transition)
{
    auto *self = GST_WSS_DEC(element);
    if (transition == GST_STATE_CHANGE_READY_TO_PAUSED)
        closeFile(self);
    const GstStateChangeReturn result = GST_ELEMENT_CLASS(gst_wss_dec_parent_class)->change_state(element, transition);
    if (transition == GST_STATE_CHANGE_PAUSED_TO_READY) {
        closeFile(self);
        removeSourcePad(self);
    }
    return result;
}

} // namespace

static void gst_wss_dec_class_init(GstWssDecClass *klass)
{
    GST_DEBUG_CATEGORY_INIT(wss_dec_debug, "wssdec", 0, "WSS decoder");
    auto *element = GST_ELEMENT_CLASS(klass);
    element->change_state = changeState;
    gst_element_class_add_static_pad_template(element, &sinkTemplate);
    gst_element_class_add_static_pad_template(element, &srcTemplate);
    gst_element_class_set_static_metadata(element, "WSS decoder", "Codec/Demuxer/Decoder/Audio",
        "Decodes WSS sound files to raw 16-bit audio, seeking by time or frame to the frame. Every block "
        "handed on has passed its checksum, which chains from the start of the file: after a seek, the "
        "blocks between the furthest point verified so far and the seek point are read and their "
        "checksums checked before playing resumes. A block that fails is never handed on; the element "
        "posts an error that names it.",
        "TALVEN Sound maintainers <maintainers@users.noreply.c-seed-c8006644.example>");
}

static void gst_wss_dec_init(GstWssDec *self)
{
    self->sinkpad = gst_pad_new_from_static_template(&sinkTemplate, "sink");
    gst_pad_set_activate_function(self->sinkpad, sinkActivate);
    gst_pad_set_activatemode_function(self->sinkpad, sinkActivateMode);
    gst_element_add_pad(GST_ELEMENT(self), self->sinkpad);
    gst_segment_init(&self->segment, GST_FORMAT_TIME);
}
