#pragma once

#include "main_window/run_set.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The line under the window's two rows that says what runs and what happened: a text, a progress
// bar for a run over several files, and the button that fits the moment (Stop, Force stop, Show
// in folder). A screen reader hears each new text.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    // Shows text; the line's accessible name follows it, which announces it.
    void setText(const QString &text);
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
    void stopClicked();
    void forceStopClicked();
    void showInFolderClicked();

private:
    QString m_fullText;
    QLabel *m_text = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_forceStop = nullptr;
    QPushButton *m_showInFolder = nullptr;
};
