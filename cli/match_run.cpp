#include "cli/match_run.h"

#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "document/match_documents.h"

#include <QFile>

#include <cstdio>
#include <memory>

namespace lumikan::cli {

int runMatchOf(const Options& options, const char* command, MatchRun& run)
{
    if (options.positional().size() != 2) {
        std::fprintf(stderr, "%s: give two chart files, the boy's and then the girl's\n", command);
        return kExitBadArguments;
    }
    CliEnvironment environment;
    std::string error;
    if (!loadEnvironment(options, environment, error)) {
        std::fprintf(stderr, "%s: %s\n", command, error.c_str());
        return kExitBadArguments;
    }
    CliPrompts prompts(environment.messages);
    std::unique_ptr<document::CVerokantDoc> charts[2];
    for (int i = 0; i < 2; ++i) {
        charts[i] = environment.newDocument();
        charts[i]->setPrompts(&prompts);
        if (!charts[i]->OnOpenDocument(QFile::decodeName(options.positional()[i].c_str())))
            return kExitCodedError;
        if (!charts[i]->hasChart()) {
            std::fprintf(stderr, "%s: %s holds no chart\n", command,
                         options.positional()[i].c_str());
            return kExitCodedError;
        }
    }
    const match::MatchSubject boy = document::BuildMatchSubject(*charts[0]);
    const match::MatchSubject girl = document::BuildMatchSubject(*charts[1]);
    run.report = match::RunMatch(match::CreateMatchRules(), boy, girl);
    run.boyName = document::matchReportName(*charts[0], 1);
    run.girlName = document::matchReportName(*charts[1], 2);
    return kExitOk;
}

} // namespace lumikan::cli
