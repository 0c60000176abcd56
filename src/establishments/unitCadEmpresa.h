#pragma once

#include "db/query.h"

#include <QDialog>
#include <QVector>

class DateBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Cadastro de Contribuinte": creates, edits and removes one establishment
// (`cliente`). Always opened modally with its row already in edit or insert
// mode by one of the preparations below; closes itself after a confirmation
// or a removal. Neighbourhood, street and activity are picked in the lookup
// dialogs (caller tag "editCli"), never typed.
class TfrmCadEmpresa : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCadEmpresa(QWidget *parent = nullptr);

    // The establishment being edited.
    Query zqContribuinte;
    // The neighbourhood and the activity loaded in the window; their numbers
    // go into the row only on confirmation.
    Query zqBairro;
    Query zqAtividade;
    // Cities for "Municipio".
    Query zqCidade;

    // ---- ways of being opened ------------------------------------------
    // The row with this number, its neighbourhood preselected by name.
    void editarPorCodigo(int codigo, const QString &bairro);
    // The (first) row with this CNPJ/CPF, its neighbourhood preselected by name.
    void editarPorCnpj(const QString &cnpjCpf, const QString &bairro);
    // A new row.
    void novo();
    // A new row with names and number taken from the city hall's list.
    void novoDaPrefeitura(const QString &razao, const QString &cnpjCpf, const QString &fantasia);

    // ---- handlers ---------------------------------------------------------
    void btnConfirmarClick();
    void btnNovoCadastroClick();
    void btnRemoverClick();
    void btnCancelarClick();
    void edtCepExit();
    void edtRazaoSocialExit();
    void edtRuaKeyPress();
    void edtBairroKeyPress();
    void edtAtividadeKeyPress();

protected:
    void reject() override;

private:
    void editar(const QString &linhaCliente, const QVariant &chave, const QString &bairro);
    void carregarCidades();
    void carregarReferencias();
    void iniciarNovo();
    void marcarInicio();
    bool alterado() const;
    [[noreturn]] void recusar(const QString &text, QWidget *focus);

    QVector<QString> m_inicio;

    QLineEdit *edtCpfCnpj;
    QLineEdit *edtRazaoSocial;
    QLineEdit *edtFantasia;
    QComboBox *cbSituacao;
    QComboBox *cbTipoEmpresa;
    QLineEdit *edtRua;
    QLineEdit *edtNumero;
    QLineEdit *edtBairro;
    QComboBox *cbMunicipio;
    QLineEdit *edtCep;
    QLineEdit *edtTelefone;
    QLineEdit *edtAtividade;
    QLineEdit *edtCnai;
    QLineEdit *edtReferencia;
    QLineEdit *edtEmail;
    DateBox *edtDataCadastro;
    DateBox *edtDataAbertura;
    QCheckBox *ckIsenta;
    QPushButton *btnConfirmar;
    QPushButton *btnNovoCadastro;
    QPushButton *btnRemover;
    QPushButton *btnCancelar;
};

// The characters taken out of legal and trade names.
QString semPontuacaoDoNome(QString nome);
