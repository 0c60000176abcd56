#include "common/apperror.h"

AppError::AppError(const QString &text) : std::runtime_error(text.toUtf8().toStdString()), m_text(text)
{ }

DbError::DbError(const QString &text, const QString &nativeCode) : AppError(text), m_code(nativeCode)
{ }

QString exceptionText(const std::exception &e)
{
    if (auto *app = dynamic_cast<const AppError *>(&e))
        return app->text();
    return QString::fromUtf8(e.what());
}
