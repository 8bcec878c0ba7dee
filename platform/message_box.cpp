#include "platform/message_box.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>
#include <QtMath>

namespace Platform {

namespace {

// QMessageBox's label wraps only between words, so a long path without blanks runs past the
// box's edge and is cut off (the box never grows beyond a limit of its own). The text is shown
// instead in a read-only text view, without frame or background so it looks like the label,
// that wraps anywhere when it must and sized to show all of it. The box keeps its text, so
// QMessageBox::text() and the box's own behaviour are unchanged.
void showTextWhole(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout())
        return; // a Qt without that label: the plain box still shows the text

    auto *view = new QTextEdit(&box);
    view->setObjectName(QStringLiteral("messageText"));
    view->setFont(label->font());
    view->setPlainText(box.text());
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setAutoFillBackground(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFocusPolicy(Qt::StrongFocus); // Tab reaches the text to select it from the keyboard

    // As wide as the longest line, up to about half the screen (the box never cuts that much),
    // and as high as the wrapped text, up to two thirds of the screen (then it scrolls).
    const QRect screen = box.screen()->availableGeometry();
    QTextDocument *document = view->document();
    const QFontMetrics metrics(view->font());
    int longestLine = 0;
    for (const QString &line : box.text().split(u'\n'))
        longestLine = qMax(longestLine, metrics.horizontalAdvance(line));
    const int margins = qCeil(2 * document->documentMargin()) + 1;
    const int widest = qMax(300, qMin(screen.width() / 2 - 60, 900));
    const int width = qMin(longestLine + margins, widest);
    view->setLineWrapMode(QTextEdit::FixedPixelWidth);
    view->setLineWrapColumnOrWidth(width);
    document->setTextWidth(width);
    const int height = qCeil(document->documentLayout()->documentSize().height());
    const int highest = screen.height() * 2 / 3;
    const int scrollBar = height > highest ? view->verticalScrollBar()->sizeHint().width() : 0;
    view->setFixedSize(width + scrollBar, qMin(height, highest));

    // The layout hands back the item that held the label; it is ours to delete.
    delete box.layout()->replaceWidget(label, view);
    label->hide();

    // What assistive technology gets, as with a plain box, whose showing label holds the text:
    // the box (an alert) carries the whole text as its description, which a screen reader speaks
    // when the box opens after its title (Orca reads an alert's showing labels, or else its
    // description: a showing label added to the box would be read instead, so every line of the
    // message belongs in the box's text). The view is named for Tab, and comes where the label
    // was among the box's children, before the buttons.
    box.setAccessibleDescription(box.text());
    view->setAccessibleName(QCoreApplication::translate("MessageBox", "Message"));
    view->stackUnder(label);
}

// The tool's whole output, say, where the text gives only its start. QMessageBox shows it in a
// read-only text view of its own, which can be selected and copied.
void addDetails(QMessageBox &box, const QString &details)
{
    if (!details.isEmpty())
        box.setDetailedText(details);
}

// In a right-to-left program each line of a message reads right to left, a line that starts with a
// Latin name too ("WSSdec.exe: ..." from a tool): a right-to-left mark (U+200F) leads each line,
// as a line's first strong character sets its direction.
QString inReadingDirection(const QString &text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (!line.isEmpty() && !line.isRightToLeft())
            line.prepend(QChar(0x200F));
    }
    return lines.join(u'\n');
}

} // namespace

void ShowMessage(QWidget *owner, const QString &text, const QString &details, MessageIcon icon)
{
    ShowMessageOffering(owner, text, details, icon, QString());
}

bool ShowMessageOffering(
    QWidget *owner, const QString &text, const QString &details, MessageIcon icon, const QString &actionCaption)
{
    const QString title = owner ? owner->window()->windowTitle() : QString();
    const QMessageBox::Icon shown = icon == MessageIcon::Error ? QMessageBox::Critical
        : icon == MessageIcon::Warning                         ? QMessageBox::Warning
        : icon == MessageIcon::Information                     ? QMessageBox::Information
                                                               : QMessageBox::NoIcon;
    QMessageBox box(shown, title, inReadingDirection(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton *action = nullptr;
    if (!actionCaption.isEmpty()) {
        action = box.addButton(actionCaption, QMessageBox::ActionRole);
        action->setObjectName(QStringLiteral("messageAction"));
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    addDetails(box, details);
    showTextWhole(box);
    box.exec();
    return action && box.clickedButton() == action;
}

int AskToChoose(QWidget *owner, const QString &text, const QStringList &captions)
{
    const QString title = owner ? owner->window()->windowTitle() : QString();
    QMessageBox box(QMessageBox::Question, title, inReadingDirection(text), QMessageBox::Cancel, owner);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> choices;
    for (const QString &caption : captions)
        choices << box.addButton(caption, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    showTextWhole(box);
    box.exec();
    return int(choices.indexOf(box.clickedButton()));
}

} // namespace Platform
