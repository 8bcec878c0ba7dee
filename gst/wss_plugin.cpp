// The plugin "wss": the type finder for WSS files and the wssdec element.

#include "wss_dec.h"
#include "wss_typefind.h"

namespace {

gboolean pluginInit(GstPlugin *plugin)
{
    return gst_wss_typefind_register(plugin)
        && gst_element_register(plugin, "wssdec", GST_RANK_PRIMARY, GST_TYPE_WSS_DEC);
}

} // namespace

GST_PLUGIN_DEFINE(GST_VERSION_MAJOR, GST_VERSION_MINOR, wss, "Plays WSS sound files", pluginInit, WSS_PLUGIN_VERSION,
    "MIT/X11", "talven-sound", "https://c-seed-c8006644.example/talven-sound")
