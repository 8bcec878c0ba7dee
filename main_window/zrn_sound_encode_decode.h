#pragma once

#include <QWidget>

class QLineEdit;
class QGridLayout;
class QPushButton;

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

    explicit ZRNSoundEncodeDecode(QWidget *parent = nullptr);

    // Files handed to the program (its command line, a file manager's "Open with"): each .wss or
    // .wav file fills its row and is remembered, as a drop does; anything else is named in one
    // message. Paths are used as given.
    void openFiles(const QStringList &paths);

protected:
    // A .wss or .wav file dropped anywhere on the window fills its row, as a pick would.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    // A new font resizes the controls to fit their captions.
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void sizeControlsToFont();
    void setTabOrderAndFocus();
    void connectHandlers();
    void load();

    // Click handlers, one per button.
    void cmdDecodeClick();
    void cmdEnCodeClick();
    void cmdSelectWWSFileNameClick();
    void cmdSelectWAVFileNameClick();

    // Checks that the field's file exists and runs the tool on it; reports what went wrong.
    void convert(const QLineEdit *field, const QString &toolPrefix);

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
};
