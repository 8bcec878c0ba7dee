// "Select WSS" and "Select WAV" through the real buttons and Qt's own file dialog.

#include "gui_helpers.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/dialog_filter.h"
#include "os_util/os_util.h"
#include "platform/settings_store.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kApp = ZRNSoundEncodeDecode::kSettingsApplication;
const QString kSection = ZRNSoundEncodeDecode::kSettingsSection;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString profilePath()
{
    return QDir::homePath() + QStringLiteral("/.config/VisualBasic.ini");
}

// What the dialog showed when it opened.
struct DialogSeen
{
    QString title;
    QString folder;
    QStringList filters;
    QStringList names;
};

QStringList listedNames(QFileDialog *dialog)
{
    const auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// Answers the next file dialog as AnswerNextFileDialog does, noting what it showed in *seen, which
// must outlive the answer.
ModalAnswer answerFileDialog(DialogSeen *seen, const QString &path, int expectedNames = 0)
{
    return AnswerNextFileDialog(path, [=](QFileDialog *dialog) {
        seen->title = dialog->windowTitle();
        seen->folder = dialog->directory().absolutePath();
        seen->filters = dialog->nameFilters();
        // The dialog lists a folder in the background.
        const bool listed = QTest::qWaitFor([&] { return listedNames(dialog).size() >= expectedNames; }, 3000);
        Q_UNUSED(listed); // the caller compares the names
        seen->names = listedNames(dialog);
    });
}

} // namespace

