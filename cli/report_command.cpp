#include "cli/chart_arguments.h"
#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "render/font_substitution.h"
#include "render/report_pages.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace lumikan::cli {

namespace {

// Qt's own notices (such as a missing runtime folder) are not messages for
// the user; only its errors reach standard error.
void qtMessagesToStderr(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumikan-cli: %s\n", qPrintable(message));
}

} // namespace

int runReportCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("report").c_str(), stdout);
        return kExitOk;
    }
    static const OptionGroup output = {{"pdf"}, {}};
    const OptionGroup accepted = joined({&birthOptions(), &chartKindOptions(), &castOptions(),
                                         &clockOptions(), &settingsOptions(), &output});
    Options options;
    std::string error;
    if (!options.parse(args, accepted.valued, accepted.flags, error)) {
        std::fprintf(stderr, "lumikan-cli report: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const auto pdf = options.value("pdf");
    if (!pdf || pdf->empty()) {
        std::fputs("lumikan-cli report: --pdf OUT.pdf is required\n", stderr);
        return kExitBadArguments;
    }

    // Fonts and painting need a GUI application object, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessagesToStderr);
    static int argc = 1;
    static char name[] = "lumikan-report";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    render::installFontSubstitutions();

    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openOrCastChart("report", options, environment, prompts, status);
    if (!doc)
        return status;
    QString reason;
    if (*pdf != "-") {
        if (!render::exportChartReportPdf(*doc, QFile::decodeName(pdf->c_str()), &reason)) {
            std::fprintf(stderr, "lumikan-cli report: cannot write %s: %s\n", pdf->c_str(),
                         qPrintable(reason));
            return kExitCodedError;
        }
        return kExitOk;
    }
    // "-" is standard output: the whole document is written to a temporary
    // file first, so that a failure leaves no half PDF in the pipe.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile written(path);
    if (!folder.isValid() || !render::exportChartReportPdf(*doc, path, &reason) ||
        !written.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumikan-cli report: cannot write the PDF: %s\n",
                     qPrintable(reason.isEmpty() ? written.errorString() : reason));
        return kExitCodedError;
    }
    const QByteArray bytes = written.readAll();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
        std::fputs("lumikan-cli report: cannot write the PDF to standard output\n", stderr);
        return kExitCodedError;
    }
    return kExitOk;
}

} // namespace lumikan::cli
