#pragma once

#include "db/query.h"
#include "support/testdb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace Est {

// A control of a window by objectName; the test stops when it is missing.
template<typename T> T *get(const QObject *window, const QString &name)
{
    T *c = window->findChild<T *>(name);
    if (!c)
        qFatal("control %s not found", qPrintable(name));
    return c;
}

// Runs fn on the next modal window once it is shown (the caller then does
// what opens it). fn must close the window.
inline void onModal(std::function<void(QWidget *)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget *modal = nullptr;
        for (int i = 0; i < 300 && !modal; ++i) {
            modal = QApplication::activeModalWidget();
            if (!modal)
                QTest::qWait(10);
        }
        if (!modal)
            qFatal("no modal window appeared");
        fn(modal);
    });
}

// Types into a box as the operator does (every character is an edit).
inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void clearBox(QLineEdit *box)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
}

// One value of a stored row ("<none>" when there is no such row).
inline QString stored(const QString &table, const QString &column, const QString &where)
{
    Query q;
    q.setSql(QStringLiteral("select %1 from %2 where %3").arg(column, table, where));
    q.open();
    return q.isEmpty() ? QStringLiteral("<none>") : q.text(column);
}

inline int count(const QString &table, const QString &where = QStringLiteral("1 = 1"))
{
    Query q;
    q.setSql(QStringLiteral("select count(*) as n from %1 where %2").arg(table, where));
    q.open();
    return q.intValue(QStringLiteral("n"));
}

// The values of one column over every row of an open query, in order.
inline QStringList column(const Query &q, const QString &field)
{
    QStringList out;
    if (!q.isActive())
        return out;
    const int c = q.fieldIndex(field);
    for (int r = 0; r < q.recordCount(); ++r)
        out << q.value(r, c).toString();
    return out;
}

// Numbers as a sorted list of texts, for comparing sets of rows.
inline QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end(),
              [](const QString &a, const QString &b) { return a.toLongLong() < b.toLongLong(); });
    return list;
}

// Clicks a row of a list as the operator does.
inline void clickRow(QAbstractItemView *view, int row)
{
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

inline void doubleClickRow(QAbstractItemView *view, int row)
{
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace Est
