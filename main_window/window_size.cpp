// The window's size: the drawing's layout grown with the font, and kept within the screen.

#include "main_window/output_folder_choice.h"
#include "main_window/status_line.h"
#include "main_window/zrn_sound_encode_decode.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
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

// The least a margin or gap is narrowed to on a small screen.
constexpr int kLeastMargin = 2;

// The drawing's sizes grown by sx across and sy down, the way dialog units grow with the system
// font: at the font the window was drawn for both are 1 and nothing moves.
int scaled(int size, double factor)
{
    return qCeil(size * factor);
}

// The widths across one row: margin, field, gap, browse button, gap, action button, margin.
struct RowWidths
{
    int marginLeft = 0;
    int field = 0;
    int gap = 0;
    int button = 0;
    int marginRight = 0;

    int total() const { return marginLeft + field + 2 * gap + 2 * button + marginRight; }
};

// Takes from size, down to least, what count copies of it in the row need to give up excess
// pixels; returns what is still to take.
int narrow(int excess, int &size, int least, int count)
{
    const int taken = qBound(0, (excess + count - 1) / count, qMax(0, size - least));
    size -= taken;
    return excess - taken * count;
}

// Narrows row to available: the field gives up width first, down to leastField; then the buttons
// the room around their captions, down to leastButton; then the gaps and margins.
RowWidths fitRow(RowWidths row, int available, int leastField, int leastButton)
{
    int excess = row.total() - available;
    excess = narrow(excess, row.field, leastField, 1);
    excess = narrow(excess, row.button, leastButton, 2);
    excess = narrow(excess, row.gap, kLeastMargin, 2);
    excess = narrow(excess, row.marginLeft, kLeastMargin, 1);
    narrow(excess, row.marginRight, kLeastMargin, 1);
    return row;
}

} // namespace

void ZRNSoundEncodeDecode::sizeControlsToFont()
{
    // What the captions need at the current font: the style's size for each button's text, with
    // at least a character's width of room on either side, and the fields' height. The drawing's
    // sizes are the least a control gets.
    const QList<QPushButton *> buttons{cmdDecode, cmdEnCode, cmdSelectWAVFileName, cmdSelectWWSFileName};
    int neededWidth = kButtonWidth;
    int captionWidth = 0;
    int neededHeight = qMax(kRowHeight, qMax(txtWWSFileName->sizeHint().height(), txtWavFileName->sizeHint().height()));
    const QFontMetrics fieldMetrics(txtWWSFileName->font());
    for (const QPushButton *button : buttons) {
        const QFontMetrics metrics(button->font());
        const int textWidth = metrics.size(Qt::TextShowMnemonic, button->text()).width();
        captionWidth = qMax(captionWidth, textWidth + metrics.averageCharWidth());
        neededWidth = qMax(neededWidth, qMax(button->sizeHint().width(), textWidth + 2 * metrics.averageCharWidth()));
        neededHeight = qMax(neededHeight, button->sizeHint().height());
    }
    const double sx = double(neededWidth) / kButtonWidth;
    const double sy = double(neededHeight) / kRowHeight;

    // The window keeps a width the user gave it, but stays within its screen's width.
    RowWidths row{scaled(kMarginLeft, sx), 0, scaled(kGap, sx), scaled(kButtonWidth, sx), scaled(kMarginRight, sx)};
    row.field = qMax(width(), scaled(kClientWidth, sx)) - row.total();
    const int leastField = 8 * fieldMetrics.averageCharWidth();
    if (const QScreen *screen = this->screen()) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        m_fittedFrame = frame;
        const int available = screen->availableGeometry().width() - frame.left() - frame.right();
        row = fitRow(row, available, leastField, captionWidth);
    }

    const int rowHeight = scaled(kRowHeight, sy);
    for (QPushButton *button : buttons)
        button->setFixedSize(row.button, rowHeight);
    // The status line's buttons are as wide as the rows' where their captions allow.
    int statusWidth = row.button;
    for (const QPushButton *button : m_status->buttons())
        statusWidth = qMax(statusWidth,
            button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width()
                + 2 * button->fontMetrics().averageCharWidth());
    m_status->setControlSize(qMin(statusWidth, row.field + row.gap + row.button), row.button, rowHeight);
    txtWWSFileName->setFixedHeight(rowHeight);
    txtWavFileName->setFixedHeight(rowHeight);
    m_outputFolder->setControlHeight(rowHeight);
    txtWWSFileName->setMinimumWidth(qMin(leastField, row.field));
    txtWavFileName->setMinimumWidth(qMin(leastField, row.field));
    m_grid->setContentsMargins(row.marginLeft, scaled(kMarginTop, sy), row.marginRight, scaled(kMarginBottom, sy));
    m_grid->setHorizontalSpacing(row.gap);
    m_grid->setVerticalSpacing(scaled(kGap, sy));

    // The rows keep the drawing's places; the output folder and the status line add a row each
    // under them.
    const int height = scaled(kMarginTop, sy) + 4 * rowHeight + 3 * scaled(kGap, sy) + scaled(kMarginBottom, sy);
    setFixedHeight(height);
    resize(row.total(), height);
    keepOnScreen();
}

void ZRNSoundEncodeDecode::keepOnScreen()
{
    if (!isVisible() || !screen())
        return;
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint shift;
    if (frame.right() > available.right())
        shift.rx() = available.right() - frame.right();
    if (frame.left() + shift.x() < available.left())
        shift.rx() = available.left() - frame.left();
    if (frame.bottom() > available.bottom())
        shift.ry() = available.bottom() - frame.bottom();
    if (frame.top() + shift.y() < available.top())
        shift.ry() = available.top() - frame.top();
    if (!shift.isNull())
        move(pos() + shift);
}

void ZRNSoundEncodeDecode::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_grid)
        sizeControlsToFont();
    noteDesktopChange(event);
}

void ZRNSoundEncodeDecode::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // A window manager puts its frame around the window after it is shown, and moves it into the
    // frame: fit again with the frame's width, once the move has been handled.
    if (windowHandle() && windowHandle()->frameMargins() != m_fittedFrame) {
        m_fittedFrame = windowHandle()->frameMargins();
        QTimer::singleShot(0, this, &ZRNSoundEncodeDecode::sizeControlsToFont);
    }
}

void ZRNSoundEncodeDecode::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Now the window has a screen and a frame of its own: fit them.
    sizeControlsToFont();
}
