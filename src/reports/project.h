#pragma once

#include "reports/template.h"

#include <QColor>
#include <QMap>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// A report file (".rav") as loaded: named reports, each a page layout made of
// bands. Measures are millimetres; x is counted from the left margin and y
// from the top of the band. The format is described in docs/reports.md.
namespace Report {

// Look of a text; every field may be left to the style it inherits.
struct TextStyle
{
    std::optional<QStringList> families;
    std::optional<double> size; // points
    std::optional<bool> bold, italic, underline;
    std::optional<QColor> color;
    std::optional<Qt::Alignment> align; // horizontal part
    std::optional<Qt::Alignment> valign; // vertical part
    std::optional<QString> overflow; // clip, shrink, wrap, grow
    std::optional<double> padding; // mm on each side
    std::optional<double> border; // pen width in mm around the box; 0 none
    std::optional<QColor> fill;

    // Fields set here win over those of `base`.
    TextStyle over(const TextStyle &base) const;
};

struct Element
{
    enum class Kind { Text, Line, Rect, Barcode };
    Kind kind = Kind::Text;
    int line = 0; // in the file, for messages

    // Text, Rect, Barcode
    double x = 0, y = 0;
    std::optional<double> w, h;
    // Line
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // Line, Rect
    double penWidth = 0.2;
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor color = Qt::black;
    std::optional<QColor> fill;
    // Text (fully resolved against the report's styles), Barcode content
    TextStyle style;
    Template text;
    // Barcode
    double module = 0.254; // narrow bar, mm
    int length = 0; // digits required; 0 any
    bool required = false; // an empty value is an error

    Template showIf, hideIf;
};

struct Band
{
    double height = 0;
    bool newPage = false; // start each on a new page (but the first on a fresh one)
    bool repeat = true; // a data header printed again at the top of each page
    double keep = 0; // mm that must be left on the page to start it here
    std::vector<Element> elements;
    Template showIf, hideIf;
    int line = 0;
};

struct DataBlock;

struct BodyItem
{
    std::optional<Band> band;
    std::shared_ptr<DataBlock> data;
};

// Repeats its row band for every row of a connection.
struct DataBlock
{
    QStringList sources; // the first one an open window provides is used
    QString matchColumn; // rows whose column equals ...
    Template matchValue; // ... this text, expanded in the enclosing row
    std::optional<Band> header, row, footer, empty;
    std::vector<BodyItem> children; // printed after each row, in the row's context
    int line = 0;
};

struct ReportDef
{
    QString name;
    QString title;
    QPageSize pageSize {QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins {10, 10, 10, 10};
    TextStyle style; // the report's base text style
    std::optional<Band> pageHeader, pageFooter;
    std::vector<BodyItem> body;

    QSizeF pageSizeMm() const;
    double contentWidth() const;
    // Connections the report reads, each as its list of alternatives.
    std::vector<QStringList> connections() const;
};

struct Project
{
    QString path;
    QMap<QString, ReportDef> reports;

    // Throws ReportError: missing file (naming its full path) or a malformed one.
    static Project load(const QString &path);
    static Project parse(QIODevice &device, const QString &name);
};

} // namespace Report
