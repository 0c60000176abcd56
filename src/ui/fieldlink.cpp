#include "ui/fieldlink.h"

#include "common/apperror.h"
#include "common/regional.h"
#include "db/query.h"
#include "ui/guard.h"
#include "ui/textboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

FieldLink::FieldLink(QWidget *control, Query *query, QString field)
    : QObject(control), m_query(query), m_field(std::move(field))
{
    auto refresh = [this] { reload(); };
    connect(query, &Query::currentChanged, this, refresh);
    connect(query, &Query::rowsReset, this, refresh);
    connect(query, &Query::stateChanged, this, refresh);
    connect(query, &Query::fieldChanged, this, [this](const QString &changed) {
        if (changed.compare(m_field, Qt::CaseInsensitive) == 0)
            reload();
    });
}

bool FieldLink::hasRow() const
{
    return m_query && m_query->isActive() && m_query->hasField(m_field)
        && (m_query->isEditing() || m_query->recNo() >= 0);
}

void FieldLink::reload()
{
    if (m_storing)
        return;
    m_loading = true;
    runGuarded([this] { load(); });
    m_loading = false;
}

void FieldLink::store(const QVariant &value)
{
    if (m_loading || !m_query || !m_query->isActive())
        return;
    m_storing = true;
    try {
        if (!m_query->isEditing())
            m_query->edit();
        m_query->setValue(m_field, value);
    } catch (...) {
        m_storing = false;
        throw;
    }
    m_storing = false;
}

namespace {

class LineEditLink : public FieldLink
{
public:
    LineEditLink(QLineEdit *edit, Query *query, const QString &field, bool asNumber)
        : FieldLink(edit, query, field), m_edit(edit), m_number(asNumber)
    {
        QObject::connect(edit, &QLineEdit::textEdited, this, [this] { typed(); });
        QObject::connect(edit, &QLineEdit::editingFinished, this, [this] { left(); });
        reload();
    }

protected:
    void load() override
    {
        if (!hasRow()) {
            m_edit->clear();
            return;
        }
        const QVariant v = m_query->value(m_field);
        if (v.isNull())
            m_edit->clear();
        else if (m_number)
            m_edit->setText(
                QString::number(v.toDouble(), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(',')));
        else if (m_edit->text() != m_query->text(m_field))
            m_edit->setText(m_query->text(m_field));
        m_dirty = false;
    }

private:
    bool isTextColumn() const
    {
        const int id = m_query->fieldType(m_field).id();
        return id == QMetaType::QString || id == QMetaType::QByteArray;
    }
    QVariant valueOf(const QString &text) const
    {
        if (m_number && !text.trimmed().isEmpty())
            return Regional::toNumber(text);
        return text;
    }
    void typed()
    {
        if (!m_query || !m_query->isActive() || !m_query->hasField(m_field))
            return;
        if (isTextColumn() && !m_number) {
            runGuarded([this] { store(m_edit->text()); });
            return;
        }
        // Numbers and dates may be half typed: try now, insist when the box is left.
        m_dirty = true;
        try {
            store(valueOf(m_edit->text()));
            m_dirty = false;
        } catch (const ConversionError &) {
        } catch (...) {
            runGuarded([] { throw; });
        }
    }
    void left()
    {
        if (!m_dirty)
            return;
        m_dirty = false;
        runGuarded([this] { store(valueOf(m_edit->text())); });
    }

