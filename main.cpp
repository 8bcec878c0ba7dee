#include "main_window/zrn_sound_encode_decode.h"
#include "platform/display.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!Platform::HasDisplay()) {
        std::fputs(
            "talven-sound: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talven-sound"));
    QApplication::setApplicationVersion(QStringLiteral(TALVEN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.c_seed_c8006644.talven_sound"));

    ZRNSoundEncodeDecode window;
    window.show();
    return app.exec();
}
