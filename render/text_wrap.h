#pragma once

#include <QFont>
#include <QStringList>

class QPaintDevice;

namespace lumikan::render {

// Printed and painted tables never cut a text short: they wrap it and grow.
// Every width here is in the pixels of `device` (the screen when null), with
// the font as that device measures it.

// The lines of `text` no wider than `width`: broken at word boundaries, inside
// a word only where the word alone is wider than `width`. Line breaks in the
// text are kept; an empty text is one empty line.
QStringList wrapText(const QString& text, const QFont& font, qreal width,
                     const QPaintDevice* device = nullptr);

// What a text needs across: its widest unbreakable word (space-separated) and
// its widest line when set without wrapping.
struct TextExtent {
    qreal widestWord = 0;
    qreal singleLine = 0;
};
TextExtent textExtent(const QString& text, const QFont& font, const QPaintDevice* device = nullptr);

} // namespace lumikan::render
