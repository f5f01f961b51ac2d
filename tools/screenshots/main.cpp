// Writes pictures of the main chart view for the sample chart, one per
// colour theme, and of the whole program at its least window size
// (1100 x 680), light and dark, without a display:
//   lumikan_screenshots [OUTPUT_FOLDER [WIDTH HEIGHT]]

#include "document/messages.h"
#include "document/verokant_doc.h"
#include "engine/coded_errors.h"
#include "render/chart_appearance.h"
#include "render/color_theme.h"
#include "render/font_substitution.h"
#include "ui/main_frame.h"
#include "ui/varga_chart_view.h"
#include "ui/verokant_app.h"
#include "ui/verokant_view.h"

#include "report_pictures.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace lumikan;

namespace {

class StderrMessages : public document::Messages {
public:
    void error(std::string_view code, std::string_view message) override
    {
        report(document::formatCodedError(code, message));
    }
    void plain(std::string_view m) override { report(m); }
    void warning(std::string_view m) override { report(m); }
    void information(std::string_view m) override { report(m); }
    Answer question(std::string_view m) override
    {
        report(m);
        return Answer::No;
    }

private:
    static void report(std::string_view m)
    {
        std::fprintf(stderr, "%.*s\n", int(m.size()), m.data());
    }
};

engine::BirthDetails sampleBirth()
{
    engine::BirthDetails b;
    b.name = "Sample";
    b.city = "Pune";
    b.state = "Maharashtra";
    b.country = "India";
    b.year = 1990;
    b.month = 12;
    b.day = 5;
    b.hour = 14;
    b.minute = 7;
    b.second = 0;
    b.latitude = 18.5204;
    b.longitude = 73.8567;
    b.timeZone = 5.5;
    return b;
}

struct Picture {
    const char* fileName;
    const char* themeName;
};

int themeIndex(const char* themeName)
{
    for (int i = 0; i < render::kColorThemeCount; ++i)
        if (render::COLOR_THEMES[std::size_t(i)].name == themeName)
            return i;
    return 0;
}

// The program's main window at `size` with the chart file open.
bool drawMainWindow(const QString& chartFile, const Picture& picture, QSize size,
                    document::Messages& messages, const QString& folder)
{
    render::selectColorTheme(themeIndex(picture.themeName));
    ui::ShellEnvironment env;
    env.settingsPath = [] { return QString(); }; // the defaults, no file
    env.clock = [] { return engine::LocalDateTime{2026, 3, 15, 10, 30, 0}; };
    env.messages = &messages;
    env.screenSize = QSize(1920, 1080);
    env.divisionalCharts = [](document::CVerokantDoc& chart, ui::CMainFrame& frame) {
        ui::openVargaWindow(chart, *frame.mdiArea());
    };
    QTemporaryDir recent;
    QSettings store(recent.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat);
    env.recentFilesStore = &store;
    ui::CVerokantApp app(env);
    if (!app.InitInstance({chartFile}))
        return false;
    app.mainFrame()->resize(size);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromLatin1(picture.fileName));
    if (!app.mainFrame()->grab().toImage().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    render::installFontSubstitutions();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QSize size(1600, 1000);
    if (argc > 3)
        size = QSize(std::atoi(argv[2]), std::atoi(argv[3])).expandedTo(QSize(100, 100));
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create %s\n", qPrintable(folder));
        return 1;
    }

    document::AppSettings settings;
    StderrMessages messages;

    document::ChartEnvironment environment;
    environment.settings = &settings;
    environment.messages = &messages;
    // A fixed "now", so the pictures do not change from day to day.
    environment.clock = [] { return engine::LocalDateTime{2026, 3, 15, 10, 30, 0}; };

    document::CVerokantDoc doc(environment);
    document::ChartDescription sample = document::describeChart(sampleBirth());
    sample.displayName = QStringLiteral("Sample");
    if (!doc.CreateChart(sample)) {
        std::fprintf(stderr, "The sample chart could not be cast.\n");
        return 1;
    }

    const Picture pictures[] = {{"main-view-classic-gold.png", "Classic Gold"},
                                {"main-view-carbon-dark.png", "Carbon Dark"}};
    for (const Picture& picture : pictures) {
        render::selectColorTheme(themeIndex(picture.themeName));

        ui::CVerokantView view(doc);
        view.resize(size);
        doc.AddView(&view);
        view.show();
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(picture.fileName));
        if (!view.grab().toImage().save(path)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            return 1;
        }
        doc.RemoveView(&view);
        std::printf("%s\n", qPrintable(path));
    }

    // The whole window at the least size the program allows, light and dark.
    QTemporaryDir charts;
    const QString chartFile = charts.filePath(QStringLiteral("Sample.lmk"));
    if (!doc.DoSave(chartFile, true)) {
        std::fprintf(stderr, "The sample chart could not be saved.\n");
        return 1;
    }
    const Picture windows[] = {{"main-window-1100x680.png", "Classic Gold"},
                               {"main-window-1100x680-carbon-dark.png", "Carbon Dark"}};
    for (const Picture& picture : windows)
        if (!drawMainWindow(chartFile, picture, QSize(1100, 680), messages, folder))
            return 1;

    // The printed pages in the first theme, whatever the last picture used.
    render::selectColorTheme(0);
    return writeReportPictures(doc, environment, folder) ? 0 : 1;
}
