#pragma once

#include "app/shell/shell.h"
#include "db/query.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QueryModel;

// "Buscar Empresas": establishments from `cliente_view` by name, CNPJ/CPF or
// trade name typed (or by street), or by the row of filters ("Buscar"); leads
// to their registration and prints the list.
class TfrmPesqEmpresa : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPesqEmpresa(QWidget *parent = nullptr);

    // The establishments found (offered to the report as rdsContribuinteCadastro).
    Query zqContribuinte;
    // The neighbourhood chosen for the "Bairro" filter.
    Query zqBairro;
    // Cities for the "Municipio" filter.
    Query zqCidade;
    // The list offered to the report "listaEmpresas.rav".
    QueryConnection rdsContribuinteCadastro;

    // The row-count label's text.
    QString total() const;

    void edtBuscaChange(const QString &text);
    void btnBuscarClick();
    void btnNovoClick();
    void btnAltCadastroClick();
    void btnImprimirClick();
    void ckSituacaoClick();
    void ckNaoTemClick();
    void ckMesClick();
    void ckBairroClick();
    void ckMunicipioClick();
    void edtBairroKeyPress();
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The filter lines, in their order; "Nao Isentos" only for "Buscar".
    void filtros(bool buscar);
    void limite();
    void fecharLista();
    void releitura();
    QVariant estiloDaLinha(int row, int role) const;

    QueryModel *m_model;

    QLineEdit *edtBusca;
    QCheckBox *ckEndereco;
    QCheckBox *ckSituacao;
    QComboBox *cbSituacao;
    QCheckBox *ckNaoTem;
    QComboBox *cbAnoSiapi;
    QCheckBox *ckMes;
    QComboBox *cbMes;
    QCheckBox *ckBairro;
    QLineEdit *edtBairro;
    QLineEdit *edtSiapi;
    QCheckBox *ckNaoIsentos;
    QCheckBox *ckMunicipio;
    QComboBox *cbMunicipio;
    QCheckBox *ckSemSiapi;
    QLineEdit *edtQuantidade;
    QLabel *lbFantasia;
    QLabel *lbTotal;
    QTableView *grdContribuinte;
    QPushButton *btnNovo;
    QPushButton *btnAltCadastro;
    QPushButton *btnInspecao;
    QPushButton *btnBuscar;
    QPushButton *btnImprimir;
    QPushButton *btnOK;
};
