#include "render/font_substitution.h"
#include "ui/astrology_settings_dlg.h"
#include "ui/main_frame.h"
#include "ui/shell_icons.h"
#include "ui/shell_style.h"
#include "ui/varga_chart_view.h"
#include "ui/verokant_app.h"

#include <QApplication>
#include <QStringList>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Settings files and typed coordinates are read with a decimal point,
    // whatever number format the user's language has.
    std::setlocale(LC_NUMERIC, "C");
    QGuiApplication::setApplicationName(QStringLiteral("lumikan"));
    // Lets the desktop match the windows with the installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("lumikan"));
    QGuiApplication::setWindowIcon(lumikan::ui::shellIcon(lumikan::ui::ShellIcon::Program));
    // The program ends when the main window closes, with the status the shell chose.
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new lumikan::ui::ShellStyle);
    lumikan::render::installFontSubstitutions();
    QApplication::setFont(lumikan::render::designFont(u"Segoe UI", 9.5));

    lumikan::ui::ShellEnvironment environment;
    environment.quitWithMainFrame = true;
    environment.settingsDialog = lumikan::ui::runSettingsDialog;
    environment.divisionalCharts = [](lumikan::document::CVerokantDoc& chart,
                                      lumikan::ui::CMainFrame& frame) {
        lumikan::ui::openVargaWindow(chart, *frame.mdiArea());
    };
    lumikan::ui::CVerokantApp app(environment);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments))
        return 1;
    QApplication::exec();
    return app.ExitInstance();
}
