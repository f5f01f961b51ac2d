#pragma once

#include "document/document_view.h"
#include "document/messages.h"
#include "engine/coded_errors.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace lumikan::test {

// Keeps every message instead of showing it.
class RecordingMessages : public document::Messages {
public:
    std::vector<std::string> errors, plains, warnings, informations, questions;
    Answer answer = Answer::No;

    void error(std::string_view code, std::string_view message) override
    {
        errors.push_back(document::formatCodedError(code, message));
    }
    void plain(std::string_view m) override { plains.emplace_back(m); }
    void warning(std::string_view m) override { warnings.emplace_back(m); }
    void information(std::string_view m) override { informations.emplace_back(m); }
    Answer question(std::string_view m) override
    {
        questions.emplace_back(m);
        return answer;
    }
};

// Answers the document's questions as told and records what it asked.
class ScriptedPrompts : public document::DocumentPrompts {
public:
    std::optional<QString> savePath;  // empty: the dialog is cancelled
    Answer saveChanges = Answer::No;
    QStringList proposedNames, askedTitles, loadFailures, loadFailureReasons, saveFailures,
        saveFailureReasons;

    std::optional<QString> askSavePath(const QString& proposed) override
    {
        proposedNames.push_back(proposed);
        return savePath;
    }
    Answer askSaveChanges(const QString& title) override
    {
        askedTitles.push_back(title);
        return saveChanges;
    }
    void reportLoadFailure(const QString& path, const QString& reason) override
    {
        loadFailures.push_back(path);
        loadFailureReasons.push_back(reason);
    }
    void reportSaveFailure(const QString& path, const QString& reason) override
    {
        saveFailures.push_back(path);
        saveFailureReasons.push_back(reason);
    }
};

// A view that remembers the hints it was sent.
class HintRecorder : public document::CView {
public:
    std::vector<int> hints;
    void OnUpdate(int hint) override { hints.push_back(hint); }
};

}  // namespace lumikan::test
