#pragma once

#include <QString>
#include <QStringList>

// Fixed texts of the establishment windows: vocabularies stored in the
// database and the operator's messages (report files and connection names
// are in reports/catalogue.h).
namespace Textos {

// cliente.situacao
inline const QStringList kSituacoes = {
    QStringLiteral("EM ATIVIDADE"), QStringLiteral("EM ATIVIDADE - ISENTA"),
    QStringLiteral("EM BAIXA"),     QStringLiteral("EVENTO TEMPORARIO"),
    QStringLiteral("MEI"),          QStringLiteral("NAO ENCONTRADO"),
};
inline const QString kEmAtividade = QStringLiteral("EM ATIVIDADE");
inline const QString kMei = QStringLiteral("MEI");

// cliente.tipoEmpresa
inline const QString kPessoaFisica = QStringLiteral("1 - PESSOA FISICA - CPF");
inline const QString kPessoaJuridica = QStringLiteral("2 - PESSOA JURIDICA - CNPJ");

// Register windows of neighbourhoods and activities.
inline const QString kDigiteOsDados = QStringLiteral("Digite os Dados!");
inline const QString kJaCadastrada = QStringLiteral("Já esta cadastrada!");
inline const QString kRemoverRegistro = QStringLiteral("Deseja mesmo remover este Registro?");
inline const QString kTabelaEmAberto
    = QStringLiteral("Há um cadastro em aberto. É necessário Savar ou Cancelar a mesmo?");

// Establishment window.
inline const QString kDefinaAtividade = QStringLiteral("Defina a Atividade");
inline const QString kDefinaSituacao = QStringLiteral("Defina a situacao da empresa");
inline const QString kDefinaTipo = QStringLiteral("Defina o tipo da empresa");
inline const QString kDefinaTelefone = QStringLiteral("Defina o telefone de contato");
inline const QString kVerifiqueCep = QStringLiteral("Verifique o CEP");
inline const QString kAlterarSituacao = QStringLiteral("Deseja alterar a Situacao?");
inline const QString kDigitosCpf = QStringLiteral("Verifique a quantidade de digitos do CPF");
inline const QString kDigitosCnpj = QStringLiteral("Verifique a quantidade de digitos do CNPJ");
inline const QString kCepCaption = QStringLiteral("Erro - Aviso do Sistema");
inline const QString kCepInvalido = QStringLiteral("CEP nulo ou inválido.");
inline const QString kRemoverCadastro = QStringLiteral("Deseja mesmo remover este cadastro?");
inline const QString kTemServicos
    = QStringLiteral("Este cadastro nao pode ser removido pois existe serviços relacionados a ele.");
inline const QString kEmpresaEmAberto
    = QStringLiteral("Há um cadastro em aberto. É necessário CONFIRMAR ou CANCELAR o mesmo?");

// Establishment locator.
inline const QString kMarcarImpressas = QStringLiteral("Deseja marcar como impressas?");

} // namespace Textos
