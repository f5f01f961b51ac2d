#pragma once

#include "document/chart_description.h"

#include <QString>
#include <QUndoCommand>

#include <array>

class QUndoStack;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// The edits of a chart that Edit > Undo and Redo step through. Each applies
// itself through the document, which casts the chart anew, so undoing an
// edit gives back exactly the chart before it.

// Edit Birth Data: the whole description, before and after.
class BirthDataEdit : public QUndoCommand {
public:
    BirthDataEdit(document::CVerokantDoc& doc, document::ChartDescription after);
    void undo() override;
    void redo() override;

private:
    document::CVerokantDoc& doc_;
    document::ChartDescription before_;
    document::ChartDescription after_;
};

// A birth time picked from the view's time lists: hour, minute, second.
class BirthTimeEdit : public QUndoCommand {
public:
    BirthTimeEdit(document::CVerokantDoc& doc, std::array<int, 3> after);
    void undo() override;
    void redo() override;

private:
    void apply(const std::array<int, 3>& time);

    document::CVerokantDoc& doc_;
    std::array<int, 3> before_{};
    std::array<int, 3> after_{};
};

// Notes typed in one visit to the notes editor: a visit's keystrokes merge
// into one edit. The editor already shows the text when the edit is made;
// undo and redo show it again.
class NotesEdit : public QUndoCommand {
public:
    NotesEdit(document::CVerokantDoc& doc, QString after, int visit);
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    void show(const QString& notes);

    document::CVerokantDoc& doc_;
    QString before_;
    QString after_;
    int visit_ = 0;
    bool shown_ = true; // the editor holds `after_` already
};

// Keeps the document's modified flag in step with the stack: modified
// exactly when the stack is away from the state last saved (or opened). A
// new chart that was never saved stays modified.
void trackModifiedFlag(QUndoStack& stack, document::CVerokantDoc& doc, bool savedOnDisk);

} // namespace lumikan::ui
