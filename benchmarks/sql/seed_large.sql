-- Fills an empty database (loaded with sql/schema.sql only, no demo data)
-- with years of synthetic data, to measure the search views at full size:
--   200 000 establishments, 500 000 services, 500 000 boletos and
--   100 000 requirements raised, over 30 cities and 1 500 neighbourhoods.
-- Sizes can be lowered by setting the variables before the script runs, in
-- the same session, for example:
--   (echo 'SET @n_clientes = 20000, @n_servicos = 50000, @n_boletos = 50000;';
--    cat benchmarks/sql/seed_large.sql) | mariadb DBNAME
-- Needs MariaDB's Sequence engine (the seq_1_to_N tables).
--
-- Values are spread with CRC32 of the row number, so the data is the same at
-- every run. Distribution: 60% of the establishments are in city 1; each city has 50
-- neighbourhoods; 1 service in 2 000 waits for its fee ("GERAR TAXA"); 1 in
-- 500 is on the route; boletos are mostly settled, a few per cent in each of
-- the other remittance states.

SET NAMES utf8mb4;

SET @n_clientes   = COALESCE(@n_clientes, 200000);
SET @n_servicos   = COALESCE(@n_servicos, 500000);
SET @n_boletos    = COALESCE(@n_boletos, 500000);
SET @n_exigencias = COALESCE(@n_exigencias, 100000);

INSERT INTO localidade (LOC_NU_SEQUENCIAL, LOC_NO)
SELECT seq, CONCAT('CIDADE ', LPAD(seq, 2, '0')) FROM seq_1_to_30;
UPDATE localidade SET LOC_NO = 'TREMONTE' WHERE LOC_NU_SEQUENCIAL = 1;

INSERT INTO bairros (BAI_NU_SEQUENCIAL, UFE_SG, LOC_NU_SEQUENCIAL, BAI_NO, BAI_NO_ABREV)
SELECT seq, 'QZ', 1 + (seq - 1) DIV 50,
       CONCAT(ELT(1 + seq % 5, 'SETOR', 'JARDIM', 'VILA', 'PARQUE', 'RESIDENCIAL'), ' ', LPAD(seq, 4, '0')),
       CONCAT('B', seq)
FROM seq_1_to_1500;

INSERT INTO atividade (ATIVID_CODIGO, ATIVID_DESCRICAO, RISCO_CODIGO, cidadeSegura)
SELECT seq, CONCAT('ATIVIDADE ECONOMICA ', LPAD(seq, 3, '0')), 1 + seq % 4, IF(seq % 3 = 0, 'S', 'N')
FROM seq_1_to_300;

INSERT INTO situacao (SITUACAO_CODIGO, SITUACAO_DESCRICAO) VALUES
  (1, 'AGUARDANDO VISTORIA'), (2, 'RENOVACAO'), (3, 'GERAR TAXA'), (4, 'COMISSAO TECNICA'),
  (5, 'ANALISE DE PROJETO'), (6, 'CERTIFICACAO PREVIA'), (7, 'VISTORIA REALIZADA'),
  (8, 'CERCON EMITIDO'), (9, 'PENDENTE DE EXIGENCIAS'), (10, 'ARQUIVADO'),
  (18, 'SOLICITACAO VIA INTERNET');

INSERT INTO graduacao (GRADUACAO_CODIGO, GRADUACAO_DESCRICAO, GRADUACAO_SIGLA) VALUES
  (1, 'CAPITAO', 'CAP'), (2, 'PRIMEIRO TENENTE', '1º TEN'), (3, 'SUBTENENTE', 'ST'),
  (4, 'PRIMEIRO SARGENTO', '1º SGT'), (5, 'SEGUNDO SARGENTO', '2º SGT'), (6, 'CABO', 'CB'),
  (7, 'SOLDADO', 'SD');

INSERT INTO usuario (USUARIO_CODIGO, USUARIO_NOME, rg, GRADUACAO_CODIGO, USUARIO_GUERRA, senha,
                     cadServico, removerServico, cadBoleto, removerBoleto, confUsuario, ativo)
