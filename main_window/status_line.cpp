#include "main_window/status_line.h"

#include "os_util/os_util.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// A label that shows as much of its text as fits, shortened in the middle, so that a long path
// never widens the window. The whole text is its tooltip and accessible name.
class ElidedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    void setFullText(const QString &text)
    {
        m_full = text;
        setToolTip(text);
        elide();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, qMax(0, contentsRect().width()))); }

    QString m_full;
};

QPushButton *makeHiddenButton(QWidget *parent, const char *name, const QString &caption, const QString &accessibleName)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(true);
    button->hide();
    return button;
}

} // namespace

StatusLine::StatusLine(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    m_text = new ElidedLabel(this);
    m_text->setObjectName(QStringLiteral("statusText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    OSUtil::MakeSpokenNotice(m_text);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("statusProgress"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setTextVisible(false);
    m_progress->hide();

    m_stop = makeHiddenButton(this, "cmdStop", tr("Stop"), tr("Stop"));
    m_stop->setToolTip(tr("Stop the running tool (Esc). Files already written are kept."));
    m_stop->setShortcut(QKeySequence(Qt::Key_Escape));
    m_forceStop = makeHiddenButton(this, "cmdForceStop", tr("F&orce stop"), tr("Force stop"));
    m_forceStop->setToolTip(tr("End the tool at once: it has not stopped when asked."));
    m_showInFolder = makeHiddenButton(this, "cmdShowInFolder", tr("Show in &folder"), tr("Show in folder"));
    m_showInFolder->setToolTip(tr("Open the folder with the written files selected."));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_stop);
    layout->addWidget(m_forceStop);
    layout->addWidget(m_showInFolder);

    connect(m_stop, &QPushButton::clicked, this, &StatusLine::stopClicked);
    connect(m_forceStop, &QPushButton::clicked, this, &StatusLine::forceStopClicked);
    connect(m_showInFolder, &QPushButton::clicked, this, &StatusLine::showInFolderClicked);
}

void StatusLine::setText(const QString &text, Speak speak)
{
    if (text == m_fullText)
        return;
    m_fullText = text;
    static_cast<ElidedLabel *>(m_text)->setFullText(text);
    // The accessible name is the whole text, and the line a notification that is shown anew for
    // each text a screen reader should speak: a name change alone is not spoken.
    m_text->setAccessibleName(text);
    QAccessibleEvent changed(m_text, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (speak == Speak::Now || !m_sinceSpoken.isValid() || m_sinceSpoken.hasExpired(kCalmPaceMs)) {
        OSUtil::SpeakNotice(m_text);
        m_sinceSpoken.start();
        emit spoken(text);
    }
    emit messageChanged(text);
}

void StatusLine::setProgress(int value, int maximum)
{
    m_progress->setVisible(maximum >= 0);
    if (maximum < 0)
        return;
    m_progress->setRange(0, maximum);
    m_progress->setValue(qMin(value, maximum));
}

void StatusLine::setAction(Actions actions)
{
    m_stop->setVisible(actions.testAnyFlags(Action::Stop | Action::Stopping));
    m_stop->setEnabled(actions.testFlag(Action::Stop));
    m_forceStop->setVisible(actions.testFlag(Action::ForceStop));
    m_showInFolder->setVisible(actions.testFlag(Action::ShowInFolder));
}

QList<QPushButton *> StatusLine::buttons() const
{
    return {m_stop, m_forceStop, m_showInFolder};
}

void StatusLine::setControlSize(int buttonWidth, int barWidth, int height)
{
    for (QPushButton *button : buttons())
        button->setFixedSize(buttonWidth, height);
    m_progress->setFixedSize(barWidth, height);
    setFixedHeight(height);
}
