#pragma once

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>
#include <vector>

#include "db/query.h"
class QTableView;

// Read-only grid model over a query's rows: the columns a window chooses, with
// titles and display masks, and row styles (colours, fonts) from a callback.
class QueryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
        // Display text of a value; the plain text when empty.
        std::function<QString(const QVariant &)> format = {};
        int width = 0;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };
    // Data for a row and role (BackgroundRole, ForegroundRole, FontRole...);
    // an invalid variant for the default.
    using RowStyle = std::function<QVariant(int row, int role)>;

    explicit QueryModel(Query *query, QObject *parent = nullptr);

    void setColumns(std::vector<Column> columns);
    // Every field of the query, titled by its name.
    void useAllFields();
    void setRowStyle(RowStyle style) { m_style = std::move(style); }
    const std::vector<Column> &columns() const { return m_columns; }
    Query *query() const { return m_query; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Masks used by the windows.
    static QString dateMask(const QVariant &v);
    static QString dateTimeMask(const QVariant &v);
    static QString moneyMask(const QVariant &v);

private:
    QPointer<Query> m_query;
    std::vector<Column> m_columns;
    std::vector<int> m_fieldIndex;
    RowStyle m_style;
    void resolve();
};

// Shows the model in the view and keeps the view's current row and the
// query's current row in step, both ways.
void attachGrid(QTableView *view, QueryModel *model);
