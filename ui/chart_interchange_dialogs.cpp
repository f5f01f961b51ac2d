#include "ui/chart_interchange_dialogs.h"

#include "document/text_encoding.h"
#include "ui/qt_document_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace lumikan::ui {

namespace {

// Problems listed by line in the summary; the rest are counted.
constexpr int kListedProblems = 10;

struct FormatFilter {
    const char* filter;
    const char* suffix;
};
constexpr FormatFilter kExportFilters[] = {
    {"AAF (*.aaf)", "aaf"}, {"CSV (*.csv)", "csv"}, {"JSON Lines (*.jsonl *.json)", "jsonl"}};

} // namespace

QString askImportFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Import"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Birth data (*.aaf *.csv *.json *.jsonl)"),
                           QStringLiteral("All Files (*)")});
    dialog.setDirectory(chartFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString askExportFile(QWidget* parent, const QString& proposedName)
{
    QFileDialog dialog(parent, QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatFilter& f : kExportFilters)
        filters << QString::fromLatin1(f.filter);
    dialog.setNameFilters(filters);
    dialog.setDirectory(chartFolder());
    dialog.selectFile(proposedName + QLatin1String(".aaf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    if (!document::interchangeFormatOfPath(path)) {
        // No known extension typed: the one of the filter chosen.
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        path +=
            QLatin1Char('.') + QLatin1String(kExportFilters[std::max<qsizetype>(0, chosen)].suffix);
    }
    return path;
}

QString importSummary(const QString& path, const std::vector<document::ImportedChart>& records,
                      int opened, int notOpened)
{
    QStringList problems;
    int failed = 0;
    for (const document::ImportedChart& record : records) {
        if (record.error.empty())
            continue;
        if (++failed <= kListedProblems)
            problems << QStringLiteral("Line %1: %2")
                            .arg(record.line)
                            .arg(document::toQString(record.error));
    }
    if (failed == 0 && notOpened == 0)
        return {};
    QString text = QStringLiteral("%1 of the %2 charts in %3 were opened.")
                       .arg(opened)
                       .arg(records.size())
                       .arg(QDir::toNativeSeparators(path));
    if (failed > 0) {
        text += QStringLiteral("\n\nThese records could not be read:\n") +
                problems.join(QLatin1Char('\n'));
        if (failed > kListedProblems)
            text += QStringLiteral("\n... and %1 more.").arg(failed - kListedProblems);
    }
    if (notOpened > 0)
        text +=
            QStringLiteral("\n\n%1 charts were not opened: one import opens at most %2 windows. "
                           "\"lumikan-cli import FILE --dir FOLDER\" writes every chart of a "
                           "file as a chart file.")
                .arg(notOpened)
                .arg(kMaxImportedWindows);
    return text;
}

} // namespace lumikan::ui
