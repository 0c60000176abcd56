#include "reports/render.h"

#include "reports/reporterror.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace Report {

namespace {
constexpr double kUnitsPerMm = 100.0;
constexpr int kPdfResolution = 1200;

QRectF units(const QRectF &mm)
{
    return {mm.x() * kUnitsPerMm, mm.y() * kUnitsPerMm, mm.width() * kUnitsPerMm, mm.height() * kUnitsPerMm};
}

QPen pen(const PageItem &item)
{
    if (item.penWidth <= 0)
        return Qt::NoPen;
    QPen p(item.color, item.penWidth * kUnitsPerMm, item.penStyle, Qt::FlatCap, Qt::MiterJoin);
    return p;
}

void paintText(QPainter &painter, const PageItem &item)
{
    const QRectF box = item.rect.adjusted(item.padding, item.padding, -item.padding, -item.padding);
    const Text::Layout layout(item.text, item.font, box.width(), item.wrap, item.align);
    double top = box.top();
    const double free = box.height() - layout.height();
    // With more text than room the beginning stays in view and the end is clipped.
    if (free > 0 && (item.align & Qt::AlignVCenter))
        top += free / 2;
    else if (free > 0 && (item.align & Qt::AlignBottom))
        top += free;
    painter.save();
    if (item.clip)
        painter.setClipRect(units(box.adjusted(-0.05, -0.05, 0.05, 0.05)));
    painter.setPen(item.color);
    layout.draw(painter, QPointF(box.left(), top));
    painter.restore();
}
} // namespace

void paintPage(QPainter &painter, const Page &page, double pixelsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(pixelsPerMm / kUnitsPerMm, pixelsPerMm / kUnitsPerMm);
    for (const PageItem &item : page.items) {
        switch (item.kind) {
        case PageItem::Kind::Text:
            if (item.fill.isValid() || item.penWidth > 0) {
                painter.setPen(pen(item));
                painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : Qt::NoBrush);
                painter.drawRect(units(item.rect));
            }
            break;
        case PageItem::Kind::Line:
            painter.setPen(pen(item));
            painter.drawLine(QLineF(item.line.p1() * kUnitsPerMm, item.line.p2() * kUnitsPerMm));
            break;
        case PageItem::Kind::Rect:
            painter.setPen(pen(item));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : Qt::NoBrush);
            painter.drawRect(units(item.rect));
            break;
        case PageItem::Kind::Bars:
            // Bars are exact rectangles: no smoothing that would widen them.
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            for (const QRectF &bar : item.bars)
                painter.drawRect(units(bar.translated(item.rect.topLeft())));
            painter.restore();
            break;
        }
        if (item.kind == PageItem::Kind::Text && !item.text.isEmpty())
            paintText(painter, item);
    }
    painter.restore();
}

void writePdf(const Document &document, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(document.pageLayout());
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("SGCBM"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(QStringLiteral("Não foi possível gerar o PDF do relatório."));
    const double pixelsPerMm = kPdfResolution / 25.4;
    bool first = true;
    for (const Page &page : document.pages) {
        if (!first)
            writer.newPage();
        first = false;
        paintPage(painter, page, pixelsPerMm);
    }
    painter.end();
}

void writePdfFile(const Document &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    writePdf(document, file);
    if (!file.commit())
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace Report
