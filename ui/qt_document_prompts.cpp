#include "ui/qt_document_prompts.h"

#include "ui/qt_messages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace lumikan::ui {

namespace {

QString& lastFolder()
{
    static QString folder;
    return folder;
}

}  // namespace

QString chartFolder()
{
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberChartFolder(const QString& filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!folder.isEmpty())
        lastFolder() = folder;
}

QWidget* QtDocumentPrompts::parentForBox() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_.data();
}

std::optional<QString> QtDocumentPrompts::askSavePath(const QString& proposedName)
{
    const QFileInfo proposed(proposedName);
    const QString start = proposed.isAbsolute() ? proposed.absoluteFilePath()
                                                : QDir(chartFolder()).filePath(proposedName);
    QFileDialog dialog(parentForBox(), QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromLatin1(kChartFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("lmk"));
    dialog.setDirectory(QFileInfo(start).absolutePath());
    dialog.selectFile(QFileInfo(start).fileName());
    // Replacing an existing file is confirmed by the dialog itself.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberChartFolder(chosen);
    return chosen;
}

document::DocumentPrompts::Answer QtDocumentPrompts::askSaveChanges(const QString& title)
{
    QMessageBox box(QMessageBox::Warning, productName(),
                    QStringLiteral("Save changes to %1?").arg(title),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parentForBox());
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void QtDocumentPrompts::reportLoadFailure(const QString& path, const QString& reason)
{
    QMessageBox::warning(parentForBox(), productName(),
                         QStringLiteral("Failed to open document.\n\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), reason));
}

void QtDocumentPrompts::reportSaveFailure(const QString& path, const QString& reason)
{
    QMessageBox::warning(parentForBox(), productName(),
                         QStringLiteral("Failed to save document.\n\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace lumikan::ui
