// Writes COUNT keys "<prefix><n>=value <prefix><n>" into a profile file, alternating between two
// sections, so that a test can run several of these at once against one file.
//   profile_writer FILE PREFIX COUNT

#include "platform/profile_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: profile_writer FILE PREFIX COUNT\n");
        return 2;
    }
    const QString &file = args.at(1);
    const QString &prefix = args.at(2);
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        const QString section = i % 2 ? QStringLiteral("Odd") : QStringLiteral("Even");
        if (!Platform::WriteProfileString(section, key, QStringLiteral("value ") + key, file)) {
            std::fprintf(stderr, "profile_writer: writing %s failed\n", qPrintable(key));
            return 1;
        }
    }
    return 0;
}
