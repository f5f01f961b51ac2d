// File > Import and File > Export: births from and to AAF, CSV and JSON.
#include "document/chart_interchange.h"
#include "document/recorders.h"
#include "qt_test_app.h"
#include "ui/child_frame.h"
#include "ui/main_frame.h"
#include "ui/verokant_app.h"

#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

class InterchangeCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::qtApp();
        ShellEnvironment env;
        env.settingsPath = [] { return QString(); };
        env.recentFilesStore = &recent;
        env.clock = [] { return engine::LocalDateTime{2026, 12, 6, 10, 0, 0}; };
        env.messages = &messages;
        env.prompts = &prompts;
        env.askImportPath = [this](QWidget*) { return importPath; };
        env.askExportPath = [this](QWidget*, const QString& proposed) {
            proposedExportNames << proposed;
            return exportPath;
        };
        env.screenSize = QSize(1920, 1080);
        app = std::make_unique<CVerokantApp>(env);
        ASSERT_TRUE(app->InitInstance({}));
    }
    void TearDown() override
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString write(const char* name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QStringList fileMenu() const
    {
        QStringList shown;
        for (QAction* a : app->mainFrame()->menuBar()->actions().constFirst()->menu()->actions())
            if (!a->isSeparator())
                shown << a->text();
        return shown;
    }

    QTemporaryDir dir;
    QSettings recent{dir.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat};
    test::RecordingMessages messages;
    test::ScriptedPrompts prompts;
    QString importPath, exportPath;
    QStringList proposedExportNames;
    std::unique_ptr<CVerokantApp> app;
};

TEST_F(InterchangeCommands, ImportOpensEveryGoodChartAndListsTheRest)
{
    EXPECT_TRUE(fileMenu().contains(QStringLiteral("&Import...")));
    EXPECT_FALSE(fileMenu().contains(QStringLiteral("Expor&t...")));
    importPath = write("charts.aaf", "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
                                     "#B93:2440856.91944,49n05,8e11,1he00,0\n"
                                     "#COM:From the register, page 4\n"
                                     "#A93:Bad,Date,m,31.2.1970,11:04,Kandel,D\n"
                                     "#B93:*,49n05,8e11,1he00,0\n"
                                     "#A93:Far,North,f,21.12.1990,12:00,Longyearbyen,N\n"
                                     "#B93:*,78n13,15e38,1he00,0\n"
                                     "#A93:Mehta,Asha,f,17.4.1993,6:30,Pune/Maharashtra,India\n"
                                     "#B93:*,18n31:13,73e51:24,5he30,0\n");
    app->OnFileImport();
    ASSERT_EQ(app->documents().size(), 2u);
    const document::CVerokantDoc& ferber = *app->documents()[0];
    EXPECT_EQ(ferber.displayName(), QStringLiteral("Tobias Ferber"));
    EXPECT_EQ(ferber.placeText(), QStringLiteral("Kandel, Pfalz, D"));
    EXPECT_EQ(ferber.notes(), QStringLiteral("From the register, page 4"));
    EXPECT_TRUE(ferber.IsModified()) << "an imported chart is new until it is saved";
    EXPECT_EQ(app->documents()[1]->birthDetails().state, "Maharashtra");
    EXPECT_EQ(app->frames().size(), 2u);
    ASSERT_EQ(messages.informations.size(), 1u);
    const std::string& summary = messages.informations.front();
    EXPECT_NE(summary.find("2 of the 4 charts"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Line 4: date \"31.2.1970\""), std::string::npos) << summary;
    EXPECT_NE(summary.find("Line 6: the chart cannot be computed"), std::string::npos) << summary;
    EXPECT_FALSE(messages.errors.empty()) << "the polar chart's coded error is shown";

    // A file of another kind is refused with the reason.
    importPath = write("charts.txt", "name,date\n");
    app->OnFileImport();
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(messages.warnings.front().find(".aaf, .csv, .json or .jsonl"), std::string::npos);
    EXPECT_EQ(app->documents().size(), 2u);
}

TEST_F(InterchangeCommands, ExportWritesTheActiveChartsBirthData)
{
    importPath = write("one.csv", "name,date,time,tz,lat,lon,city,state,country,notes\n"
                                  "Asha / Mehta,1993-04-17,06:30:00,5.5,18.5204,73.8567,Pune,"
                                  "Maharashtra,India,\"Notes, two\"\n");
    app->OnFileImport();
    ASSERT_EQ(app->documents().size(), 1u);
    EXPECT_TRUE(fileMenu().contains(QStringLiteral("Expor&t...")));
    for (const char* name : {"out.aaf", "out.csv", "out.jsonl"}) {
        exportPath = dir.filePath(QString::fromLatin1(name));
        app->OnFileExport();
        QFile file(exportPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const auto back = document::readInterchange(file.readAll(),
                                                    *document::interchangeFormatOfPath(exportPath));
        ASSERT_EQ(back.size(), 1u);
        ASSERT_TRUE(back[0].chart) << back[0].error;
        EXPECT_EQ(back[0].chart->displayName, QStringLiteral("Asha / Mehta"));
        EXPECT_EQ(back[0].chart->birth.hour, 6);
        EXPECT_EQ(back[0].chart->birth.state, "Maharashtra");
        EXPECT_TRUE(back[0].chart->notes.startsWith(QStringLiteral("Notes, two"))) << name;
    }
    EXPECT_EQ(proposedExportNames.front(), QStringLiteral("Asha _ Mehta"));
    EXPECT_TRUE(messages.warnings.empty());

    // A folder that does not exist: told, nothing written.
    exportPath = dir.filePath(QStringLiteral("no/such/folder/out.aaf"));
    app->OnFileExport();
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(messages.warnings.front().find("could not be written"), std::string::npos);
}

} // namespace
} // namespace lumikan::ui
