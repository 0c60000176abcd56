#pragma once

#include "db/query.h"
#include "establishments/callertag.h"

#include <QDialog>

#include <memory>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;
class QueryModel;

// The pattern of the lookup dialogs (neighbourhoods, streets, activities): a
// search box searching on every change, a read-only list, "OK" as the default
// button, the hidden caller-tag box, and the write-back to the opener when the
// dialog closes by any means.
class LocalizaBase : public QDialog
{
    Q_OBJECT

public:
    // The result list; the write-back uses its current row.
    Query zqLista;

    void setTag(const QString &tag);
    QString tag() const;

    void edtBuscaChange(const QString &text);
    void btnOKClick();
    void grdListaCellClick();

    // The row the dialog would hand back now.
    virtual Escolha escolha() const = 0;

protected:
    struct Config
    {
        QString objectName;
        QString caption;
        QString listaName; // objectName of the list query
        QString tagBox; // "editDef" or "editConf"
        QString tagInicial; // the tag when the opener sets none
        Lookup kind;
    };

    LocalizaBase(const Config &config, QWidget *parent);

    // Whether the typed text starts a search.
    virtual bool podeBuscar(const QString &text) const { return !text.isEmpty(); }
    // The search statement's lines (parameter :nome).
    virtual QStringList linhasBusca() const = 0;
    // A click on a row of the list: by default the dialog closes with that row.
    virtual void linhaClicada();
    // "OK": by default the dialog closes.
    virtual void confirmar();
    // After the write-back.
    virtual void depoisDeEscrever() { }

    // Reads the list again when it is open (after a register window returns).
    void releitura();
    // The opener's write-back for the current tag; the tag is emptied after.
    void escreverDeVolta(const Escolha &escolha);
    void setBuscaSemPesquisar(const QString &text);
    // The current row's number and text columns; an empty choice without a row.
    Escolha escolhaDe(const QString &numero, const QString &texto) const;

    QHBoxLayout *botoes() const { return m_botoes; }
    QueryModel *model() const { return m_model; }

    QLineEdit *edtBusca = nullptr;
    QTableView *grdLista = nullptr;
    QPushButton *btnOK = nullptr;
    QLineEdit *editTag = nullptr;

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    Config m_config;
    QueryModel *m_model = nullptr;
    QHBoxLayout *m_botoes = nullptr;
};

// Creates a lookup dialog owned by `opener`, sets its caller tag, shows it
// modally and destroys it when it closes.
template<typename Dialog> void abrirLocaliza(QWidget *opener, const QString &tag)
{
    std::unique_ptr<Dialog> dialog(new Dialog(opener));
    dialog->setTag(tag);
    dialog->exec();
}
