#pragma once

#include "db/query.h"

#include <QDialog>

class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;
class QueryModel;

// The pattern of the small register windows (neighbourhoods, activities): a
// list of every row ("Lista", one column "Nome"), one edit group showing the
// current row, the buttons "&Novo", "&Salvar", "&Cancelar", "&Editar",
// "E&xcluir", "<<<" and ">>>", the duplicate-name rule on new rows and the
// close guard.
class CadastroSimples : public QDialog
{
    Q_OBJECT

public:
    // The register's rows.
    Query zqLista;
    // Looks for a row with the typed name before a new row is saved.
    Query zqRepetido;

    void btnNovoClick();
    void btnSalvarClick();
    void btnCancelarClick();
    void btnEditarClick();
    void btnExcluirClick();
    void btnAnteriorClick();
    void btnProximoClick();
    void FormActivate();

protected:
    struct Config
    {
        QString objectName; // of the window
        QString caption;
        QString listaName; // objectName of the list query
        QString tabela; // "bairros"
        QString campoNome; // "BAI_NO"
        QString grupo; // caption of the edit group
        // Activation opens the list when it is closed, or also when it is
        // empty (the activity register, whose list may come prepared).
        bool reabrirVazia = false;
    };

    CadastroSimples(const Config &config, QWidget *parent);

    // The edit group's form, where a register adds its fields after the name.
    QFormLayout *campos() const { return m_campos; }
    QLineEdit *edtNome = nullptr;
    // Nothing typed that could be saved.
    virtual bool semDados() const;
    // Puts the register's usual list statement back.
    void listaPadrao();

    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void reject() override;

private:
    void atualizarModo();
    void abrirSeFechada();
    bool podeFechar();

    Config m_config;
    QFormLayout *m_campos = nullptr;
    QGroupBox *gbDados = nullptr;
    QTableView *grdLista = nullptr;
    QueryModel *m_model = nullptr;
    QPushButton *btnNovo = nullptr;
    QPushButton *btnSalvar = nullptr;
    QPushButton *btnCancelar = nullptr;
    QPushButton *btnEditar = nullptr;
    QPushButton *btnExcluir = nullptr;
    QPushButton *btnAnterior = nullptr;
    QPushButton *btnProximo = nullptr;
};
