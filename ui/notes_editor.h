#pragma once

#include "engine/clock.h"

#include <QString>
#include <QTextEdit>

#include <functional>

namespace lumikan::ui {

inline constexpr const char* kNotesPlaceholder = "Astrologer's notes...";

// "[5/Dec/2026] ": the stamp that opens a day's notes.
QString notesDateStamp(const engine::LocalDateTime& today);

// The notes with today's stamp appended: the stamp alone into empty notes,
// otherwise on a new line, unless the last line already begins with it.
QString notesWithDateStamp(const QString& notes, const engine::LocalDateTime& today);

// The astrologer's notes: a cue while empty, plain text only, and a date
// stamp put in front of what the user types first on a visit (entering the
// editor without typing changes nothing). The cue is never reported as
// notes. Tab types a tab; Ctrl+Tab and Ctrl+Shift+Tab leave the editor.
// Undo and Redo are the document's: the editor keeps no history of its own.
class CNotesEditor : public QTextEdit {
    Q_OBJECT

public:
    static constexpr QRgb kBackground = 0xFFFEF9;
    static constexpr QRgb kText = 0x282828;
    static constexpr QRgb kPlaceholderText = 0xB9B4A8;

    using Clock = std::function<engine::LocalDateTime()>;
    explicit CNotesEditor(Clock today, QWidget* parent = nullptr);

    // Shows the document's notes (the cue when they are empty) without
    // reporting them as an edit.
    void loadNotes(const QString& notes);
    bool showsPlaceholder() const { return placeholder_; }
    // The typed notes; empty while the cue shows.
    QString notes() const;

    // Background, text and cue in the colours of the theme in force.
    void applyThemeColors();
    const QColor& placeholderColor() const { return placeholderColor_; }

signals:
    // The user changed the text (the cue coming or going is no change).
    void notesEdited(const QString& notes);
    // The editor was entered anew: what is typed now is a new edit.
    void visitStarted();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void showPlaceholder();
    void clearPlaceholder();
    void setTextSilently(const QString& text, bool cue);
    void onTextChanged();
    // Today's stamp at the end, once a visit, when typing goes there.
    void stampBeforeTyping();

    Clock today_;
    QColor placeholderColor_;
    bool placeholder_ = false;
    bool loading_ = false;
    bool stampChecked_ = false; // this visit already had its stamp decided
};

} // namespace lumikan::ui
