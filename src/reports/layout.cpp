#include "reports/layout.h"

#include "common/regional.h"
#include "reports/barcode.h"
#include "reports/reporterror.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>

namespace Report {

namespace {

const QChar kPageMark(0xE000);
const QChar kPagesMark(0xE001);
constexpr double kEps = 0.01;

class Engine
{
public:
    Engine(const ReportDef &def, const QString &name, const Params &params,
           const ReportConnections &connections, const std::function<void(int)> &onPage)
        : m_def(def), m_connections(connections), m_onPage(onPage)
    {
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            m_params.insert(it.key().toLower(), it.value());
        m_doc.name = name;
        m_doc.title = def.title;
        m_doc.pageSize = def.pageSize;
        m_doc.orientation = def.orientation;
        m_pageHeight = def.pageSizeMm().height();
        m_today = QDateTime::currentDateTime();
    }

    Document run()
    {
        for (const QStringList &alternatives : m_def.connections())
            if (!openSource(alternatives))
                throw ReportError(
                    QStringLiteral("Não foi possível abrir a conexão de dados \"%1\" do relatório "
                                   "\"%2\": nenhuma janela aberta a oferece.")
                        .arg(alternatives.join(QStringLiteral("\" ou \"")), m_def.name));
        startPage();
        processItems(m_def.body);
        finishPage();
        const QString total = QString::number(m_doc.pages.size());
        for (size_t i = 0; i < m_doc.pages.size(); ++i) {
            const QString number = QString::number(i + 1);
            for (PageItem &item : m_doc.pages[i].items) {
                if (item.kind != PageItem::Kind::Text)
                    continue;
                item.text.replace(kPageMark, number);
                item.text.replace(kPagesMark, total);
            }
        }
        return std::move(m_doc);
    }

private:
    struct Scope
    {
        const DataBlock *block = nullptr;
        const ReportDataSource *source = nullptr;
        QString name;
        QHash<QString, int> columns; // lower-case name -> column
        std::vector<int> rows;
        int pos = -1;
        bool headerShown = false;
    };

    struct Built
    {
        double height = 0;
        std::vector<PageItem> items; // y from the band's top, x from the left margin
    };

    std::optional<std::pair<QString, const ReportDataSource *>> openSource(const QStringList &names) const
    {
        for (const QString &n : names)
            if (const ReportDataSource *s = m_connections.find(n))
                return std::make_pair(n, s);
        return std::nullopt;
    }

    // ---- values --------------------------------------------------------

    std::optional<QVariant> lookup(const QString &name) const
    {
        if (name.startsWith(QLatin1Char('#'))) {
            const QString b = name.mid(1).toLower();
            if (b == u"page")
                return QVariant(QString(kPageMark));
            if (b == u"pages")
                return QVariant(QString(kPagesMark));
            if (b == u"date")
                return QVariant(Regional::formatDate(m_today.date()));
            if (b == u"time")
                return QVariant(m_today.toString(QStringLiteral("hh:mm")));
            if (b == u"row" && !m_scopes.empty())
                return QVariant(m_scopes.back().pos + 1);
            if (b == u"count" && !m_scopes.empty())
                return QVariant(static_cast<int>(m_scopes.back().rows.size()));
            return std::nullopt;
        }
        const QString key = name.toLower();
        for (auto it = m_scopes.rbegin(); it != m_scopes.rend(); ++it) {
            const auto column = it->columns.find(key);
            if (column == it->columns.end())
                continue;
            int row = -1;
            if (it->pos >= 0)
                row = it->rows[it->pos];
            else if (!it->rows.empty())
                row = it->rows.front();
            return row < 0 ? QVariant() : it->source->value(row, *column);
        }
        const auto param = m_params.find(key);
        if (param != m_params.end())
            return QVariant(*param);
        return std::nullopt;
    }

    QString expand(const Template &t)
    {
        return t.expand([this](const QString &n) { return lookup(n); },
                        [this](const QString &placeholder) {
                            const QString w
                                = QStringLiteral("linha %1: %2 não corresponde a nenhum parâmetro nem coluna")
                                      .arg(m_line)
                                      .arg(placeholder);
                            if (!m_doc.warnings.contains(w))
                                m_doc.warnings.append(w);
                        });
    }

    bool visible(const Template &showIf, const Template &hideIf)
    {
        if (!showIf.isEmpty() && expand(showIf).trimmed().isEmpty())
            return false;
        if (!hideIf.isEmpty() && !expand(hideIf).trimmed().isEmpty())
            return false;
        return true;
    }

    // ---- bands ---------------------------------------------------------

