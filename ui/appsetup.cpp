#include "ui/appsetup.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PrepareGermanDates() {
    qputenv("LC_TIME", "de_DE.UTF-8");
}

bool PrepareApplication(QApplication& app) {
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);

    // "MS Sans Serif" has no metric twin here and would fall back to another family than the
    // Arial of the chart buttons and the memo; Qt's own dialogs, menus and hints take the
    // system's family unless told. One family everywhere, at the system's size.
    const QString family = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), family);
    QFont font = QApplication::font();
    font.setFamily(family);
    QApplication::setFont(font);

    auto* translator = new QTranslator(&app);
    if (!translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
