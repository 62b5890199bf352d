#include "ui/qt_deutsch.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <mutex>

namespace tastwerk::ui {

namespace {

// Qt's German texts, read from their file when Qt first asks for one. Most starts show no Qt text for
// a long while; the only question every start asks, the language's writing direction, is answered
// without the file: German runs left to right, which is also what Qt takes when nobody says otherwise.
class QtTexteBeiBedarf : public QTranslator {
public:
    QtTexteBeiBedarf(QString datei, QObject* eltern) : QTranslator(eltern), datei_(std::move(datei)) {}

    QString translate(const char* kontext, const char* quelle, const char* unterscheidung,
                      int n) const override {
        if (qstrcmp(kontext, "QGuiApplication") == 0 && qstrcmp(quelle, "QT_LAYOUT_DIRECTION") == 0) {
            return {};
        }
        // Qt may ask from more than one thread.
        std::call_once(geladen_, [this] {
            if (!texte_.load(datei_)) {
                std::fprintf(stderr,
                             "tastwerk: Die deutschen Texte von Qt (%s) sind nicht lesbar; Knöpfe und "
                             "Dialoge erscheinen englisch.\n",
                             datei_.toLocal8Bit().constData());
            }
        });
        return texte_.translate(kontext, quelle, unterscheidung, n);
    }
    bool isEmpty() const override { return false; }

private:
    QString datei_;
    mutable std::once_flag geladen_;
    mutable QTranslator texte_;
};

} // namespace

QString qtTexteDeutsch(QCoreApplication& app) {
    const QString datei =
        QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_de.qm"));
    if (!QFileInfo(datei).isFile()) {
        return QStringLiteral("Die deutschen Texte von Qt (%1) fehlen; Knöpfe und Dialoge erscheinen "
                              "englisch. Sie sind im Paket qt6-translations-l10n enthalten.")
            .arg(datei);
    }
    QCoreApplication::installTranslator(new QtTexteBeiBedarf(datei, &app));
    return {};
}

} // namespace tastwerk::ui
