#include "reports/ui/previewoutput.h"

#include "reports/ui/reportpreview.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

PreviewOutput::PreviewOutput(QWidget *parent) : m_parent(parent)
{ }

PreviewOutput::~PreviewOutput() = default;

void PreviewOutput::building(int page)
{
    if (!m_status) {
        m_status = std::make_unique<QDialog>(m_parent);
        m_status->setObjectName(QStringLiteral("ReportStatus"));
        m_status->setWindowTitle(QStringLiteral("Report Status"));
        m_statusText = new QLabel(m_status.get());
        m_statusText->setMinimumWidth(240);
        auto *layout = new QVBoxLayout(m_status.get());
        layout->addWidget(m_statusText);
        m_status->show();
    }
    m_statusText->setText(QStringLiteral("Generating page %1").arg(page));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PreviewOutput::abandon()
{
    m_status.reset();
    m_statusText = nullptr;
}

void PreviewOutput::deliver(const Report::Document &document)
{
    m_status.reset();
    m_statusText = nullptr;
    ReportPreview preview(document, m_parent);
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
}
