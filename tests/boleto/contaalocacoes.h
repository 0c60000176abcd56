#pragma once

// Heap allocations made by this program so far (operator new replaced in
// contaalocacoes.cpp).
long AlocacoesFeitas();
