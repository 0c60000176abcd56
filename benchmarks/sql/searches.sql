-- Typical searches of the search windows, as the program builds them, with
-- literal values in place of the parameters. Run against a database filled
-- by seed_large.sql; time_searches.sh prints each statement's duration.
-- Each statement runs twice (the first run warms the cache); the report
-- keeps the second.

-- establishments: criteria search, no criterion
select * from cliente_view where 1 = 1
order by LOC_NU_SEQUENCIAL,bairro,endereco
limit 0,10;
-- establishments: by neighbourhood
select * from cliente_view where 1 = 1
 and bairro = 'SETOR 0005'
order by LOC_NU_SEQUENCIAL,bairro,endereco
limit 0,10;
-- establishments: by city
select * from cliente_view where 1 = 1
 and cidade = 'CIDADE 07'
order by LOC_NU_SEQUENCIAL,bairro,endereco
limit 0,10;
-- establishments: name search
select * from cliente_view where (CLIENTE_RAZAO_SOCIAL like '%MERCADO 1234%' or CLIENTE_CNPJ_CPF like '%MERCADO 1234%' or CLIENTE_FANTASIA like '%MERCADO 1234%')
order by CLIENTE_RAZAO_SOCIAL,bairro,endereco
limit 0,10;
-- establishments: in activity, no service in year 19, in city 1
select * from cliente_view where 1 = 1
and situacao = 'EM ATIVIDADE'
 and CLIENTE_CODIGO not in (select CLIENTE_CODIGO from servico where  ano = 19 and servico.CLIENTE_CODIGO = cliente_view.CLIENTE_CODIGO)
 and cidade = 'TREMONTE'
order by LOC_NU_SEQUENCIAL,bairro,endereco
limit 0,10;
-- establishments: by exact CNPJ
select * from cliente_view where CLIENTE_CNPJ_CPF = '00007919000101';
-- locator: neighbourhood, in activity, not printed, no limit
select * from cliente_view where 1 = 1
and CLIENTE_CNPJ_CPF not in (select cnpjCpf from certificado_tv)
and situacao = "EM ATIVIDADE"
 and bairro = 'SETOR 0005'
 and (impresso = "N" or impresso is null)
order by LOC_NU_SEQUENCIAL,bairro,endereco;
-- list of neighbourhood names
select distinct(bairro) from cliente_view  order by bairro;
-- list of city names
select distinct(cidade) from cliente_view  order by cidade;
-- services: criteria search, no criterion
select * from servico_vw where 1 = 1
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: by neighbourhood
select * from servico_vw where 1 = 1
 and bairro = 'SETOR 0005'
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: by city
select * from servico_vw where 1 = 1
 and cidade = 'CIDADE 07'
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: by inspector
select * from servico_vw where 1 = 1
 and codVistoriador = 5
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: on the route
select * from servico_vw where 1 = 1
 and rota = "S"
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: of one establishment
select * from servico_vw where codCliente = 1234
order by dataGerada desc;
-- services: free text
select * from servico_vw where (CLIENTE_RAZAO_SOCIAL like '%LOJA 12345%' or CLIENTE_CNPJ_CPF like '%LOJA 12345%' or nomeLocal like '%LOJA 12345%')
order by dataGerada desc,CLIENTE_RAZAO_SOCIAL,bairro,endereco
limit 0,10;
-- services: fee alert
select * from servico_vw where situacao = "GERAR TAXA";
-- services: establishments in activity without a service in year 19
select * from servico_vw where 1 = 1
 and codCliente not in (select CLIENTE_CODIGO from servico where  ano = 19)
and situacaoEmpresa =  "EM ATIVIDADE"
order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END
limit 0,10;
-- services: neighbourhoods of the route ("Por Bairro")
select * from bairros where 1 = 1
and bairros.BAI_NO in
(select servico_vw.bairro from servico_vw where 1 = 1
 and rota = "S"
)
order by BAI_NO;
-- boletos: delivered, waiting for the remittance
select * from servico_boleto_vw where 1 = 1
 and remessa = 'BOLETO ENTREGUE'
order by dataEmissao
limit 0,50;
-- boletos: issued in one month
select * from servico_boleto_vw where 1 = 1
and dataEmissao between '2019-01-01' and '2019-01-31'
order by dataEmissao
limit 0,50;
-- boletos: by inspector
select * from servico_boleto_vw where 1 = 1
 and vistoriadorGuerra = 'GUERRA05'
order by dataEmissao
limit 0,50;
-- boletos: by neighbourhood, by name
select * from servico_boleto_vw where 1 = 1
 and bairro = 'SETOR 0005'
order by CLIENTE_RAZAO_SOCIAL
limit 0,50;
-- boletos: free text
select * from servico_boleto_vw where (CLIENTE_RAZAO_SOCIAL like '%FARMACIA 1234%' or CLIENTE_CNPJ_CPF like '%FARMACIA 1234%' or nomeLocal like '%FARMACIA 1234%')
order by dataEmissao
limit 0,50;
-- boletos: no filter, by name
select * from servico_boleto_vw where 1 = 1
order by CLIENTE_RAZAO_SOCIAL
limit 0,50;
-- boletos: of one service
select * from servico_boleto_vw where  codServico = 4321
order by dataEmissao
limit 0,50;
-- boletos: touched by one return run
select * from servico_boleto_vw where atualizacao = '2019-02-10 00:00:00';
-- requirements: one quarter
select * from exisgencia_vw where 1 = 1
and data between '2019-01-01' and '2019-03-31'
order by data
limit 0,50;
-- requirements: by inspector and situation
select * from exisgencia_vw where 1 = 1
 and vistoriadorGuerra = 'GUERRA05'
 and situacao = 'PENDENTE'
order by data
limit 0,50;
-- requirements: free text
select * from exisgencia_vw where  razao like '%OFICINA 1234%' or cnpj like '%OFICINA 1234%'
order by razao;
