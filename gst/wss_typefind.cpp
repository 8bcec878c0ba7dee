#include "wss_typefind.h"

#include "wss/wss.h"

#include <cstring>

#include <zlib.h>

namespace {

constexpr guint8 kSignature[4] = {'W', 'S', 'S', 0x1A};
constexpr guint kHeaderSize = 32;

guint32 get32(const guint8 *p)
{
    return guint32(p[0]) | guint32(p[1]) << 8 | guint32(p[2]) << 16 | guint32(p[3]) << 24;
}

// The signature makes a WSS file likely; a whole header whose checksum matches makes it certain,
// and gives the caps its rate and channels.
void findWss(GstTypeFind *find, gpointer)
{
    const guint8 *bytes = gst_type_find_peek(find, 0, sizeof kSignature);
    if (!bytes || std::memcmp(bytes, kSignature, sizeof kSignature) != 0)
        return;
    const guint8 *header = gst_type_find_peek(find, 0, kHeaderSize);
    if (header && crc32(0, header, 28) == get32(header + 28)) {
        const guint rate = get32(header + 8), channels = guint(header[12] | header[13] << 8);
        if (rate >= 1 && rate <= G_MAXINT && channels >= 1 && channels <= WSS_MAX_CHANNELS) {
            gst_type_find_suggest_simple(find, GST_TYPE_FIND_MAXIMUM, "audio/x-wss", "rate", G_TYPE_INT, gint(rate),
                "channels", G_TYPE_INT, gint(channels), nullptr);
            return;
        }
    }
    gst_type_find_suggest_empty_simple(find, GST_TYPE_FIND_LIKELY, "audio/x-wss");
}

} // namespace

gboolean gst_wss_typefind_register(GstPlugin *plugin)
{
    GstCaps *caps = gst_caps_new_empty_simple("audio/x-wss");
    const gboolean ok
        = gst_type_find_register(plugin, "audio/x-wss", GST_RANK_PRIMARY, findWss, "wss", caps, nullptr, nullptr);
    gst_caps_unref(caps);
    return ok;
}
