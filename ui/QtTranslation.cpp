#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <clocale>

bool installJapaneseTranslation(QCoreApplication &app)
{
    // The program speaks Japanese whatever the system's language is.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);

    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList folders = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        programDir + QStringLiteral("/translations"),
        programDir + QStringLiteral("/../share/tessaryn/translations"),
    };
    // Owned by the application, which removes it when it is destroyed.
    auto *translator = new QTranslator(&app);
    for (const QString &folder : folders) {
        if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

void keepCNumberFormat()
{
    std::setlocale(LC_NUMERIC, "C");
}
