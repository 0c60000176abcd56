#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "db/query.h"
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class DateBox;

// Ties one control to one field of a query: the control shows the current
// row's value, and what the operator changes goes into the row (a row in
// browse mode is put into edit mode first, as the old data-bound controls did).
// The link lives as a child of its control.
class FieldLink : public QObject
{
    Q_OBJECT

public:
    FieldLink(QWidget *control, Query *query, QString field);
    QString field() const { return m_field; }
    Query *query() const { return m_query; }
    // Shows the query's value in the control again.
    void reload();

protected:
    virtual void load() = 0;
    // Writes into the row, entering edit mode when needed.
    void store(const QVariant &value);
    bool loading() const { return m_loading; }
    bool hasRow() const;

    QPointer<Query> m_query;
    QString m_field;

private:
    bool m_loading = false;
    bool m_storing = false;
};

namespace Bind {
// Text box; text columns are written as typed, other columns when the box is left.
FieldLink *lineEdit(QLineEdit *edit, Query *query, const QString &field);
// Number box showing the value with a decimal comma.
FieldLink *numberEdit(QLineEdit *edit, Query *query, const QString &field);
// Drop-down list of fixed texts: the chosen text is the value.
FieldLink *comboBox(QComboBox *combo, Query *query, const QString &field);
// Drop-down list of another query's rows: shows listField, writes keyField.
FieldLink *lookupCombo(QComboBox *combo, Query *query, const QString &field, Query *lookup,
                       const QString &keyField, const QString &listField);
// Check box on a yes/no column: checked "S", unchecked "N" (null reads unchecked).
FieldLink *checkBox(QCheckBox *check, Query *query, const QString &field);
FieldLink *dateBox(DateBox *box, Query *query, const QString &field);
// Read-only display.
FieldLink *label(QLabel *label, Query *query, const QString &field);
} // namespace Bind
