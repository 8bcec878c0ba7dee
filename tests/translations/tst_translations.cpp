// The program in the user's language: for each locale, the window's captions, its messages, a
// tool's error line shown in a message, Qt's own file dialog, WSSdec.exe --help and the program's
// --help. The window loads the row's translations as the program does at start (in this process,
// whose own locale cannot change); the tools and the program run as children with the row's
// locale in their environment, as a user's session would set it. The locales are made with
// localedef into a folder of the build (LOCPATH), so the machine needs none of them installed.

#include "gui_helpers.h"
#include "platform/translations.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kLocales = buildPath(LOCALES_FOLDER);
const QString kTools = buildPath(TOOLS_FOLDER);
const QStringList kButtons = {
    QStringLiteral("cmdDecode"),
    QStringLiteral("cmdEnCode"),
    QStringLiteral("cmdSelectWWSFileName"),
    QStringLiteral("cmdSelectWAVFileName"),
};

// The locale's environment, as a session sets it, for this process and the children it starts;
// the earlier one comes back at the end of the scope.
class LocaleEnvironment
{
public:
    explicit LocaleEnvironment(const QString &locale)
    {
        for (const char *name : kNames)
            m_saved.insert(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        for (const char *name : kNames)
            qunsetenv(name);
        qputenv("LANG", locale.toLatin1());
        qputenv("LOCPATH", QFile::encodeName(kLocales));
    }
    ~LocaleEnvironment()
    {
        for (const char *name : kNames) {
            const QByteArray value = m_saved.value(name);
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    LocaleEnvironment(const LocaleEnvironment &) = delete;
    LocaleEnvironment &operator=(const LocaleEnvironment &) = delete;

private:
    static constexpr const char *kNames[] = {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LOCPATH"};
    QHash<const char *, QByteArray> m_saved;
};

QString standardOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("(did not finish)");
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestTranslations : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The real tools, found on the PATH as an installed copy would find them in its folder.
        qputenv("PATH", QFile::encodeName(kTools) + ':' + qgetenv("PATH"));
        QDir().mkpath(kLocales);
        for (const char *locale : {"de_DE", "fr_FR", "es_ES", "en_US"}) {
            const QString name = QString::fromLatin1(locale);
            const QString folder = kLocales + u'/' + name + QStringLiteral(".UTF-8");
            if (QFileInfo::exists(folder + QStringLiteral("/LC_CTYPE")))
                continue; // made by an earlier run
            // Made beside its place and renamed into it, so a run stopped halfway leaves no half locale.
            const QString partial = folder + QStringLiteral(".partial");
            QDir(partial).removeRecursively();
            QProcess localedef;
            localedef.start(QStringLiteral("localedef"), {"-i", name, "-f", "UTF-8", partial});
            const bool made = localedef.waitForFinished(120000) && localedef.exitStatus() == QProcess::NormalExit
                && QFileInfo::exists(partial + QStringLiteral("/LC_CTYPE")) && QDir().rename(partial, folder);
            if (!made) {
                m_missing.insert(name + QStringLiteral(".UTF-8"),
                    QStringLiteral("localedef could not make %1.UTF-8 (%2): install the package locales")
                        .arg(name, localedef.errorString() + QString::fromLocal8Bit(localedef.readAllStandardError())));
            }
        }
    }

    void cleanupTestCase() { Platform::LoadTranslations(QLocale::c()); }

    void speaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("captions"); // Decode, Encode, Select WSS, Select WAV
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("missingFile"); // %1: the path
        QTest::addColumn<QString>("toolLine"); // %1: the file's name
        QTest::addColumn<QStringList>("dialog"); // its title, Look in, Open, Cancel
        QTest::addColumn<QString>("toolHelp"); // the first line of WSSdec.exe --help
        QTest::addColumn<QStringList>("programHelp"); // lines of talven-sound --help: ours and Qt's

        // German first, so that the English rows show that a later load replaces an earlier one.
        QTest::newRow("de_DE.UTF-8")
            << "de_DE.UTF-8" << QStringList{"&Dekodieren", "&Kodieren", "&WSS auswählen", "WA&V auswählen"}
            << "TALVEN Sound – Dekodierer / Kodierer"
            << "Die Datei '%1' wurde nicht gefunden"
            << "WSSdec.exe: '%1' ist keine WSS-Datei"
            << QStringList{"WSS-Datei auswählen", "Suchen in:", "&Öffnen", "Abbrechen"}
            << "Aufruf: WSSdec.exe [-f] DATEI..."
            << QStringList{"Wandelt Audiodateien mit den Werkzeugen WSSdec.exe und WSSCod.exe zwischen WSS und WAV um.",
                   "Zeigt Versionsinformation an."};
        QTest::newRow("C") << "C" << QStringList{"&Decode", "&Encode", "&Select WSS", "Select W&AV"}
                           << "TALVEN Sound Decoder / Encoder"
                           << "Could not locate the file '%1'"
                           << "WSSdec.exe: '%1' is not a WSS file"
                           << QStringList{"Select WSS File", "Look in:", "&Open", "Cancel"}
                           << "usage: WSSdec.exe [-f] FILE..."
                           << QStringList{"Converts sound files between WSS and WAV with the WSSdec.exe and "
                                          "WSSCod.exe tools.",
                                  "Displays version information."};
        QTest::newRow("fr_FR.UTF-8")
            << "fr_FR.UTF-8" << QStringList{"&Décoder", "&Encoder", "&Choisir le WSS", "Choisir le W&AV"}
            << "TALVEN Sound – Décodeur / Encodeur"
            << "Impossible de trouver le fichier '%1'"
            << "WSSdec.exe: '%1' n'est pas un fichier WSS"
            << QStringList{"Choisir le fichier WSS", "Voir dans :", "&Ouvrir", "Annuler"}
            << "utilisation\u00a0: WSSdec.exe [-f] FICHIER..."
            << QStringList{"Convertit des fichiers audio entre WSS et WAV avec les outils WSSdec.exe et WSSCod.exe.",
                   "Afficher les informations de version."};
        QTest::newRow("en_US.UTF-8") << "en_US.UTF-8" << QStringList{"&Decode", "&Encode", "&Select WSS", "Select W&AV"}
                                     << "TALVEN Sound Decoder / Encoder"
                                     << "Could not locate the file '%1'"
                                     << "WSSdec.exe: '%1' is not a WSS file"
                                     << QStringList{"Select WSS File", "Look in:", "&Open", "Cancel"}
                                     << "usage: WSSdec.exe [-f] FILE..."
                                     << QStringList{"Converts sound files between WSS and WAV with the WSSdec.exe "
                                                    "and WSSCod.exe tools.",
                                            "Displays version information."};
        QTest::newRow("es_ES.UTF-8")
            << "es_ES.UTF-8" << QStringList{"&Decodificar", "&Codificar", "&Seleccionar WSS", "Seleccionar W&AV"}
            << "TALVEN Sound – Decodificador / Codificador"
            << "No se encontró el archivo '%1'"
            << "WSSdec.exe: '%1' no es un archivo WSS"
            << QStringList{"Seleccionar archivo WSS", "Ver en:", "&Abrir", "Cancelar"}
            << "uso: WSSdec.exe [-f] ARCHIVO..."
            << QStringList{"Convierte archivos de audio entre WSS y WAV con las herramientas WSSdec.exe y WSSCod.exe.",
                   "Muestra la información de versión."};
    }
    void speaksTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, captions);
        QFETCH(QString, title);
        QFETCH(QString, missingFile);
        QFETCH(QString, toolLine);
        QFETCH(QStringList, dialog);
        QFETCH(QString, toolHelp);
        QFETCH(QStringList, programHelp);
        if (m_missing.contains(locale))
            QSKIP(qPrintable(m_missing.value(locale)));

