// The reference charts of docs/reference: cast again and compared with the
// committed JSON, and their positions and cusps against swetest.
#include "cli_run.h"
#include "schema_check.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

using lumikan::test::cli;
using lumikan::test::CliRun;

namespace {

const QString kReference = QStringLiteral(LUMIKAN_SOURCE_DIR "/docs/reference");
constexpr double kSwetestToleranceDeg = 1e-7; // swetest prints seven decimals
// Numbers read back from JSON text are the very doubles; this only allows
// for a different libm in another build of the same sources.
constexpr double kRelativeTolerance = 1e-12;

// Where two JSON values differ, as paths; numbers within the tolerance agree.
void differences(const QJsonValue& a, const QJsonValue& b, const QString& path, QStringList& found)
{
    if (a.isDouble() && b.isDouble()) {
        const double x = a.toDouble(), y = b.toDouble();
        if (std::fabs(x - y) > kRelativeTolerance * std::max(1.0, std::fabs(x)))
            found << QStringLiteral("%1: %2 != %3").arg(path).arg(x, 0, 'g', 17).arg(y, 0, 'g', 17);
    } else if (a.isObject() && b.isObject()) {
        const QJsonObject x = a.toObject(), y = b.toObject();
        if (x.keys() != y.keys())
            found << path + ": other keys";
        for (auto it = x.begin(); it != x.end(); ++it)
            if (y.contains(it.key()))
                differences(it.value(), y.value(it.key()), path + '.' + it.key(), found);
    } else if (a.isArray() && b.isArray()) {
        const QJsonArray x = a.toArray(), y = b.toArray();
        if (x.size() != y.size())
            found << path + ": other length";
        for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i)
            differences(x[i], y[i], path + QStringLiteral("[%1]").arg(i), found);
    } else if (a != b) {
        found << path + ": " + QString::fromUtf8(QJsonDocument(QJsonArray{a, b}).toJson(QJsonDocument::Compact));
    }
}

std::string runCommand(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buf[512];
    while (fgets(buf, sizeof buf, pipe))
        out += buf;
    pclose(pipe);
    return out;
}

// swetest's longitudes by its names ("Sun", "mean Node", "house  1" ...).
std::map<std::string, double> swetest(const QJsonObject& chart)
{
    const QJsonObject birth = chart["birth"].toObject();
    const QJsonObject ayanamsa = chart["ayanamsa"].toObject();
    const double jd = chart["julianDayUt"].toDouble();
    const QString mode = ayanamsa["mode"].toString();
    char option[96] = "";
    if (mode == "lahiri")
        std::snprintf(option, sizeof option, "-sid1");
    else if (mode == "raman")
        std::snprintf(option, sizeof option, "-sid3");
    else if (mode == "kp")
        std::snprintf(option, sizeof option, "-sid5");
    else if (mode == "custom")
        std::snprintf(option, sizeof option, "-sidudef%.10f,%.10f", jd, ayanamsa["degrees"].toDouble());
    char command[640];
    std::snprintf(command, sizeof command,
                  "swetest -edir%s/ephe -bj%.10f -ut -p0123456789m %s -fPl -head -g, "
                  "-house%.10f,%.10f,P 2>/dev/null",
                  LUMIKAN_BIN_DIR, jd, option, birth["longitude"].toDouble(),
                  birth["latitude"].toDouble());
    std::map<std::string, double> values;
    std::istringstream lines(runCommand(command));
    std::string line;
    while (std::getline(lines, line)) {
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        std::string name = line.substr(0, comma);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        values[name] = std::strtod(line.c_str() + comma + 1, nullptr);
    }
    return values;
}

double arc(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

} // namespace

TEST(ReferenceCharts, CastAgainTheyGiveTheCommittedJsonAndAgreeWithSwetest)
{
    const CliRun run = cli({"chart", "--batch", kReference + "/births.csv", "--defaults", "--today",
                            "2026-12-06", "--now", "10:00:00", "--depth", "3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    const QStringList files = QDir(kReference).entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 20);
    ASSERT_EQ(lines.size(), files.size());
    const bool haveSwetest = std::system("command -v swetest >/dev/null 2>&1") == 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        QFile file(kReference + '/' + files[i]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray committed = file.readAll();
        EXPECT_EQ(lumikan::test::schemaProblems(committed, "chart"), QStringList());
        const QJsonObject chart = QJsonDocument::fromJson(lines[i]).object();
        QStringList found;
        differences(QJsonDocument::fromJson(committed).object(), chart, "$", found);
        EXPECT_EQ(found.mid(0, 10), QStringList());

        if (!haveSwetest)
            continue;
        const std::map<std::string, double> reference = swetest(chart);
        ASSERT_GE(reference.size(), 23u) << "swetest gave no output";
        const std::map<QString, std::string> names = {
            {"Sun", "Sun"},       {"Moon", "Moon"},       {"Mercury", "Mercury"}, {"Venus", "Venus"},
            {"Mars", "Mars"},     {"Jupiter", "Jupiter"}, {"Saturn", "Saturn"},   {"Uranus", "Uranus"},
            {"Neptune", "Neptune"}, {"Pluto", "Pluto"},   {"Rahu", "mean Node"}};
        int compared = 0;
        for (const QJsonValue& p : chart["planets"].toArray()) {
            const QJsonObject planet = p.toObject();
            const auto name = names.find(planet["body"].toString());
            if (name == names.end())
                continue;
            ++compared;
            EXPECT_LE(arc(planet["longitude"].toDouble(), reference.at(name->second)), kSwetestToleranceDeg)
                << name->second;
        }
        EXPECT_EQ(compared, 11);
        if (chart["isHorary"].toBool())
            continue; // the cusps of a horary chart come from its number
        for (const QJsonValue& c : chart["cusps"].toArray()) {
            const QJsonObject cusp = c.toObject();
            char name[16];
            std::snprintf(name, sizeof name, "house %2d", cusp["number"].toInt());
            EXPECT_LE(arc(cusp["longitude"].toDouble(), reference.at(name)), kSwetestToleranceDeg) << name;
        }
    }
}
