#pragma once

#include "cli/stderr_messages.h"
#include "document/document_view.h"

namespace lumikan::cli {

// Document prompts of a headless run: nothing is asked, failures are told
// through the run's messages.
class CliPrompts : public document::DocumentPrompts {
public:
    explicit CliPrompts(StderrMessages& messages) : messages_(messages) {}

    std::optional<QString> askSavePath(const QString&) override { return std::nullopt; }
    Answer askSaveChanges(const QString&) override { return Answer::No; }
    void reportLoadFailure(const QString& path, const QString& reason) override;
    void reportSaveFailure(const QString& path, const QString& reason) override;

private:
    StderrMessages& messages_;
};

} // namespace lumikan::cli
