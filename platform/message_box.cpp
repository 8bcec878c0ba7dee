#include "platform/message_box.h"

#include <QMessageBox>
#include <QWidget>

namespace Platform {

void ShowMessage(QWidget *owner, const QString &text)
{
    const QString title = owner ? owner->window()->windowTitle() : QString();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace Platform
