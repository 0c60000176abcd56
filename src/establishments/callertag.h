#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Query;

// The caller tag: before showing a lookup dialog, the opener writes a fixed
// text naming itself into the dialog's hidden tag box. When the dialog closes
// (by any means) it hands the row that is current at that moment to the
// write-back its opener registered for that tag, then empties the tag.
//
// An opener registers its write-backs once, in its constructor, one line per
// lookup it opens:
//
//     WriteBack::add(this, Lookup::Bairro, CallerTag::kEditCli, WriteBack::reloadBairro(&zqBairro));
//
// A dialog looks for the registration on its opener (its parent widget) and
// the opener's own parents, so the opener must be the dialog's parent. A tag
// nobody registered for the dialog's kind ("editDef", an empty tag) writes
// nothing.
namespace CallerTag {
inline const QString kEditCli = QStringLiteral("editCli"); // establishment window
inline const QString kEditServ = QStringLiteral("editServ"); // service window
inline const QString kPesqServico = QStringLiteral("pesqServico"); // service search
inline const QString kPesqEmpresa = QStringLiteral("pesqEmpresa"); // establishment search
inline const QString kCartaAnuencia = QStringLiteral("cartaAnuencia"); // letter of consent
// What the neighbourhood and street lookups hold when nobody set a tag.
inline const QString kEditDef = QStringLiteral("editDef");
} // namespace CallerTag

enum class Lookup { Bairro, Rua, Atividade, Empresa };

// The row a dialog returns. Without a row (empty or closed list) the number
// is 0 and the text empty.
struct Escolha
{
    bool temLinha = false;
    // BAI_NU_SEQUENCIAL, ATIVID_CODIGO or CLIENTE_CODIGO (0 for a street).
    qlonglong numero = 0;
    // BAI_NO, CLIENTE_RUA, ATIVID_DESCRICAO or CLIENTE_CNPJ_CPF.
    QString texto;
};

class WriteBack : public QObject
{
    Q_OBJECT

public:
    using Fn = std::function<void(const Escolha &)>;

    // Registers what a lookup of `kind` opened with `tag` writes into
    // `opener`; the registration lives as long as the opener.
    static void add(QObject *opener, Lookup kind, const QString &tag, Fn fn);
    // Runs the write-back registered on `opener` or one of its parents for
    // the kind and tag; false when there is none.
    static bool run(QObject *opener, Lookup kind, const QString &tag, const Escolha &escolha);

    // Ready-made write-backs.
    // The opener's neighbourhood list holds the chosen neighbourhood only
    // (none for number 0).
    static Fn reloadBairro(Query *bairros);
    // The opener's activity list holds the chosen activity only.
    static Fn reloadAtividade(Query *atividades);
    // A text column of the opener's row being edited gets the chosen text
    // (empty without a row, or null when `nullWithoutRow`).
    static Fn setText(Query *row, const QString &field, bool nullWithoutRow = false);

private:
    WriteBack(QObject *opener, Lookup kind, QString tag, Fn fn);
    Lookup m_kind;
    QString m_tag;
    Fn m_fn;
};
