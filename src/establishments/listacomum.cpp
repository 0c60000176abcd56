#include "establishments/listacomum.h"

#include "db/query.h"

#include <QComboBox>
#include <QLabel>

namespace ListaComum {

void contarLinhas(QLabel *label, Query *list)
{
    QObject::connect(list, &Query::rowsReset, label, [label, list] {
        label->setText(list->isActive() ? QString::number(list->recordCount()) : QString());
    });
}

void carregarEscolhas(QComboBox *combo, Query *choices)
{
    choices->open();
    combo->clear();
    for (int r = 0; r < choices->recordCount(); ++r) {
        const QString text = choices->value(r, 0).toString();
        if (!text.isEmpty())
            combo->addItem(text);
    }
    combo->setCurrentIndex(-1);
}

void fecharEscolhas(QComboBox *combo, Query *choices)
{
    choices->close();
    combo->clear();
}

void meses(QComboBox *combo)
{
    combo->addItem(QString());
    for (int m = 1; m <= 12; ++m)
        combo->addItem(QString::number(m));
}

QString contendo(const QString &text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}

} // namespace ListaComum
