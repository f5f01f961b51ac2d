#include "chart_maker.h"

#include "document/match_documents.h"
#include "match/match_report.h"

#include <gtest/gtest.h>

using namespace lumikan;
using namespace lumikan::document;

namespace {

struct TwoCharts : test::ChartMaker {
    std::unique_ptr<CVerokantDoc> chart(const char* name, int year, int gender)
    {
        return puneChart(name, year, 6, 15, 10, gender);
    }
};

}  // namespace

TEST(MatchCharts, FindsTheFirstTwoNamedChartsInOrder)
{
    TwoCharts w;
    auto boy = w.chart("Ravi", 1990, 0);
    auto unnamed = w.chart("", 1991, 3);
    auto girl = w.chart("Asha", 1993, 1);
    auto third = w.chart("Third", 1995, 1);

    EXPECT_EQ(FindMatchCharts({}).outcome, match::MatchChartOutcome::NoChart);
    EXPECT_FALSE(DescribeMatchProblem(FindMatchCharts({})).empty());

    const MatchChartSearch one = FindMatchCharts({unnamed.get(), boy.get()});
    EXPECT_EQ(one.outcome, match::MatchChartOutcome::OneChart);
    EXPECT_EQ(one.first, boy.get());
    EXPECT_NE(DescribeMatchProblem(one).find("Ravi"), std::string::npos);

    const MatchChartSearch ready = FindMatchCharts({boy.get(), unnamed.get(), girl.get()});
    EXPECT_EQ(ready.outcome, match::MatchChartOutcome::Ready);
    EXPECT_EQ(ready.first, boy.get());
    EXPECT_EQ(ready.second, girl.get());
    EXPECT_TRUE(DescribeMatchProblem(ready).empty());

    EXPECT_EQ(FindMatchCharts({boy.get(), girl.get(), third.get()}).outcome,
              match::MatchChartOutcome::TooMany);
    EXPECT_EQ(matchReportName(*unnamed, 2), "Chart 2");
}

TEST(MatchCharts, SubjectsFromDocumentsScoreOutOf252)
{
    TwoCharts w;
    w.settings.planetNameFormat = 2;
    auto boy = w.chart("Ravi", 1990, 0);
    auto girl = w.chart("Asha", 1993, 1);
    const match::MatchSubject b = BuildMatchSubject(*boy);
    const match::MatchSubject g = BuildMatchSubject(*girl);
    EXPECT_EQ(b.name, "Ravi");
    EXPECT_EQ(g.gender, 1);
    EXPECT_EQ(b.planetNameFormat, 2);
    EXPECT_NEAR(b.moonLongitude, engine::findPlanet(boy->chart(), engine::body::Moon)->longitude, 1e-9);
    EXPECT_FALSE(b.navamsa.positions.empty());
    EXPECT_NE(b.runningDasha.mahadasha, -1);

    const match::MatchReport report = match::RunMatch(match::CreateMatchRules(), b, g);
    EXPECT_EQ(report.totalMax, 252.0);
    EXPECT_GE(report.totalScore, 0.0);
    EXPECT_LE(report.totalScore, 252.0);
}
