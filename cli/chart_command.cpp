#include "cli/chart_output.h"
#include "cli/chart_request.h"
#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "engine/chart_computation.h"
#include "engine/kp_sub_table.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

void castChart(const ChartRequest& request, ChartRun& run, engine::Messages& messages,
               engine::ChartStatus& status)
{
    run.ayanamsa = request.ayanamsa;
    engine::openEphemeris(*run.context, request.ayanamsa, request.customAyanamsa);
    engine::Chart& chart = run.chart;
    chart.ephemeris = run.context.get();
    chart.birth = request.birth;
    chart.includeUranus = request.includeUranus;
    chart.includeNeptune = request.includeNeptune;
    chart.includePluto = request.includePluto;
    chart.includeFortuna = request.includeFortuna;
    chart.isHorary = false;
    chart.horaryAscendant = -1.0;
    if (request.horaryNumber) {
        if (const auto asc = engine::horaryAscendantFor(*request.horaryNumber)) {
            chart.isHorary = true;
            chart.horaryAscendant = *asc;
        }
    }
    status = engine::computeChart(chart, &messages);
}

}  // namespace

int runChartCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    std::set<std::string> flags = birthFlagOptions();
    flags.insert("defaults");
    if (!options.parse(args, birthValuedOptions(), flags, error)) {
        std::fprintf(stderr, "lumikan-cli chart: %s\n", error.c_str());
        printUsage();
        return kExitBadArguments;
    }
    const auto request = parseChartRequest(options, error);
    if (!request) {
        std::fprintf(stderr, "lumikan-cli chart: %s\n", error.c_str());
        printUsage();
        return kExitBadArguments;
    }

    StderrMessages messages;
    ChartRun run;
    engine::ChartStatus status = engine::ChartStatus::Ok;
    castChart(*request, run, messages, status);
    if (const auto coded = engine::codedErrorFor(status)) {
        messages.error(coded->code, coded->message);
        return kExitCodedError;
    }
    const std::string out = options.has("json") ? chartJson(run) + "\n" : chartText(run);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

}  // namespace lumikan::cli
