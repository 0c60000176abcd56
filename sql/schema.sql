-- Database of the fire-safety section: tables, indexes and the views the
-- search windows read.
--
-- Load into an existing, empty database:
--   mariadb DBNAME < sql/schema.sql
-- Loading it again is harmless: tables are created only when missing and
-- views are replaced.
--
-- Conventions
--   * Column names keep their historical mix of upper case and camel case;
--     the program uses them exactly as written here.
--   * Yes/no columns hold 'S' or 'N'; NULL counts as 'N' in every filter.
--   * Texts are utf8mb4 with a case-insensitive collation, so a login typed in
--     upper case matches a password stored in lower case.
--   * No foreign keys: removing a neighbourhood, an activity or a service must
--     not be refused, and the views use LEFT JOINs on primary keys so that a
--     row whose reference is gone still appears (with empty names).
--   * Every view returns exactly one row per row of its base table and is
--     mergeable (no GROUP BY, DISTINCT, UNION, aggregates or sub-selects), so a
--     search on a view is planned as a search on the base tables and can start
--     from whichever table its filter narrows (a neighbourhood, city, status or
--     inspector found through its index, then the establishments and services
--     through theirs).

SET NAMES utf8mb4;

-- ---------------------------------------------------------------------------
-- Reference tables
-- ---------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS localidade (
  LOC_NU_SEQUENCIAL INT NOT NULL AUTO_INCREMENT,
  LOC_NO            VARCHAR(60),
  PRIMARY KEY (LOC_NU_SEQUENCIAL),
  KEY idx_localidade_nome (LOC_NO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS bairros (
  BAI_NU_SEQUENCIAL INT NOT NULL AUTO_INCREMENT,
  UFE_SG            VARCHAR(2),
  LOC_NU_SEQUENCIAL INT,
  BAI_NO            VARCHAR(72),
  BAI_NO_ABREV      VARCHAR(36),
  BAI_QD            VARCHAR(2),
  BAI_QUADRANTE     VARCHAR(2),
  PRIMARY KEY (BAI_NU_SEQUENCIAL),
  KEY idx_bairros_nome (BAI_NO),
  KEY idx_bairros_localidade (LOC_NU_SEQUENCIAL)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Activities; RISCO_CODIGO is the risk group 1 (highest) to 4 that sets the
-- inspection fee's percentage of the UFIR.
CREATE TABLE IF NOT EXISTS atividade (
  ATIVID_CODIGO    INT NOT NULL AUTO_INCREMENT,
  ATIVID_DESCRICAO VARCHAR(200),
  RISCO_CODIGO     INT,
  cidadeSegura     VARCHAR(1),
  PRIMARY KEY (ATIVID_CODIGO),
  KEY idx_atividade_descricao (ATIVID_DESCRICAO),
  KEY idx_atividade_cidade_segura (cidadeSegura)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Service situations. The program relies on the descriptions "GERAR TAXA",
-- "COMISSAO TECNICA", "ANALISE DE PROJETO" and "CERTIFICACAO PREVIA", on code
-- 2 (given to a renewed service) and on code 18 (a request that arrived
-- through the internet).
CREATE TABLE IF NOT EXISTS situacao (
  SITUACAO_CODIGO    INT NOT NULL AUTO_INCREMENT,
  SITUACAO_DESCRICAO VARCHAR(50),
  PRIMARY KEY (SITUACAO_CODIGO),
  KEY idx_situacao_descricao (SITUACAO_DESCRICAO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Military ranks, for the inspectors' rank in the views. GRADUACAO_SIGLA is
-- the abbreviation printed before a name ("2º SGT").
CREATE TABLE IF NOT EXISTS graduacao (
  GRADUACAO_CODIGO    INT NOT NULL AUTO_INCREMENT,
  GRADUACAO_DESCRICAO VARCHAR(50),
  GRADUACAO_SIGLA     VARCHAR(20),
  PRIMARY KEY (GRADUACAO_CODIGO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS unidade (
  idUnidade   INT NOT NULL AUTO_INCREMENT,
  nomeUnidade VARCHAR(255),
  PRIMARY KEY (idUnidade)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The single settings row. idConfiguracao only gives the row a key so that
-- it can be saved like any other row.
CREATE TABLE IF NOT EXISTS configuracao (
  idConfiguracao INT NOT NULL AUTO_INCREMENT,
  ufir           DOUBLE,
  unidade        VARCHAR(10),
  versao         VARCHAR(10),
  PRIMARY KEY (idConfiguracao)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- Users
-- ---------------------------------------------------------------------------

-- Permission flags grant only when they hold exactly 'S'. The password is
-- kept as typed; the login compares it through the case-insensitive collation.
CREATE TABLE IF NOT EXISTS usuario (
  USUARIO_CODIGO     INT NOT NULL AUTO_INCREMENT,
  USUARIO_CPF        VARCHAR(50),
  USUARIO_NOME       VARCHAR(50),
  rg                 VARCHAR(50),
  GRADUACAO_CODIGO   INT,
  USUARIO_GUERRA     VARCHAR(50),
  FUNCAO_CODIGO      INT,
  senha              VARCHAR(50),
  USUARIO_STATUS     VARCHAR(50),
  USUARIO_ASSINATURA VARCHAR(50),
  assinatura         VARCHAR(50),
  unidade            VARCHAR(50),
  verCodBarra        VARCHAR(1),
  cadServico         VARCHAR(1),
  removerServico     VARCHAR(1),
  cadBoleto          VARCHAR(1),
  removerBoleto      VARCHAR(1),
  confUsuario        VARCHAR(1),
  ativo              VARCHAR(1),
  USUARIO_NIVEL      VARCHAR(1),
  PRIMARY KEY (USUARIO_CODIGO),
  KEY idx_usuario_rg (rg),
  KEY idx_usuario_ativo (ativo, USUARIO_GUERRA),
  KEY idx_usuario_guerra (USUARIO_GUERRA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- Establishments
-- ---------------------------------------------------------------------------

-- BAI_NU_SEQUENCIAL holds the neighbourhood number as text. BAI_NUMERO is
-- that text read as a number (NULL when it is not one); it is indexed and
-- the views join bairros through it, so a search by neighbourhood name can
-- go from the neighbourhood to its establishments by index. It is invisible:
-- "select *" does not return it and inserts need not name it.
-- CLIENTE_USUARIO is the inspector responsible for the establishment.
CREATE TABLE IF NOT EXISTS cliente (
  CLIENTE_CODIGO        INT NOT NULL AUTO_INCREMENT,
  CLIENTE_DATA_CADASTRO DATE,
  CLIENTE_CNPJ_CPF      VARCHAR(14),
  CLIENTE_RAZAO_SOCIAL  VARCHAR(200),
  CLIENTE_FANTASIA      VARCHAR(100),
  CLIENTE_CEP           VARCHAR(20),
  LOC_NU_SEQUENCIAL     INT,
  BAI_NU_SEQUENCIAL     VARCHAR(80),
  CLIENTE_RUA           VARCHAR(255),
  CLIENTE_NUMERO_END    VARCHAR(20),
  CLIENTE_QD            VARCHAR(40),
  CLIENTE_LT            VARCHAR(40),
  CLIENTE_COMPLEM       VARCHAR(40),
  CLIENTE_FONE_EMPRESA  VARCHAR(60),
  CLIENTE_TEL_CONTATO   VARCHAR(60),
  ATIVID_CODIGO         INT,
  CLIENTE_MAIL          VARCHAR(100),
  CLIENTE_AREA          VARCHAR(11),
  CLIENTE_NIVEL         INT,
  CLIENTE_ALTERACAO     DATETIME,
  CLIENTE_USUARIO       INT,
  CLIENTE_SITUACAO      VARCHAR(50),
  situacao              VARCHAR(50),
  impresso              VARCHAR(1),
  siapi                 VARCHAR(50),
  cnai                  VARCHAR(300),
  valorTaxa             DOUBLE,
  isento                VARCHAR(1),
  tipoEmpresa           VARCHAR(50),
  dataAbertura          DATE,
  BAI_NUMERO            INT AS (CASE WHEN TRIM(BAI_NU_SEQUENCIAL) REGEXP '^[0-9]{1,9}$'
                                     THEN CAST(TRIM(BAI_NU_SEQUENCIAL) AS UNSIGNED) END)
                        VIRTUAL INVISIBLE,
  PRIMARY KEY (CLIENTE_CODIGO),
  KEY idx_cliente_cnpj_cpf (CLIENTE_CNPJ_CPF),
  KEY idx_cliente_bairro (BAI_NUMERO),
  KEY idx_cliente_localidade (LOC_NU_SEQUENCIAL),
  KEY idx_cliente_atividade (ATIVID_CODIGO),
  KEY idx_cliente_situacao (situacao),
  KEY idx_cliente_usuario (CLIENTE_USUARIO),
  KEY idx_cliente_rua (CLIENTE_RUA),
  KEY idx_cliente_razao_social (CLIENTE_RAZAO_SOCIAL)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- Services, boletos and requirements
-- ---------------------------------------------------------------------------

-- dataCadastro is stamped by the database when a service is inserted without it.
CREATE TABLE IF NOT EXISTS servico (
  SERVICO_CODIGO         INT NOT NULL AUTO_INCREMENT,
  SERVICO_PROTOCOLO      VARCHAR(50),
  SERVICO_SIAPI          VARCHAR(50),
  CLIENTE_CODIGO         INT,
  TIPO_SERVICO_CODIGO    VARCHAR(100),
  SERVICO_AREA           VARCHAR(20),
  SERVICO_VALOR          VARCHAR(20),
  USUARIO_CODIGO         INT,
  ano                    INT,
  SERVICO_DATA_GERADA    DATE,
  dataCadastro           DATETIME DEFAULT CURRENT_TIMESTAMP,
  SERVICO_DATA_REALIZADA DATE,
  SERVICO_PRAZO          DATE,
  SITUACAO_CODIGO        INT,
  SERVICO_TIPO_OCUPACAO  VARCHAR(50),
  RISCO_NIVEL_CODIGO     INT,
  PREVENTIVO_CODIGO      INT,
  GLP_CODIGO             INT,
  impresso               VARCHAR(1),
  observacao             VARCHAR(1000),
  endereco               VARCHAR(400),
  rodape                 VARCHAR(400),
  cerconEntregue         VARCHAR(1),
  taxaVistoria           VARCHAR(1),
  certPrevia             VARCHAR(1),
  rota                   VARCHAR(1),
  dataCercon             DATE,
  usuario                VARCHAR(50),
  usuarioAlt             VARCHAR(50),
  nomeLocal              VARCHAR(255),
  contatoVistoria        VARCHAR(255),
  barrasTpi              VARCHAR(100),
  valorTpi               DOUBLE,
  vencimentoTpi          DATE,
  codBarra               VARCHAR(100),
  subCodBarra            VARCHAR(1),
  PRIMARY KEY (SERVICO_CODIGO),
  KEY idx_servico_cliente (CLIENTE_CODIGO, ano),
  KEY idx_servico_ano (ano, CLIENTE_CODIGO),
  KEY idx_servico_situacao (SITUACAO_CODIGO),
  KEY idx_servico_usuario (USUARIO_CODIGO),
  KEY idx_servico_data_gerada (SERVICO_DATA_GERADA),
  KEY idx_servico_rota (rota)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Boletos. A new row is "GERADA" by default; remessa and situacao are wide
-- enough for every status text of the bank's return file.
-- dataHoraEmissao is stamped by the database when the row is inserted.
CREATE TABLE IF NOT EXISTS servico_boleto (
  idServicoBoleto INT NOT NULL AUTO_INCREMENT,
  codServico      INT NOT NULL,
  linhaDigitavel  VARCHAR(500),
  codBarra        VARCHAR(500),
  nossoNumero     VARCHAR(50),
  situacao        VARCHAR(40),
  remessa         VARCHAR(40) DEFAULT 'GERADA',
  dataEmissao     DATE,
  dataHoraEmissao DATETIME DEFAULT CURRENT_TIMESTAMP,
  dataVencimento  DATE,
  valor           DOUBLE,
  usuario         VARCHAR(50),
  objetivo        VARCHAR(50),
  atualizacao     DATETIME,
  dataDescarga    DATETIME,
  dataRemessa     DATETIME,
  PRIMARY KEY (idServicoBoleto),
  KEY idx_boleto_servico (codServico),
  KEY idx_boleto_remessa (remessa, dataEmissao),
  KEY idx_boleto_situacao (situacao),
  KEY idx_boleto_emissao (dataEmissao),
  KEY idx_boleto_vencimento (dataVencimento),
  KEY idx_boleto_atualizacao (atualizacao)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Catalogue of requirement texts.
CREATE TABLE IF NOT EXISTS exisgencia (
  idExisgencia INT NOT NULL AUTO_INCREMENT,
  descricao    VARCHAR(500),
  codigo       VARCHAR(5),
  PRIMARY KEY (idExisgencia),
  KEY idx_exisgencia_descricao (descricao(100))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Requirements raised for a service. The program addresses a row by the pair
-- (idExisgencia, idServico); idServicoExisgencia only gives each row a key of
-- its own. A row inserted without a situation is pending.
CREATE TABLE IF NOT EXISTS servico_exisgencia (
  idServicoExisgencia INT NOT NULL AUTO_INCREMENT,
  idServico           INT,
  idExisgencia        INT,
  data                DATETIME,
  obs                 VARCHAR(250),
  situacao            VARCHAR(15) DEFAULT 'PENDENTE',
  PRIMARY KEY (idServicoExisgencia),
  KEY idx_servico_exisgencia_par (idServico, idExisgencia),
  KEY idx_servico_exisgencia_data (data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- City hall list and letters of consent
-- ---------------------------------------------------------------------------

-- The city hall's company list, loaded from outside the program; duplicates
-- of one cnpj occur. idPrefeitura lets one of several equal rows be removed.
CREATE TABLE IF NOT EXISTS prefeitura (
  idPrefeitura INT NOT NULL AUTO_INCREMENT,
  cnpj         VARCHAR(15),
  razao        VARCHAR(255),
  fantasia     VARCHAR(255),
  bairro       VARCHAR(60),
  rua          VARCHAR(255),
  numero       VARCHAR(10),
  contato      VARCHAR(30),
  data         VARCHAR(15),
  contem       VARCHAR(1),
  impresso     VARCHAR(1),
  obs          VARCHAR(50),
  PRIMARY KEY (idPrefeitura),
  KEY idx_prefeitura_cnpj (cnpj),
  KEY idx_prefeitura_bairro (bairro)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Letters of consent and certificates issued. cnpjCpf is never NULL: the
-- establishment locator leaves out every number listed here with
-- "not in (select cnpjCpf ...)", which a single NULL would turn into no rows.
CREATE TABLE IF NOT EXISTS certificado_tv (
  idCertificado        INT NOT NULL AUTO_INCREMENT,
  cnpjCpf              VARCHAR(15) NOT NULL DEFAULT '',
  razaoSocial          VARCHAR(255),
  fantasia             VARCHAR(255),
  endereco             VARCHAR(400),
  bairro               VARCHAR(72),
  atividade            VARCHAR(255),
  risco                VARCHAR(1),
  tipoCertificado      VARCHAR(50),
  dataProtocolo        DATE,
  dataInicial          DATE,
  dataValidade         DATE,
  numSiapi             VARCHAR(15),
  sistPreventivo       VARCHAR(6),
  inspecao             TEXT,
  dataServico          DATE,
  numTitulo            VARCHAR(20),
  valorTitulo          DOUBLE,
  dataVencimentoTitulo DATE,
  PRIMARY KEY (idCertificado),
  KEY idx_certificado_cnpj (cnpjCpf)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- Views
-- ---------------------------------------------------------------------------
-- Address texts:
--   enderecoSemBairro  street, number
--   endereco           street, number, neighbourhood     (establishment)
-- Empty parts are left out together with their separator.

-- Users offered as inspectors, with their rank's name.
CREATE OR REPLACE ALGORITHM=MERGE SQL SECURITY INVOKER VIEW usuario_vw AS
SELECT
  u.USUARIO_CODIGO,
  u.USUARIO_GUERRA,
  g.GRADUACAO_DESCRICAO
FROM usuario u
LEFT JOIN graduacao g ON g.GRADUACAO_CODIGO = u.GRADUACAO_CODIGO;

-- One row per establishment with its city, neighbourhood, activity and the
-- inspector responsible for it (CLIENTE_USUARIO).
CREATE OR REPLACE ALGORITHM=MERGE SQL SECURITY INVOKER VIEW cliente_view AS
SELECT
  c.CLIENTE_CODIGO,
  c.CLIENTE_CNPJ_CPF,
  c.CLIENTE_RAZAO_SOCIAL,
  c.CLIENTE_FANTASIA,
  c.CLIENTE_DATA_CADASTRO,
  c.CLIENTE_CEP,
  c.CLIENTE_RUA,
  c.CLIENTE_NUMERO_END,
  c.CLIENTE_FONE_EMPRESA,
  c.CLIENTE_TEL_CONTATO,
  c.CLIENTE_AREA,
  c.situacao,
  c.impresso,
  c.siapi,
  c.cnai,
  c.valorTaxa,
  c.isento,
  c.tipoEmpresa,
  c.dataAbertura,
  CAST(c.LOC_NU_SEQUENCIAL AS SIGNED) AS LOC_NU_SEQUENCIAL,
  CAST(c.BAI_NUMERO AS SIGNED)        AS BAI_NU_SEQUENCIAL,
  CAST(c.ATIVID_CODIGO AS SIGNED)     AS ATIVID_CODIGO,
  l.LOC_NO                            AS cidade,
  b.BAI_NO                            AS bairro,
  a.ATIVID_DESCRICAO                  AS atividade,
  a.cidadeSegura,
  CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, ''),
            NULLIF(b.BAI_NO, ''))     AS endereco,
  CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, ''))
                                      AS enderecoSemBairro,
  c.CLIENTE_MAIL                      AS email,
  u.USUARIO_GUERRA                    AS vistoriadorGuerra,
  g.GRADUACAO_SIGLA                   AS vistoriadorGraduacao,
  g.GRADUACAO_DESCRICAO,
  u.rg                                AS visotriadorrg
FROM cliente c
LEFT JOIN localidade l ON l.LOC_NU_SEQUENCIAL = c.LOC_NU_SEQUENCIAL
LEFT JOIN bairros    b ON b.BAI_NU_SEQUENCIAL = c.BAI_NUMERO
LEFT JOIN atividade  a ON a.ATIVID_CODIGO = c.ATIVID_CODIGO
LEFT JOIN usuario    u ON u.USUARIO_CODIGO = c.CLIENTE_USUARIO
LEFT JOIN graduacao  g ON g.GRADUACAO_CODIGO = u.GRADUACAO_CODIGO;

-- One row per service with its status, inspector and establishment.
--   situacao         the service's status description
--   situacaoEmpresa  the establishment's situation ("EM ATIVIDADE", "MEI", ...)
--   impresso         the service's printed mark
--   siapi            the establishment's SIAPI number
--   endereco         where the inspection takes place: the service's own
--                    address, or the establishment's when the service has none
--   endereco2        the establishment's address with its neighbourhood
--   cliente_rua      the establishment's street (also ordered on as CLIENTE_RUA)
CREATE OR REPLACE ALGORITHM=MERGE SQL SECURITY INVOKER VIEW servico_vw AS
SELECT
  s.SERVICO_CODIGO,
  s.CLIENTE_CODIGO                    AS codCliente,
  s.SERVICO_DATA_GERADA               AS dataGerada,
  s.dataCadastro,
  st.SITUACAO_DESCRICAO               AS situacao,
  s.SITUACAO_CODIGO,
  s.SERVICO_VALOR                     AS valor,
  s.SERVICO_AREA                      AS area,
  s.impresso,
  s.rota,
  s.rodape,
  s.observacao,
  s.nomeLocal,
  s.contatoVistoria,
  s.barrasTpi,
  s.valorTpi,
  s.vencimentoTpi,
  s.USUARIO_CODIGO                    AS codVistoriador,
  u.USUARIO_GUERRA                    AS vistoriadorGuerra,
  g.GRADUACAO_SIGLA                   AS vistoriadorGraduacao,
  u.rg                                AS visotriadorrg,
  l.LOC_NO                            AS cidade,
  b.BAI_NO                            AS bairro,
  a.cidadeSegura,
  COALESCE(NULLIF(s.endereco, ''),
           CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, ''),
                     NULLIF(b.BAI_NO, '')))
                                      AS endereco,
  CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, ''),
            NULLIF(b.BAI_NO, ''))     AS endereco2,
  CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, ''))
                                      AS enderecoSemBairro,
  c.CLIENTE_RUA                       AS cliente_rua,
  c.CLIENTE_CNPJ_CPF,
  c.CLIENTE_RAZAO_SOCIAL,
  c.CLIENTE_FANTASIA,
  c.CLIENTE_DATA_CADASTRO,
  c.CLIENTE_CEP,
  c.CLIENTE_NUMERO_END,
  c.CLIENTE_FONE_EMPRESA,
  c.CLIENTE_TEL_CONTATO,
  c.CLIENTE_AREA,
  c.cnai,
  c.siapi,
  c.valorTaxa,
  a.ATIVID_DESCRICAO                  AS atividade,
  c.tipoEmpresa,
  c.CLIENTE_MAIL                      AS email,
  c.situacao                          AS situacaoEmpresa,
  CAST(c.LOC_NU_SEQUENCIAL AS SIGNED) AS LOC_NU_SEQUENCIAL,
  CAST(c.BAI_NUMERO AS SIGNED)        AS BAI_NU_SEQUENCIAL,
  CAST(c.ATIVID_CODIGO AS SIGNED)     AS ATIVID_CODIGO
FROM servico s
LEFT JOIN situacao   st ON st.SITUACAO_CODIGO = s.SITUACAO_CODIGO
LEFT JOIN usuario    u  ON u.USUARIO_CODIGO = s.USUARIO_CODIGO
LEFT JOIN graduacao  g  ON g.GRADUACAO_CODIGO = u.GRADUACAO_CODIGO
LEFT JOIN cliente    c  ON c.CLIENTE_CODIGO = s.CLIENTE_CODIGO
LEFT JOIN localidade l  ON l.LOC_NU_SEQUENCIAL = c.LOC_NU_SEQUENCIAL
LEFT JOIN bairros    b  ON b.BAI_NU_SEQUENCIAL = c.BAI_NUMERO
LEFT JOIN atividade  a  ON a.ATIVID_CODIGO = c.ATIVID_CODIGO;

-- One row per boleto with its service and establishment.
--   situacao     the bank's situation of the boleto (not the service's status)
--   fantasia     the establishment's trade name (as CLIENTE_FANTASIA)
--   siapi, area  the service's SIAPI number and area
--   endereco2    "street, number - neighbourhood", as on the first print
CREATE OR REPLACE ALGORITHM=MERGE SQL SECURITY INVOKER VIEW servico_boleto_vw AS
SELECT
  sb.idServicoBoleto,
  sb.codServico,
  sb.linhaDigitavel,
  sb.codBarra,
  sb.nossoNumero,
  sb.situacao,
  sb.remessa,
  sb.dataEmissao,
  sb.dataHoraEmissao,
  sb.dataVencimento,
  sb.valor,
  sb.usuario,
  sb.objetivo,
  sb.atualizacao,
  sb.dataDescarga,
  sb.dataRemessa,
  s.CLIENTE_CODIGO                    AS codCliente,
  c.CLIENTE_CNPJ_CPF,
  c.CLIENTE_RAZAO_SOCIAL,
  c.CLIENTE_FANTASIA,
  c.CLIENTE_FANTASIA                  AS fantasia,
  c.CLIENTE_TEL_CONTATO,
  c.CLIENTE_RUA                       AS cliente_rua,
  CONCAT_WS(' - ',
            CONCAT_WS(', ', NULLIF(c.CLIENTE_RUA, ''), NULLIF(c.CLIENTE_NUMERO_END, '')),
            NULLIF(b.BAI_NO, ''))     AS endereco2,
  b.BAI_NO                            AS bairro,
  l.LOC_NO                            AS cidade,
  c.CLIENTE_CEP                       AS cep,
  c.tipoEmpresa,
  c.CLIENTE_MAIL                      AS email,
  s.SERVICO_AREA                      AS area,
  s.SERVICO_SIAPI                     AS siapi,
  s.nomeLocal,
  s.observacao,
  s.contatoVistoria,
  s.barrasTpi,
  s.valorTpi,
  s.vencimentoTpi,
  s.dataCadastro,
  u.USUARIO_GUERRA                    AS vistoriadorGuerra,
  u.rg                                AS visotriadorrg
FROM servico_boleto sb
LEFT JOIN servico    s ON s.SERVICO_CODIGO = sb.codServico
LEFT JOIN usuario    u ON u.USUARIO_CODIGO = s.USUARIO_CODIGO
LEFT JOIN cliente    c ON c.CLIENTE_CODIGO = s.CLIENTE_CODIGO
LEFT JOIN localidade l ON l.LOC_NU_SEQUENCIAL = c.LOC_NU_SEQUENCIAL
LEFT JOIN bairros    b ON b.BAI_NU_SEQUENCIAL = c.BAI_NUMERO;

-- One row per requirement raised, with its catalogue text, the service's
-- establishment (name, number, neighbourhood, city) and inspector.
CREATE OR REPLACE ALGORITHM=MERGE SQL SECURITY INVOKER VIEW exisgencia_vw AS
SELECT
  se.idServicoExisgencia,
  se.idExisgencia,
  e.descricao,
  e.codigo,
  se.idServico,
  se.obs,
  se.situacao,
  se.data,
  c.CLIENTE_RAZAO_SOCIAL              AS razao,
  c.CLIENTE_CNPJ_CPF                  AS cnpj,
  b.BAI_NO                            AS bairro,
  l.LOC_NO                            AS cidade,
  u.USUARIO_GUERRA                    AS vistoriadorGuerra
FROM servico_exisgencia se
LEFT JOIN exisgencia e ON e.idExisgencia = se.idExisgencia
LEFT JOIN servico    s ON s.SERVICO_CODIGO = se.idServico
LEFT JOIN usuario    u ON u.USUARIO_CODIGO = s.USUARIO_CODIGO
LEFT JOIN cliente    c ON c.CLIENTE_CODIGO = s.CLIENTE_CODIGO
LEFT JOIN localidade l ON l.LOC_NU_SEQUENCIAL = c.LOC_NU_SEQUENCIAL
LEFT JOIN bairros    b ON b.BAI_NU_SEQUENCIAL = c.BAI_NUMERO;
