#include "boleto/boleto.h"

#include "boleto/classebanco.h"
#include "boleto/excecoes.h"
#include "boleto/funcaux.h"
#include "boleto/mensagens.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr std::size_t TamanhoCampoLivre = 25;
constexpr std::size_t TamanhoCodigoBanco = 3;
constexpr std::size_t TamanhoCodigoBarras = 44;
constexpr std::size_t TamanhoLinhaDigitavel = 54;
// Ten digits of cents: 99 999 999,99 at most.
constexpr std::int64_t LimiteCentavos = 10'000'000'000;

std::string Formata(std::string_view padrao, long long numero)
{
    char texto[256];
    std::snprintf(texto, sizeof texto, std::string(padrao).c_str(), static_cast<int>(numero));
    return texto;
}

// Destroys the bank object built in place and clears the boleto's pointer to
// it, whichever way GerarDados leaves.
class LiberaBanco
{
public:
    LiberaBanco(TClasseBanco *banco, TClasseBanco *&referencia) : m_banco(banco), m_referencia(referencia)
    {
        m_referencia = banco;
    }
    ~LiberaBanco()
    {
        m_referencia = nullptr;
        m_banco->~TClasseBanco();
    }
    LiberaBanco(const LiberaBanco &) = delete;
    LiberaBanco &operator=(const LiberaBanco &) = delete;

private:
    TClasseBanco *m_banco;
    TClasseBanco *&m_referencia;
};

} // namespace

TBoleto::TBoleto() = default;
TBoleto::~TBoleto() = default;

std::chrono::sys_days TBoleto::Hoje() const
{
    if (Relogio)
        return Relogio();
    const std::time_t agora = std::time(nullptr);
    std::tm local {};
    localtime_r(&agora, &local);
    return Data(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                static_cast<unsigned>(local.tm_mday));
}

void TBoleto::Limpar()
{
    Instrucoes.clear();
    DadosGerados.LinhaDigitavel.clear();
    DadosGerados.CodigoBarras.clear();
    DadosGerados.AgenciaCodigoCedente.clear();
    DadosGerados.NomeBanco.clear();
    DadosGerados.NumeroBancario.clear();
    m_banco = nullptr;
    Vencimento.reset();
    Moeda = MoedaReal;
    Valor = TValor {};
    NossoNumero.clear();
    CampoLivre.clear();
    DataDocumento.reset();
    Documento.clear();
    Especie.clear();
    EspecieDoc.clear();
    Aceite.clear();
    Carteira.clear();

    Cedente.Nome.clear();
    Cedente.Agencia.clear();
    Cedente.CodigoBanco.clear();
    Cedente.CodigoCedente.clear();
    Cedente.ContaCorrente.clear();
    Cedente.DigitoContaCorrente = '\0';
    Cedente.Banco151.ModalidadeConta.clear();
    Cedente.Banco001.Convenio.clear();

    Sacado.Nome.clear();
    Sacado.Endereco.clear();
    Sacado.Bairro.clear();
    Sacado.Cidade.clear();
    Sacado.Estado.clear();
    Sacado.Cep.clear();
    Sacado.CNPJ_CPF.clear();
    Sacado.Pessoa = TPessoa::pJuridica;
}

void TBoleto::ChecarFaixaValor(TValor valor)
{
    if (valor.DezMilesimos() < 0)
        throw EBoleto(std::string(MsgBoleto::ValorNegativo));
    if (valor.Centavos() >= LimiteCentavos)
        throw EBoleto(std::string(MsgBoleto::ValorExcessivo));
}

