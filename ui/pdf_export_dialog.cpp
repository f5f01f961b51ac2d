#include "ui/pdf_export_dialog.h"

#include "ui/qt_messages.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace lumikan::ui {

QString exportPdfWithDialog(QWidget* parent, const QString& proposedPath,
                            const std::function<bool(const QString& path, QString* error)>& write)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export PDF"), proposedPath,
                                                QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString reason;
    if (!write(path, &reason)) {
        QMessageBox::critical(parent, productName(),
                              QStringLiteral("Unable to write the report to\n%1\n\n%2")
                                  .arg(QDir::toNativeSeparators(path), reason));
        return {};
    }
    return path;
}

} // namespace lumikan::ui
