#pragma once

#include <QPixmap>

// The main window's pictures, drawn by the program itself.
namespace Pictures {
enum class Tile { Mapa, Viatura, Servicos };
QPixmap tile(Tile kind, int size);
QPixmap trocarUsuario(int size);
QPixmap fechar(int size);
QPixmap brasao(int size);
} // namespace Pictures