    QLineEdit *m_edit;
    bool m_number;
    bool m_dirty = false;
};

class ComboLink : public FieldLink
{
public:
    ComboLink(QComboBox *combo, Query *query, const QString &field)
        : FieldLink(combo, query, field), m_combo(combo)
    {
        QObject::connect(combo, &QComboBox::activated, this, [this](int index) {
            runGuarded([this, index] { store(m_combo->itemText(index)); });
        });
        reload();
    }

protected:
    void load() override
    {
        m_combo->setCurrentIndex(hasRow() ? m_combo->findText(m_query->text(m_field)) : -1);
    }

private:
    QComboBox *m_combo;
};

class LookupLink : public FieldLink
{
public:
    LookupLink(QComboBox *combo, Query *query, const QString &field, Query *lookup, QString keyField,
               QString listField)
        : FieldLink(combo, query, field), m_combo(combo), m_lookup(lookup), m_key(std::move(keyField)),
          m_list(std::move(listField))
    {
        QObject::connect(lookup, &Query::rowsReset, this, [this] { fill(); });
        QObject::connect(combo, &QComboBox::activated, this, [this](int index) {
            runGuarded([this, index] { store(m_combo->itemData(index)); });
        });
        fill();
    }

protected:
    void load() override
    {
        if (!hasRow()) {
            m_combo->setCurrentIndex(-1);
            return;
        }
        const QVariant v = m_query->value(m_field);
        int found = -1;
        for (int i = 0; i < m_combo->count() && !v.isNull(); ++i)
            if (m_combo->itemData(i).toString() == v.toString())
                found = i;
        m_combo->setCurrentIndex(found);
    }

private:
    void fill()
    {
        m_combo->clear();
        if (m_lookup && m_lookup->isActive()) {
            const int key = m_lookup->fieldIndex(m_key);
            const int list = m_lookup->fieldIndex(m_list);
            for (int r = 0; r < m_lookup->recordCount() && key >= 0 && list >= 0; ++r)
                m_combo->addItem(m_lookup->value(r, list).toString(), m_lookup->value(r, key));
        }
        reload();
    }

    QComboBox *m_combo;
    QPointer<Query> m_lookup;
    QString m_key;
    QString m_list;
};

class CheckLink : public FieldLink
{
public:
    CheckLink(QCheckBox *check, Query *query, const QString &field)
        : FieldLink(check, query, field), m_check(check)
    {
        QObject::connect(check, &QCheckBox::clicked, this, [this](bool on) {
            runGuarded([this, on] { store(on ? QStringLiteral("S") : QStringLiteral("N")); });
        });
        reload();
    }

protected:
    void load() override { m_check->setChecked(hasRow() && m_query->yesNo(m_field) == QLatin1String("S")); }

private:
    QCheckBox *m_check;
};

class DateLink : public FieldLink
{
public:
    DateLink(DateBox *box, Query *query, const QString &field) : FieldLink(box, query, field), m_box(box)
    {
        QObject::connect(box, &QLineEdit::textEdited, this, [this] {
            // Only a complete date or an emptied box is written while typing.
            if (m_box->isBlank()) {
                runGuarded([this] { store(QVariant()); });
                return;
            }
            const QDate d = QDate::fromString(m_box->text(), Regional::kDateFormat);
            if (d.isValid())
                runGuarded([this, d] { store(d); });
        });
        QObject::connect(box, &QLineEdit::editingFinished, this, [this] {
            runGuarded([this] {
                if (!m_query || !m_query->isEditing())
                    return;
                const QDate d = m_box->date();
                if (d != m_query->date(m_field))
                    store(d.isValid() ? QVariant(d) : QVariant());
            });
        });
        reload();
    }

protected:
    void load() override { m_box->setDate(hasRow() ? m_query->date(m_field) : QDate()); }

private:
    DateBox *m_box;
};

class LabelLink : public FieldLink
{
public:
    LabelLink(QLabel *label, Query *query, const QString &field)
        : FieldLink(label, query, field), m_label(label)
    {
        reload();
    }

protected:
    void load() override { m_label->setText(hasRow() ? m_query->text(m_field) : QString()); }

private:
    QLabel *m_label;
};

} // namespace

namespace Bind {
FieldLink *lineEdit(QLineEdit *edit, Query *query, const QString &field)
{
    return new LineEditLink(edit, query, field, false);
}
FieldLink *numberEdit(QLineEdit *edit, Query *query, const QString &field)
{
    return new LineEditLink(edit, query, field, true);
}
FieldLink *comboBox(QComboBox *combo, Query *query, const QString &field)
{
    return new ComboLink(combo, query, field);
}
FieldLink *lookupCombo(QComboBox *combo, Query *query, const QString &field, Query *lookup,
                       const QString &keyField, const QString &listField)
{
    return new LookupLink(combo, query, field, lookup, keyField, listField);
}
FieldLink *checkBox(QCheckBox *check, Query *query, const QString &field)
{
    return new CheckLink(check, query, field);
}
FieldLink *dateBox(DateBox *box, Query *query, const QString &field)
{
    return new DateLink(box, query, field);
}
FieldLink *label(QLabel *label, Query *query, const QString &field)
{
    return new LabelLink(label, query, field);
}
} // namespace Bind
