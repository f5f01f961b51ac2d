#include "cli/cli_environment.h"

#include <QDateTime>

#include <cstdio>

namespace lumikan::cli {

document::ChartEnvironment CliEnvironment::chartEnvironment()
{
    document::ChartEnvironment env;
    env.settings = &settings;
    env.request = &request;
    env.messages = &messages;
    env.clock = [this] { return now; };
    return env;
}

std::unique_ptr<document::CVerokantDoc> CliEnvironment::newDocument()
{
    return std::make_unique<document::CVerokantDoc>(chartEnvironment());
}

const std::set<std::string>& environmentValuedOptions()
{
    static const std::set<std::string> names = {"settings", "today", "now"};
    return names;
}

const std::set<std::string>& environmentFlagOptions()
{
    static const std::set<std::string> names = {"defaults"};
    return names;
}

bool loadEnvironment(const Options& options, CliEnvironment& environment, std::string& error)
{
    if (auto path = options.value("settings")) {
        document::LoadSettings(environment.settings, QString::fromStdString(*path));
    } else if (!options.has("defaults")) {
        document::LoadSettings(environment.settings, document::ResolveSettingsPath());
    }

    const QDateTime current = QDateTime::currentDateTime();
    engine::LocalDateTime& now = environment.now;
    now = {current.date().year(), current.date().month(), current.date().day(),
           current.time().hour(), current.time().minute(), current.time().second()};
    if (auto today = options.value("today")) {
        const QDate date = QDate::fromString(QString::fromStdString(*today), Qt::ISODate);
        if (!date.isValid()) {
            error = "--today must be a valid date YYYY-MM-DD";
            return false;
        }
        now.year = date.year();
        now.month = date.month();
        now.day = date.day();
    }
    if (auto time = options.value("now")) {
        int h = 0, m = 0, s = 0;
        char tail = 0;
        const int n = std::sscanf(time->c_str(), "%d:%d:%d%c", &h, &m, &s, &tail);
        if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
            error = "--now must be HH:MM:SS";
            return false;
        }
        now.hour = h;
        now.minute = m;
        now.second = n == 3 ? s : 0;
    }
    return true;
}

}  // namespace lumikan::cli
