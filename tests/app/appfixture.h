#pragma once

#include "support/testdb.h"

// Users and the configuration row the shell tests work with:
//   rg 1001 / senha "SENHA": every flag "S"            (ADMINISTRADOR, short name ADM)
//   rg 2002 / senha "ABC":   no flag set               (OPERADOR SEM PERMISSAO, OPER)
//   rg 3003 / senha "XYZ":   inactive, flags lower "s" (INATIVO DA SILVA, INAT)
//   rg 4004 / senha "P1":    flags "X", "N", null, "" (OUTRAS MARCAS, OUTR)
inline void loadShellFixture(const QString &versao = QStringLiteral("58"))
{
    TestDb::exec(QStringLiteral("delete from servico"));
    TestDb::exec(QStringLiteral("delete from usuario"));
    TestDb::exec(QStringLiteral("delete from configuracao"));
    TestDb::exec(
        QStringLiteral("insert into usuario (USUARIO_CODIGO, rg, senha, USUARIO_NOME, USUARIO_GUERRA, ativo, "
                       "cadServico, removerServico, cadBoleto, removerBoleto, confUsuario) values "
                       "(1, '1001', 'SENHA', 'ADMINISTRADOR', 'ADM', 'S', 'S', 'S', 'S', 'S', 'S'),"
                       "(2, '2002', 'ABC', 'OPERADOR SEM PERMISSAO', 'OPER', 'S', 'N', 'N', 'N', 'N', 'N'),"
                       "(3, '3003', 'XYZ', 'INATIVO DA SILVA', 'INAT', 'N', 's', 's', 's', 's', 's'),"
                       "(4, '4004', 'P1', 'OUTRAS MARCAS', 'OUTR', 'S', 'X', 'N', null, '', null)"));
    TestDb::exec(QStringLiteral("insert into configuracao (ufir, unidade, versao) values (3.7, 'QZ', '%1')")
                     .arg(versao));
}
