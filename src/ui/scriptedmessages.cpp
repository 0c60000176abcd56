#include "ui/scriptedmessages.h"

ScriptedMessages::ScriptedMessages()
{
    MessageService::install(this);
}

ScriptedMessages::~ScriptedMessages()
{
    if (&MessageService::instance() == this)
        MessageService::install(nullptr);
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out << e.text;
    return out;
}

QStringList ScriptedMessages::texts(Kind kind) const
{
    QStringList out;
    for (const Entry &e : m_entries)
        if (e.kind == kind)
            out << e.text;
    return out;
}

void ScriptedMessages::clear()
{
    m_entries.clear();
    m_answers.clear();
    m_files.clear();
    m_unexpected = 0;
}

void ScriptedMessages::record(Kind kind, const QString &caption, const QString &text)
{
    m_entries.append({kind, caption, text});
    if (m_hook)
        m_hook(m_entries.last());
}

void ScriptedMessages::message(const QString &text)
{
    record(Kind::Message, {}, text);
}

void ScriptedMessages::warning(const QString &caption, const QString &text)
{
    record(Kind::Warning, caption, text);
}

bool ScriptedMessages::question(const QString &text)
{
    record(Kind::Question, kQuestionCaption, text);
    if (m_answers.isEmpty()) {
        ++m_unexpected;
        return false;
    }
    return m_answers.dequeue();
}

void ScriptedMessages::error(const QString &text)
{
    record(Kind::Error, {}, text);
}

QString ScriptedMessages::openFileName(const QString &caption, const QString &, const QString &)
{
    record(Kind::OpenFile, caption, {});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QString ScriptedMessages::saveFileName(const QString &caption, const QString &, const QString &)
{
    record(Kind::SaveFile, caption, {});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}
