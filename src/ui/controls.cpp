#include "ui/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(28);
    return b;
}

QCheckBox *makeCheck(const QString &text, const QString &name, QWidget *parent)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

QComboBox *makeCombo(const QString &name, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}
