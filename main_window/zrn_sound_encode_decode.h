#pragma once

#include "main_window/run_status.h"
#include "os_util/os_util.h"

#include <QElapsedTimer>
#include <QMargins>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class OutputFolderChoice;
class RunSet;
class QGridLayout;
class QPushButton;
class QShortcut;
class StatusLine;

// The program's one window: a row for a WSS file and a row for a WAV file, each with a path
// field, a browse button and an action button.
class ZRNSoundEncodeDecode : public QWidget
{
    Q_OBJECT

public:
    // Where the window keeps the two paths between runs.
    static inline const QString kSettingsApplication = QStringLiteral("ZNRSoundEnCoderDecoder");
    static inline const QString kSettingsSection = QStringLiteral("Settings");
    static inline const QString kWssKey = QStringLiteral("WSS");
    static inline const QString kWavKey = QStringLiteral("WAV");
    // A run that took longer than this and ended while the window was not active is told to the
    // desktop: a notification and the urgency hint.
    static constexpr int kNoticeAfterMs = 5000;

    explicit ZRNSoundEncodeDecode(QWidget *parent = nullptr);

    // Files handed to the program (its command line, a file manager's "Open with"): the first
    // existing .wss file fills the WSS row and the first existing .wav file the WAV row, and is
    // remembered, as a drop does; one message, centred on the window, names each file not taken
    // and why. Paths are used as given.
    void openFiles(const QStringList &paths);

protected:
    // While a tool runs the window stays, its rows disabled, and closes when the tool has ended.
    void closeEvent(QCloseEvent *event) override;

    // A .wss or .wav file dropped anywhere on the window fills its row, as a pick would.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    // A new font resizes the controls to fit their captions; the window stays within its screen.
    // Minimised, the title shows a batch's progress.
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void sizeControlsToFont();
    void keepOnScreen();
    void setTabOrderAndFocus();
    void connectHandlers();
    void load();

    // Click handlers, one per button.
    void cmdDecodeClick();
    void cmdEnCodeClick();
    void cmdSelectWWSFileNameClick();
    void cmdSelectWAVFileNameClick();

    // Checks that the field's file exists, asks before an existing output is replaced, and
    // starts the tool on it. A row runs one tool at a time.
    void convert(RunSubject::Action action);
    // Asks before an existing output is replaced and starts the tool on subject.
    void startRun(RunSubject subject);
    // Whether the run may start: nothing would be replaced, or the user chose Replace or Skip
    // existing (which sets subject.skipExisting).
    bool confirmReplacing(RunSubject &subject);
    // A run that could not write its outputs, offered another folder: the user picks one, and the
    // same conversion runs again with its outputs there.
    void runInAnotherFolder(RunSubject subject);

    // The status line and the rows show what the runs say; failed runs are told one message box
    // at a time.
    void createStatusLine();
    void showStatus();
    void showInFolder();
    // A run that took long and ended while the window was not active is told to the desktop.
    void tellDesktopWhenDone();
    // A batch's progress on the launcher, and in the title while the window is minimised.
    void showProgressOnDesktop();
    void showTitle();
    int progressPercent() const; // -1 when no batch with a known length runs
    void noteDesktopChange(const QEvent *event);
    void updateRows();
    void showReports();
    void showMessageWhenPlaced(const QString &text);
    // A message about what the user gave, not about a run: the line no longer tells of the last
    // run while it is shown.
    void showInputMessage(const QString &text, OSUtil::MessageIcon icon);

    // Disabling a row's button while its tool runs moves the focus on; when the run ends, the
    // focus goes back to the button, unless the user has moved it meanwhile.
    struct FocusToReturn
    {
        bool pending = false;
        QPointer<QWidget> movedTo;
    };
    void noteFocusMovedFrom(QPushButton *button, FocusToReturn &focus);
    void returnFocusTo(QPushButton *button, FocusToReturn &focus);

    // Lets the user pick the field's file, starting in the field's folder; keeps the pick.
    void browse(QLineEdit *field, const QString &filter, const QString &title, const QString &key);

    // Shows path in field and remembers it for the next start.
    void setAndSavePath(QLineEdit *field, const QString &key, const QString &path);

    // Fills the row that path's name belongs to, as a drop does. Returns false when it has none.
    bool openFile(const QString &path);

    QPushButton *cmdDecode = nullptr;
    QPushButton *cmdEnCode = nullptr;
    QLineEdit *txtWavFileName = nullptr;
    QLineEdit *txtWWSFileName = nullptr;
    QPushButton *cmdSelectWAVFileName = nullptr;
    QPushButton *cmdSelectWWSFileName = nullptr;
    QGridLayout *m_grid = nullptr;
    QMargins m_fittedFrame; // the window manager's frame the size was last fitted with
    OutputFolderChoice *m_outputFolder = nullptr;
    StatusLine *m_status = nullptr;
    RunSet *m_runs = nullptr;

    // While a row's button is disabled, its Alt key would type its letter into the focused
    // field: these take the key instead, and do nothing.
    QShortcut *m_decodeKeyWhileBusy = nullptr;
    QShortcut *m_encodeKeyWhileBusy = nullptr;
    FocusToReturn m_decodeFocus;
    FocusToReturn m_encodeFocus;
    // The replace question, or a report, is open (each runs an event loop of its own).
    bool m_asking = false;
    bool m_reporting = false;
    QElapsedTimer m_busyFor; // since the runs began; invalid while none runs
    QString m_title;
    int m_launcherPercent = -1; // what the launcher shows; -1 no progress
    bool m_launcherUrgent = false;
};
