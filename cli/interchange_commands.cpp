// lumikan-cli export FILE.lmk... --format json|csv|aaf
// lumikan-cli import FILE --dir DIR [--format json|csv|aaf]
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/terminal_text.h"
#include "document/atomic_file.h"
#include "document/chart_file.h"
#include "document/chart_interchange.h"
#include "document/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace lumikan::cli {

namespace {

// Chart files are small; an interchange file may hold many thousands.
constexpr qint64 kMaxChartFileBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxImportBytes = qint64(1) << 30;

QString path(const std::string& argument)
{
    return QFile::decodeName(argument.c_str());
}

std::optional<document::InterchangeFormat> formatOption(const Options& options, const char* command)
{
    const auto name = options.value("format");
    if (!name)
        return std::nullopt;
    const auto format = document::interchangeFormatNamed(*name);
    if (!format)
        std::fprintf(stderr, "lumikan-cli %s: %s\n", command,
                     badValue("format", *name, "json, csv or aaf is needed").c_str());
    return format;
}

} // namespace

int runExportCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("export").c_str(), stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    if (!options.parse(args, {"format"}, {}, error)) {
        std::fprintf(stderr, "lumikan-cli export: %s\n", error.c_str());
        return kExitBadArguments;
    }
    if (!options.value("format")) {
        std::fputs("lumikan-cli export: --format json, csv or aaf is required\n", stderr);
        return kExitBadArguments;
    }
    const auto format = formatOption(options, "export");
    if (!format)
        return kExitBadArguments;
    if (options.positional().empty()) {
        std::fputs("lumikan-cli export: give the chart files to export\n", stderr);
        return kExitBadArguments;
    }
    std::vector<document::ChartFileData> charts;
    int status = kExitOk;
    for (const std::string& file : options.positional()) {
        const document::FileRead read = document::readRegularFile(path(file), kMaxChartFileBytes);
        QString reason;
        if (read.status != document::FileReadStatus::Ok) {
            reason = document::fileReadFailureText(read, QStringLiteral("chart file"));
        } else {
            document::ChartFileRead chart = document::decodeChartFile(read.bytes);
            if (chart.ok && chart.data)
                charts.push_back(std::move(*chart.data));
            else
                reason =
                    chart.ok
                        ? QStringLiteral("The file holds no chart.")
                        : QStringLiteral("The file is damaged or is not a Lumikan chart file.");
        }
        if (!reason.isEmpty()) {
            std::fprintf(stderr, "lumikan-cli export: cannot read %s: %s\n",
                         terminalField(file).c_str(), terminalField(reason.toStdString()).c_str());
            status = kExitCodedError;
        }
    }
    const QByteArray out = document::writeInterchange(charts, *format);
    if (std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout) !=
            static_cast<std::size_t>(out.size()) ||
        std::fflush(stdout) != 0) {
        std::fputs("lumikan-cli export: cannot write to standard output\n", stderr);
        return kExitCodedError;
    }
    return status;
}

int runImportCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("import").c_str(), stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    if (!options.parse(args, {"format", "dir"}, {}, error)) {
        std::fprintf(stderr, "lumikan-cli import: %s\n", error.c_str());
        return kExitBadArguments;
    }
    if (options.positional().size() != 1) {
        std::fputs("lumikan-cli import: give one file of births to import (- for standard input)\n",
                   stderr);
        return kExitBadArguments;
    }
    const std::string& source = options.positional()[0];
    std::optional<document::InterchangeFormat> format = formatOption(options, "import");
    if (options.value("format") && !format)
        return kExitBadArguments;
    if (!format && source != "-")
        format = document::interchangeFormatOfPath(path(source));
    if (!format) {
        std::fputs("lumikan-cli import: the format follows from a name ending in .aaf, .csv, "
                   ".json or .jsonl; otherwise give --format\n",
                   stderr);
        return kExitBadArguments;
    }
    const auto dir = options.value("dir");
    if (!dir || !QFileInfo(path(*dir)).isDir()) {
        std::fprintf(stderr, "lumikan-cli import: %s\n",
                     dir ? badValue("dir", *dir, "an existing folder is needed").c_str()
                         : "--dir FOLDER, where the chart files go, is required");
        return kExitBadArguments;
    }

    QByteArray bytes;
    if (source == "-") {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            std::fputs("lumikan-cli import: cannot read standard input\n", stderr);
            return kExitCodedError;
        }
        bytes = in.read(kMaxImportBytes + 1);
    } else {
        const document::FileRead read = document::readRegularFile(path(source), kMaxImportBytes);
        if (read.status != document::FileReadStatus::Ok) {
            std::fprintf(
                stderr, "lumikan-cli import: cannot read %s: %s\n", terminalField(source).c_str(),
                terminalField(document::fileReadFailureText(read, QStringLiteral("file of births"))
                                  .toStdString())
                    .c_str());
            return kExitCodedError;
        }
        bytes = read.bytes;
    }
    if (bytes.size() > kMaxImportBytes) {
        std::fputs("lumikan-cli import: the input holds more than 1 GiB; split it\n", stderr);
        return kExitCodedError;
    }

    int status = kExitOk;
    for (const document::ImportedChart& record : document::readInterchange(bytes, *format)) {
        if (!record.chart) {
            std::fprintf(stderr, "lumikan-cli import: %s line %d: %s\n",
                         terminalField(source).c_str(), record.line,
                         terminalField(record.error).c_str());
            status = kExitCodedError;
            continue;
        }
        const QString file = document::freeChartFilePath(path(*dir), record.chart->displayName);
        QString reason;
        if (!document::writeFileAtomically(file, document::encodeChartFile(*record.chart),
                                           &reason)) {
            std::fprintf(stderr, "lumikan-cli import: cannot write %s: %s\n",
                         terminalField(QFile::encodeName(file).toStdString()).c_str(),
                         terminalField(reason.toStdString()).c_str());
            status = kExitCodedError;
            continue;
        }
        std::printf("%s\n", terminalField(QFile::encodeName(file).toStdString()).c_str());
    }
    return status;
}

} // namespace lumikan::cli
