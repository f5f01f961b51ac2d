#include "ui/chart_edits.h"

#include "document/verokant_doc.h"

#include <QUndoStack>

namespace lumikan::ui {

BirthDataEdit::BirthDataEdit(document::CVerokantDoc& doc, document::ChartDescription after)
    : QUndoCommand(QStringLiteral("Edit Birth Data")), doc_(doc), before_(doc.description()),
      after_(std::move(after))
{
}

void BirthDataEdit::undo()
{
    doc_.ChangeDescription(before_);
}

void BirthDataEdit::redo()
{
    doc_.ChangeDescription(after_);
}

BirthTimeEdit::BirthTimeEdit(document::CVerokantDoc& doc, std::array<int, 3> after)
    : QUndoCommand(QStringLiteral("Birth Time Change")), doc_(doc), after_(after)
{
    const engine::BirthDetails& birth = doc.birthDetails();
    before_ = {birth.hour, birth.minute, birth.second};
}

void BirthTimeEdit::apply(const std::array<int, 3>& time)
{
    doc_.ChangeBirthTime(time[0], time[1], time[2]);
}

void BirthTimeEdit::undo()
{
    apply(before_);
}

void BirthTimeEdit::redo()
{
    apply(after_);
}

NotesEdit::NotesEdit(document::CVerokantDoc& doc, QString after, int visit)
    : QUndoCommand(QStringLiteral("Notes Typing")), doc_(doc), before_(doc.notes()),
      after_(std::move(after)), visit_(visit)
{
}

bool NotesEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const NotesEdit*>(other);
    if (!next || &next->doc_ != &doc_ || next->visit_ != visit_)
        return false;
    after_ = next->after_;
    return true;
}

void NotesEdit::show(const QString& notes)
{
    doc_.SetNotes(notes);
    doc_.UpdateAllViews(document::HINT_NOTES_CHANGED);
}

void NotesEdit::undo()
{
    show(before_);
}

void NotesEdit::redo()
{
    if (shown_) {
        shown_ = false;
        doc_.SetNotes(after_);
        return;
    }
    show(after_);
}

void trackModifiedFlag(QUndoStack& stack, document::CVerokantDoc& doc, bool savedOnDisk)
{
    if (!savedOnDisk)
        stack.resetClean();
    QObject::connect(&stack, &QUndoStack::indexChanged, &stack,
                     [&stack, &doc] { doc.SetModifiedFlag(!stack.isClean()); });
    doc.onSaved = [&stack] { stack.setClean(); };
}

} // namespace lumikan::ui
