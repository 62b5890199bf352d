// Printing and PDF output through Qt's printing support, built as the library the program loads when the
// learner first prints or saves a PDF.
#include "ui/druckausgabe.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

class Qtdruck : public tastwerk::ui::Druckausgabe {
public:
    bool drucken(const QString& html, QWidget* eltern) override {
        QPrinter drucker(QPrinter::HighResolution);
        QPrintDialog dialog(&drucker, eltern);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        ausgeben(html, drucker);
        return true;
    }

    void pdfSchreiben(const QString& html, const QString& pfad) override {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setPageOrientation(QPageLayout::Landscape);
        drucker.setOutputFileName(pfad);
        ausgeben(html, drucker);
    }

private:
    static void ausgeben(const QString& html, QPrinter& drucker) {
        QTextDocument dokument;
        dokument.setHtml(html);
        dokument.print(&drucker);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT tastwerk::ui::Druckausgabe* tastwerk_druckausgabe_anlegen() {
    return new Qtdruck;
}
