// The yardstick for the program's start-up (bench/startup.sh): a bare Qt window with the same six
// controls in the same grid, and nothing else: no translations, icon, settings or status line.
// With --as-today it also shows what the window shows at its first start since it has an output
// folder row: that row (a label and a list) and the home folder in both fields.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
    if (QCoreApplication::arguments().contains(QStringLiteral("--as-today"))) {
        for (auto *field : window.findChildren<QLineEdit *>())
            field->setText(QDir::homePath() + u'/');
        auto *row = new QHBoxLayout;
        auto *list = new QComboBox(&window);
        list->addItems({QStringLiteral("Beside each file"), QStringLiteral("Choose a folder\u2026")});
        auto *label = new QLabel(QStringLiteral("Ou&tput folder:"), &window);
        label->setBuddy(list);
        row->addWidget(label);
        row->addWidget(list, 1);
        grid->addLayout(row, 2, 0, 1, 3);
    }
    window.show();
    return QApplication::exec();
}
