#pragma once

#include "document/chart_maker.h"
#include "document/recorders.h"
#include "qt_test_app.h"
#include "ui/birth_info_dlg.h"
#include "ui/child_frame.h"
#include "ui/main_frame.h"
#include "ui/verokant_app.h"
#include "ui/verokant_view.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace lumikan::test {

// The whole program with a fixed clock and recorded messages, its main
// window at a chosen size, and chart files to open in a temporary folder.
struct Shell {
    QTemporaryDir dir;
    QString settingsPath = dir.filePath(QStringLiteral("settings.ini"));
    std::unique_ptr<QSettings> recentStore;
    RecordingMessages messages;
    ScriptedPrompts prompts;
    engine::LocalDateTime now{2026, 3, 15, 10, 30, 45};
    std::function<bool(ui::CBirthInfoDlg&)> dialogScript = [](ui::CBirthInfoDlg&) { return false; };
    ui::ShellEnvironment env;
    std::unique_ptr<ui::CVerokantApp> app;

    Shell()
    {
        qtApp();
        recentStore = std::make_unique<QSettings>(dir.filePath(QStringLiteral("recent.ini")),
                                                  QSettings::IniFormat);
        env.settingsPath = [this] { return settingsPath; };
        env.recentFilesStore = recentStore.get();
        env.clock = [this] { return now; };
        env.messages = &messages;
        env.prompts = &prompts;
        env.runBirthDialog = [this](ui::CBirthInfoDlg& d) {
            d.show();
            return dialogScript(d);
        };
        env.screenSize = QSize(1920, 1080);
    }
    ~Shell()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::CVerokantApp& start()
    {
        app = std::make_unique<ui::CVerokantApp>(env);
        app->InitInstance({});
        return *app;
    }

    ui::CMainFrame& frame() const { return *app->mainFrame(); }

    // The main window at `size`, laid out.
    void resizeFrame(QSize size)
    {
        frame().setMinimumSize(QSize(100, 100));
        frame().resize(size);
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // A chart file of the Pune birth (5 Dec 1990, 14:07 IST) named `name`.
    QString puneChartFile(const char* name = "Sample", int gender = 0)
    {
        ChartMaker maker;
        engine::BirthDetails birth = namedPuneBirth();
        birth.name = name;
        birth.gender = gender;
        auto doc = maker.newChart(birth);
        const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".lmk"));
        doc->DoSave(path, true);
        return path;
    }

    ui::CVerokantView* activeView() const
    {
        ui::CChildFrame* child = frame().activeChild();
        return child ? dynamic_cast<ui::CVerokantView*>(child->viewWidget()) : nullptr;
    }
};

} // namespace lumikan::test
