#include "reports/ui/reportpreview.h"

#include "reports/render.h"
#include "reports/reporterror.h"
#include "ui/guard.h"
#include "ui/messageservice.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const QList<int> kZoomSteps {25, 50, 75, 100, 125, 150, 200, 300};

QString pageStatus(const QString &pattern, int page)
{
    QString text = pattern;
    return text.replace(QStringLiteral("%p"), QString::number(page));
}
} // namespace

ReportPreview::ReportPreview(const Report::Document &document, QWidget *parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(kTitle);
    setModal(true);
    setSizeGripEnabled(true);

    auto *bar = new QHBoxLayout;
    auto button = [this, bar](const QString &name, const QString &text, const QString &tip) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_first = button(QStringLiteral("btnFirst"), QStringLiteral("|<"), QStringLiteral("Primeira página"));
    m_prior = button(QStringLiteral("btnPrior"), QStringLiteral("<"), QStringLiteral("Página anterior"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lbPage"));
    bar->addWidget(m_pageLabel);
    m_next = button(QStringLiteral("btnNext"), QStringLiteral(">"), QStringLiteral("Próxima página"));
    m_last = button(QStringLiteral("btnLast"), QStringLiteral(">|"), QStringLiteral("Última página"));
    bar->addSpacing(16);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("cbZoom"));
    for (int z : kZoomSteps)
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(z), z);
    bar->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
    bar->addWidget(m_zoomBox);
    bar->addSpacing(16);
    QPushButton *printButton = button(QStringLiteral("btnPrint"), QStringLiteral("Imprimir..."),
                                      QStringLiteral("Imprimir o relatório"));
    QPushButton *pdfButton = button(QStringLiteral("btnSavePdf"), QStringLiteral("Salvar PDF..."),
                                    QStringLiteral("Salvar como Adobe Acrobat (PDF)"));
    bar->addStretch();
    QPushButton *closeButton = button(QStringLiteral("btnClose"), QStringLiteral("Fechar"),
                                      QStringLiteral("Fechar a visualização"));

    m_pageView = new QLabel;
    m_pageView->setObjectName(QStringLiteral("pageView"));
    m_pageView->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_pageView);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lbStatus"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_status);

    onSignal(m_first, &QPushButton::clicked, this, [this] { setPage(0); });
    onSignal(m_prior, &QPushButton::clicked, this, [this] { setPage(m_page - 1); });
    onSignal(m_next, &QPushButton::clicked, this, [this] { setPage(m_page + 1); });
    onSignal(m_last, &QPushButton::clicked, this, [this] { setPage(pageCount() - 1); });
    onSignal(printButton, &QPushButton::clicked, this, &ReportPreview::print);
    onSignal(pdfButton, &QPushButton::clicked, this, &ReportPreview::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    onSignal(m_zoomBox, &QComboBox::currentIndexChanged, this,
             [this](int index) { setZoom(m_zoomBox->itemData(index).toInt()); });

    m_zoomBox->setCurrentIndex(kZoomSteps.indexOf(kInitialZoom));
    render();
}

void ReportPreview::setPage(int page)
{
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    if (page == m_page)
        return;
    m_page = page;
    render();
}

void ReportPreview::setZoom(int percent)
{
    percent = std::clamp(percent, 10, 400);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    const int index = m_zoomBox->findData(percent);
    if (index >= 0 && index != m_zoomBox->currentIndex()) {
        QSignalBlocker block(m_zoomBox);
        m_zoomBox->setCurrentIndex(index);
    }
    render();
}

void ReportPreview::render()
{
    const int count = pageCount();
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(count ? m_page + 1 : 0).arg(count));
    m_first->setEnabled(m_page > 0);
    m_prior->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    m_last->setEnabled(m_page + 1 < count);
    if (count == 0) {
        m_pageView->clear();
        return;
    }
    showStatus(pageStatus(QStringLiteral("Generating page %p"), m_page + 1));
    const qreal ratio = devicePixelRatioF();
    const double pixelsPerMm = logicalDpiX() * m_zoom / 100.0 / 25.4 * ratio;
    const QSizeF mm = m_document.sizeMm();
    QImage image(qRound(mm.width() * pixelsPerMm), qRound(mm.height() * pixelsPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Report::paintPage(painter, m_document.pages[m_page], pixelsPerMm);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    m_pageView->setPixmap(pixmap);
    showStatus(QString());
}

void ReportPreview::showStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

void ReportPreview::printTo(QPrinter &printer, int from, int to)
{
    from = std::max(1, from);
    to = std::min(pageCount(), to <= 0 ? pageCount() : to);
    printer.setDocName(kPrintJobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("Não foi possível iniciar a impressão."));
    const double pixelsPerMm = printer.resolution() / 25.4; // 100 %, no fitting
    // The painter starts at the printable area; move back to the sheet's corner.
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF pageArea = printer.pageRect(QPrinter::DevicePixel);
    painter.translate(paper.topLeft() - pageArea.topLeft());
    for (int p = from; p <= to; ++p) {
        if (p > from)
            printer.newPage();
        showStatus(pageStatus(QStringLiteral("Printing page %p"), p));
        Report::paintPage(painter, m_document.pages[p - 1], pixelsPerMm);
    }
    painter.end();
    showStatus(QString());
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kPrintJobTitle);
    printer.setPageLayout(m_document.pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Output Options"));
    dialog.setMinMax(1, pageCount());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintCurrentPage | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 1, to = pageCount();
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = m_page + 1;
    }
    printTo(printer, from, to);
}

void ReportPreview::saveAsPdf()
{
    QString path = MessageService::instance().saveFileName(QStringLiteral("Salvar como PDF"),
                                                           m_document.name + QStringLiteral(".pdf"),
                                                           QStringLiteral("Adobe Acrobat (PDF) (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    showStatus(QStringLiteral("Salvando %1").arg(path));
    Report::writePdfFile(m_document, path);
    showStatus(QString());
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: setPage(m_page + 1); return;
    case Qt::Key_PageUp: setPage(m_page - 1); return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            setPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            setPage(pageCount() - 1);
            return;
        }
        break;
    default: break;
    }
    QDialog::keyPressEvent(event);
}
