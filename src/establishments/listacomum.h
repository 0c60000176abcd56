#pragma once

#include <QString>

class QComboBox;
class QLabel;
class Query;

// Small pieces the two establishment lists share.
namespace ListaComum {

// The label shows the number of rows after every opening or re-reading of
// the list and is emptied when the list closes.
void contarLinhas(QLabel *label, Query *list);

// Opens `choices` and puts the texts of its first column into the combo (no
// entry chosen); empty texts are left out.
void carregarEscolhas(QComboBox *combo, Query *choices);
// Closes `choices` and empties the combo.
void fecharEscolhas(QComboBox *combo, Query *choices);

// The month list: a blank entry, then "1" to "12".
void meses(QComboBox *combo);

// "%" + text + "%".
QString contendo(const QString &text);

} // namespace ListaComum
