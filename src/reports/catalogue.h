#pragma once

#include <QString>

#include <utility>
#include <vector>

class ReportRunner;

// The report files the program prints, their report names and the names of
// the data connections the windows offer to them. The report files refer to
// the same names, so these texts must not change.
namespace Reports {

// Report run in every file but the letter of consent.
inline const QString kMainReport = QStringLiteral("relatorio");
// Report of "cartaAnuencia.rav".
inline const QString kLetterReport = QStringLiteral("certificado");

namespace File {
inline const QString kCertificadoProvisorio = QStringLiteral("certificadoprovisorio.rav");
inline const QString kBoletoTipo = QStringLiteral("boletotipo.rav");
inline const QString kInspecaoVarias = QStringLiteral("inspecaoVarias.rav");
inline const QString kListaServicoRelacao = QStringLiteral("listaServicoRelacao.rav");
inline const QString kInspecoesBairro = QStringLiteral("inspecoesBairro.rav");
inline const QString kPlanilha = QStringLiteral("planilha.rav");
inline const QString kTermoLotacao = QStringLiteral("termolotacao.rav");
inline const QString kTermoSaida = QStringLiteral("termosaida.rav");
inline const QString kExigencias = QStringLiteral("exigencias.rav");
inline const QString kListaEmpresas = QStringLiteral("listaEmpresas.rav");
inline const QString kListaEmpresasPrefeitura = QStringLiteral("listaEmpresasPrefeitura.rav");
inline const QString kCartaAnuencia = QStringLiteral("cartaAnuencia.rav");
} // namespace File

namespace Connection {
inline const QString kServicoUnico = QStringLiteral("rdsServicoUnico");
inline const QString kServico = QStringLiteral("rdsServico");
inline const QString kBairroInspecao = QStringLiteral("rdsBairroInspecao");
inline const QString kExigenciaRelatorio = QStringLiteral("rdsExigenciaRelatorio");
inline const QString kExigencia = QStringLiteral("rdsExigencia");
inline const QString kContribuinteCadastro = QStringLiteral("rdsContribuinteCadastro");
inline const QString kContribuintes = QStringLiteral("rdsContribuintes");
inline const QString kBoletos = QStringLiteral("rdsBoletos");
inline const QString kPrefeitura = QStringLiteral("rdsPrefeitura");
} // namespace Connection

// "certificado" for the letter of consent, "relatorio" for every other file.
QString reportNameFor(const QString &fileName);

using ParamList = std::vector<std::pair<QString, QString>>;

// One print operation: the project file is the report folder followed
// directly by the file name (no separator added), the parameters are set in
// the order given, the file's report is executed and the project closed
// again (also when the run fails, so the next print reads the file anew).
// Errors propagate as ReportError, so a caller's later steps do not run.
// False when the file has no such report (nothing printed, nothing said).
bool printReport(ReportRunner &runner, const QString &reportFolder, const QString &fileName,
                 const ParamList &params = {});

} // namespace Reports
