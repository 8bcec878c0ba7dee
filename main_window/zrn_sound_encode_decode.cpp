#include "main_window/zrn_sound_encode_decode.h"

#include "platform/paths.h"
#include "platform/settings_store.h"

#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window was drawn in twips; at 15 twips to the pixel it is 914 x 74 logical pixels.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr int kMarginLeft = px(120);
constexpr int kMarginTop = px(120);
constexpr int kMarginRight = px(13710 - 13575); // client width - (Decode's left + width)
constexpr int kMarginBottom = px(1110 - 975); // client height - (second row's top + height)
constexpr int kGap = px(105); // between the controls of a row, and between the rows
constexpr int kRowHeight = px(375);
constexpr int kButtonWidth = px(1455);
constexpr int kClientWidth = px(13710);
constexpr int kClientHeight = px(1110);

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setFixedSize(kButtonWidth, kRowHeight);
    return button;
}

QLineEdit *makeField(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setFixedHeight(kRowHeight);
    // Drops go to the window, which fills the row; a field would paste a file:// address.
    field->setAcceptDrops(false);
    return field;
}

} // namespace

ZRNSoundEncodeDecode::ZRNSoundEncodeDecode(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ZRNSoundEncodeDecode"));
    setWindowTitle(QStringLiteral("TALVEN Sound Decoder / Encoder"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/talven-sound.png")));

    createControls();
    layOutControls();
    setTabOrderAndFocus();
    connectHandlers();
    setAcceptDrops(true);
    load();
}

void ZRNSoundEncodeDecode::createControls()
{
    cmdDecode = makeButton(this, "cmdDecode", tr("Decode"), tr("Decode the selected WSS file."));
    cmdEnCode = makeButton(this, "cmdEnCode", tr("Encode"), tr("Encode the selected WAV file."));
    txtWavFileName = makeField(this, "txtWavFileName", tr("WAV file"));
    txtWWSFileName = makeField(this, "txtWWSFileName", tr("WSS file"));
    cmdSelectWAVFileName = makeButton(
        this, "cmdSelectWAVFileName", tr("Select WAV"), tr("Browse for the WAV file that you want to encode"));
    cmdSelectWWSFileName = makeButton(
        this, "cmdSelectWWSFileName", tr("Select WSS"), tr("Browse for the WSS file that you want to decode"));
}

void ZRNSoundEncodeDecode::layOutControls()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom);
    grid->setHorizontalSpacing(kGap);
    grid->setVerticalSpacing(kGap);
    grid->addWidget(txtWWSFileName, 0, 0);
    grid->addWidget(cmdSelectWWSFileName, 0, 1);
    grid->addWidget(cmdDecode, 0, 2);
    grid->addWidget(txtWavFileName, 1, 0);
    grid->addWidget(cmdSelectWAVFileName, 1, 1);
    grid->addWidget(cmdEnCode, 1, 2);
    grid->setColumnStretch(0, 1);

    // The fields take the window's width; the height stays that of the two rows.
    resize(kClientWidth, kClientHeight);
    setFixedHeight(kClientHeight);
}

void ZRNSoundEncodeDecode::setTabOrderAndFocus()
{
    setTabOrder(cmdSelectWWSFileName, cmdSelectWAVFileName);
    setTabOrder(cmdSelectWAVFileName, txtWWSFileName);
    setTabOrder(txtWWSFileName, txtWavFileName);
    setTabOrder(txtWavFileName, cmdEnCode);
    setTabOrder(cmdEnCode, cmdDecode);
    cmdSelectWWSFileName->setFocus();
}

void ZRNSoundEncodeDecode::connectHandlers()
{
    connect(cmdDecode, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdDecodeClick);
    connect(cmdEnCode, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdEnCodeClick);
    connect(cmdSelectWWSFileName, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdSelectWWSFileNameClick);
    connect(cmdSelectWAVFileName, &QPushButton::clicked, this, &ZRNSoundEncodeDecode::cmdSelectWAVFileNameClick);
}

void ZRNSoundEncodeDecode::load()
{
    const QString home = Platform::HomeFolder();
    txtWWSFileName->setText(Platform::GetSetting(kSettingsApplication, kSettingsSection, kWssKey, home));
    txtWavFileName->setText(Platform::GetSetting(kSettingsApplication, kSettingsSection, kWavKey, home));
}
