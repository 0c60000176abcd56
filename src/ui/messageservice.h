#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box, Yes/No question, error report and file dialog of the
// program goes through the one MessageService installed here. Tests install a
// scripted double (see ScriptedMessages) that records what was shown and
// answers from a script instead of opening modal windows.
class MessageService
{
public:
    virtual ~MessageService() = default;

    // Plain message box (the program's "ShowMessage").
    virtual void message(const QString &text) = 0;
    // Warning box with its own caption.
    virtual void warning(const QString &caption, const QString &text) = 0;
    // Yes/No question captioned "Atenção!". True for Yes.
    virtual bool question(const QString &text) = 0;
    // The standard error report for an exception that reached an event handler.
    virtual void error(const QString &text) = 0;
    // File dialogs; an empty text when the operator cancels.
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir, const QString &filter) = 0;

    // The service in use; a QMessageBox-based one unless a test replaced it.
    static MessageService &instance();
    // Installs a service (not owned); nullptr restores the default one.
    static void install(MessageService *service);
};

// Short forms used throughout the windows.
namespace Msg {
inline void show(const QString &text)
{
    MessageService::instance().message(text);
}
inline void warning(const QString &caption, const QString &text)
{
    MessageService::instance().warning(caption, text);
}
inline bool ask(const QString &text)
{
    return MessageService::instance().question(text);
}
inline void error(const QString &text)
{
    MessageService::instance().error(text);
}
} // namespace Msg

// Caption of every Yes/No question.
inline const QString kQuestionCaption = QStringLiteral("Atenção!");
