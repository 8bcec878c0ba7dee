#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;

// Where Decode and Encode write their outputs, chosen under the two rows: beside each file (the
// default, and the tools' own way) or in one folder the user picks. It always shows the choice,
// and remembers it per user, in the settings beside the last paths.
class OutputFolderChoice : public QWidget
{
    Q_OBJECT

public:
    static inline const QString kSettingsKey = QStringLiteral("OutputFolder");

    explicit OutputFolderChoice(QWidget *parent = nullptr);

    // "" for beside each file, else the folder: absolute, without a trailing "/".
    const QString &folder() const { return m_folder; }
    // Asks for a folder with the folder dialog, opening in the present one; a folder picked becomes
    // the choice and is remembered. Returns whether one was picked.
    bool chooseFolder();

    // The control that takes the focus, for the window's tab order; the height of the row.
    QWidget *control() const;
    void setControlHeight(int height);

private:
    // Takes folder ("" beside each file) as the choice, shows it and remembers it.
    void choose(const QString &folder);
    void showChoice();
    void picked(int index);

    QLabel *m_label = nullptr;
    QComboBox *m_box = nullptr;
    QString m_folder;
    QString m_picked; // the folder last picked, offered again after a return to beside each file
};
