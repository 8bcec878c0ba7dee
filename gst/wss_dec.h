#pragma once

// wssdec: WSS files (audio/x-wss) to raw 16-bit sound (audio/x-raw, S16LE, interleaved), read
// through libwss from upstream in pull mode, with duration and position queries and seeking by
// time or by frame, to the frame.

#include <gst/gst.h>

G_BEGIN_DECLS

#define GST_TYPE_WSS_DEC (gst_wss_dec_get_type())
G_DECLARE_FINAL_TYPE(GstWssDec, gst_wss_dec, GST, WSS_DEC, GstElement)

G_END_DECLS
