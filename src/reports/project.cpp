#include "reports/project.h"

#include "reports/reporterror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace Report {

TextStyle TextStyle::over(const TextStyle &base) const
{
    TextStyle r = base;
    if (families)
        r.families = families;
    if (size)
        r.size = size;
    if (bold)
        r.bold = bold;
    if (italic)
        r.italic = italic;
    if (underline)
        r.underline = underline;
    if (color)
        r.color = color;
    if (align)
        r.align = align;
    if (valign)
        r.valign = valign;
    if (overflow)
        r.overflow = overflow;
    if (padding)
        r.padding = padding;
    if (border)
        r.border = border;
    if (fill)
        r.fill = fill;
    return r;
}

QSizeF ReportDef::pageSizeMm() const
{
    QSizeF size = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        size.transpose();
    return size;
}

double ReportDef::contentWidth() const
{
    return pageSizeMm().width() - margins.left() - margins.right();
}

namespace {

void collectConnections(const std::vector<BodyItem> &items, std::vector<QStringList> &out)
{
    for (const BodyItem &item : items) {
        if (!item.data)
            continue;
        if (std::find(out.begin(), out.end(), item.data->sources) == out.end())
            out.push_back(item.data->sources);
        collectConnections(item.data->children, out);
    }
}

TextStyle defaultStyle()
{
    TextStyle s;
    s.families = QStringList {QStringLiteral("DejaVu Sans")};
    s.size = 9;
    s.bold = s.italic = s.underline = false;
    s.color = QColor(Qt::black);
    s.align = Qt::AlignLeft;
    s.valign = Qt::AlignTop;
    s.overflow = QStringLiteral("clip");
    s.padding = 0;
    s.border = 0;
    return s;
}

// Reads the XML of one file into a Project, with the line of every fault.
class Parser
{
public:
    Parser(QIODevice &device, const QString &name) : m_xml(&device), m_name(name) { }

    Project run()
    {
        Project project;
        project.path = m_name;
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("project")) {
            if (m_xml.hasError())
                fail(m_xml.errorString());
            fail(QStringLiteral("o elemento raiz deve ser <project>"));
        }
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("style")) {
                readStyleDef(m_projectStyles);
            } else if (m_xml.name() == QLatin1String("report")) {
                ReportDef def = readReport();
                if (project.reports.contains(def.name))
                    fail(QStringLiteral("relatório \"%1\" repetido").arg(def.name));
                project.reports.insert(def.name, std::move(def));
            } else {
                unexpected();
            }
        }
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return project;
    }

