#include "app/shell/session.h"

#include "common/apperror.h"
#include "db/query.h"
#include "ui/messageservice.h"

namespace {
const QString kNoPermission = QStringLiteral("Este usuário nao possui esta permissao para esta operacao.");
const QString kNoPermissionShort = QStringLiteral("Usuario sem permissao.");
} // namespace

Session &Session::instance()
{
    static Session session;
    return session;
}

QVariant Session::value(const QString &column) const
{
    for (auto it = m_row.cbegin(); it != m_row.cend(); ++it)
        if (it.key().compare(column, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

void Session::login(const QVariantMap &row)
{
    m_row = row;
    m_loggedIn = true;
    Q_EMIT changed();
}

void Session::clear()
{
    m_row.clear();
    m_loggedIn = false;
    Q_EMIT changed();
}

void Session::reload()
{
    if (!m_loggedIn)
        return;
    Query q;
    q.setSql(QStringLiteral("select * from usuario where USUARIO_CODIGO = :cod"));
    q.setParam(QStringLiteral("cod"), codigo());
    q.open();
    if (q.isEmpty())
        return;
    login(q.currentRow());
}

QString Session::column(Permission permission)
{
    switch (permission) {
    case Permission::CadServico: return QStringLiteral("cadServico");
    case Permission::RemoverServico: return QStringLiteral("removerServico");
    case Permission::CadBoleto: return QStringLiteral("cadBoleto");
    case Permission::RemoverBoleto: return QStringLiteral("removerBoleto");
    case Permission::ConfUsuario: return QStringLiteral("confUsuario");
    }
    return {};
}

QString Session::refusal(Permission permission)
{
    switch (permission) {
    case Permission::RemoverServico:
    case Permission::RemoverBoleto: return kNoPermissionShort;
    default: return kNoPermission;
    }
}

bool Session::has(Permission permission) const
{
    const QVariant flag = value(column(permission));
    return !flag.isNull() && flag.toString() == QLatin1String("S");
}

void Session::require(Permission permission) const
{
    if (has(permission))
        return;
    Msg::show(refusal(permission));
    throw Abort();
}
