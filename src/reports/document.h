#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// A report laid out into pages, ready to be painted on any device: the
// preview, a printer or a PDF file. Measures are millimetres from the
// top-left corner of the sheet.
namespace Report {

struct PageItem
{
    enum class Kind { Text, Line, Rect, Bars };
    Kind kind = Kind::Text;
    QRectF rect; // Text box (its border), Rect, Bars area
    QLineF line; // Line
    // Text
    QString text;
    QFont font; // pixel size in hundredths of a millimetre
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false;
    bool clip = false;
    double padding = 0; // mm between the box and its text
    // Text colour, pen colour
    QColor color = Qt::black;
    double penWidth = 0; // mm; 0 no outline
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor fill; // invalid: none
    std::vector<QRectF> bars; // Bars, in mm
};

struct Page
{
    std::vector<PageItem> items;
};

struct Document
{
    QString name; // the report file's name without its extension
    QString title;
    QPageSize pageSize {QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<Page> pages;
    // Placeholders that named nothing the report received.
    QStringList warnings;

    QSizeF sizeMm() const;
    QPageLayout pageLayout() const;
};

// Text measures shared by the layout and the painters, so that a text wraps
// at the same words on screen, paper and PDF.
namespace Text {
// Font of a report text: families, size in points.
QFont font(const QStringList &families, double points, bool bold, bool italic, bool underline);
// Height in mm of the text laid out in a box `width` mm wide.
double height(const QString &text, const QFont &font, double width, bool wrap);
// Width in mm of the widest line, unwrapped.
double naturalWidth(const QString &text, const QFont &font);
// Height in mm of one line.
double lineHeight(const QFont &font);
} // namespace Text

} // namespace Report
