#pragma once

// The type finder: a stream that starts with the WSS signature is audio/x-wss.

#include <gst/gst.h>

gboolean gst_wss_typefind_register(GstPlugin *plugin);
