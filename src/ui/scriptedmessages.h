#pragma once

#include "ui/messageservice.h"

#include <QList>
#include <QQueue>

#include <functional>

// Test double of the message service: records every text shown, answers
// questions and file dialogs from a script, never opens a window. Installs
// itself on construction and restores the default service when destroyed.
class ScriptedMessages : public MessageService
{
public:
    enum class Kind { Message, Warning, Question, Error, OpenFile, SaveFile };
    struct Entry
    {
        Kind kind;
        QString caption;
        QString text;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    // Answers for the next questions, in order. With none left a question is
    // answered No and counted in unexpectedQuestions().
    void answer(bool yes) { m_answers.enqueue(yes); }
    void answerYes() { answer(true); }
    void answerNo() { answer(false); }
    // File names for the next file dialogs ("" = cancelled).
    void answerFile(const QString &path) { m_files.enqueue(path); }
    // Called whenever something is shown (a test can act on a box's text).
    void onShown(std::function<void(const Entry &)> hook) { m_hook = std::move(hook); }

    const QList<Entry> &entries() const { return m_entries; }
    QStringList texts() const;
    QStringList texts(Kind kind) const;
    // The last text shown; empty when nothing was.
    QString last() const { return m_entries.isEmpty() ? QString() : m_entries.last().text; }
    bool contains(const QString &text) const { return texts().contains(text); }
    int unexpectedQuestions() const { return m_unexpected; }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear();

    void message(const QString &text) override;
    void warning(const QString &caption, const QString &text) override;
    bool question(const QString &text) override;
    void error(const QString &text) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter) override;

private:
    void record(Kind kind, const QString &caption, const QString &text);

    QList<Entry> m_entries;
    QQueue<bool> m_answers;
    QQueue<QString> m_files;
    int m_unexpected = 0;
    std::function<void(const Entry &)> m_hook;
};
