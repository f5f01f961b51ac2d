// lumikan-cli as a whole: its commands, help and version.
#include "cli_run.h"
#include "schema_check.h"

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;

TEST(CliProgram, HelpForEveryCommandGoesToStandardOutput)
{
    const CliRun overview = cli({"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_TRUE(overview.err.isEmpty());
    for (const char* command : {"chart", "save", "match", "report", "transit", "timing", "subs",
                                "atlas", "export", "import"}) {
        EXPECT_TRUE(overview.out.contains(QByteArray("\n  ") + command + " ")) << command;
        for (const QStringList& args : {QStringList{command, "--help"}, QStringList{command, "-h"},
                                        QStringList{"help", command}}) {
            const CliRun run = cli(args, true);
            EXPECT_EQ(run.status, 0) << args.join(' ').toStdString() << run.err.toStdString();
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
            EXPECT_TRUE(run.out.startsWith(QByteArray("usage: lumikan-cli ") + command))
                << args.join(' ').toStdString() << ": " << run.out.left(80).toStdString();
        }
    }
    // --help wins over everything else given, unless it comes after "--":
    // then it is the name of a chart file.
    EXPECT_EQ(cli({"chart", "--bogus", "--help"}).status, 0);
    const CliRun file = cli({"chart", "--defaults", "--", "--help"});
    EXPECT_EQ(file.status, 1);
    EXPECT_TRUE(file.err.contains("could not be found: --help")) << file.err.toStdString();
}

TEST(CliProgram, VersionAndTheWrongCommands)
{
    const CliRun version = cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("lumikan-cli ")) << version.out.toStdString();
    EXPECT_TRUE(version.out.contains("Swiss Ephemeris 2."));
    EXPECT_TRUE(version.out.contains("/ephe (") && version.out.contains("sepl_18.se1"));

    for (const QStringList& args :
         {QStringList{}, QStringList{"chrat"}, QStringList{"help", "chrat"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("lumikan-cli: ") && run.err.count('\n') == 1)
            << run.err.toStdString();
    }
}

TEST(CliProgram, AtlasJsonOfEveryKindValidates)
{
    const std::vector<std::pair<QStringList, QString>> runs = {
        {{"atlas"}, "atlasCountries"},
        {{"atlas", "India"}, "atlasStates"},
        {{"atlas", "India", "Maharashtra"}, "atlasCities"},
        {{"atlas", "India", "Maharashtra", "Pune"}, "atlasCity"},
        {{"atlas", "India", "--find", "pun"}, "atlasFind"},
    };
    for (const auto& [args, kind] : runs) {
        const CliRun run = cli(args + QStringList{"--json"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(lumikan::test::schemaProblems(run.out, kind), QStringList())
            << kind.toStdString();
    }
    EXPECT_EQ(cli({"atlas", "--bogus"}).status, 2);
    EXPECT_EQ(cli({"atlas", "India", "--find"}).status, 2);
}
