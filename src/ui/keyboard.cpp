#include "ui/keyboard.h"

#include "db/query.h"
#include "ui/guard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

class ArrowKeys : public QObject
{
public:
    ArrowKeys(QWidget *window, Query *query) : QObject(window), m_window(window), m_query(query)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_window || !m_query || !watched->isWidgetType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
            return false;
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        const bool down = key->key() == Qt::Key_Down;
        runGuarded([this, down] {
            if (!m_query->isActive())
                return;
            if (down)
                m_query->next();
            else
                m_query->prior();
        });
        return true;
    }

private:
    QPointer<QWidget> m_window;
    QPointer<Query> m_query;
};

class AnyKey : public QObject
{
public:
    AnyKey(QLineEdit *box, std::function<void()> open) : QObject(box), m_open(std::move(open))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock: return false;
        default: break;
        }
        runGuarded(m_open);
        return true;
    }

private:
    std::function<void()> m_open;
};

class Leave : public QObject
{
public:
    Leave(QWidget *control, std::function<void()> left) : QObject(control), m_left(std::move(left))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason: return false;
        default: break;
        }
        runGuarded(m_left);
        return false;
    }

private:
    std::function<void()> m_left;
};

} // namespace

void arrowsMoveList(QWidget *window, Query *query)
{
    new ArrowKeys(window, query);
}

void openOnAnyKey(QLineEdit *box, std::function<void()> open)
{
    box->setReadOnly(true);
    // Show a long name from its beginning.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { box->setCursorPosition(0); });
    new AnyKey(box, std::move(open));
}

void onLeave(QWidget *control, std::function<void()> left)
{
    new Leave(control, std::move(left));
}