        const LocaleEnvironment environment(locale);
        Platform::LoadTranslations(QLocale(locale));
        openWindow();
        const auto closing = qScopeGuard([this] { closeWindow(); });

        // The captions, with room for the whole caption; every button of the window (the status
        // line's too) with a mnemonic of its own.
        QStringList shown;
        for (const QString &name : kButtons) {
            const QPushButton *b = button(qPrintable(name));
            shown << b->text();
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        }
        QStringList withMnemonics;
        QSet<QChar> mnemonics;
        for (const QAbstractButton *b : m_window->findChildren<QAbstractButton *>()) {
            const qsizetype amp = b->text().indexOf(u'&');
            if (amp >= 0 && amp + 1 < b->text().size()) {
                withMnemonics << b->text();
                mnemonics.insert(b->text().at(amp + 1).toLower());
            }
        }
        QVERIFY2(mnemonics.size() == withMnemonics.size(), qPrintable(withMnemonics.join(u", ")));
        QVERIFY(withMnemonics.size() >= kButtons.size());
        QCOMPARE(shown, captions);
        QCOMPARE(m_window->windowTitle(), title);

        // A file that is not there, then a tool's own error line under the window's.
        QTemporaryDir sounds;
        const QString missing = sounds.filePath(QStringLiteral("missing.wss"));
        QString text;
        decode(missing, &text);
        QCOMPARE(text, missingFile.arg(missing));
        const QString noise = sounds.filePath(QStringLiteral("noise.wss"));
        writeFile(noise, "not a sound");
        QString failure;
        decode(noise, &failure);
        QVERIFY2(failure.endsWith(u'\n' + toolLine.arg(QStringLiteral("noise.wss"))), qPrintable(failure));

        // Qt's own file dialog: its title and label, and its buttons.
        QStringList seen;
        {
            const ModalAnswer answer = AnswerNextFileDialog(QString(), [&seen](QFileDialog *fileDialog) {
                seen << fileDialog->windowTitle()
                     << fileDialog->findChild<QLabel *>(QStringLiteral("lookInLabel"))->text();
                const auto *box = fileDialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                for (const QAbstractButton *b : box->buttons())
                    seen << b->text();
            });
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }
        QCOMPARE(seen, dialog);

        const QString help = standardOutput(kTools + QStringLiteral("/WSSdec.exe"), {QStringLiteral("--help")});
        QCOMPARE(help.section(u'\n', 0, 0), toolHelp);
        // The program picks the language from its environment (QLocale::system()) by itself.
        const QString programOutput = standardOutput(buildPath(TALVEN_PROGRAM), {QStringLiteral("--help")});
        for (const QString &line : programHelp)
            QVERIFY2(programOutput.contains(line), qPrintable(programOutput));
    }

private:
    // The text of the message Decode shows for path ("" when none showed).
    void decode(const QString &path, QString *messageText)
    {
        field("txtWWSFileName")->setText(path);
        MessageSeen message;
        const ModalAnswer answer = AcceptNextMessage(&message);
        clickAndWait("cmdDecode");
        QTRY_VERIFY(answer.answered());
        *messageText = message.text;
    }

    QHash<QString, QString> m_missing; // locale -> why it could not be made
};

TALVEN_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
