#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

namespace Platform {

namespace {

// The reading direction of the program's language, where Qt looks for it when a translation is
// installed: "RTL" in Arabic and Hebrew mirrors the window (rows read from the right) and Qt's
// dialogs, even where Qt's own translation of the language is missing.
//: Translate as "LTR" in a left-to-right language, "RTL" in a right-to-left one (Arabic, Hebrew).
[[maybe_unused]] constexpr const char *kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The application's translator of this name, out of use until loaded again. Made on first use and
// owned by the application.
QTranslator *idleTranslator(const QString &name)
{
    QCoreApplication *app = QCoreApplication::instance();
    auto *translator = app->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly);
    if (!translator) {
        translator = new QTranslator(app);
        translator->setObjectName(name);
    }
    QCoreApplication::removeTranslator(translator);
    return translator;
}

// The system's texts in a message (strerror's, through QFile::errorString) and the tools' messages
// in the language the window speaks: the C locale's, English, when it has no translation; else the
// user's, with LANGUAGE (when set) narrowed to the window's language, which the tools inherit.
void matchSystemTexts(const QString &language)
{
    if (language.isEmpty()) {
        std::setlocale(LC_MESSAGES, "C");
        return;
    }
    if (qEnvironmentVariableIsSet("LANGUAGE"))
        qputenv("LANGUAGE", language.toLatin1());
    std::setlocale(LC_MESSAGES, "");
}

} // namespace

QString LoadTranslations(const QLocale &locale)
{
    QTranslator *program = idleTranslator(QStringLiteral("talven-sound"));
    QTranslator *qt = idleTranslator(QStringLiteral("qtbase"));
    QTranslator *qtWords = idleTranslator(QStringLiteral("qtbase-overrides"));
    // Each of the user's languages in turn (LANGUAGE=pt:fr tries pt, then fr), the region first
    // (de_AT, then de).
    if (!program->load(locale, QStringLiteral("talven-sound"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        matchSystemTexts(QString());
        return QString();
    }
    QCoreApplication::installTranslator(program);
    // Qt's texts in the language the program speaks, not in an earlier one of the user's that only
    // Qt has: one window, one language.
    QString language = program->language();
    matchSystemTexts(language);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // A few of Qt's texts in the program's words (Spanish "archivo" where Qt says "fichero"): the
    // translator installed last is asked first.
    if (qtWords->load(
            QLocale(language), QStringLiteral("qtbase-overrides"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(qtWords);
    return language;
}

} // namespace Platform
