#pragma once

#include <QString>

// Names of the tables and views the program reads and writes.
namespace Schema {
inline const QString kCliente = QStringLiteral("cliente");
inline const QString kBairros = QStringLiteral("bairros");
inline const QString kLocalidade = QStringLiteral("localidade");
inline const QString kAtividade = QStringLiteral("atividade");
inline const QString kServico = QStringLiteral("servico");
inline const QString kSituacao = QStringLiteral("situacao");
inline const QString kServicoBoleto = QStringLiteral("servico_boleto");
inline const QString kUsuario = QStringLiteral("usuario");
inline const QString kConfiguracao = QStringLiteral("configuracao");
inline const QString kUnidade = QStringLiteral("unidade");
inline const QString kExisgencia = QStringLiteral("exisgencia");
inline const QString kServicoExisgencia = QStringLiteral("servico_exisgencia");
inline const QString kPrefeitura = QStringLiteral("prefeitura");
inline const QString kCertificadoTv = QStringLiteral("certificado_tv");

inline const QString kClienteView = QStringLiteral("cliente_view");
inline const QString kServicoVw = QStringLiteral("servico_vw");
inline const QString kServicoBoletoVw = QStringLiteral("servico_boleto_vw");
inline const QString kExisgenciaVw = QStringLiteral("exisgencia_vw");
inline const QString kUsuarioVw = QStringLiteral("usuario_vw");
} // namespace Schema
