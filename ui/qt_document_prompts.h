#pragma once

#include "document/document_view.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumikan::ui {

// The file-type filter of chart files.
inline constexpr const char* kChartFileFilter = "Lumikan Files (*.lmk)";

// The folder the open and save dialogs start in: the last one used, at first
// the user's documents folder.
QString chartFolder();
void rememberChartFolder(const QString& filePath);

// The save dialog, the save question and the failure reports as Qt dialogs.
class QtDocumentPrompts : public document::DocumentPrompts {
public:
    explicit QtDocumentPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // `proposedName` is a file name (put in the chart folder) or a full path.
    std::optional<QString> askSavePath(const QString& proposedName) override;
    Answer askSaveChanges(const QString& title) override;
    void reportLoadFailure(const QString& path, const QString& reason) override;
    void reportSaveFailure(const QString& path, const QString& reason) override;

private:
    QWidget* parentForBox() const;
    QPointer<QWidget> parent_;
};

}  // namespace lumikan::ui
