#include "ui/textboxes.h"

#include "common/regional.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace {

class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

void makeUpperCase(QLineEdit *edit)
{
    edit->setValidator(new UpperCaseValidator(edit));
}

void makeDigitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void makeDigitsAndComma(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), edit));
}

DateBox::DateBox(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99/99/9999;_"));
}

bool DateBox::isBlank() const
{
    return QString(text()).remove(QLatin1Char('/')).trimmed().isEmpty();
}

QDate DateBox::date() const
{
    if (isBlank())
        return {};
    return Regional::parseDate(text());
}

void DateBox::setDate(const QDate &date)
{
    setText(date.isValid() ? date.toString(Regional::kDateFormat) : QString());
}
