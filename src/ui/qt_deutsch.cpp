#include "ui/qt_deutsch.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tastwerk::ui {

QString qtTexteDeutsch(QCoreApplication& app) {
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* uebersetzung = new QTranslator(&app);
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                            QStringLiteral("_"), ordner)) {
        delete uebersetzung;
        return QStringLiteral("Die deutschen Texte von Qt (%1) fehlen; Knöpfe und Dialoge erscheinen "
                              "englisch. Sie sind im Paket qt6-translations-l10n enthalten.")
            .arg(QDir(ordner).filePath(QStringLiteral("qtbase_de.qm")));
    }
    QCoreApplication::installTranslator(uebersetzung);
    return {};
}

} // namespace tastwerk::ui
