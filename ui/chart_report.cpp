#include "ui/chart_report.h"
#include "ui/pdf_export_dialog.h"

#include "document/verokant_doc.h"
#include "render/chart_report_output.h"
#include "ui/qt_messages.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace lumikan::ui {

QPageSize defaultPaperSize()
{
    const QPrinter printer(QPrinter::HighResolution);
    const QPageSize size = printer.pageLayout().pageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

bool printChartReport(const document::CVerokantDoc& doc, QPrinter& printer)
{
    printer.setDocName(doc.GetTitle());
    return render::renderChartReport(render::collectChartReport(doc), printer, printer.fromPage(),
                                     printer.toPage());
}

void printChartReportWithDialog(const document::CVerokantDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    const render::ChartReportData data = render::collectChartReport(doc);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, render::chartReportPageCount(data, printer));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(doc.GetTitle());
    if (!render::renderChartReport(data, printer, printer.fromPage(), printer.toPage()))
        QMessageBox::warning(parent, productName(),
                             QStringLiteral("The report could not be printed."));
}

void previewChartReport(const document::CVerokantDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&doc](QPrinter* target) { printChartReport(doc, *target); });
    preview.exec();
}

QString proposedReportPdfPath(const document::CVerokantDoc& doc)
{
    const QString chartPath = doc.GetPathName();
    if (!chartPath.isEmpty()) {
        const QFileInfo info(chartPath);
        return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString name = doc.BuildDefaultFileName();
    if (name.endsWith(QStringLiteral(".lmk"), Qt::CaseInsensitive))
        name.chop(4);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

QString exportChartReportPdfWithDialog(const document::CVerokantDoc& doc, QWidget* parent)
{
    return exportPdfWithDialog(
        parent, proposedReportPdfPath(doc), [&doc](const QString& path, QString* error) {
            return render::exportChartReportPdf(doc, path, defaultPaperSize(), error);
        });
}

} // namespace lumikan::ui
