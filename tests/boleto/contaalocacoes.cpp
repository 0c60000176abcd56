#include "contaalocacoes.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_alocacoes {0};
}

long AlocacoesFeitas()
{
    return g_alocacoes.load();
}

void *operator new(std::size_t tamanho)
{
    ++g_alocacoes;
    if (void *p = std::malloc(tamanho ? tamanho : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
