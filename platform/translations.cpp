#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Platform {

namespace {

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

} // namespace

QString LoadTranslations(const QLocale &locale)
{
    QTranslator *program = idleTranslator(QStringLiteral("talven-sound"));
    QTranslator *qt = idleTranslator(QStringLiteral("qtbase"));
    // Each of the user's languages in turn (LANGUAGE=pt:fr tries pt, then fr), the region first
    // (de_AT, then de).
    if (!program->load(locale, QStringLiteral("talven-sound"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QString();
    QCoreApplication::installTranslator(program);
    // Qt's texts in the language the program speaks, not in an earlier one of the user's that only
    // Qt has: one window, one language.
    QString language = program->language();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return language;
}

} // namespace Platform
