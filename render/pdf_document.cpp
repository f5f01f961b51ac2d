#include "render/pdf_document.h"

#include "document/atomic_file.h"

#include <QBuffer>
#include <QPdfWriter>

namespace lumikan::render {

bool writePdfDocument(const QString& path, const QPageSize& paper, const QString& title,
                      const std::function<bool(QPagedPaintDevice&)>& paint, QString* error)
{
    // The PDF writer does not report failed writes, so the document is made
    // in memory and written like any other file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        // A printer's resolution: fine lines stay thin and the page layout is
        // the one a printed copy gets.
        writer.setResolution(600);
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Lumikan Astrology"));
        if (!paint(writer)) {
            if (error)
                *error = QStringLiteral("The report could not be drawn.");
            return false;
        }
    }
    return document::writeFileAtomically(path, pdf.data(), error);
}

} // namespace lumikan::render
