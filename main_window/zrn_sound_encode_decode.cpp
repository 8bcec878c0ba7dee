#include "main_window/zrn_sound_encode_decode.h"

#include "main_window/output_folder_choice.h"
#include "main_window/status_line.h"
#include "os_util/os_util.h"

#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// "&Decode" is read out as "Decode": the mnemonic's marker is not part of the caption. (No
// caption holds a literal "&".)
QString withoutMnemonic(QString caption)
{
    return caption.remove(u'&');
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(withoutMnemonic(caption));
    button->setToolTip(tip);
    // Enter on the focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

QLineEdit *makeField(QWidget *parent, const char *name, const QString &accessibleName, const QString &placeholder)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setPlaceholderText(placeholder);
    // Drops go to the window, which fills the row; a field would paste a file:// address.
    field->setAcceptDrops(false);
    return field;
}

} // namespace

ZRNSoundEncodeDecode::ZRNSoundEncodeDecode(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ZRNSoundEncodeDecode"));
    m_title = tr("TALVEN Sound Decoder / Encoder");
    setWindowTitle(m_title);
    setWindowIcon(OSUtil::ProgramIcon());

    createControls();
    createStatusLine();
    layOutControls();
    setTabOrderAndFocus();
    connectHandlers();
    setAcceptDrops(true);
    load();
}

void ZRNSoundEncodeDecode::createControls()
{
    cmdDecode = makeButton(this, "cmdDecode", tr("&Decode"), tr("Decode the selected WSS file."));
    cmdEnCode = makeButton(this, "cmdEnCode", tr("&Encode"), tr("Encode the selected WAV file."));
    txtWavFileName = makeField(this, "txtWavFileName", tr("WAV file"), tr("WAV file to encode"));
    txtWWSFileName = makeField(this, "txtWWSFileName", tr("WSS file"), tr("WSS file to decode"));
    // Patterns are the one way to convert many files at once: the tips say so.
    txtWavFileName->setToolTip(tr("The path of the WAV file to encode. To encode many files at once, use * for any "
                                  "characters and ? for one character in the name, as in /home/ann/Sounds/*.wav."));
    txtWWSFileName->setToolTip(tr("The path of the WSS file to decode. To decode many files at once, use * for any "
                                  "characters and ? for one character in the name, as in /home/ann/Sounds/*.wss."));
    cmdSelectWAVFileName = makeButton(
        this, "cmdSelectWAVFileName", tr("Select W&AV"), tr("Browse for the WAV file that you want to encode"));
    cmdSelectWWSFileName = makeButton(
        this, "cmdSelectWWSFileName", tr("&Select WSS"), tr("Browse for the WSS file that you want to decode"));
    m_outputFolder = new OutputFolderChoice(this);
}

void ZRNSoundEncodeDecode::layOutControls()
{
    m_grid = new QGridLayout(this);
    m_grid->addWidget(txtWWSFileName, 0, 0);
    m_grid->addWidget(cmdSelectWWSFileName, 0, 1);
    m_grid->addWidget(cmdDecode, 0, 2);
    m_grid->addWidget(txtWavFileName, 1, 0);
    m_grid->addWidget(cmdSelectWAVFileName, 1, 1);
    m_grid->addWidget(cmdEnCode, 1, 2);
    // Under the rows: where their outputs go; then what runs, and what happened.
    m_grid->addWidget(m_outputFolder, 2, 0, 1, 3);
    m_grid->addWidget(m_status, 3, 0, 1, 3);
    m_grid->setColumnStretch(0, 1);
    sizeControlsToFont();
}

void ZRNSoundEncodeDecode::setTabOrderAndFocus()
{
    setTabOrder(cmdSelectWWSFileName, cmdSelectWAVFileName);
    setTabOrder(cmdSelectWAVFileName, txtWWSFileName);
    setTabOrder(txtWWSFileName, txtWavFileName);
    setTabOrder(txtWavFileName, cmdEnCode);
    setTabOrder(cmdEnCode, cmdDecode);
    setTabOrder(cmdDecode, m_outputFolder->control());
    QWidget *previous = m_outputFolder->control();
    for (QWidget *button : m_status->buttons()) {
        setTabOrder(previous, button);
        previous = button;
    }
    cmdSelectWWSFileName->setFocus();
}

void ZRNSoundEncodeDecode::connectHandlers()
{
    connect(cmdDecode, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdDecodeClick);
    connect(cmdEnCode, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdEnCodeClick);
    connect(cmdSelectWWSFileName, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdSelectWWSFileNameClick);
    connect(cmdSelectWAVFileName, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdSelectWAVFileNameClick);
    // Enter (Return or the keypad's) in a field presses its row's action button.
    connect(txtWWSFileName, &QLineEdit::returnPressed, cmdDecode, &QPushButton::click);
    connect(txtWavFileName, &QLineEdit::returnPressed, cmdEnCode, &QPushButton::click);
    // Ctrl+Q closes the window as its close button does: a running tool still finishes first.
    // Ctrl+Q on every platform theme, with the theme's own keys to quit, if any.
    auto *quit = new QShortcut(this);
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setKeys(quitKeys);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void ZRNSoundEncodeDecode::load()
{
    const QString home = OSUtil::HomeFolder();
    txtWWSFileName->setText(OSUtil::GetSetting(kSettingsApplication, kSettingsSection, kWssKey, home));
    txtWavFileName->setText(OSUtil::GetSetting(kSettingsApplication, kSettingsSection, kWavKey, home));
}