class TestBrowse : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, kApp).clear();
        QFile::remove(profilePath());
        m_startFolder = QDir::currentPath();
        m_window = std::make_unique<ZRNSoundEncodeDecode>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_startFolder);
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void routinesBehindTheDialog()
    {
        QCOMPARE(OSUtil::ReplaceText("WAV file,*.WAV", ",", QString(QChar(0))),
            QString("WAV file" + QString(QChar(0)) + "*.WAV"));
        QCOMPARE(OSUtil::ReplaceText("a,,b,", ",", ";,"), QStringLiteral("a;,;,b;,"));
        QCOMPARE(OSUtil::ReplaceText("abc", "", "x"), QStringLiteral("abc"));

        // The filter's two halves: the window's short form in, the dialog's name filter out.
        for (const auto &[shortForm, description, pattern, nameFilter] :
            {std::tuple{"WAV file,*.WAV", "WAV file", "*.WAV", "WAV file (*.[wW][aA][vV])"},
                {"WSS file,*.WSS", "WSS file", "*.WSS", "WSS file (*.[wW][sS][sS])"},
                {"Any file,*", "Any file", "*", "Any file (*)"}, {"Sounds", "Sounds", "", "Sounds"}}) {
            const QString dialogFilter = OSUtil::DialogFilter(shortForm);
            QVERIFY(dialogFilter.endsWith(QChar(0)));
            const OSUtil::DialogFilterParts parts = OSUtil::SplitDialogFilter(dialogFilter);
            QCOMPARE(parts.description, QString(description));
            QCOMPARE(parts.pattern, QString(pattern));
            QCOMPARE(OSUtil::NameFilter(dialogFilter), QString(nameFilter));
        }

        const QString config = QDir::homePath() + QStringLiteral("/.config");
        QDir(config).removeRecursively();
        QCOMPARE(OSUtil::SystemDirectory(), config);
        QVERIFY(QFileInfo(config).isDir());

        QString file;
        QCOMPARE(OSUtil::WriteProfileValue("Pellinor", "", "/snd/", file), 1);
        QCOMPARE(file, profilePath());
        QCOMPARE(readFile(profilePath()), QByteArray("[Pellinor]\n=/snd/\n"));
        QString sameFile = file;
        QCOMPARE(OSUtil::WriteProfileValue("Pellinor", "", "/snd/a\nb/", sameFile), 0);
        QCOMPARE(readFile(profilePath()), QByteArray("[Pellinor]\n=/snd/\n"));
    }

    void pickingAWssFileFillsSavesAndRecordsIt()
    {
        QTemporaryDir start, sounds;
        writeFile(start.filePath("gun.wss"));
        writeFile(start.filePath("GUN.WSS"));
        writeFile(start.filePath("other.wav"));
        writeFile(sounds.filePath("shot.wss"));
        field("txtWWSFileName")->setText(start.filePath("old.wss"));

        DialogSeen seen;
        {
            const ModalAnswer answer = answerFileDialog(&seen, sounds.filePath("shot.wss"), 2);
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }

        QCOMPARE(seen.title, QStringLiteral("Select WSS File"));
        QCOMPARE(seen.folder, start.path());
        QCOMPARE(seen.filters, QStringList{"WSS file (*.[wW][sS][sS])"});
        QCOMPARE(seen.names, (QStringList{"GUN.WSS", "gun.wss"}));

        QCOMPARE(field("txtWWSFileName")->text(), sounds.filePath("shot.wss"));
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WSS", "absent"), sounds.filePath("shot.wss"));
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WAV", "absent"), QStringLiteral("absent"));
        QCOMPARE(readFile(profilePath()), "[Pellinor]\n=" + QFile::encodeName(sounds.path()) + "/\n");
        QCOMPARE(QDir::currentPath(), sounds.path());

        ZRNSoundEncodeDecode nextStart;
        QCOMPARE(nextStart.findChild<QLineEdit *>("txtWWSFileName")->text(), sounds.filePath("shot.wss"));
    }

    void pickingAWavFileUsesItsOwnRow()
    {
        QTemporaryDir sounds;
        writeFile(sounds.filePath("a.wav"));
        writeFile(sounds.filePath("b.WaV"));
        writeFile(sounds.filePath("c.wss"));
        field("txtWavFileName")->setText(sounds.path() + u'/');

        DialogSeen seen;
        {
            const ModalAnswer answer = answerFileDialog(&seen, sounds.filePath("a.wav"), 2);
            click("cmdSelectWAVFileName");
            QVERIFY(answer.answered());
        }

        QCOMPARE(seen.title, QStringLiteral("Select WAV File"));
        QCOMPARE(seen.folder, sounds.path());
        QCOMPARE(seen.names, (QStringList{"a.wav", "b.WaV"}));
        QCOMPARE(field("txtWavFileName")->text(), sounds.filePath("a.wav"));
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WAV", "absent"), sounds.filePath("a.wav"));

        // A second pick elsewhere replaces the recorded folder.
        QTemporaryDir other;
        {
            const ModalAnswer answer = answerFileDialog(&seen, other.filePath("new.wav"));
            click("cmdSelectWAVFileName");
            QVERIFY(answer.answered());
        }
        QCOMPARE(readFile(profilePath()), "[Pellinor]\n=" + QFile::encodeName(other.path()) + "/\n");
    }

    void cancellingChangesNothing()
    {
        QVERIFY(Platform::SaveSetting(kApp, kSection, "WSS", "/snd/kept.wss"));
        field("txtWWSFileName")->setText("/snd/kept.wss");
        const QString before = QDir::currentPath();

        DialogSeen seen;
        {
            const ModalAnswer answer = answerFileDialog(&seen, QString());
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }

        QCOMPARE(seen.title, QStringLiteral("Select WSS File"));
        QCOMPARE(field("txtWWSFileName")->text(), QStringLiteral("/snd/kept.wss"));
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WSS", "absent"), QStringLiteral("/snd/kept.wss"));
        QVERIFY(!QFile::exists(profilePath()));
        QCOMPARE(QDir::currentPath(), before);
    }

    void aBareNameLeavesTheStartFolderToTheDialog()
    {
        // The name has no folder part, so no start folder is given and the dialog opens where it
        // likes (the last folder it showed). A folder of the same name in the current folder
        // shows whether the whole name was taken for the start folder.
        QTemporaryDir current;
        QVERIFY(QDir(current.path()).mkpath("gun.wss"));
        QVERIFY(QDir::setCurrent(current.path()));
        field("txtWWSFileName")->setText("gun.wss");
        DialogSeen seen;
        {
            const ModalAnswer answer = answerFileDialog(&seen, QString());
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }
        QCOMPARE(seen.title, QStringLiteral("Select WSS File"));
        QVERIFY2(QFileInfo(seen.folder).isDir(), qPrintable(seen.folder));
        QVERIFY2(seen.folder != current.filePath("gun.wss"), qPrintable(seen.folder));
        QCOMPARE(field("txtWWSFileName")->text(), QStringLiteral("gun.wss"));
    }

    void longAndBlankEdgedNamesComeBackWhole()
    {
        QTemporaryDir sounds;
        QString folder = sounds.path();
        while (folder.size() < 300)
            folder += QStringLiteral("/a folder with a rather long name");
        QVERIFY(QDir().mkpath(folder));
        // The dialog accepts a name that does not exist yet, blanks at both ends included.
        const QString picked = folder + QStringLiteral("/ blank edged .wss ");

        DialogSeen seen;
        {
            const ModalAnswer answer = answerFileDialog(&seen, picked);
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }

        QVERIFY(picked.size() > 256);
        QCOMPARE(field("txtWWSFileName")->text(), picked);
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WSS", "absent"), picked);
        QCOMPARE(QDir::currentPath(), folder);
    }

    void droppingOneSoundFileFillsItsRow_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wss");
        QTest::addColumn<QString>("wav");
        const QUrl wss = QUrl::fromLocalFile("/snd/gun shot.wss");
        const QUrl wav = QUrl::fromLocalFile("/snd/Take 1.WAV");
        QTest::newRow("wss on the window")
            << "ZRNSoundEncodeDecode" << QList<QUrl>{wss} << "" << wss.toLocalFile() << "kept.wav";
        QTest::newRow("wav on the window") << "cmdDecode" << QList<QUrl>{wav} << ""
                                           << "kept.wss" << wav.toLocalFile();
        QTest::newRow("wav on the wss field") << "txtWWSFileName" << QList<QUrl>{wav} << ""
                                              << "kept.wss" << wav.toLocalFile();
        QTest::newRow("wss on the wav field")
            << "txtWavFileName" << QList<QUrl>{wss} << "" << wss.toLocalFile() << "kept.wav";
        QTest::newRow("two files") << "ZRNSoundEncodeDecode" << QList<QUrl>{wss, wav} << ""
                                   << "kept.wss"
                                   << "kept.wav";
        QTest::newRow("other file") << "txtWWSFileName" << QList<QUrl>{QUrl::fromLocalFile("/snd/a.mp3")} << ""
                                    << "kept.wss"
                                    << "kept.wav";
        QTest::newRow("remote file") << "ZRNSoundEncodeDecode" << QList<QUrl>{QUrl("https://example.org/a.wav")} << ""
                                     << "kept.wss"
                                     << "kept.wav";
        QTest::newRow("text") << "txtWavFileName" << QList<QUrl>{} << "file:///snd/a.wav"
                              << "kept.wss"
                              << "kept.wav";
    }
    void droppingOneSoundFileFillsItsRow()
    {
        QFETCH(QString, target);
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(QString, wss);
        QFETCH(QString, wav);
        field("txtWWSFileName")->setText("kept.wss");
        field("txtWavFileName")->setText("kept.wav");
        QWidget *on = target == m_window->objectName() ? m_window.get() : widget(qPrintable(target));

        QMimeData data;
        if (!urls.isEmpty())
            data.setUrls(urls);
        if (!text.isEmpty())
            data.setText(text);
        const QPointF where(on->width() / 2.0, on->height() / 2.0);
        QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        const bool fills = wss != "kept.wss" || wav != "kept.wav";
        QCOMPARE(enter.isAccepted(), fills);
        QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &drop);

        QCOMPARE(field("txtWWSFileName")->text(), wss);
        QCOMPARE(field("txtWavFileName")->text(), wav);
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WSS", "kept.wss"), wss);
        QCOMPARE(Platform::GetSetting(kApp, kSection, "WAV", "kept.wav"), wav);
    }

private:
    QString m_startFolder;
};

TALVEN_TEST_MAIN(TestBrowse)
#include "tst_browse.moc"
