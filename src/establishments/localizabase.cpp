#include "establishments/localizabase.h"

#include "ui/guard.h"
#include "ui/keyboard.h"
#include "ui/querymodel.h"
#include "ui/textboxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

LocalizaBase::LocalizaBase(const Config &config, QWidget *parent) : QDialog(parent), m_config(config)
{
    setObjectName(config.objectName);
    setWindowTitle(config.caption);
    zqLista.setObjectName(config.listaName);

    edtBusca = new QLineEdit(this);
    edtBusca->setObjectName(QStringLiteral("edtBusca"));
    makeUpperCase(edtBusca);

    editTag = new QLineEdit(this);
    editTag->setObjectName(config.tagBox);
    editTag->setVisible(false);
    editTag->setText(config.tagInicial);

    grdLista = new QTableView(this);
    grdLista->setObjectName(QStringLiteral("grdLista"));
    m_model = new QueryModel(&zqLista, this);
    attachGrid(grdLista, m_model);
    grdLista->horizontalHeader()->setStretchLastSection(true);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    m_botoes = new QHBoxLayout;
    m_botoes->addStretch();
    m_botoes->addWidget(btnOK);

    auto *busca = new QHBoxLayout;
    busca->addWidget(edtBusca);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(busca);
    layout->addWidget(grdLista);
    layout->addLayout(m_botoes);
    resize(560, 420);

    arrowsMoveList(this, &zqLista);
    onSignal(edtBusca, &QLineEdit::textEdited, this, &LocalizaBase::edtBuscaChange);
    onSignal(btnOK, &QPushButton::clicked, this, &LocalizaBase::btnOKClick);
    onSignal(grdLista, &QTableView::clicked, this, &LocalizaBase::grdListaCellClick);

    // A new dialog starts with an empty search box.
    edtBusca->clear();
}

void LocalizaBase::setTag(const QString &tag)
{
    editTag->setText(tag);
}

QString LocalizaBase::tag() const
{
    return editTag->text();
}

void LocalizaBase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    edtBusca->setFocus();
}

void LocalizaBase::edtBuscaChange(const QString &text)
{
    zqLista.close();
    if (!podeBuscar(text))
        return;
    zqLista.clearSql();
    for (const QString &line : linhasBusca())
        zqLista.addSql(line);
    zqLista.setParam(QStringLiteral("nome"), QLatin1Char('%') + text + QLatin1Char('%'));
    zqLista.open();
}

void LocalizaBase::setBuscaSemPesquisar(const QString &text)
{
    edtBusca->setText(text);
}

Escolha LocalizaBase::escolhaDe(const QString &numero, const QString &texto) const
{
    Escolha e;
    if (!zqLista.isActive() || zqLista.recNo() < 0)
        return e;
    e.temLinha = true;
    if (!numero.isEmpty())
        e.numero = zqLista.int64Value(numero);
    e.texto = zqLista.text(texto);
    return e;
}

void LocalizaBase::btnOKClick()
{
    confirmar();
}

void LocalizaBase::confirmar()
{
    accept();
}

void LocalizaBase::grdListaCellClick()
{
    linhaClicada();
}

void LocalizaBase::linhaClicada()
{
    accept();
}

void LocalizaBase::releitura()
{
    if (zqLista.isActive())
        zqLista.refresh();
}

void LocalizaBase::escreverDeVolta(const Escolha &escolha)
{
    const QString t = tag();
    editTag->clear();
    WriteBack::run(parent(), m_config.kind, t, escolha);
}

// Closing by any means (OK, a click on a row, Esc, the close box) hands the
// current row back to the opener.
void LocalizaBase::done(int result)
{
    guarded([this] { escreverDeVolta(escolha()); });
    guarded([this] { depoisDeEscrever(); });
    QDialog::done(result);
}
