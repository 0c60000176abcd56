#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QPushButton;
class QWidget;

// Controls as every window builds them: named for the tests that look them up,
// and buttons that Enter does not press by default.
QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent);
QCheckBox *makeCheck(const QString &text, const QString &name, QWidget *parent);
QComboBox *makeCombo(const QString &name, QWidget *parent);
