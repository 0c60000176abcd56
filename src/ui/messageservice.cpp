#include "ui/messageservice.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget *parentWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString appCaption()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QApplication::applicationName() : name;
}

// Message boxes on the widgets of the platform.
class BoxMessageService : public MessageService
{
public:
    void message(const QString &text) override
    {
        QMessageBox::information(parentWindow(), appCaption(), text);
    }
    void warning(const QString &caption, const QString &text) override
    {
        QMessageBox::warning(parentWindow(), caption, text);
    }
    bool question(const QString &text) override
    {
        return QMessageBox::question(parentWindow(), kQuestionCaption, text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    }
    void error(const QString &text) override { QMessageBox::critical(parentWindow(), appCaption(), text); }
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parentWindow(), caption, dir, filter);
    }
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parentWindow(), caption, dir, filter);
    }
};

BoxMessageService boxService;
MessageService *installed = &boxService;

} // namespace

MessageService &MessageService::instance()
{
    return *installed;
}

void MessageService::install(MessageService *service)
{
    installed = service ? service : &boxService;
}
