#include "main_window/output_folder_choice.h"

#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

// What an item of the list stands for.
enum class Item { Beside, Folder, ChooseFolder };
constexpr int kItemRole = Qt::UserRole;

} // namespace

OutputFolderChoice::OutputFolderChoice(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(tr("Ou&tput folder:"), this))
    , m_box(new QComboBox(this))
{
    setObjectName(QStringLiteral("outputFolderChoice"));
    m_box->setObjectName(QStringLiteral("cboOutputFolder"));
    m_box->setAccessibleName(tr("Output folder"));
    m_box->setToolTip(tr("Where Decode and Encode write their files: beside each file, or in a folder you choose."));
    // The row, not the length of a folder's path, sets the list's width.
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setMinimumContentsLength(12);
    m_label->setBuddy(m_box);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_label);
    row->addWidget(m_box, 1);

    m_folder = OSUtil::GetSetting(
        ZRNSoundEncodeDecode::kSettingsApplication, ZRNSoundEncodeDecode::kSettingsSection, kSettingsKey, QString());
    m_picked = m_folder;
    showChoice();
    connect(m_box, &QComboBox::activated, this, &OutputFolderChoice::picked);
}

QWidget *OutputFolderChoice::control() const
{
    return m_box;
}

void OutputFolderChoice::setControlHeight(int height)
{
    m_box->setFixedHeight(height);
    m_label->setFixedHeight(height);
}

bool OutputFolderChoice::chooseFolder()
{
    const QString start = m_folder.isEmpty() ? m_picked : m_folder;
    const QString folder = OSUtil::BrowseForFolder(start, window(), tr("Choose the Output Folder"));
    if (folder.isEmpty())
        return false;
    m_picked = folder;
    choose(folder);
    return true;
}

void OutputFolderChoice::choose(const QString &folder)
{
    m_folder = folder;
    OSUtil::SaveSetting(
        ZRNSoundEncodeDecode::kSettingsApplication, ZRNSoundEncodeDecode::kSettingsSection, kSettingsKey, folder);
    showChoice();
}

// The list: beside each file, the folder picked last (when there is one), and an item that asks
// for another; the choice is the current item.
void OutputFolderChoice::showChoice()
{
    const QSignalBlocker quiet(m_box);
    m_box->clear();
    m_box->addItem(tr("Beside each file"), int(Item::Beside));
    if (!m_picked.isEmpty()) {
        m_box->addItem(m_picked, int(Item::Folder));
        m_box->setItemData(1, m_picked, Qt::ToolTipRole);
    }
    m_box->addItem(tr("Choose a folder…"), int(Item::ChooseFolder));
    m_box->setCurrentIndex(m_folder.isEmpty() ? 0 : 1);
}

void OutputFolderChoice::picked(int index)
{
    switch (Item(m_box->itemData(index, kItemRole).toInt())) {
    case Item::Beside:
        choose(QString());
        break;
    case Item::Folder:
        choose(m_picked);
        break;
    case Item::ChooseFolder:
        // Cancelled, the list shows the choice as it was.
        if (!chooseFolder())
            showChoice();
        break;
    }
}
