#include "cli/report_program.h"

#include "render/font_substitution.h"

#include <QGuiApplication>

#include <cstdio>

namespace lumikan::cli {

namespace {

// Qt's own notices (such as a missing runtime folder) are not messages for
// the user; only its errors reach standard error.
void qtMessagesToStderr(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumikan-report: %s\n", qPrintable(message));
}

} // namespace

void startDrawing()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessagesToStderr);
    static int argc = 1;
    static char name[] = "lumikan-report";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    render::installFontSubstitutions();
}

bool paperOption(const Options& options, QPageSize& paper, std::string& error)
{
    const auto value = options.value("paper");
    if (!value || *value == "a4") {
        paper = QPageSize(QPageSize::A4);
        return true;
    }
    if (*value == "letter") {
        paper = QPageSize(QPageSize::Letter);
        return true;
    }
    error = badValue("paper", *value, "a4 or letter is needed");
    return false;
}

} // namespace lumikan::cli