    Built build(const Band &band)
    {
        struct Grow
        {
            double top, bottom, growth, total;
        };
        std::vector<Grow> grows;
        std::vector<PageItem> items;
        const double width = m_def.contentWidth();

        for (const Element &e : band.elements) {
            m_line = e.line;
            if (!visible(e.showIf, e.hideIf))
                continue;
            PageItem item;
            switch (e.kind) {
            case Element::Kind::Text: {
                const TextStyle &s = e.style;
                item.kind = PageItem::Kind::Text;
                item.text = expand(e.text);
                item.font = Text::font(*s.families, *s.size, *s.bold, *s.italic, *s.underline);
                item.color = *s.color;
                item.align = *s.align | *s.valign;
                item.padding = *s.padding;
                item.penWidth = *s.border;
                if (s.fill)
                    item.fill = *s.fill;
                const double w = e.w.value_or(width - e.x);
                double h = e.h.value_or(Text::lineHeight(item.font) + 2 * item.padding);
                const double inner = w - 2 * item.padding;
                const QString &overflow = *s.overflow;
                item.clip = true;
                if (overflow == u"wrap" || overflow == u"grow") {
                    item.wrap = true;
                    if (overflow == u"grow") {
                        const double needed
                            = Text::height(item.text, item.font, inner, true) + 2 * item.padding;
                        if (needed > h + kEps)
                            grows.push_back({e.y, e.y + h, needed - h, 0});
                    }
                } else if (overflow == u"shrink") {
                    const double natural = Text::naturalWidth(item.text, item.font);
                    if (natural > inner && natural > 0) {
                        const double factor = std::max(0.5, inner / natural * 0.98);
                        item.font.setPixelSize(std::max(1, int(item.font.pixelSize() * factor)));
                    }
                }
                item.rect = QRectF(e.x, e.y, w, h);
                break;
            }
            case Element::Kind::Line:
                item.kind = PageItem::Kind::Line;
                item.line = QLineF(e.x1, e.y1, e.x2, e.y2);
                item.penWidth = e.penWidth;
                item.penStyle = e.penStyle;
                item.color = e.color;
                break;
            case Element::Kind::Rect:
                item.kind = PageItem::Kind::Rect;
                item.rect = QRectF(e.x, e.y, *e.w, *e.h);
                item.penWidth = e.penWidth;
                item.penStyle = e.penStyle;
                item.color = e.color;
                if (e.fill)
                    item.fill = *e.fill;
                break;
            case Element::Kind::Barcode: {
                const QString digits = expand(e.text).trimmed();
                if (digits.isEmpty()) {
                    if (e.required)
                        throw ReportError(
                            QStringLiteral("O relatório \"%1\" não recebeu o código de barras a imprimir.")
                                .arg(m_def.name));
                    continue;
                }
                if (e.length > 0 && digits.size() != e.length)
                    throw ReportError(
                        QStringLiteral(
                            "Código de barras inválido: \"%1\" tem %2 dígitos, o documento pede %3.")
                            .arg(digits)
                            .arg(digits.size())
                            .arg(e.length));
                item.kind = PageItem::Kind::Bars;
                item.bars = interleaved2of5(digits, e.module, *e.h);
                double right = 0;
                for (const QRectF &bar : item.bars)
                    right = std::max(right, bar.right());
                item.rect = QRectF(e.x, e.y, right, *e.h);
                break;
            }
            }
            items.push_back(std::move(item));
        }

        // Texts that grow push down whatever starts below them.
        std::sort(grows.begin(), grows.end(), [](const Grow &a, const Grow &b) { return a.top < b.top; });
        auto shiftAt = [&grows](double v) {
            double s = 0;
            for (const Grow &g : grows)
                if (g.bottom <= v + kEps)
                    s = std::max(s, g.total);
            return s;
        };
        for (Grow &g : grows)
            g.total = shiftAt(g.top) + g.growth;

        Built built;
        built.height = band.height + shiftAt(band.height);
        if (!grows.empty()) {
            for (PageItem &item : items) {
                if (item.kind == PageItem::Kind::Line) {
                    item.line.setP1(QPointF(item.line.x1(), item.line.y1() + shiftAt(item.line.y1())));
                    item.line.setP2(QPointF(item.line.x2(), item.line.y2() + shiftAt(item.line.y2())));
                } else {
                    const double top = item.rect.top() + shiftAt(item.rect.top());
                    const double bottom = item.rect.bottom() + shiftAt(item.rect.bottom());
                    item.rect.setTop(top);
                    item.rect.setBottom(bottom);
                }
            }
        }
        built.items = std::move(items);
        return built;
    }

