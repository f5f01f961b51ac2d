#include "cli/report_program.h"

#include "render/font_substitution.h"

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

bool writePdf(const std::string& target, const char* command,
              const std::function<bool(const QString& path, QString* reason)>& write)
{
    QString reason;
    if (target != "-") {
        if (write(QFile::decodeName(target.c_str()), &reason))
            return true;
        std::fprintf(stderr, "%s: cannot write %s: %s\n", command, target.c_str(),
                     qPrintable(reason));
        return false;
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.pdf"));
    QFile written(path);
    if (!folder.isValid() || !write(path, &reason) || !written.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot write the PDF: %s\n", command,
                     qPrintable(reason.isEmpty() ? written.errorString() : reason));
        return false;
    }
    const QByteArray bytes = written.readAll();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the PDF to standard output\n", command);
        return false;
    }
    return true;
}

} // namespace lumikan::cli
