#pragma once

#include "document/document_view.h"

namespace lumikan::cli {

// Document prompts of a headless run: nothing is asked, failures go to
// standard error.
class CliPrompts : public document::DocumentPrompts {
public:
    std::optional<QString> askSavePath(const QString&) override { return std::nullopt; }
    Answer askSaveChanges(const QString&) override { return Answer::No; }
    void reportLoadFailure(const QString& path, const QString& reason) override;
    void reportSaveFailure(const QString& path, const QString& reason) override;
};

}  // namespace lumikan::cli
