#include "ui/match_report_output.h"
#include "ui/pdf_export_dialog.h"

#include "render/match_report_print.h"
#include "ui/chart_report.h"
#include "ui/qt_messages.h"

#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace lumikan::ui {

namespace {

QString matchTitle(const render::MatchReportContent& content)
{
    return QStringLiteral("Match Report - %1 & %2").arg(content.boyName, content.girlName);
}

// A name as part of a file name: letters and digits kept, the rest one "_".
QString fileNamePart(const QString& name)
{
    static const QRegularExpression other(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QString part = name;
    part.replace(other, QStringLiteral("_"));
    while (part.startsWith(QLatin1Char('_')))
        part.remove(0, 1);
    while (part.endsWith(QLatin1Char('_')))
        part.chop(1);
    return part.isEmpty() ? QStringLiteral("Chart") : part;
}

} // namespace

bool printMatchReport(const render::MatchReportContent& content, QPrinter& printer)
{
    printer.setDocName(matchTitle(content));
    return render::renderMatchReport(content, printer, printer.fromPage(), printer.toPage());
}

void printMatchReportWithDialog(const render::MatchReportContent& content, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, render::matchReportPageCount(content, printer));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printMatchReport(content, printer))
        QMessageBox::warning(parent, productName(),
                             QStringLiteral("The report could not be printed."));
}

void previewMatchReport(const render::MatchReportContent& content, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&content](QPrinter* target) { printMatchReport(content, *target); });
    preview.exec();
}

QString proposedMatchPdfPath(const render::MatchReportContent& content)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(
        QStringLiteral("Match_%1_%2.pdf")
            .arg(fileNamePart(content.boyName), fileNamePart(content.girlName)));
}

QString exportMatchReportPdfWithDialog(const render::MatchReportContent& content, QWidget* parent)
{
    return exportPdfWithDialog(
        parent, proposedMatchPdfPath(content), [&content](const QString& path, QString* error) {
            return render::exportMatchReportPdf(content, path, defaultPaperSize(), error);
        });
}

} // namespace lumikan::ui
