#include "main_window/zrn_sound_encode_decode.h"

#include "os_util/os_util.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtMath>

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

// The drawing's sizes grown by sx across and sy down, the way dialog units grow with the system
// font: at the font the window was drawn for both are 1 and nothing moves.
int scaled(int size, double factor)
{
    return qCeil(size * factor);
}

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
    setWindowTitle(tr("TALVEN Sound Decoder / Encoder"));
    setWindowIcon(OSUtil::ProgramIcon());

    createControls();
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
    cmdSelectWAVFileName = makeButton(
        this, "cmdSelectWAVFileName", tr("Select W&AV"), tr("Browse for the WAV file that you want to encode"));
    cmdSelectWWSFileName = makeButton(
        this, "cmdSelectWWSFileName", tr("&Select WSS"), tr("Browse for the WSS file that you want to decode"));
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
    m_grid->setColumnStretch(0, 1);
    sizeControlsToFont();
}

void ZRNSoundEncodeDecode::sizeControlsToFont()
{
    // What the captions need at the current font: the style's size for each button's text, with
    // at least a character's width of room on either side, and the fields' height. The drawing's
    // sizes are the least a control gets.
    const QPushButton *buttons[] = {cmdDecode, cmdEnCode, cmdSelectWAVFileName, cmdSelectWWSFileName};
    int neededWidth = kButtonWidth;
    int neededHeight = qMax(kRowHeight, qMax(txtWWSFileName->sizeHint().height(), txtWavFileName->sizeHint().height()));
    for (const QPushButton *button : buttons) {
        const QFontMetrics metrics(button->font());
        const int textWidth = metrics.size(Qt::TextShowMnemonic, button->text()).width();
        neededWidth = qMax(neededWidth, qMax(button->sizeHint().width(), textWidth + 2 * metrics.averageCharWidth()));
        neededHeight = qMax(neededHeight, button->sizeHint().height());
    }
    const double sx = double(neededWidth) / kButtonWidth;
    const double sy = double(neededHeight) / kRowHeight;

    const int rowHeight = scaled(kRowHeight, sy);
    for (QPushButton *button : {cmdDecode, cmdEnCode, cmdSelectWAVFileName, cmdSelectWWSFileName})
        button->setFixedSize(scaled(kButtonWidth, sx), rowHeight);
    txtWWSFileName->setFixedHeight(rowHeight);
    txtWavFileName->setFixedHeight(rowHeight);
    m_grid->setContentsMargins(
        scaled(kMarginLeft, sx), scaled(kMarginTop, sy), scaled(kMarginRight, sx), scaled(kMarginBottom, sy));
    m_grid->setHorizontalSpacing(scaled(kGap, sx));
    m_grid->setVerticalSpacing(scaled(kGap, sy));

    // The fields take the window's width; the height stays that of the two rows.
    const int height = scaled(kMarginTop, sy) + 2 * rowHeight + scaled(kGap, sy) + scaled(kMarginBottom, sy);
    setFixedHeight(height);
    int width = qMax(this->width(), scaled(kClientWidth, sx));
    // A grown window stays on its screen where it can: the fields give up width first.
    if (sx > 1 && screen())
        width = qMax(minimumSizeHint().width(), qMin(width, screen()->availableGeometry().width()));
    resize(width, height);
}

void ZRNSoundEncodeDecode::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_grid)
        sizeControlsToFont();
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
    // Enter (Return or the keypad's) in a field presses its row's action button.
    connect(txtWWSFileName, &QLineEdit::returnPressed, cmdDecode, &QPushButton::click);
    connect(txtWavFileName, &QLineEdit::returnPressed, cmdEnCode, &QPushButton::click);
}

void ZRNSoundEncodeDecode::load()
{
    const QString home = OSUtil::HomeFolder();
    txtWWSFileName->setText(OSUtil::GetSetting(kSettingsApplication, kSettingsSection, kWssKey, home));
    txtWavFileName->setText(OSUtil::GetSetting(kSettingsApplication, kSettingsSection, kWavKey, home));
}