private:
    [[noreturn]] void fail(const QString &why) const
    {
        throw ReportError(QStringLiteral("Erro no projeto de relatório \"%1\", linha %2: %3")
                              .arg(m_name)
                              .arg(m_xml.lineNumber())
                              .arg(why));
    }
    [[noreturn]] void unexpected() const
    {
        fail(QStringLiteral("elemento <%1> inesperado aqui").arg(m_xml.name().toString()));
    }

    QString where() const
    {
        return QStringLiteral("Projeto de relatório \"%1\", linha %2").arg(m_name).arg(m_xml.lineNumber());
    }

    bool has(const QString &attr) const { return m_xml.attributes().hasAttribute(attr); }
    QString attr(const QString &name, const QString &fallback = {}) const
    {
        return has(name) ? m_xml.attributes().value(name).toString() : fallback;
    }
    double number(const QString &name, double fallback) const
    {
        if (!has(name))
            return fallback;
        bool ok = false;
        const double v = attr(name).trimmed().toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("atributo %1=\"%2\" não é um número").arg(name, attr(name)));
        return v;
    }
    std::optional<double> optNumber(const QString &name) const
    {
        if (!has(name))
            return std::nullopt;
        return number(name, 0);
    }
    bool flag(const QString &name, bool fallback) const
    {
        if (!has(name))
            return fallback;
        const QString v = attr(name).trimmed().toLower();
        if (v == u"yes" || v == u"true" || v == u"1" || v == u"sim")
            return true;
        if (v == u"no" || v == u"false" || v == u"0" || v == u"nao" || v == u"não")
            return false;
        fail(QStringLiteral("atributo %1=\"%2\": use yes ou no").arg(name, attr(name)));
    }
    QColor color(const QString &name) const
    {
        const QColor c = QColor::fromString(attr(name).trimmed());
        if (!c.isValid())
            fail(QStringLiteral("cor inválida %1=\"%2\"").arg(name, attr(name)));
        return c;
    }
    Template templ(const QString &name) const
    {
        return has(name) ? Template::parse(attr(name), where()) : Template();
    }

    TextStyle readStyleAttributes() const
    {
        TextStyle s;
        if (has(QStringLiteral("font"))) {
            QStringList families;
            for (const QString &f : attr(QStringLiteral("font")).split(QLatin1Char(',')))
                if (!f.trimmed().isEmpty())
                    families.append(f.trimmed());
            s.families = families;
        }
        s.size = optNumber(QStringLiteral("size"));
        if (s.size && *s.size <= 0)
            fail(QStringLiteral("tamanho de fonte deve ser positivo"));
        if (has(QStringLiteral("bold")))
            s.bold = flag(QStringLiteral("bold"), false);
        if (has(QStringLiteral("italic")))
            s.italic = flag(QStringLiteral("italic"), false);
        if (has(QStringLiteral("underline")))
            s.underline = flag(QStringLiteral("underline"), false);
        if (has(QStringLiteral("color")))
            s.color = color(QStringLiteral("color"));
        if (has(QStringLiteral("fill")))
            s.fill = color(QStringLiteral("fill"));
        if (has(QStringLiteral("align"))) {
            const QString a = attr(QStringLiteral("align"));
            if (a == u"left")
                s.align = Qt::AlignLeft;
            else if (a == u"center")
                s.align = Qt::AlignHCenter;
            else if (a == u"right")
                s.align = Qt::AlignRight;
            else if (a == u"justify")
                s.align = Qt::AlignJustify;
            else
                fail(QStringLiteral("align=\"%1\": use left, center, right ou justify").arg(a));
        }
        if (has(QStringLiteral("valign"))) {
            const QString a = attr(QStringLiteral("valign"));
            if (a == u"top")
                s.valign = Qt::AlignTop;
            else if (a == u"middle")
                s.valign = Qt::AlignVCenter;
            else if (a == u"bottom")
                s.valign = Qt::AlignBottom;
            else
                fail(QStringLiteral("valign=\"%1\": use top, middle ou bottom").arg(a));
        }
        if (has(QStringLiteral("overflow"))) {
            const QString o = attr(QStringLiteral("overflow"));
            static const QStringList known {QStringLiteral("clip"), QStringLiteral("shrink"),
                                            QStringLiteral("wrap"), QStringLiteral("grow")};
            if (!known.contains(o))
                fail(QStringLiteral("overflow=\"%1\": use clip, shrink, wrap ou grow").arg(o));
            s.overflow = o;
        }
        s.padding = optNumber(QStringLiteral("padding"));
        s.border = optNumber(QStringLiteral("border"));
        return s;
    }

    void readStyleDef(QMap<QString, TextStyle> &into)
    {
        const QString name = attr(QStringLiteral("name"));
        if (name.isEmpty())
            fail(QStringLiteral("<style> sem name"));
        TextStyle s = readStyleAttributes();
        if (has(QStringLiteral("base")))
            s = s.over(namedStyle(attr(QStringLiteral("base"))));
        into.insert(name, s);
        m_xml.skipCurrentElement();
    }

    TextStyle namedStyle(const QString &name) const
    {
        if (m_reportStyles.contains(name))
            return m_reportStyles.value(name);
        if (m_projectStyles.contains(name))
            return m_projectStyles.value(name);
        fail(QStringLiteral("estilo \"%1\" não definido").arg(name));
    }

    ReportDef readReport()
    {
        ReportDef def;
        def.name = attr(QStringLiteral("name"));
        if (def.name.isEmpty())
            fail(QStringLiteral("<report> sem name"));
        def.title = attr(QStringLiteral("title"), def.name);
        const QString page = attr(QStringLiteral("page"), QStringLiteral("A4")).toUpper();
        if (page == u"A4")
            def.pageSize = QPageSize(QPageSize::A4);
        else if (page == u"A5")
            def.pageSize = QPageSize(QPageSize::A5);
        else if (page == u"LETTER")
            def.pageSize = QPageSize(QPageSize::Letter);
        else if (page == u"LEGAL")
            def.pageSize = QPageSize(QPageSize::Legal);
        else
            fail(QStringLiteral("page=\"%1\": use A4, A5, letter ou legal").arg(page));
        const QString orientation = attr(QStringLiteral("orientation"), QStringLiteral("portrait"));
        if (orientation == u"landscape")
            def.orientation = QPageLayout::Landscape;
        else if (orientation != u"portrait")
            fail(QStringLiteral("orientation=\"%1\": use portrait ou landscape").arg(orientation));
        if (has(QStringLiteral("margins"))) {
            QList<double> m;
            for (const QString &part :
                 attr(QStringLiteral("margins"))
                     .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                bool ok = false;
                m.append(part.toDouble(&ok));
                if (!ok)
                    fail(QStringLiteral("margins=\"%1\" inválido").arg(attr(QStringLiteral("margins"))));
            }
            if (m.size() == 1)
                def.margins = QMarginsF(m[0], m[0], m[0], m[0]);
            else if (m.size() == 2)
                def.margins = QMarginsF(m[1], m[0], m[1], m[0]);
            else if (m.size() == 4)
                def.margins = QMarginsF(m[3], m[0], m[1], m[2]);
            else
                fail(QStringLiteral("margins: 1, 2 ou 4 medidas (topo direita base esquerda)"));
        }
        m_reportStyles.clear();
        def.style = readStyleAttributes().over(defaultStyle());
        m_base = def.style;
        while (m_xml.readNextStartElement()) {
            const auto n = m_xml.name();
            if (n == QLatin1String("style")) {
                readStyleDef(m_reportStyles);
            } else if (n == QLatin1String("page-header")) {
                def.pageHeader = readBand();
            } else if (n == QLatin1String("page-footer")) {
                def.pageFooter = readBand();
            } else if (n == QLatin1String("band")) {
                def.body.push_back({readBand(), nullptr});
            } else if (n == QLatin1String("data")) {
                def.body.push_back({std::nullopt, readData()});
            } else {
                unexpected();
            }
        }
        return def;
    }

    std::shared_ptr<DataBlock> readData()
    {
        auto block = std::make_shared<DataBlock>();
        block->line = static_cast<int>(m_xml.lineNumber());
        for (const QString &s : attr(QStringLiteral("source")).split(QLatin1Char('|')))
            if (!s.trimmed().isEmpty())
                block->sources.append(s.trimmed());
        if (block->sources.isEmpty())
            fail(QStringLiteral("<data> sem source"));
        if (has(QStringLiteral("match"))) {
            const QString match = attr(QStringLiteral("match"));
            const qsizetype eq = match.indexOf(QLatin1Char('='));
            if (eq <= 0)
                fail(QStringLiteral("match=\"%1\": use COLUNA={valor}").arg(match));
            block->matchColumn = match.left(eq).trimmed();
            block->matchValue = Template::parse(match.mid(eq + 1).trimmed(), where());
        }
        while (m_xml.readNextStartElement()) {
            const auto n = m_xml.name();
            if (n == QLatin1String("header"))
                block->header = readBand();
            else if (n == QLatin1String("row"))
                block->row = readBand();
            else if (n == QLatin1String("footer"))
                block->footer = readBand();
            else if (n == QLatin1String("empty"))
                block->empty = readBand();
            else if (n == QLatin1String("data"))
                block->children.push_back({std::nullopt, readData()});
            else if (n == QLatin1String("band"))
                block->children.push_back({readBand(), nullptr});
            else
                unexpected();
        }
        if (!block->row)
            fail(QStringLiteral("<data source=\"%1\"> sem <row>").arg(block->sources.join(u'|')));
        return block;
    }

    Band readBand()
    {
        Band band;
        band.line = static_cast<int>(m_xml.lineNumber());
        band.height = number(QStringLiteral("height"), 0);
        band.newPage = flag(QStringLiteral("new-page"), false);
        band.repeat = flag(QStringLiteral("repeat"), true);
        band.keep = number(QStringLiteral("keep"), 0);
        band.showIf = templ(QStringLiteral("if"));
        band.hideIf = templ(QStringLiteral("unless"));
        while (m_xml.readNextStartElement()) {
            const auto n = m_xml.name();
            if (n == QLatin1String("text"))
                band.elements.push_back(readText());
            else if (n == QLatin1String("line"))
                band.elements.push_back(readLine());
            else if (n == QLatin1String("rect"))
                band.elements.push_back(readRect());
            else if (n == QLatin1String("barcode"))
                band.elements.push_back(readBarcode());
            else
                unexpected();
        }
        return band;
    }

    void readCommon(Element &e)
    {
        e.line = static_cast<int>(m_xml.lineNumber());
        e.x = number(QStringLiteral("x"), 0);
        e.y = number(QStringLiteral("y"), 0);
        e.w = optNumber(QStringLiteral("w"));
        e.h = optNumber(QStringLiteral("h"));
        e.showIf = templ(QStringLiteral("if"));
        e.hideIf = templ(QStringLiteral("unless"));
    }

    Qt::PenStyle penStyle() const
    {
        const QString p = attr(QStringLiteral("pen"), QStringLiteral("solid"));
        if (p == u"solid")
            return Qt::SolidLine;
        if (p == u"dash")
            return Qt::DashLine;
        if (p == u"dot")
            return Qt::DotLine;
        fail(QStringLiteral("pen=\"%1\": use solid, dash ou dot").arg(p));
    }

    // Element text: blanks and line ends of the file collapse to one blank,
    // <br/> breaks the line; values put in by placeholders keep their own.
    QString readContent()
    {
        QString raw;
        const QChar breakMark(0x2028);
        while (!m_xml.atEnd()) {
            const auto token = m_xml.readNext();
            if (token == QXmlStreamReader::Characters) {
                raw += m_xml.text();
            } else if (token == QXmlStreamReader::StartElement) {
                if (m_xml.name() != QLatin1String("br"))
                    unexpected();
                raw += breakMark;
                m_xml.skipCurrentElement();
            } else if (token == QXmlStreamReader::EndElement) {
                break;
            }
        }
        // Only the file's own blanks: a no-break space (&#160;) is kept, so a
        // paragraph can start indented.
        static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n]+"));
        raw.replace(blanks, QStringLiteral(" "));
        QStringList lines = raw.split(breakMark);
        for (QString &l : lines) {
            if (l.startsWith(QLatin1Char(' ')))
                l.remove(0, 1);
            if (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
        }
        return lines.join(QLatin1Char('\n'));
    }

    Element readText()
    {
        Element e;
        e.kind = Element::Kind::Text;
        readCommon(e);
        TextStyle own = readStyleAttributes();
        TextStyle base = m_base;
        if (has(QStringLiteral("style")))
            base = namedStyle(attr(QStringLiteral("style"))).over(m_base);
        e.style = own.over(base);
        const QString content = readContent();
        e.text = Template::parse(
            content, QStringLiteral("Projeto de relatório \"%1\", linha %2").arg(m_name).arg(e.line));
        return e;
    }

    Element readLine()
    {
        Element e;
        e.kind = Element::Kind::Line;
        e.line = static_cast<int>(m_xml.lineNumber());
        e.x1 = number(QStringLiteral("x1"), 0);
        e.y1 = number(QStringLiteral("y1"), 0);
        e.x2 = number(QStringLiteral("x2"), e.x1);
        e.y2 = number(QStringLiteral("y2"), e.y1);
        e.penWidth = number(QStringLiteral("width"), 0.2);
        e.penStyle = penStyle();
        if (has(QStringLiteral("color")))
            e.color = color(QStringLiteral("color"));
        e.showIf = templ(QStringLiteral("if"));
        e.hideIf = templ(QStringLiteral("unless"));
        m_xml.skipCurrentElement();
        return e;
    }

    Element readRect()
    {
        Element e;
        e.kind = Element::Kind::Rect;
        readCommon(e);
        if (!e.w || !e.h)
            fail(QStringLiteral("<rect> precisa de w e h"));
        e.penWidth = number(QStringLiteral("width"), 0.2);
        e.penStyle = penStyle();
        if (has(QStringLiteral("color")))
            e.color = color(QStringLiteral("color"));
        if (has(QStringLiteral("fill")))
            e.fill = color(QStringLiteral("fill"));
        m_xml.skipCurrentElement();
        return e;
    }

    Element readBarcode()
    {
        Element e;
        e.kind = Element::Kind::Barcode;
        readCommon(e);
        const QString type = attr(QStringLiteral("type"), QStringLiteral("i25"));
        if (type != u"i25")
            fail(QStringLiteral("type=\"%1\": só i25 (intercalado 2 de 5)").arg(type));
        if (!e.h)
            fail(QStringLiteral("<barcode> precisa de h"));
        e.module = number(QStringLiteral("module"), 0.254);
        if (e.module <= 0)
            fail(QStringLiteral("module deve ser positivo"));
        e.length = static_cast<int>(number(QStringLiteral("length"), 0));
        e.required = flag(QStringLiteral("required"), false);
        const int line = static_cast<int>(m_xml.lineNumber());
        e.text = Template::parse(
            readContent(), QStringLiteral("Projeto de relatório \"%1\", linha %2").arg(m_name).arg(line));
        return e;
    }

    QXmlStreamReader m_xml;
    QString m_name;
    QMap<QString, TextStyle> m_projectStyles, m_reportStyles;
    TextStyle m_base;
};

} // namespace

std::vector<QStringList> ReportDef::connections() const
{
    std::vector<QStringList> out;
    collectConnections(body, out);
    return out;
}

Project Project::load(const QString &path)
{
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("O projeto de relatório \"%1\" não existe.").arg(full));
    return parse(file, full);
}

Project Project::parse(QIODevice &device, const QString &name)
{
    return Parser(device, name).run();
}

} // namespace Report
