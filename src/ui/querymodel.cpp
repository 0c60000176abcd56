#include "ui/querymodel.h"

#include "common/regional.h"
#include "db/query.h"
#include "ui/guard.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

QueryModel::QueryModel(Query *query, QObject *parent) : QAbstractTableModel(parent), m_query(query)
{
    connect(query, &Query::rowsReset, this, [this] {
        beginResetModel();
        resolve();
        endResetModel();
    });
    connect(query, &Query::fieldChanged, this, [this] {
        const int row = m_query->recNo();
        if (row >= 0 && !m_columns.empty())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void QueryModel::setColumns(std::vector<Column> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    resolve();
    endResetModel();
}

void QueryModel::useAllFields()
{
    std::vector<Column> cols;
    for (const QString &f : m_query->fieldNames())
        cols.push_back({f, f});
    setColumns(std::move(cols));
}

void QueryModel::resolve()
{
    m_fieldIndex.clear();
    for (const Column &c : m_columns)
        m_fieldIndex.push_back(m_query ? m_query->fieldIndex(c.field) : -1);
}

int QueryModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_query || !m_query->isActive())
        return 0;
    return m_query->recordCount();
}

int QueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_query || index.column() >= columnCount())
        return {};
    const Column &col = m_columns[static_cast<size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const QVariant v = m_query->value(index.row(), m_fieldIndex[static_cast<size_t>(index.column())]);
        if (col.format)
            return col.format(v);
        if (v.isNull())
            return QString();
        switch (v.metaType().id()) {
        case QMetaType::QDate: return dateMask(v);
        case QMetaType::QDateTime: return dateTimeMask(v);
        default: return v.toString();
        }
    }
    case Qt::TextAlignmentRole: return QVariant::fromValue(col.alignment);
    default: return m_style ? m_style(index.row(), role) : QVariant();
    }
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return m_columns[static_cast<size_t>(section)].title;
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return {};
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString QueryModel::dateMask(const QVariant &v)
{
    if (v.isNull())
        return {};
    const QDate d = v.metaType().id() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
    return Regional::formatDate(d);
}

QString QueryModel::dateTimeMask(const QVariant &v)
{
    return v.isNull() ? QString() : v.toDateTime().toString(Regional::kDateTimeFormat);
}

QString QueryModel::moneyMask(const QVariant &v)
{
    return v.isNull() ? QString() : Regional::formatMoney(v.toDouble());
}

void attachGrid(QTableView *view, QueryModel *model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(20);
    Query *query = model->query();
    auto applyWidths = [view, model] {
        for (int c = 0; c < model->columnCount(); ++c)
            if (int w = model->columns()[static_cast<size_t>(c)].width; w > 0)
                view->setColumnWidth(c, w);
    };
    applyWidths();
    auto selectCurrent = [view, model, query] {
        if (!query)
            return;
        const int row = query->recNo();
        QItemSelectionModel *sel = view->selectionModel();
        if (row < 0 || row >= model->rowCount()) {
            sel->clearSelection();
            return;
        }
        if (sel->currentIndex().row() != row)
            sel->setCurrentIndex(model->index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    QObject::connect(query, &Query::currentChanged, view, selectCurrent);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, [=] {
        applyWidths();
        selectCurrent();
    });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [query](const QModelIndex &current) {
                         if (query && current.isValid() && current.row() != query->recNo())
                             runGuarded([&] { query->moveTo(current.row()); });
                     });
}
