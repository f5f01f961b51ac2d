#include "ui/notes_editor.h"

#include "document/local_clock.h"
#include "render/chart_appearance.h"
#include "render/font_substitution.h"
#include "ui/screen_colors.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
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
    setUndoRedoEnabled(false);
    setFont(render::designFont(u"Segoe UI", 9.0));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    document()->setDocumentMargin(6);
    applyThemeColors();
    connect(this, &QTextEdit::textChanged, this, &CNotesEditor::onTextChanged);
    showPlaceholder();
}

void CNotesEditor::applyThemeColors()
{
    const render::ColorTheme& theme = render::currentTheme();
    const TextOnSurface typed =
        themedText(QColor::fromRgb(kText), QColor::fromRgb(kBackground), theme);
    placeholderColor_ = readablePair(QColor::fromRgb(kPlaceholderText), typed.back).text;
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, typed.back);
        colors.setColor(group, QPalette::Text, typed.text);
    }
    setPalette(colors);
    if (placeholder_)
        showPlaceholder();
}

void CNotesEditor::loadNotes(const QString& notes)
{
    if (notes.isEmpty() && !hasFocus())
        showPlaceholder();
    else
        setTextSilently(notes, false);
    stampChecked_ = false;
}

QString CNotesEditor::notes() const
{
    return placeholder_ ? QString() : toPlainText();
}

void CNotesEditor::setTextSilently(const QString& text, bool cue)
{
    loading_ = true;
    placeholder_ = cue;
    // Typed text takes the palette's colour, so a theme change recolours it.
    QTextCharFormat format;
    if (cue)
        format.setForeground(placeholderColor_);
    format.setFontItalic(cue);
    setPlainText(text);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.setCharFormat(format);
    QTextCharFormat typed;
    typed.setFontItalic(false);
    setCurrentCharFormat(cue ? typed : format);
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

void CNotesEditor::stampBeforeTyping()
{
    clearPlaceholder();
    if (stampChecked_)
        return;
    stampChecked_ = true;
    QTextCursor caret = textCursor();
    // Typing inside earlier notes corrects them; only new text at the end is dated.
    if (caret.hasSelection() || !caret.atEnd())
        return;
    const QString text = toPlainText();
    const QString stamped = notesWithDateStamp(text, document::readClock(today_));
    if (stamped.size() > text.size()) {
        caret.insertText(stamped.mid(text.size()));
        setTextCursor(caret);
    }
}

bool CNotesEditor::event(QEvent* event)
{
    // Ctrl+Z and its kin go to the document's Undo and Redo.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)) {
            event->ignore();
            return true;
        }
    }
    return QTextEdit::event(event);
}

bool CNotesEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The chart windows' area takes Ctrl+Tab for itself before any widget
    // sees it; while the notes have the focus it leaves the notes instead.
    if (event->type() == QEvent::KeyPress && hasFocus()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            QWidget::focusNextPrevChild(!back);
            return true;
        }
    }
    return QTextEdit::eventFilter(watched, event);
}

void CNotesEditor::focusInEvent(QFocusEvent* event)
{
    // Installed last, the filter is asked first.
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    QTextEdit::focusInEvent(event);
    // Closing the context menu hands the focus back; that is no new visit.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    clearPlaceholder();
    stampChecked_ = false;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    emit visitStarted();
}

void CNotesEditor::focusOutEvent(QFocusEvent* event)
{
    qApp->removeEventFilter(this);
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
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const QString typed = event->text();
    const bool types = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                       !typed.isEmpty() &&
                       (typed.at(0).isPrint() || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Tab);
    if (types && !isReadOnly())
        stampBeforeTyping();
    QTextEdit::keyPressEvent(event);
}

void CNotesEditor::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText() && !isReadOnly())
        stampBeforeTyping();
    QTextEdit::insertFromMimeData(source);
}

} // namespace lumikan::ui
