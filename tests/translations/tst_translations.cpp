// The program in the user's language: for each locale, the window's captions, its messages, a
// tool's error line shown in a message, Qt's own file dialog, WSSdec.exe --help and the program's
// --help. The window loads the row's translations as the program does at start (in this process,
// whose own locale cannot change); the tools and the program run as children with the row's
// locale in their environment, as a user's session would set it. The locales are made with
// localedef into a folder of the build (LOCPATH), so the machine needs none of them installed.

#include "gui_helpers.h"
#include "main_window/replaced_outputs.h"
#include "main_window/run_status.h"
#include "main_window/status_line.h"
#include "platform/translations.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QDataStream>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <clocale>
#include <cstring>

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

// A WAV file of 16 mono 16-bit samples at 8 kHz, a plain RIFF head by hand (the format's 44 bytes).
QByteArray tinyWav()
{
    constexpr quint32 kDataBytes = 32;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + kDataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << kDataBytes;
    for (quint32 i = 0; i < kDataBytes / 2; ++i)
        out << qint16(i * 100);
    return wav;
}

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
        for (const char *locale : {"de_DE", "fr_FR", "es_ES", "en_US", "nl_NL", "it_IT", "pt_BR", "pl_PL", "ru_RU",
                 "zh_CN", "ja_JP", "ar_EG", "he_IL"}) {
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
            << "Die Datei „%1“ wurde nicht gefunden"
            << "WSSdec.exe: „%1“ ist keine WSS-Datei"
            << QStringList{"WSS-Datei auswählen", "Suchen in:", "&Öffnen", "Abbrechen"}
            << "Aufruf: WSSdec.exe [-f | -n] DATEI..."
            << QStringList{"Wandelt Audiodateien mit den Werkzeugen WSSdec.exe und WSSCod.exe zwischen WSS und WAV um.",
                   "Zeigt Versionsinformation an."};
        QTest::newRow("C") << "C" << QStringList{"&Decode", "&Encode", "&Select WSS", "Select W&AV"}
                           << "TALVEN Sound Decoder / Encoder"
                           << "Could not locate the file '%1'"
                           << "WSSdec.exe: '%1' is not a WSS file"
                           << QStringList{"Select WSS File", "Look in:", "&Open", "Cancel"}
                           << "usage: WSSdec.exe [-f | -n] FILE..."
                           << QStringList{"Converts sound files between WSS and WAV with the WSSdec.exe and "
                                          "WSSCod.exe tools.",
                                  "Displays version information."};
        QTest::newRow("fr_FR.UTF-8")
            << "fr_FR.UTF-8" << QStringList{"&Décoder", "&Encoder", "&Choisir le WSS", "Choisir le W&AV"}
            << "TALVEN Sound – Décodeur / Encodeur"
            << "Impossible de trouver le fichier «\u00a0%1\u00a0»"
            << "WSSdec.exe: «\u00a0%1\u00a0» n'est pas un fichier WSS"
            << QStringList{"Choisir le fichier WSS", "Voir dans :", "&Ouvrir", "Annuler"}
            << "utilisation\u00a0: WSSdec.exe [-f | -n] FICHIER..."
            << QStringList{"Convertit des fichiers audio entre WSS et WAV avec les outils WSSdec.exe et WSSCod.exe.",
                   "Afficher les informations de version."};
        QTest::newRow("en_US.UTF-8") << "en_US.UTF-8" << QStringList{"&Decode", "&Encode", "&Select WSS", "Select W&AV"}
                                     << "TALVEN Sound Decoder / Encoder"
                                     << "Could not locate the file '%1'"
                                     << "WSSdec.exe: '%1' is not a WSS file"
                                     << QStringList{"Select WSS File", "Look in:", "&Open", "Cancel"}
                                     << "usage: WSSdec.exe [-f | -n] FILE..."
                                     << QStringList{"Converts sound files between WSS and WAV with the WSSdec.exe "
                                                    "and WSSCod.exe tools.",
                                            "Displays version information."};
        QTest::newRow("es_ES.UTF-8")
            << "es_ES.UTF-8" << QStringList{"&Decodificar", "&Codificar", "&Seleccionar WSS", "Seleccionar W&AV"}
            << "TALVEN Sound – Decodificador / Codificador"
            << "No se encontró el archivo «%1»"
            << "WSSdec.exe: «%1» no es un archivo WSS"
            << QStringList{"Seleccionar archivo WSS", "Ver en:", "&Abrir", "Cancelar"}
            << "uso: WSSdec.exe [-f | -n] ARCHIVO..."
            << QStringList{"Convierte archivos de audio entre WSS y WAV con las herramientas WSSdec.exe y WSSCod.exe.",
                   "Muestra la información de versión."};

        // Right to left: names isolated (U+2068 ... U+2069) so that a Latin path keeps its order, and
        // a message's lines led by a right-to-left mark, so that a tool's line reads from the right.
        QTest::newRow("it_IT.UTF-8")
            << "it_IT.UTF-8" << QStringList{"&Decodifica", "&Codifica", "&Seleziona WSS", "Seleziona W&AV"}
            << "TALVEN Sound – Decodificatore / Codificatore"
            << "Impossibile trovare il file «%1»"
            << "WSSdec.exe: «%1» non è un file WSS"
            << QStringList{"Seleziona il file WSS", "Cerca in:", "&Apri", "Annulla"}
            << "uso: WSSdec.exe [-f | -n] FILE..."
            << QStringList{"Converte file audio tra WSS e WAV con gli strumenti WSSdec.exe e WSSCod.exe.",
                   "Mostra le informazioni sulla versione."};
        QTest::newRow("pt_BR.UTF-8")
            << "pt_BR.UTF-8" << QStringList{"&Decodificar", "&Codificar", "&Selecionar WSS", "Selecionar W&AV"}
            << "TALVEN Sound – Decodificador / Codificador"
            << "Não foi possível localizar o arquivo “%1”"
            << "WSSdec.exe: “%1” não é um arquivo WSS"
            << QStringList{"Selecionar arquivo WSS", "Procurar em:", "&Abrir", "Cancelar"}
            << "uso: WSSdec.exe [-f | -n] ARQUIVO..."
            << QStringList{"Converte arquivos de áudio entre WSS e WAV com as ferramentas WSSdec.exe e WSSCod.exe.",
                   "Mostra informações sobre a versão."};
        QTest::newRow("pl_PL.UTF-8") << "pl_PL.UTF-8"
                                     << QStringList{"&Dekoduj", "&Koduj", "&Wybierz WSS", "Wybierz W&AV"}
                                     << "TALVEN Sound – dekoder / koder"
                                     << "Nie można odnaleźć pliku „%1”"
                                     << "WSSdec.exe: „%1” nie jest plikiem WSS"
                                     << QStringList{"Wybierz plik WSS", "Szukaj w:", "&Otwórz", "Anuluj"}
                                     << "użycie: WSSdec.exe [-f | -n] PLIK..."
                                     << QStringList{"Konwertuje pliki dźwiękowe między formatami WSS i WAV za pomocą "
                                                    "narzędzi WSSdec.exe i WSSCod.exe.",
                                            "Wyświetla numer wersji."};
        QTest::newRow("ru_RU.UTF-8")
            << "ru_RU.UTF-8" << QStringList{"&Декодировать", "&Кодировать", "&Выбрать WSS", "Выбрать W&AV"}
            << "TALVEN Sound — декодер / кодер"
            << "Не удалось найти файл «%1»"
            << "WSSdec.exe: «%1» — не WSS-файл" << QStringList{"Выбор WSS-файла", "Перейти к:", "&Открыть", "Отмена"}
            << "использование: WSSdec.exe [-f | -n] ФАЙЛ..."
            << QStringList{"Преобразует звуковые файлы между WSS и WAV с помощью утилит WSSdec.exe и WSSCod.exe.",
                   "Показать сведения о версии."};
        QTest::newRow("zh_CN.UTF-8")
            << "zh_CN.UTF-8" << QStringList{"解码(&D)", "编码(&E)", "选择 WSS(&S)", "选择 WAV(&A)"}
            << "TALVEN Sound 解码器 / 编码器"
            << "找不到文件“%1”"
            << "WSSdec.exe: “%1”不是 WSS 文件" << QStringList{"选择 WSS 文件", "查找范围：", "打开(&O)", "取消"}
            << "用法：WSSdec.exe [-f | -n] 文件..."
            << QStringList{"使用 WSSdec.exe 和 WSSCod.exe 工具在 WSS 和 WAV 之间转换声音文件。", "显示版本信息。"};
        QTest::newRow("ja_JP.UTF-8")
            << "ja_JP.UTF-8" << QStringList{"デコード(&D)", "エンコード(&E)", "WSS を選択(&S)", "WAV を選択(&A)"}
            << "TALVEN Sound デコーダー / エンコーダー"
            << "ファイル「%1」が見つかりませんでした"
            << "WSSdec.exe: 「%1」は WSS ファイルではありません"
            << QStringList{"WSS ファイルを選択", "アドレス:", "開く(&O)", "キャンセル"}
            << "使い方: WSSdec.exe [-f | -n] ファイル..."
            << QStringList{"WSSdec.exe と WSSCod.exe ツールで、サウンドファイルを WSS と WAV の間で変換します。",
                   "バージョン情報を表示する。"};
        QTest::newRow("ar_EG.UTF-8") << "ar_EG.UTF-8" << QStringList{"&فك الترميز", "&رمّز", "اختر &WSS", "اختر W&AV"}
                                     << "TALVEN Sound – فاكّ الترميز / المرمّز"
                                     << "تعذّر العثور على الملف «\u2068%1\u2069»"
                                     << "\u200fWSSdec.exe: «\u2068%1\u2069» ليس ملف WSS"
                                     << QStringList{"اختر ملف WSS", "اعثر في:", "ا&فتح", "ألغِ"}
                                     << "الاستخدام: WSSdec.exe [-f | -n] ملف..."
                                     << QStringList{"يحوّل ملفات الصوت بين WSS وWAV بالأداتين WSSdec.exe وWSSCod.exe.",
                                            "يعرض معلومات الإصدار."};
        // Qt has no Hebrew for its --help lines.
        QTest::newRow("he_IL.UTF-8") << "he_IL.UTF-8" << QStringList{"&פענוח", "&קידוד", "בחירת &WSS", "בחירת W&AV"}
                                     << "TALVEN Sound – מפענח / מקודד"
                                     << "לא ניתן למצוא את הקובץ “\u2068%1\u2069”"
                                     << "\u200fWSSdec.exe: “\u2068%1\u2069” אינו קובץ WSS"
                                     << QStringList{"בחירת קובץ WSS", "חפש בתוך:", "&פתח", "ביטול"}
                                     << "שימוש: WSSdec.exe [-f | -n] קובץ..."
                                     << QStringList{
                                            "ממיר קובצי צליל בין WSS ל־WAV בעזרת הכלים WSSdec.exe ו־WSSCod.exe.",
                                            "Displays version information."};
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
        QStringList labels;
        {
            const ModalAnswer answer = AnswerNextFileDialog(QString(), [&seen, &labels](QFileDialog *fileDialog) {
                seen << fileDialog->windowTitle()
                     << fileDialog->findChild<QLabel *>(QStringLiteral("lookInLabel"))->text();
                for (const QLabel *label : fileDialog->findChildren<QLabel *>())
                    labels << label->text();
                labels << fileDialog->nameFilters();
                const auto *box = fileDialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                for (const QAbstractButton *b : box->buttons())
                    seen << b->text();
            });
            click("cmdSelectWWSFileName");
            QVERIFY(answer.answered());
        }
        QCOMPARE(seen, dialog);
        // One word for a file in one dialog: Spanish Qt's "fichero" is the program's "archivo".
        QVERIFY2(!labels.join(u' ').contains(QStringLiteral("fichero"), Qt::CaseInsensitive),
            qPrintable(labels.join(u", ")));

        const QString help = standardOutput(kTools + QStringLiteral("/WSSdec.exe"), {QStringLiteral("--help")});
        QCOMPARE(help.section(u'\n', 0, 0), toolHelp);
        // The program picks the language from its environment (QLocale::system()) by itself.
        const QString programOutput = standardOutput(buildPath(TALVEN_PROGRAM), {QStringLiteral("--help")});
        for (const QString &line : programHelp)
            QVERIFY2(programOutput.contains(line), qPrintable(programOutput));
    }

    // One language in each message: the system's reason in a tool's line (strerror's) and in the
    // window's messages follows the language of the program's texts, English where the program
    // has no translation (Dutch here, which the C library speaks), and the program's language
    // where LANGUAGE lists one only the system speaks before it.
    void systemReasonsSpeakTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("locale"); // LANG
        QTest::addColumn<QString>("languages"); // LANGUAGE, unset when empty
        QTest::addColumn<QString>("toolLine"); // %1: the file's name
        QTest::addColumn<QString>("windowLocale"); // the one the program picks from the environment
        QTest::addColumn<QString>("reason"); // the window's strerror(ENOENT)

        const QString english = QStringLiteral("No such file or directory");
        const QString german = QStringLiteral("Datei oder Verzeichnis nicht gefunden");
        const QString toEnglish = "WSSdec.exe: cannot open '%1': " + english;
        const QString toGerman = "WSSdec.exe: „%1“ kann nicht geöffnet werden: " + german;
        QTest::newRow("nl_NL, no translation") << "nl_NL.UTF-8"
                                               << "" << toEnglish << "nl_NL" << english;
        QTest::newRow("LANGUAGE=nl, no translation") << "de_DE.UTF-8"
                                                     << "nl" << toEnglish << "nl" << english;
        QTest::newRow("de_DE") << "de_DE.UTF-8"
                               << "" << toGerman << "de_DE" << german;
        QTest::newRow("LANGUAGE=nl:de, German") << "de_DE.UTF-8"
                                                << "nl:de" << toGerman << "de_DE" << german;
    }
    void systemReasonsSpeakTheProgramsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, languages);
        QFETCH(QString, toolLine);
        QFETCH(QString, windowLocale);
        QFETCH(QString, reason);
        for (const QString &needed : {locale, QStringLiteral("nl_NL.UTF-8")}) {
            if (m_missing.contains(needed))
                QSKIP(qPrintable(m_missing.value(needed)));
        }
        const LocaleEnvironment environment(locale);
        if (!languages.isEmpty())
            qputenv("LANGUAGE", languages.toLatin1());
        // Without the C library's Dutch texts the rows would pass with any fault.
        QVERIFY2(QFileInfo::exists(QStringLiteral("/usr/share/locale/nl/LC_MESSAGES/libc.mo")),
            "the C library has no Dutch texts: install the package libc-l10n");

        QTemporaryDir sounds;
        QProcess tool;
        tool.setWorkingDirectory(sounds.path());
        tool.start(kTools + QStringLiteral("/WSSdec.exe"), {QStringLiteral("missing.wss")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(tool.readAllStandardError()).trimmed(), toolLine.arg(QStringLiteral("missing.wss")));

        // The environment's messages, as the program starts with them, then the program's language.
        std::setlocale(LC_MESSAGES, "");
        Platform::LoadTranslations(QLocale(windowLocale));
        QCOMPARE(QString::fromLocal8Bit(std::strerror(ENOENT)), reason);
    }

    // Arabic and Hebrew mirror the window: each row reads from the right (its field right of its
    // button), the status line's buttons sit on the left, and a message box has its icon on the
    // right. Left-to-right languages keep the usual order.
    void rightToLeftLanguagesMirrorTheWindow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("ar_EG") << "ar_EG" << true;
        QTest::newRow("he_IL") << "he_IL" << true;
        QTest::newRow("de_DE") << "de_DE" << false;
        QTest::newRow("ja_JP") << "ja_JP" << false;
    }
    void rightToLeftLanguagesMirrorTheWindow()
    {
        QFETCH(QString, locale);
        QFETCH(bool, rightToLeft);
        QVERIFY(!Platform::LoadTranslations(QLocale(locale)).isEmpty());
        QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        openWindow();
        const auto closing = qScopeGuard([this] { closeWindow(); });
        const auto middle = [this](const QWidget *w) { return w->mapTo(m_window.get(), w->rect().center()).x(); };

        QCOMPARE(middle(field("txtWWSFileName")) > middle(button("cmdSelectWWSFileName")), rightToLeft);
        QCOMPARE(middle(field("txtWavFileName")) > middle(button("cmdSelectWAVFileName")), rightToLeft);
        auto *line = m_window->findChild<StatusLine *>();
        line->setAction(StatusLine::Action::ShowInFolder);
        QList<int> buttons;
        for (const QPushButton *b : line->buttons()) {
            if (b->isVisibleTo(m_window.get()))
                buttons << middle(b);
        }
        QVERIFY(!buttons.isEmpty());
        for (int x : buttons)
            QCOMPARE(x < m_window->width() / 2, rightToLeft);

        // A failure's message box: its icon on the side the reader starts from.
        QTemporaryDir sounds;
        const QString noise = sounds.filePath(QStringLiteral("noise.wss"));
        writeFile(noise, "not a sound");
        field("txtWWSFileName")->setText(noise);
        bool boxRightToLeft = !rightToLeft;
        int icon = -1;
        int middleOfBox = -1;
        const ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            boxRightToLeft = box->isRightToLeft();
            const auto *iconLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
            if (iconLabel && !iconLabel->pixmap().isNull()) {
                icon = iconLabel->mapTo(box, iconLabel->rect().center()).x();
                middleOfBox = box->width() / 2;
            }
            box->button(QMessageBox::Ok)->click();
            return true;
        });
        clickAndWait("cmdDecode");
        QTRY_VERIFY(answer.answered());
        QCOMPARE(boxRightToLeft, rightToLeft);
        QVERIFY2(icon >= 0, "the failure's message has no icon");
        QCOMPARE(icon > middleOfBox, rightToLeft);
    }

    // Counts in the language's numbers ("2.500" in German) and plural forms (Polish and Russian have
    // three), and a whole batch said as such rather than "2500 of the 2500".
    void countsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("done"); // files written (replace question: files already there)
        QTest::addColumn<int>("total"); // files named; -1: a finished run
        QTest::addColumn<QString>("expected");
        const QString folder = QStringLiteral("/snd");
        QTest::newRow("de, all of 2500 there")
            << "de_DE" << 2500 << 2500
            << "Alle 2.500 WAV-Dateien sind in /snd bereits vorhanden. Ersetzen? Bisherige Dateien, die sich von den "
               "neuen unterscheiden, werden daneben als NAME.~N~ aufbewahrt; gleiche bleiben unverändert.";
        QTest::newRow("de, 1200 of 2500 there")
            << "de_DE" << 1200 << 2500
            << "1.200 der 2.500 WAV-Dateien sind in /snd bereits vorhanden. Ersetzen, oder überspringen und nur die "
               "übrigen erstellen? Bisherige Dateien, die sich von den neuen unterscheiden, werden daneben als "
               "NAME.~N~ aufbewahrt; gleiche bleiben unverändert.";
        QTest::newRow("pl, 2 written") << "pl_PL" << 2 << -1 << "Zakodowano 2 pliki w katalogu /snd";
        QTest::newRow("pl, 5 written") << "pl_PL" << 5 << -1 << "Zakodowano 5 plików w katalogu /snd";
        QTest::newRow("pl, 22 written") << "pl_PL" << 22 << -1 << "Zakodowano 22 pliki w katalogu /snd";
        QTest::newRow("ru, 21 written") << "ru_RU" << 21 << -1 << "Закодирован 21 файл в /snd";
        QTest::newRow("ru, 3 written") << "ru_RU" << 3 << -1 << "Закодировано 3 файла в /snd";
        QTest::newRow("es, 15000 written") << "es_ES" << 15000 << -1 << "15.000 archivos codificados en /snd";
        QTest::newRow("C, 2500 written") << "C" << 2500 << -1 << "Encoded 2500 files in /snd";
    }
    void countsSpeakTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(QString, expected);
        // The program's numbers are the session's (QLocale::system(), read once at start).
        QLocale::setDefault(QLocale(locale));
        const auto restoring = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        Platform::LoadTranslations(QLocale(locale));
        QString text;
        if (total > 0) {
            text = ReplaceQuestion::text(QStringList(done, QStringLiteral("a.wav")), total, QStringLiteral("WAV"),
                QStringLiteral("/snd"), QString());
        } else {
            RunSubject subject;
            subject.action = RunSubject::Action::Encode;
            subject.folder = QStringLiteral("/snd");
            RunProgress progress;
            progress.total = done;
            progress.outputs = QStringList(done, QStringLiteral("a.wss"));
            OSUtil::RunResult result;
            result.status = OSUtil::RunResult::Status::Exited;
            result.exitCode = 0;
            text = RunStatus::ended(subject, progress, result);
        }
        QCOMPARE(text, expected);
    }

    // The real window in German, over a batch where 1,000 of 1,002 outputs exist: the question
    // counts in German numbers and offers Skip existing in German, which makes only the two
    // missing outputs; the status line counts what was skipped in German numbers too.
    void skipExistingInTheUsersNumbers()
    {
        const QString locale = QStringLiteral("de_DE.UTF-8");
        if (m_missing.contains(locale))
            QSKIP(qPrintable(m_missing.value(locale)));
        const LocaleEnvironment environment(locale);
        qputenv("LANGUAGE", "de");
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const auto restoring = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        Platform::LoadTranslations(QLocale(QStringLiteral("de_DE")));
        openWindow();
        const auto closing = qScopeGuard([this] { closeWindow(); });

        QTemporaryDir sounds;
        const QByteArray wav = tinyWav();
        constexpr int kInputs = 1002, kThere = 1000;
        for (int i = 0; i < kInputs; ++i) {
            const QString name = QStringLiteral("t%1").arg(i, 4, 10, QChar(u'0'));
            writeFile(sounds.filePath(name + QStringLiteral(".wav")), wav);
            if (i < kThere)
                writeFile(sounds.filePath(name + QStringLiteral(".wss")), "earlier");
        }
        field("txtWavFileName")->setText(sounds.filePath(QStringLiteral("*.wav")));
        QuestionSeen question;
        const ModalAnswer skip = AnswerNextQuestion(QStringLiteral("Vorhandene überspringen"), &question);
        clickAndWait("cmdEnCode");
        QVERIFY(skip.answered());
        QCOMPARE(question.text,
            QStringLiteral("1.000 der 1.002 WSS-Dateien sind in %1 bereits vorhanden. Ersetzen, oder überspringen und "
                           "nur die übrigen erstellen? Bisherige Dateien, die sich von den neuen unterscheiden, werden "
                           "daneben als NAME.~N~ aufbewahrt; gleiche bleiben unverändert.")
                .arg(sounds.path()));
        QCOMPARE(question.buttons, (QStringList{"Abbrechen", "Ersetzen", "Vorhandene überspringen"}));
        QCOMPARE(widget("statusText")->accessibleName(),
            QStringLiteral("2 Dateien in %1 kodiert. Übersprungene Dateien, deren Ausgabe schon vorhanden war: 1.000")
                .arg(sounds.path()));
        QCOMPARE(fileContents(sounds.filePath(QStringLiteral("t0999.wss"))), QByteArray("earlier"));
        QVERIFY(fileContents(sounds.filePath(QStringLiteral("t1001.wss"))).size() > 32);
        QCOMPARE(QDir(sounds.path()).entryList({QStringLiteral("*~")}, QDir::Files), QStringList()); // no backup
    }

    // The tools' last line counts in the user's digit grouping, in the plural the count takes.
    void toolSummaryCountsInTheUsersNumbers()
    {
        if (m_missing.contains(QStringLiteral("de_DE.UTF-8")))
            QSKIP(qPrintable(m_missing.value(QStringLiteral("de_DE.UTF-8"))));
        const LocaleEnvironment environment(QStringLiteral("de_DE.UTF-8"));
        QTemporaryDir sounds;
        for (int i = 0; i < 1001; ++i)
            writeFile(sounds.filePath(QStringLiteral("n%1.wav").arg(i)), "not a sound");
        QProcess tool;
        tool.setWorkingDirectory(sounds.path());
        tool.start(kTools + QStringLiteral("/WSSCod.exe"), {QStringLiteral("*.wav")});
        QVERIFY(tool.waitForFinished(120000));
        const QString lines = QString::fromUtf8(tool.readAllStandardError()).trimmed();
        QCOMPARE(
            lines.section(u'\n', -1), QStringLiteral("WSSCod.exe: 0 von 1.001 Dateien kodiert; 1.001 fehlgeschlagen"));
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