void TBoleto::GerarDados()
{
    // "TBanco" + the code fits the short-string buffer: no allocation.
    std::string nome(TRegistroClasses::Prefixo);
    AcrescentaPreenchido(nome, Cedente.CodigoBanco, TamanhoCodigoBanco, '0');
    const std::string_view codigo = std::string_view(nome).substr(TRegistroClasses::Prefixo.size());
    const TRegistroClasses::TEntrada *entrada
        = codigo.size() == TamanhoCodigoBanco ? TRegistroClasses::Instancia().Buscar(nome) : nullptr;
    if (entrada == nullptr)
        throw EBoleto(std::string(MsgBoleto::ClasseNaoDefinida) + '"' + Cedente.CodigoBanco + '"');
    // The barcode carries the code the rules were found by: "1" and "001"
    // both give "001".
    codigo.copy(m_codigoBanco, TamanhoCodigoBanco);

    alignas(std::max_align_t) unsigned char memoria[TRegistroClasses::TamanhoMaximo];
    LiberaBanco libera(entrada->Criar(memoria), m_banco);

    m_banco->ChecarDadosIniciais(*this);
    m_banco->InicializaDadosPadroes(*this);
    MontarCodigoBarras();
    MontarLinhaDigitavel();

    m_rascunho.clear();
    m_banco->FormataAgencCodigoCedente(*this, m_rascunho);
    DadosGerados.AgenciaCodigoCedente = m_rascunho;

    m_rascunho.clear();
    m_banco->GetNumeroBancario(*this, m_rascunho);
    DadosGerados.NumeroBancario = m_rascunho;

    DadosGerados.NomeBanco = m_banco->GetNomeBanco();
    DadosGerados.CodigoBancoComDigito = m_banco->GetCodigoBancoComDigito();
}

void TBoleto::MontarCodigoBarras()
{
    m_rascunho.clear();
    m_banco->GetCampoLivre(*this, m_rascunho);
    const std::size_t tamanho = Comprimento(m_rascunho);
    if (tamanho != TamanhoCampoLivre)
        throw EBoleto(Formata(MsgBoleto::CampoLivreInvalido, static_cast<long long>(tamanho)));
    CampoLivre = m_rascunho;

    // The checks have seen both already; a bank class that skipped them must
    // not get a malformed barcode either.
    if (!Vencimento)
        throw EBoleto(std::string(MsgBoleto::VencimentoNaoInformado));
    ChecarFaixaValor(Valor);
    const std::string fator = FatorVencimento(*Vencimento);
    // 25 characters in more than 25 bytes are not all digits: reading them
    // raises the conversion error naming the first one that is not.
    if (CampoLivre.size() != TamanhoCampoLivre)
        (void)DigitoCodigoBarras(CampoLivre);

    char barras[TamanhoCodigoBarras];
    std::memcpy(barras, m_codigoBanco, TamanhoCodigoBanco);
    barras[3] = Moeda;
    barras[4] = '0';
    std::memcpy(barras + 5, fator.data(), 4);
    std::int64_t centavos = Valor.Centavos();
    for (std::size_t i = 19; i-- > 9; centavos /= 10)
        barras[i] = static_cast<char>('0' + centavos % 10);
    std::memcpy(barras + 19, CampoLivre.data(), TamanhoCampoLivre);
    barras[4] = DigitoCodigoBarras(std::string_view(barras, TamanhoCodigoBarras));
    DadosGerados.CodigoBarras.assign(barras, TamanhoCodigoBarras);
}

void TBoleto::MontarLinhaDigitavel()
{
    const std::string_view barras = DadosGerados.CodigoBarras;
    const std::string_view livre = CampoLivre;

    // BBBMC.CCCCD CCCCC.CCCCCD CCCCC.CCCCCD K FFFFVVVVVVVVVV
    char linha[TamanhoLinhaDigitavel];
    char *p = linha;
    // A field of the line: its digits, a "." before the sixth, its Modulo10 digit.
    auto campo = [&p](std::string_view dados) {
        std::memcpy(p, dados.data(), 5);
        p[5] = '.';
        std::memcpy(p + 6, dados.data() + 5, dados.size() - 5);
        p += dados.size() + 1;
        *p++ = Modulo10(dados);
        *p++ = ' ';
    };
    char primeiro[9];
    std::memcpy(primeiro, m_codigoBanco, TamanhoCodigoBanco);
    primeiro[3] = Moeda;
    std::memcpy(primeiro + 4, livre.data(), 5);
    campo(std::string_view(primeiro, 9));
    campo(livre.substr(5, 10));
    campo(livre.substr(15, 10));
    *p++ = barras[4];
    *p++ = ' ';
    std::memcpy(p, barras.data() + 5, 14);
    DadosGerados.LinhaDigitavel.assign(linha, TamanhoLinhaDigitavel);
}
