#include "reports/document.h"

#include "reports/render.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace Report {

namespace {
// Design units: the painters draw in hundredths of a millimetre.
constexpr double kUnitsPerMm = 100.0;
constexpr double kUnitsPerPoint = 25.4 / 72.0 * kUnitsPerMm;
} // namespace

QSizeF Document::sizeMm() const
{
    QSizeF size = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        size.transpose();
    return size;
}

QPageLayout Document::pageLayout() const
{
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

namespace Text {

QFont font(const QStringList &families, double points, bool bold, bool italic, bool underline)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(qMax(1, qRound(points * kUnitsPerPoint)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    // A letter spacing that is not zero keeps the shaper from joining "fi"
    // and "fl" into ligatures, so the PDF's text reads and searches as typed.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return f;
}

double height(const QString &text, const QFont &font, double width, bool wrap)
{
    return Layout(text, font, width, wrap, Qt::AlignLeft).height();
}

double naturalWidth(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest / kUnitsPerMm;
}

double lineHeight(const QFont &font)
{
    return QFontMetricsF(font).lineSpacing() / kUnitsPerMm;
}

Layout::Layout(const QString &text, const QFont &font, double width, bool wrap, Qt::Alignment align)
{
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setAlignment(align & Qt::AlignHorizontal_Mask);
    const double lineWidth = width * kUnitsPerMm;
    double y = 0;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout->endLayout();
        m_paragraphs.push_back(std::move(layout));
    }
    m_height = y / kUnitsPerMm;
}

Layout::~Layout() = default;

void Layout::draw(QPainter &painter, const QPointF &topLeftMm) const
{
    for (const auto &p : m_paragraphs)
        p->draw(&painter, topLeftMm * kUnitsPerMm);
}

} // namespace Text

} // namespace Report
