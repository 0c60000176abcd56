#pragma once

#include <QDate>
#include <QLineEdit>

// Text boxes with the typing rules of the program. Each rule is a validator,
// so it applies to typing and to pasting alike.

// Turns what is typed into upper case.
void makeUpperCase(QLineEdit *edit);
// Accepts only the digits 0-9 (and backspace).
void makeDigitsOnly(QLineEdit *edit);
// Accepts only digits and the decimal comma (areas).
void makeDigitsAndComma(QLineEdit *edit);

// A date box in "dd/MM/yyyy" that may be left empty.
class DateBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateBox(QWidget *parent = nullptr);
    // Null when empty; ConversionError when the text is not a real date.
    QDate date() const;
    void setDate(const QDate &date);
    bool isBlank() const;
};
