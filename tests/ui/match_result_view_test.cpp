// The match report window: its extent and the cut texts it offers on hover.
#include "ui/match_result_view.h"

#include "qt_test_app.h"

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

TEST(MatchResultView, EmptyExtentAndCutTextsOfferedWholeOnHover)
{
    test::qtApp();
    EXPECT_EQ(CMatchResultView().scrollSize(), QSize(1400, 458)) << "an empty view";

    const QString subject = QStringLiteral("Checks for Vedha Dosha based on Nakshatra positions.");
    match::MatchRow vedha;
    vedha.name = "Vedha Dosha";
    vedha.subject = subject.toStdString();
    vedha.maxScore = 1;
    CMatchResultView view;
    view.setReport(0, 1, {vedha}, QStringLiteral("A"), QStringLiteral("B"));
    view.resize(900, 600);
    view.show();
    namespace sheet = render::match_sheet;
    const render::SheetRow& shown = view.sheetLayout().sections[0].rows[0];
    EXPECT_EQ(view.cutTextAt(shown.cells[sheet::Subject].fill.rect.center().toPoint()), subject);
    EXPECT_EQ(view.cutTextAt(shown.cells[sheet::Koot].fill.rect.center().toPoint()), QString());
    EXPECT_EQ(view.cutTextAt(QPoint(5, 5)), QString());
}

} // namespace
} // namespace lumikan::ui
