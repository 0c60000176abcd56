#pragma once

#include "reports/document.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

// The report preview: one page at a time, opening at 50 %, with paging,
// zoom, printing through the printer dialog and saving as PDF.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Report Preview");
    static inline const QString kPrintJobTitle = QStringLiteral("ReportPrinter Report");
    static constexpr int kInitialZoom = 50;

    explicit ReportPreview(const Report::Document &document, QWidget *parent = nullptr);

    int pageCount() const { return static_cast<int>(m_document.pages.size()); }
    int currentPage() const { return m_page; } // 0-based
    void setPage(int page);
    int zoom() const { return m_zoom; } // percent
    void setZoom(int percent);

    // Prints pages from..to (1-based, inclusive) on a printer already set up.
    void printTo(QPrinter &printer, int from, int to);
    // Asks for the printer and prints ("Imprimir").
    void print();
    // Asks for a file name and writes the whole report as PDF ("Salvar PDF").
    void saveAsPdf();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();
    void showStatus(const QString &text);

    Report::Document m_document;
    int m_page = 0;
    int m_zoom = kInitialZoom;
    QPushButton *m_first, *m_prior, *m_next, *m_last;
    QLabel *m_pageLabel, *m_pageView, *m_status;
    QComboBox *m_zoomBox;
    QScrollArea *m_scroll;
};
