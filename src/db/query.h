#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <vector>

// A query on the shared connection, the way the windows use one: statement
// lines, parameters set by name, an open result held in memory with a current
// row, and an editable row that posts to the one table of its
// "select ... from TABLE" by that table's key.
//
// Operator text only ever reaches the server as a bound parameter: the
// statement lines are the program's own text.
class Query : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit Query(QObject *parent = nullptr);
    ~Query() override;

    // ---- statement -------------------------------------------------------
    // Changing the statement closes the query.
    void clearSql();
    void addSql(const QString &line);
    void setSql(const QString &statement);
    QStringList sqlLines() const { return m_lines; }
    QString statement() const { return m_lines.join(QLatin1Char('\n')); }
    // Named placeholders (":name") of the statement, in order of first use.
    QStringList paramNames() const;

    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;
    void clearParams() { m_params.clear(); }

    // ---- running ---------------------------------------------------------
    // Runs a statement that returns rows and makes the first row current.
    void open();
    // Runs a statement that returns no rows (update, insert, delete).
    void execSql();
    void close();
    // Runs the same statement with the same parameters again, keeping the
    // current row (by key when the table has one, else by position).
    void refresh();
    bool isActive() const { return m_state != State::Inactive; }
    int rowsAffected() const { return m_rowsAffected; }
    QVariant lastInsertId() const { return m_lastInsertId; }

    // ---- rows ------------------------------------------------------------
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // Position of the current row, 0-based; -1 when there is none.
    int recNo() const { return m_current; }
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    void first();
    void next();
    void prior();
    void last();
    void moveTo(int row);
    // Moves to the first row whose field equals value; false (and no move) when none.
    bool locate(const QString &field, const QVariant &value);

    // ---- fields ----------------------------------------------------------
    QStringList fieldNames() const;
    int fieldCount() const { return m_record.count(); }
    // Case-insensitive; -1 when the result has no such column.
    int fieldIndex(const QString &name) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    QMetaType fieldType(const QString &name) const;

    // The current row's value (the edit buffer while editing); a null variant
    // when there is no current row. An unknown field raises DbError.
    QVariant value(const QString &field) const;
    QVariant value(int row, int column) const;
    bool isNull(const QString &field) const { return value(field).isNull(); }
    QString text(const QString &field) const;
    int intValue(const QString &field) const;
    qlonglong int64Value(const QString &field) const;
    double doubleValue(const QString &field) const;
    QDate date(const QString &field) const;
    QDateTime dateTime(const QString &field) const;
    // Every field of the current row (the edit buffer while editing), by column name.
    QVariantMap currentRow() const;
    // A yes/no column: its text, with null read as "N".
    QString yesNo(const QString &field) const;

    // Sets a field of the row being edited or inserted. Texts are converted to
    // the column's type; an empty text becomes null for non-text columns.
    void setValue(const QString &field, const QVariant &value);

    // ---- editing ---------------------------------------------------------
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool isModified() const { return !m_changed.isEmpty(); }
    void insert();
    void append() { insert(); }
    void edit();
    // Writes the row (update or insert) and returns to browse. A before-post
    // handler may throw Abort to keep the row in its mode.
    void post();
    void cancel();
    // Deletes the current row from its table.
    void remove();

    // Table and key used for posting; found from the statement and the
    // table's primary key unless set here.
    void setUpdateTable(const QString &table) { m_updateTable = table; }
    void setKeyFields(const QStringList &fields) { m_keyFields = fields; }
    QString updateTable() const;
    QStringList keyFields() const;

    // ---- notifications ---------------------------------------------------
    using Handler = std::function<void()>;
    void onAfterOpen(Handler h) { m_afterOpen.push_back(std::move(h)); }
    void onAfterInsert(Handler h) { m_afterInsert.push_back(std::move(h)); }
    void onBeforePost(Handler h) { m_beforePost.push_back(std::move(h)); }
    void onAfterPost(Handler h) { m_afterPost.push_back(std::move(h)); }
    void onAfterScroll(Handler h) { m_afterScroll.push_back(std::move(h)); }

Q_SIGNALS:
    void stateChanged(Query::State state);
    // The current row moved, or its values were reloaded or undone.
    void currentChanged();
    // One field of the current row changed by setValue.
    void fieldChanged(const QString &field);
    // The whole result changed (open, close, refresh, a row added or removed).
    void rowsReset();

private:
    void setState(State s);
    void run(bool returnsRows);
    void setCurrent(int row, bool notify = true);
    QVariant coerce(int column, const QVariant &value) const;
    void checkEditing(const char *what) const;
    int requireField(const QString &field) const;
    static void fire(const std::vector<Handler> &handlers);
    void postUpdate();
    void postInsert();
    QVector<QVariant> currentKeyValues(const QStringList &keys) const;
    QVector<QVariant> readRowByKey(const QString &table, const QStringList &keys,
                                   const QVector<QVariant> &keyValues) const;

    QStringList m_lines;
    QHash<QString, QVariant> m_params;
    QSqlRecord m_record;
    QHash<QString, int> m_fieldIndex;
    std::vector<QVector<QVariant>> m_rows;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;
    QVector<QVariant> m_buffer;
    QSet<int> m_changed;
    int m_rowsAffected = 0;
    QVariant m_lastInsertId;
    QString m_updateTable;
    QStringList m_keyFields;
    std::vector<Handler> m_afterOpen, m_afterInsert, m_beforePost, m_afterPost, m_afterScroll;
};
