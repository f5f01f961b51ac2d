#include "ui/notes_editor.h"

#include "document/local_clock.h"
#include "render/font_substitution.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextCursor>

#include <array>

namespace lumikan::ui {

QString notesDateStamp(const engine::LocalDateTime& today)
{
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* month = today.month >= 1 && today.month <= 12 ? months[today.month - 1] : "???";
    return QString::asprintf("[%d/%s/%04d] ", today.day, month, today.year);
}

QString notesWithDateStamp(const QString& notes, const engine::LocalDateTime& today)
{
    const QString stamp = notesDateStamp(today);
    if (notes.isEmpty())
        return stamp;
    const QString lastLine = notes.section(QLatin1Char('\n'), -1).trimmed();
    // The stamp ends in a blank, which trimming a stamp-only line takes away.
    if (lastLine.startsWith(stamp.trimmed()))
        return notes;
    return notes + QLatin1Char('\n') + stamp;
}

CNotesEditor::CNotesEditor(Clock today, QWidget* parent)
    : QTextEdit(parent), today_(std::move(today))
{
    setAcceptRichText(false);
    setFont(render::designFont(u"Segoe UI", 9.0));
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, QColor::fromRgb(kBackground));
        colors.setColor(group, QPalette::Text, QColor::fromRgb(kText));
    }
    setPalette(colors);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(6);
    connect(this, &QTextEdit::textChanged, this, &CNotesEditor::onTextChanged);
    showPlaceholder();
}

void CNotesEditor::loadNotes(const QString& notes)
{
    if (notes.isEmpty() && !hasFocus())
        showPlaceholder();
    else
        setTextSilently(notes, false);
}

QString CNotesEditor::notes() const
{
    return placeholder_ ? QString() : toPlainText();
}

void CNotesEditor::setTextSilently(const QString& text, bool cue)
{
    loading_ = true;
    placeholder_ = cue;
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(cue ? kPlaceholderText : kText));
    format.setFontItalic(cue);
    setPlainText(text);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.setCharFormat(format);
    setCurrentCharFormat(format);
    // Typing after the cue starts in the ordinary colour.
    if (cue) {
        QTextCharFormat typed;
        typed.setForeground(QColor::fromRgb(kText));
        typed.setFontItalic(false);
        setCurrentCharFormat(typed);
    }
    loading_ = false;
}

void CNotesEditor::showPlaceholder()
{
    setTextSilently(QString::fromLatin1(kNotesPlaceholder), true);
}

void CNotesEditor::clearPlaceholder()
{
    if (placeholder_)
        setTextSilently(QString(), false);
}

void CNotesEditor::onTextChanged()
{
    if (loading_ || placeholder_)
        return;
    emit notesEdited(toPlainText());
}

void CNotesEditor::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    clearPlaceholder();
    // Closing the context menu hands the focus back; that is no new entry.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    const QString text = toPlainText();
    const QString stamped = notesWithDateStamp(text, document::readClock(today_));
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    if (stamped.size() > text.size())
        end.insertText(stamped.mid(text.size()));
    setTextCursor(end);
}

void CNotesEditor::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (toPlainText().trimmed().isEmpty())
        showPlaceholder();
}

void CNotesEditor::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Cut"), this, &QTextEdit::cut);
    menu.addAction(QStringLiteral("Copy"), this, &QTextEdit::copy);
    menu.addAction(QStringLiteral("Paste"), this, &QTextEdit::paste);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select All"), this, &QTextEdit::selectAll);
    menu.exec(event->globalPos());
}

void CNotesEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

} // namespace lumikan::ui
