#include "report_pictures.h"

#include "document/match_documents.h"
#include "document/verokant_doc.h"
#include "match/match_report.h"
#include "render/chart_report_layout.h"
#include "render/chart_report_output.h"
#include "render/match_report_print.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>

using namespace lumikan;

namespace {

constexpr int kDpi = 100;

QImage a4Page()
{
    QImage page(int(std::lround(210 / 25.4 * kDpi)), int(std::lround(297 / 25.4 * kDpi)),
                QImage::Format_RGB32);
    const int perMeter = int(std::lround(kDpi / 0.0254));
    page.setDotsPerMeterX(perMeter);
    page.setDotsPerMeterY(perMeter);
    page.fill(Qt::white);
    return page;
}

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

engine::BirthDetails girlBirth()
{
    engine::BirthDetails b;
    b.name = "Asha";
    b.city = "Pune";
    b.state = "Maharashtra";
    b.country = "India";
    b.year = 1993;
    b.month = 3;
    b.day = 14;
    b.hour = 6;
    b.minute = 45;
    b.latitude = 18.5204;
    b.longitude = 73.8567;
    b.timeZone = 5.5;
    b.gender = 1;
    return b;
}

} // namespace

bool writeReportPictures(const document::CVerokantDoc& doc,
                         const document::ChartEnvironment& environment, const QString& folder)
{
    QImage page = a4Page();
    const render::ReportMetrics metrics = render::reportMetrics(page.rect(), kDpi, kDpi, &page);

    const render::ChartReportData data = render::collectChartReport(doc);
    const std::vector<render::ReportPage> pages = render::layoutChartReport(data, metrics);
    {
        QPainter painter(&page);
        render::paintReportPage(painter, pages.front(), metrics,
                                [&data](QPainter& p, const render::ReportDiagram& d) {
                                    render::paintReportDiagram(p, d, data);
                                });
    }
    if (!save(page, QDir(folder).filePath(QStringLiteral("chart-report-page-1.png"))))
        return false;

    document::CVerokantDoc girl(environment);
    if (!girl.CreateChart(document::describeChart(girlBirth()))) {
        std::fprintf(stderr, "The second sample chart could not be cast.\n");
        return false;
    }
    const match::MatchReport report =
        match::RunMatch(match::CreateMatchRules(), document::BuildMatchSubject(doc),
                        document::BuildMatchSubject(girl));
    const render::MatchReportContent content{report.totalScore, report.totalMax, report.rows,
                                             document::matchReportName(doc, 1),
                                             document::matchReportName(girl, 2)};
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        render::paintMatchReportPage(painter, render::layoutMatchReportPages(content, metrics), 1);
    }
    return save(page, QDir(folder).filePath(QStringLiteral("match-report-page-1.png")));
}
