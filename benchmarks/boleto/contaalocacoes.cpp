// Counts heap allocations so the benchmark can report them per boleto.

#include <atomic>
#include <cstdlib>
#include <new>

std::atomic<long> g_alocacoes {0};

void *operator new(std::size_t tamanho)
{
    g_alocacoes.fetch_add(1, std::memory_order_relaxed);
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
