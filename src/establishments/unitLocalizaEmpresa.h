#pragma once

#include "app/shell/shell.h"
#include "db/query.h"
#include "establishments/callertag.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QueryModel;

// "Buscar": the establishment locator. Lists establishments by what is typed
// (every keystroke) or by its filters ("Buscar", which never offers an
// establishment that already has a letter or certificate), returns the chosen
// one's CNPJ/CPF to its opener by the caller-tag protocol (tag box
// `editConf`), and prints inspection sheets for the listed establishments.
class TfrmLocalizaEmpresa : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLocalizaEmpresa(QWidget *parent = nullptr);

    // The establishments found (offered to the report as rdsContribuintes).
    Query zqContribuinte;
    // Choices of the neighbourhood and city filters.
    Query zqBairro;
    Query zqCidade;
    // The list offered to the report "inspecaoVarias.rav".
    QueryConnection rdsContribuintes;

    void setTag(const QString &tag);
    QString tag() const;
    QString total() const;
    Escolha escolha() const;

    void edtBuscaChange(const QString &text);
    void btnBuscarClick();
    void btnNovoClick();
    void btnAlterarSituacaoClick();
    void btnImprimirVistoriasClick();
    void grdContribuinteDblClick();
    void ckDefMesClick();
    void ckBairroClick();
    void ckMunicipioClick();
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void done(int result) override;

private:
    QueryModel *m_model;

    QLineEdit *edtBusca;
    QLineEdit *editConf;
    QCheckBox *ckEmAtividade;
    QCheckBox *ckDefMes;
    QComboBox *cbMes;
    QCheckBox *ckBairro;
    QComboBox *cbBairro;
    QLineEdit *edtSiapi;
    QCheckBox *ckMunicipio;
    QComboBox *cbMunicipio;
    QCheckBox *ckNaoImpresso;
    QCheckBox *ckComSiapi;
    QCheckBox *ckSemSiapi;
    QLineEdit *edtQuantidade;
    QLabel *lbFantasia;
    QLabel *lbEndereco;
    QLabel *lbFone;
    QLabel *lbTotal;
    QTableView *grdContribuinte;
    QPushButton *btnNovo;
    QPushButton *btnAlterarSituacao;
    QPushButton *btnBuscar;
    QPushButton *btnImprimirVistorias;
    QPushButton *btnCalcularTaxa;
    QPushButton *btnOK;
};
