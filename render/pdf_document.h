#pragma once

#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace lumikan::render {

// Draws a document with `paint` onto PDF pages of `paper` at a printer's
// resolution and writes it to `path` whole, or not at all: the previous file
// survives any failure, which `error` then names.
bool writePdfDocument(const QString& path, const QPageSize& paper, const QString& title,
                      const std::function<bool(QPagedPaintDevice&)>& paint, QString* error);

} // namespace lumikan::render
