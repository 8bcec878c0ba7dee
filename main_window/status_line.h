#pragma once

#include "main_window/run_set.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The line under the window's two rows that says what runs and what happened: a text, a progress
// bar for a run over several files, and the button that fits the moment (Stop, Force stop, Show
// in folder). A screen reader hears what each run did, and how far a batch has come now and then.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    // How a new text reaches a screen reader: spoken at once (what a run did), or, for a run's
    // progress, only when kCalmPaceMs have passed since the line last spoke.
    enum class Speak { Now, Calmly };
    static constexpr int kCalmPaceMs = 10000;

    // Shows text; the line's accessible name follows it, and a screen reader speaks it as speak says.
    void setText(const QString &text, Speak speak = Speak::Now);
    QString text() const { return m_fullText; }

    // A bar at value of maximum; a maximum of 0 shows a busy bar; a negative one hides the bar.
    void setProgress(int value, int maximum);

    using Action = RunSet::Offer;
    using Actions = RunSet::Offers;
    // Which buttons show: Stop (Esc presses it), Stop greyed out while a stop is on its way,
    // Force stop (beside Stop when one tool was asked to stop and another was not), Show in
    // folder; none for no actions.
    void setAction(Actions actions);

    // The line's buttons, and their sizes and the bar's, for the window to size them as its own.
    QList<QPushButton *> buttons() const;
    void setControlSize(int buttonWidth, int barWidth, int height);

signals:
    // A new text, as QStatusBar::messageChanged: assistive technology has been told of it.
    void messageChanged(const QString &text);
    // The line was shown anew to assistive technology: a screen reader speaks text now.
    void spoken(const QString &text);
    void stopClicked();
    void forceStopClicked();
    void showInFolderClicked();

private:
    QString m_fullText;
    QElapsedTimer m_sinceSpoken; // invalid until the line first spoke
    QLabel *m_text = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_forceStop = nullptr;
    QPushButton *m_showInFolder = nullptr;
};
