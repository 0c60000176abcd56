#include "boleto/classebanco.h"

#include "boleto/bancos.h"
#include "boleto/boleto.h"
#include "boleto/excecoes.h"
#include "boleto/funcaux.h"
#include "boleto/mensagens.h"

#include <algorithm>
#include <cstdio>

char TClasseBanco::GetDigitoNossoNum(const TBoleto &) const
{
    throw EErroBanco(std::string(MsgBoleto::OperacaoNaoImplementada));
}

void TClasseBanco::ChecarDadosIniciais(TBoleto &boleto)
{
    if (EmBranco(boleto.NossoNumero))
        throw EBoleto(std::string(MsgBoleto::NossoNumeroNaoInformado));
    if (!boleto.Vencimento)
        throw EBoleto(std::string(MsgBoleto::VencimentoNaoInformado));
    if (boleto.Valor == TValor {})
        throw EBoleto(std::string(MsgBoleto::ValorNaoInformado));
    if (boleto.Instrucoes.size() > TBoleto::MaxInstrucoes) {
        char mensagem[128];
        std::snprintf(mensagem, sizeof mensagem, std::string(MsgBoleto::InstrucoesDemais).c_str(),
                      static_cast<int>(TBoleto::MaxInstrucoes));
        throw EBoleto(mensagem);
    }
    TBoleto::ChecarFaixaValor(boleto.Valor);
}

TRegistroClasses &TRegistroClasses::Instancia()
{
    static TRegistroClasses registro = [] {
        TRegistroClasses r;
        r.Registrar<TBanco001>("TBanco001");
        r.Registrar<TBanco033>("TBanco033");
        r.Registrar<TBanco104>("TBanco104");
        r.Registrar<TBanco151>("TBanco151");
        r.Registrar<TBanco237>("TBanco237");
        r.Registrar<TBanco341>("TBanco341");
        r.Registrar<TBanco353>("TBanco353");
        r.Registrar<TBanco356>("TBanco356");
        r.Registrar<TBanco409>("TBanco409");
        r.Registrar<TBanco748>("TBanco748");
        return r;
    }();
    return registro;
}

void TRegistroClasses::Registrar(std::string nome, TFabrica criar)
{
    for (TEntrada &entrada : m_entradas) {
        if (entrada.Nome == nome) {
            entrada.Criar = criar;
            return;
        }
    }
    m_entradas.push_back({std::move(nome), criar});
}

void TRegistroClasses::Remover(std::string_view nome)
{
    std::erase_if(m_entradas, [&](const TEntrada &entrada) { return entrada.Nome == nome; });
}

const TRegistroClasses::TEntrada *TRegistroClasses::Buscar(std::string_view nome) const
{
    for (const TEntrada &entrada : m_entradas)
        if (entrada.Nome == nome)
            return &entrada;
    return nullptr;
}