SELECT seq, CONCAT('VISTORIADOR NUMERO ', seq), CONCAT('', 1000 + seq), 1 + seq % 7,
       CONCAT('GUERRA', LPAD(seq, 2, '0')), 'SENHA', 'S', 'N', 'S', 'N', 'N', IF(seq % 10 = 0, 'N', 'S')
FROM seq_1_to_60;

INSERT INTO configuracao (idConfiguracao, ufir, unidade, versao) VALUES (1, 3.7, '21 BBM', '58');

INSERT INTO cliente (CLIENTE_CODIGO, CLIENTE_DATA_CADASTRO, CLIENTE_CNPJ_CPF, CLIENTE_RAZAO_SOCIAL,
                     CLIENTE_FANTASIA, CLIENTE_CEP, LOC_NU_SEQUENCIAL, BAI_NU_SEQUENCIAL, CLIENTE_RUA,
                     CLIENTE_NUMERO_END, CLIENTE_FONE_EMPRESA, CLIENTE_TEL_CONTATO, ATIVID_CODIGO,
                     CLIENTE_MAIL, CLIENTE_AREA, CLIENTE_USUARIO, situacao, impresso, siapi, cnai,
                     valorTaxa, isento, tipoEmpresa, dataAbertura)
SELECT seq,
       '2005-01-01' + INTERVAL (seq % 5400) DAY,
       IF(seq % 10 = 0, LPAD((seq * 7919) % 100000000000, 11, '0'),
                        CONCAT(LPAD((seq * 7919) % 100000000, 8, '0'), '0001', LPAD(seq % 97, 2, '0'))),
       CONCAT(ELT(1 + seq % 8, 'SUPERMERCADO', 'RESTAURANTE', 'FARMACIA', 'OFICINA', 'ESCOLA',
                  'DEPOSITO', 'LOJA', 'ESCRITORIO'), ' ', seq, ' LTDA'),
       CONCAT('FANTASIA ', seq),
       LPAD(99990000 + seq % 9999, 8, '0'),
       city, CONCAT('', (city - 1) * 50 + 1 + CRC32(seq * 7) % 50),
       CONCAT('RUA ', 1 + seq % 400), CONCAT('', 1 + seq % 2000), '(99) 3210-0000', '(99) 99999-0000',
       1 + (seq * 17) % 300, NULL, CONCAT('', 50 + seq % 3000, ',00'), 1 + seq % 60,
       ELT(1 + seq % 12, 'EM ATIVIDADE', 'EM ATIVIDADE', 'EM ATIVIDADE', 'EM ATIVIDADE', 'EM ATIVIDADE',
           'EM ATIVIDADE', 'EM ATIVIDADE - ISENTA', 'EM BAIXA', 'EVENTO TEMPORARIO', 'MEI', 'MEI',
           'NAO ENCONTRADO'),
       ELT(1 + seq % 3, 'S', 'N', NULL), IF(seq % 5 = 0, '', CONCAT('2019', LPAD(seq, 8, '0'))),
       NULL, 100 + seq % 900, IF(seq % 12 = 6, 'S', 'N'),
       IF(seq % 10 = 0, '1 - PESSOA FISICA - CPF', '2 - PESSOA JURIDICA - CNPJ'),
       '1990-01-01' + INTERVAL (seq % 10000) DAY
FROM (SELECT seq, IF(CRC32(seq) % 10 < 6, 1, 2 + CRC32(seq * 3) % 29) AS city FROM seq_1_to_1000000
      WHERE seq <= @n_clientes) AS n;

INSERT INTO servico (SERVICO_CODIGO, SERVICO_SIAPI, CLIENTE_CODIGO, SERVICO_AREA, SERVICO_VALOR,
                     USUARIO_CODIGO, ano, SERVICO_DATA_GERADA, dataCadastro, SITUACAO_CODIGO, impresso,
                     observacao, endereco, rodape, taxaVistoria, rota, usuario, nomeLocal, contatoVistoria)
