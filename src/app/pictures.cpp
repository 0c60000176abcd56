#include "app/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

QPixmap canvas(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

void tileBackground(QPainter &p, int size, QColor top, QColor bottom)
{
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(255, 255, 255, 160), size / 40.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), size / 8.0, size / 8.0);
}

} // namespace

QPixmap tile(Tile kind, int size)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    switch (kind) {
    case Tile::Mapa: {
        tileBackground(p, size, QColor(46, 125, 50), QColor(27, 78, 32));
        // Folded map with a location pin.
        QPolygonF map;
        map << QPointF(s * .18, s * .30) << QPointF(s * .40, s * .22) << QPointF(s * .60, s * .30)
            << QPointF(s * .82, s * .22) << QPointF(s * .82, s * .74) << QPointF(s * .60, s * .82)
            << QPointF(s * .40, s * .74) << QPointF(s * .18, s * .82);
        p.setPen(QPen(QColor(30, 60, 30), s / 50));
        p.setBrush(QColor(240, 235, 210));
        p.drawPolygon(map);
        p.drawLine(QPointF(s * .40, s * .22), QPointF(s * .40, s * .74));
        p.drawLine(QPointF(s * .60, s * .30), QPointF(s * .60, s * .82));
        QPainterPath pin;
        pin.moveTo(s * .5, s * .66);
        pin.cubicTo(s * .36, s * .48, s * .38, s * .30, s * .5, s * .30);
        pin.cubicTo(s * .62, s * .30, s * .64, s * .48, s * .5, s * .66);
        p.setBrush(QColor(198, 40, 40));
        p.setPen(Qt::NoPen);
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s * .5, s * .41), s * .045, s * .045);
        break;
    }
    case Tile::Viatura: {
        tileBackground(p, size, QColor(21, 101, 192), QColor(13, 60, 120));
        // Fire truck seen from the side.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(211, 47, 47));
        p.drawRoundedRect(QRectF(s * .14, s * .42, s * .52, s * .24), s * .02, s * .02);
        p.drawRoundedRect(QRectF(s * .62, s * .48, s * .24, s * .18), s * .03, s * .03);
        p.setBrush(QColor(187, 222, 251));
        p.drawRect(QRectF(s * .68, s * .51, s * .12, s * .07));
        p.setPen(QPen(QColor(230, 230, 230), s / 40));
        p.drawLine(QPointF(s * .16, s * .36), QPointF(s * .60, s * .30));
        for (int i = 0; i < 5; ++i) {
            const double x = s * (.22 + i * .08);
            p.drawLine(QPointF(x, s * .35 - i * s * .01), QPointF(x, s * .40));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(33, 33, 33));
        for (double x : {.26, .46, .74})
            p.drawEllipse(QPointF(s * x, s * .68), s * .07, s * .07);
        p.setBrush(QColor(189, 189, 189));
        for (double x : {.26, .46, .74})
            p.drawEllipse(QPointF(s * x, s * .68), s * .03, s * .03);
        break;
    }
    case Tile::Servicos: {
        tileBackground(p, size, QColor(239, 108, 0), QColor(170, 60, 0));
        // Clipboard with a checklist.
        p.setPen(QPen(QColor(90, 50, 20), s / 50));
        p.setBrush(QColor(121, 85, 72));
        p.drawRoundedRect(QRectF(s * .24, s * .18, s * .52, s * .66), s * .04, s * .04);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(s * .29, s * .26, s * .42, s * .52));
        p.setBrush(QColor(158, 158, 158));
        p.drawRoundedRect(QRectF(s * .40, s * .14, s * .20, s * .08), s * .02, s * .02);
        for (int i = 0; i < 4; ++i) {
            const double y = s * (.34 + i * .11);
            p.setPen(QPen(QColor(46, 125, 50), s / 35));
            p.drawLine(QPointF(s * .33, y), QPointF(s * .36, y + s * .03));
            p.drawLine(QPointF(s * .36, y + s * .03), QPointF(s * .41, y - s * .03));
            p.setPen(QPen(QColor(120, 120, 120), s / 45));
            p.drawLine(QPointF(s * .46, y), QPointF(s * .66, y));
        }
        break;
    }
    }
    return pm;
}

QPixmap trocarUsuario(int size)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
    p.setBrush(QColor(236, 239, 241));
    p.drawEllipse(QPointF(s * .40, s * .36), s * .12, s * .12);
    p.drawPie(QRectF(s * .18, s * .52, s * .44, s * .40), 0, 180 * 16);
    p.setBrush(QColor(255, 202, 40));
    p.drawEllipse(QPointF(s * .66, s * .44), s * .10, s * .10);
    p.drawPie(QRectF(s * .48, s * .58, s * .36, s * .32), 0, 180 * 16);
    return pm;
}

QPixmap fechar(int size)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(198, 40, 40));
    p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
    p.setPen(QPen(Qt::white, s / 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * .32, s * .32), QPointF(s * .68, s * .68));
    p.drawLine(QPointF(s * .68, s * .32), QPointF(s * .32, s * .68));
    return pm;
}

QPixmap brasao(int size)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // Shield with a flame.
    QPainterPath shield;
    shield.moveTo(s * .5, s * .04);
    shield.lineTo(s * .9, s * .16);
    shield.cubicTo(s * .9, s * .6, s * .72, s * .84, s * .5, s * .96);
    shield.cubicTo(s * .28, s * .84, s * .1, s * .6, s * .1, s * .16);
    shield.closeSubpath();
    p.setPen(QPen(QColor(255, 193, 7), s / 25));
    p.setBrush(QColor(183, 28, 28));
    p.drawPath(shield);
    QPainterPath flame;
    flame.moveTo(s * .5, s * .80);
    flame.cubicTo(s * .28, s * .74, s * .30, s * .50, s * .44, s * .30);
    flame.cubicTo(s * .44, s * .44, s * .52, s * .48, s * .54, s * .40);
    flame.cubicTo(s * .66, s * .52, s * .72, s * .74, s * .5, s * .80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 0));
    p.drawPath(flame);
    p.setBrush(QColor(255, 235, 59));
    p.drawEllipse(QPointF(s * .5, s * .68), s * .07, s * .09);
    return pm;
}

} // namespace Pictures
