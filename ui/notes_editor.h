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

// The astrologer's notes: a cue while empty, a date stamp when the editor is
// entered, plain text only. The cue is never reported as notes.
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

signals:
    // The user changed the text (the cue coming or going is no change).
    void notesEdited(const QString& notes);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPlaceholder();
    void clearPlaceholder();
    void setTextSilently(const QString& text, bool cue);
    void onTextChanged();

    Clock today_;
    bool placeholder_ = false;
    bool loading_ = false;
};

} // namespace lumikan::ui