SELECT seq, CONCAT('20', 13 + seq % 7, LPAD(seq, 8, '0')), 1 + CRC32(seq) % @n_clientes,
       CONCAT('', 50 + seq % 3000, ',00'), CONCAT('', 100 + seq % 900, ',00'),
       1 + seq % 60, 13 + seq % 7, MAKEDATE(2013 + seq % 7, 1 + seq % 365),
       MAKEDATE(2013 + seq % 7, 1 + seq % 365) + INTERVAL (seq % 86400) SECOND,
       IF(seq % 2000 = 0, 3, ELT(1 + seq % 10, 1, 2, 4, 5, 6, 7, 8, 9, 10, 8)),
       ELT(1 + seq % 3, 'S', 'N', NULL), NULL,
       IF(seq % 4 = 0, '', CONCAT('RUA ', 1 + seq % 400, ', ', 1 + seq % 2000)),
       'Retirar TAXA TPI  no site www.tpi.qz.gov.br  ou no PRONTO-JA', 'S', IF(seq % 500 = 0, 'S', 'N'),
       CONCAT('GUERRA', LPAD(1 + seq % 60, 2, '0'), ' 01/01/2019 08:00:00'),
       CONCAT('LOCAL ', seq), '(99) 99999-0000'
FROM seq_1_to_1000000 WHERE seq <= @n_servicos;

INSERT INTO servico_boleto (idServicoBoleto, codServico, linhaDigitavel, codBarra, nossoNumero, situacao,
                            remessa, dataEmissao, dataHoraEmissao, dataVencimento, valor, usuario,
                            objetivo, atualizacao, dataRemessa)
SELECT seq, 1 + CRC32(seq * 3) % @n_servicos, NULL, NULL, LPAD(seq, 10, '0'),
       IF(st IN ('GERADA', 'BOLETO ENTREGUE', 'ENVIADA AO BANCO'), NULL, st), st,
       emissao, emissao + INTERVAL 9 HOUR, emissao + INTERVAL 30 DAY, 100 + seq % 900,
       CONCAT('GUERRA', LPAD(1 + seq % 60, 2, '0')), 'TAXA DE VISTORIA',
       IF(st IN ('GERADA', 'BOLETO ENTREGUE', 'ENVIADA AO BANCO'), NULL, emissao + INTERVAL 40 DAY),
       IF(st IN ('GERADA', 'BOLETO ENTREGUE'), NULL, emissao + INTERVAL 2 DAY)
FROM (SELECT seq,
             MAKEDATE(2013 + seq % 7, 1 + seq % 365) AS emissao,
             CASE WHEN seq % 100 < 5 THEN 'GERADA'
                  WHEN seq % 100 < 7 THEN 'BOLETO ENTREGUE'
                  WHEN seq % 100 < 8 THEN 'ENVIADA AO BANCO'
                  WHEN seq % 100 < 11 THEN 'ENVIADO AO BANCO'
                  WHEN seq % 100 < 13 THEN 'Entrada rejeitada'
                  WHEN seq % 100 < 15 THEN 'Baixa'
                  ELSE 'LIQUIDADO' END AS st
      FROM seq_1_to_1000000 WHERE seq <= @n_boletos) AS n;

INSERT INTO exisgencia (idExisgencia, descricao, codigo)
SELECT seq, CONCAT('EXIGENCIA DE SEGURANCA CONTRA INCENDIO NUMERO ', seq), LPAD(seq, 2, '0')
FROM seq_1_to_60;

INSERT INTO servico_exisgencia (idServico, idExisgencia, data, obs, situacao)
SELECT 1 + CRC32(seq * 5) % @n_servicos, 1 + seq % 60,
       MAKEDATE(2013 + seq % 7, 1 + seq % 365) + INTERVAL 10 HOUR,
       CONCAT('EXIGENCIA DE SEGURANCA CONTRA INCENDIO NUMERO ', 1 + seq % 60),
       IF(seq % 3 = 0, 'PENDENTE', 'BAIXADA')
FROM seq_1_to_1000000 WHERE seq <= @n_exigencias;

ANALYZE TABLE localidade, bairros, atividade, situacao, graduacao, usuario, cliente, servico,
              servico_boleto, exisgencia, servico_exisgencia;
