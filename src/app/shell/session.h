#pragma once

#include <QObject>
#include <QVariantMap>

// The operator logged in: the user's row as read at login (and read again
// after user administration), and the permission check every guarded
// operation calls first.
class Session : public QObject
{
    Q_OBJECT

public:
    enum class Permission { CadServico, RemoverServico, CadBoleto, RemoverBoleto, ConfUsuario };

    static Session &instance();

    bool loggedIn() const { return m_loggedIn; }
    // Column of the user's row by name (case-insensitive); null when logged out.
    QVariant value(const QString &column) const;
    QString nome() const { return value(QStringLiteral("USUARIO_NOME")).toString(); }
    QString guerra() const { return value(QStringLiteral("USUARIO_GUERRA")).toString(); }
    int codigo() const { return value(QStringLiteral("USUARIO_CODIGO")).toInt(); }

    void login(const QVariantMap &row);
    void clear();
    // Reads the user's row again by its number; a row no longer there leaves
    // the session as it was until the next login.
    void reload();

    // Only the exact text "S" grants.
    bool has(Permission permission) const;
    // Shows the refusal message and throws Abort when the flag does not grant.
    void require(Permission permission) const;

    static QString column(Permission permission);
    static QString refusal(Permission permission);

Q_SIGNALS:
    void changed();

private:
    Session() = default;
    bool m_loggedIn = false;
    QVariantMap m_row;
};
