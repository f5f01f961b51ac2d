#include "chart_maker.h"

#include "document/chart_failure_text.h"

#include <gtest/gtest.h>

using namespace lumikan;
using namespace lumikan::document;

namespace {

TEST(BirthDataEdit, ANewDescriptionIsCastTheViewsToldAndTheModifiedFlagRaised)
{
    test::ChartMaker maker;
    auto doc = maker.newChart(test::namedPuneBirth());
    ASSERT_TRUE(doc);
    test::HintRecorder view;
    doc->AddView(&view);
    int modifiedReports = 0;
    doc->onModifiedChanged = [&modifiedReports] { ++modifiedReports; };
    doc->SetModifiedFlag(false);
    EXPECT_EQ(modifiedReports, 1);
    const double moonBefore = doc->chart().planets[1].longitude;

    ChartDescription later = doc->description();
    later.birth.hour = 20;
    later.displayName = QStringLiteral("Evening");
    ASSERT_TRUE(doc->ChangeDescription(later));
    EXPECT_EQ(doc->birthDetails().hour, 20);
    EXPECT_NE(doc->chart().planets[1].longitude, moonBefore);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(modifiedReports, 2);
    EXPECT_TRUE(doc->GetTitle().startsWith(QStringLiteral("Evening")));
    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.back(), HINT_TIME_ADJUSTED);

    // A description that cannot be cast changes nothing and says why.
    ChartDescription polar = later;
    polar.birth.latitude = 75.0;
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(doc->ChangeDescription(polar));
    EXPECT_EQ(doc->birthDetails().latitude, later.birth.latitude);
    EXPECT_EQ(doc->displayName(), QStringLiteral("Evening"));
    EXPECT_FALSE(doc->IsModified());
    ASSERT_EQ(maker.messages.errors.size(), 1u);
    EXPECT_EQ(maker.messages.errors[0].rfind("Error Code: SWEPH - 0x0000302", 0), 0u);
    doc->RemoveView(&view);
}

TEST(BirthDataEdit, FailuresAreExplainedInPlainWords)
{
    engine::BirthDetails birth = test::namedPuneBirth();
    birth.latitude = -69.654;
    EXPECT_EQ(chartFailureExplanation(engine::ChartStatus::NoHouses, birth),
              QString::fromUtf8("Placidus houses are not defined beyond the polar circles "
                                "(latitude 69.65° S). Please check the latitude."));
    birth.year = 1750;
    birth.month = 3;
    birth.day = 9;
    EXPECT_EQ(chartFailureExplanation(engine::ChartStatus::NoEphemeris, birth),
              QStringLiteral("The Swiss Ephemeris files beside the program do not cover "
                             "1750-03-09, or they cannot be read. Please check the date."));
    EXPECT_TRUE(chartFailureExplanation(engine::ChartStatus::Ok, birth).isEmpty());
}

} // namespace
