#include "main_window/zrn_sound_encode_decode.h"
#include "platform/accessible_window.h"
#include "platform/display.h"
#include "platform/program_icon.h"
#include "platform/translations.h"
#include "platform/wayland_seat.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

// The usual command line of a desktop program: --help, --version and the files to open. An
// unknown option ends the program with exit code 2 and one line on the error output.
QStringList filesToOpen(const QCoreApplication &app)
{
    // From here on every text, the --help text's too, is in the user's language.
    Platform::LoadTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Converts sound files between WSS and WAV with the WSSdec.exe and WSSCod.exe tools."));
    parser.addHelpOption();
    parser.addVersionOption();
    //: How --help names the files given on the command line (capitals, as in --help texts).
    const QString file = QCoreApplication::translate("main", "FILE");
    parser.addPositionalArgument(file,
        QCoreApplication::translate("main", "WSS or WAV files to show in the window, each in its row."),
        QStringLiteral("[%1...]").arg(file));
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "%s: %s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(parser.errorText()),
            qPrintable(
                QCoreApplication::translate("main", "Try '%1 --help'.").arg(QCoreApplication::applicationName())));
        std::exit(2);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt's help text names the program by the path it was started with; a user knows it by
        // its name, as in the manual page.
        QString help = parser.helpText();
        const QString started = app.arguments().value(0);
        if (const qsizetype at = help.indexOf(started); !started.isEmpty() && at >= 0)
            help.replace(at, started.size(), QCoreApplication::applicationName());
        std::fputs(qPrintable(help), stdout);
        std::exit(0);
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    // A file manager hands absolute paths; one typed in a terminal is relative to its folder.
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QDir::current().absoluteFilePath(file);
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("talven-sound"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALVEN_VERSION));

    // Without a display, the options still answer (over ssh, in a script); the window cannot open.
    if (!Platform::HasDisplay()) {
        QCoreApplication app(argc, argv);
        filesToOpen(app);
        std::fprintf(stderr, "talven-sound: %s\n",
            qPrintable(QCoreApplication::translate(
                "main", "no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).")));
        return 1;
    }
    Platform::AvoidTextInputWithoutSeat();
    // QApplication takes Qt's own options (-style, -platform, ...) off the command line first.
    QApplication app(argc, argv);
    // The desktop file id names the window's icon in the icon theme, and is its Wayland app id.
    QApplication::setDesktopFileName(QStringLiteral(TALVEN_APP_ID));
    Platform::InstallAccessibleWindows();
    const QStringList files = filesToOpen(app);

    ZRNSoundEncodeDecode window;
    // The window opens with the icon built into the program; the desktop's theme is read after.
    Platform::UseThemeIconOnceDrawn(&window);
    window.show();
    window.openFiles(files);
    return app.exec();
}
