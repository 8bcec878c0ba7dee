#include "platform/wayland_seat.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstring>
#include <wayland-client.h>

namespace Platform {

namespace {

// Whether the Wayland compositor the program would connect to offers a seat. True when it cannot
// be reached: Qt reports that itself.
bool waylandHasSeat()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return true;
    bool seat = false;
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
            if (std::strcmp(interface, wl_seat_interface.name) == 0)
                *static_cast<bool *>(data) = true;
        },
        [](void *, wl_registry *, uint32_t) {},
    };
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &seat);
    wl_display_roundtrip(display); // the compositor announces every global it has
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return seat;
}

} // namespace

void AvoidTextInputWithoutSeat()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wayland
        = platform.isEmpty() ? !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") : platform.startsWith("wayland");
    if (!wayland || qEnvironmentVariableIsSet("QT_IM_MODULE") || waylandHasSeat())
        return;
    qputenv("QT_IM_MODULE", "compose");
}

} // namespace Platform
