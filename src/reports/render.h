#pragma once

#include "reports/document.h"

#include <QPointF>

#include <memory>
#include <vector>

class QIODevice;
class QPainter;
class QTextLayout;

namespace Report {

namespace Text {
// A text broken into lines for a box `width` mm wide.
class Layout
{
public:
    Layout(const QString &text, const QFont &font, double width, bool wrap, Qt::Alignment align);
    ~Layout();
    double height() const { return m_height; } // mm
    // On a painter scaled to hundredths of a millimetre.
    void draw(QPainter &painter, const QPointF &topLeftMm) const;

private:
    std::vector<std::unique_ptr<QTextLayout>> m_paragraphs;
    double m_height = 0;
};
} // namespace Text

// Paints one page on a painter whose device has `pixelsPerMm`, the sheet's
// top-left corner at the painter's origin.
void paintPage(QPainter &painter, const Page &page, double pixelsPerMm);

// Writes the whole document as a PDF.
void writePdf(const Document &document, QIODevice &device);
// Same, to a file, replacing it only when the whole PDF was written. Throws
// ReportError when the file cannot be written.
void writePdfFile(const Document &document, const QString &path);

} // namespace Report
