// The yardstick for the program's start-up (bench/startup.sh): a bare Qt window with the same six
// controls in the same grid, and nothing else: no translations, icon, settings or status line.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("TALVEN Sound Decoder / Encoder"));
    auto *grid = new QGridLayout(&window);
    grid->addWidget(new QLineEdit(&window), 0, 0);
    grid->addWidget(new QPushButton(QStringLiteral("&Select WSS"), &window), 0, 1);
    grid->addWidget(new QPushButton(QStringLiteral("&Decode"), &window), 0, 2);
    grid->addWidget(new QLineEdit(&window), 1, 0);
    grid->addWidget(new QPushButton(QStringLiteral("Select W&AV"), &window), 1, 1);
    grid->addWidget(new QPushButton(QStringLiteral("&Encode"), &window), 1, 2);
    grid->setColumnStretch(0, 1);
    window.show();
    return QApplication::exec();
}
