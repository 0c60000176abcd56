#pragma once

#include "reports/runner.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QDialog;
class QLabel;

// The runner's output in the program: a "Report Status" window while the
// pages are built, then the modal, maximised preview.
class PreviewOutput : public ReportOutput
{
public:
    explicit PreviewOutput(QWidget *parent = nullptr);
    ~PreviewOutput() override;

    void building(int page) override;
    void abandon() override;
    void deliver(const Report::Document &document) override;

private:
    QPointer<QWidget> m_parent;
    std::unique_ptr<QDialog> m_status;
    QLabel *m_statusText = nullptr;
};
