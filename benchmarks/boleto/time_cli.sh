#!/usr/bin/env bash
# Times the boleto tool on 100 000 JSON lines (Banco do Brasil boletos with
# varied numbers, amounts and due dates, one bad line in a hundred).
# Usage: benchmarks/boleto/time_cli.sh [path/to/boleto]   (default build/bin/boleto)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
TOOL="${1:-$ROOT/build/bin/boleto}"
LINES=100000
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

awk -v n="$LINES" 'BEGIN {
  for (i = 1; i <= n; i++) {
    venc = sprintf("20%02d-%02d-%02d", 17 + i % 15, 1 + i % 12, 1 + i % 28)
    valor = sprintf("%d.%02d", 10 + (i * 7919) % 1000000, i % 100)
    nn = sprintf("%010d", i)
    if (i % 100 == 0) nn = nn "A"
    printf "{\"banco\":\"001\",\"agencia\":\"4417\",\"codigoCedente\":\"7300215\",\"conta\":\"26084\",\"digitoConta\":\"3\",\"convenio\":\"7300215\",\"carteira\":\"17\",\"nossoNumero\":\"%s\",\"documento\":\"%d\",\"valor\":\"%s\",\"vencimento\":\"%s\"}\n", nn, i, valor, venc
  }
}' >"$WORK/in.jsonl"

start=$(date +%s%N)
"$TOOL" <"$WORK/in.jsonl" >"$WORK/out.jsonl"
end=$(date +%s%N)

lines_out=$(wc -l <"$WORK/out.jsonl")
errors=$(grep -c '"erro"' "$WORK/out.jsonl" || true)
printf 'input: %d lines, %d bytes\n' "$LINES" "$(stat -c %s "$WORK/in.jsonl")"
printf 'output: %d lines (%d with "erro")\n' "$lines_out" "$errors"
printf 'time: %d ms\n' $(((end - start) / 1000000))
[ "$lines_out" -eq "$LINES" ]
