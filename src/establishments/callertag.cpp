#include "establishments/callertag.h"

#include "db/query.h"

#include <QPointer>

WriteBack::WriteBack(QObject *opener, Lookup kind, QString tag, Fn fn)
    : QObject(opener), m_kind(kind), m_tag(std::move(tag)), m_fn(std::move(fn))
{ }

void WriteBack::add(QObject *opener, Lookup kind, const QString &tag, Fn fn)
{
    new WriteBack(opener, kind, tag, std::move(fn));
}

bool WriteBack::run(QObject *opener, Lookup kind, const QString &tag, const Escolha &escolha)
{
    if (tag.isEmpty())
        return false;
    for (QObject *o = opener; o; o = o->parent()) {
        const auto registered = o->findChildren<WriteBack *>(QString(), Qt::FindDirectChildrenOnly);
        // The latest registration of a kind and tag wins.
        for (auto it = registered.crbegin(); it != registered.crend(); ++it) {
            if ((*it)->m_kind == kind && (*it)->m_tag == tag) {
                (*it)->m_fn(escolha);
                return true;
            }
        }
    }
    return false;
}

WriteBack::Fn WriteBack::reloadBairro(Query *bairros)
{
    QPointer<Query> q(bairros);
    return [q](const Escolha &e) {
        if (!q)
            return;
        q->clearSql();
        q->addSql(QStringLiteral("select * from bairros where BAI_NU_SEQUENCIAL = :nome"));
        q->addSql(QStringLiteral("order by BAI_NO"));
        q->setParam(QStringLiteral("nome"), e.numero);
        q->open();
    };
}

WriteBack::Fn WriteBack::reloadAtividade(Query *atividades)
{
    QPointer<Query> q(atividades);
    return [q](const Escolha &e) {
        if (!q)
            return;
        q->clearSql();
        q->addSql(QStringLiteral("select * from atividade where ATIVID_CODIGO = :nome"));
        q->setParam(QStringLiteral("nome"), e.numero);
        q->open();
    };
}

WriteBack::Fn WriteBack::setText(Query *row, const QString &field, bool nullWithoutRow)
{
    QPointer<Query> q(row);
    return [q, field, nullWithoutRow](const Escolha &e) {
        if (!q || !q->isActive())
            return;
        if (!q->isEditing())
            q->edit();
        if (!e.temLinha && nullWithoutRow)
            q->setValue(field, QVariant());
        else
            q->setValue(field, e.texto);
    };
}
