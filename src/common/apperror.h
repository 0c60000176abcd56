#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <stdexcept>

// Base of the program's own exceptions. The text is what the operator reads in
// the standard error report; what() gives it as UTF-8.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text);
    QString text() const { return m_text; }

private:
    QString m_text;
};

// A statement failed on the server (or the connection is gone).
class DbError : public AppError
{
public:
    DbError(const QString &text, const QString &nativeCode = {});
    QString nativeCode() const { return m_code; }

private:
    QString m_code;
};

// A text that should hold a number does not.
class ConversionError : public AppError
{
public:
    using AppError::AppError;
};

// Silent stop of the operation in progress: the event-handler guard swallows it
// without a message (a validation that already told the operator, say).
class Abort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operação interrompida"; }
};

// The operator-facing text of any exception.
QString exceptionText(const std::exception &e);