    void put(const Built &built, double y)
    {
        const QPointF offset(m_def.margins.left(), y);
        Page &page = m_doc.pages.back();
        for (PageItem item : built.items) {
            if (item.kind == PageItem::Kind::Line)
                item.line.translate(offset);
            else
                item.rect.translate(offset);
            page.items.push_back(std::move(item));
        }
    }

    void place(const Band &band)
    {
        if (!visible(band.showIf, band.hideIf))
            return;
        if (band.newPage && !m_atTop)
            newPage();
        Built built = build(band);
        const double need = std::max(built.height, band.keep);
        if (!m_atTop && m_y + need > m_bodyBottom + kEps) {
            newPage();
        }
        put(built, m_y);
        m_y += built.height;
        m_atTop = false;
    }

    // ---- pages ---------------------------------------------------------

    void startPage()
    {
        m_doc.pages.emplace_back();
        if (m_onPage)
            m_onPage(static_cast<int>(m_doc.pages.size()));
        m_y = m_def.margins.top();
        if (m_def.pageHeader && visible(m_def.pageHeader->showIf, m_def.pageHeader->hideIf)) {
            const Built header = build(*m_def.pageHeader);
            put(header, m_y);
            m_y += header.height;
        }
        const double footer = m_def.pageFooter ? m_def.pageFooter->height : 0;
        m_bodyBottom = m_pageHeight - m_def.margins.bottom() - footer;
        // Column headings of the blocks still printing come again.
        for (const Scope &scope : m_scopes) {
            if (scope.headerShown && scope.block->header && scope.block->header->repeat) {
                const Built header = build(*scope.block->header);
                put(header, m_y);
                m_y += header.height;
            }
        }
        m_atTop = true;
    }

    void finishPage()
    {
        if (!m_def.pageFooter || !visible(m_def.pageFooter->showIf, m_def.pageFooter->hideIf))
            return;
        const Built footer = build(*m_def.pageFooter);
        put(footer, m_pageHeight - m_def.margins.bottom() - m_def.pageFooter->height);
    }

    void newPage()
    {
        finishPage();
        startPage();
    }

    // ---- body ----------------------------------------------------------

    void processItems(const std::vector<BodyItem> &items)
    {
        for (const BodyItem &item : items) {
            if (item.band)
                place(*item.band);
            else
                processData(*item.data);
        }
    }

    void processData(const DataBlock &block)
    {
        const auto open = openSource(block.sources);
        Scope scope;
        scope.block = &block;
        scope.name = open->first;
        scope.source = open->second;
        const QStringList columns = scope.source->columnNames();
        for (int i = 0; i < columns.size(); ++i)
            if (!scope.columns.contains(columns[i].toLower()))
                scope.columns.insert(columns[i].toLower(), i);
        const int count = scope.source->rowCount();
        if (block.matchColumn.isEmpty()) {
            for (int r = 0; r < count; ++r)
                scope.rows.push_back(r);
        } else if (count > 0) {
            m_line = block.line;
            const QString wanted = expand(block.matchValue).trimmed();
            const auto column = scope.columns.find(block.matchColumn.toLower());
            if (column == scope.columns.end())
                throw ReportError(
                    QStringLiteral(
                        "O relatório \"%1\" relaciona pela coluna \"%2\", que a conexão \"%3\" não tem.")
                        .arg(m_def.name, block.matchColumn, scope.name));
            for (int r = 0; r < count; ++r)
                if (scope.source->value(r, *column).toString().trimmed() == wanted)
                    scope.rows.push_back(r);
        }
        m_scopes.push_back(std::move(scope));
        const size_t index = m_scopes.size() - 1;

        if (m_scopes[index].rows.empty()) {
            if (block.empty)
                place(*block.empty);
            m_scopes.pop_back();
            return;
        }
        if (block.header) {
            place(*block.header);
            m_scopes[index].headerShown = true;
        }
        const int rows = static_cast<int>(m_scopes[index].rows.size());
        for (int i = 0; i < rows; ++i) {
            m_scopes[index].pos = i;
            place(*block.row);
            processItems(block.children);
        }
        if (block.footer)
            place(*block.footer);
        m_scopes.pop_back();
    }

    const ReportDef &m_def;
    const ReportConnections &m_connections;
    std::function<void(int)> m_onPage;
    QHash<QString, QString> m_params;
    QDateTime m_today;
    Document m_doc;
    std::vector<Scope> m_scopes;
    double m_pageHeight = 0;
    double m_y = 0;
    double m_bodyBottom = 0;
    bool m_atTop = true;
    int m_line = 0;
};

} // namespace

Document layout(const ReportDef &def, const QString &name, const Params &params,
                const ReportConnections &connections, const std::function<void(int)> &onPage)
{
    return Engine(def, name, params, connections, onPage).run();
}

} // namespace Report
