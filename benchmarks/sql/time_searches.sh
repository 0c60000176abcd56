#!/usr/bin/env bash
# Times the typical searches of searches.sql against a database filled by
# seed_large.sql.
#   benchmarks/sql/time_searches.sh SOCKET DATABASE
# Prints one line per search: milliseconds, rows returned and its label.
# The time is the wall time of one client run, start-up included (a few ms).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
socket="$1"
db="$2"

client() { mariadb --no-defaults --socket="$socket" -uroot "$db" "$@"; }

label=""
statement=""
run_one() {
  local start end rows
  client -N -e "$statement" >/dev/null               # warm the cache
  start=$(date +%s%N)
  rows=$(client -N -e "$statement" | wc -l)
  end=$(date +%s%N)
  printf '%8.1f ms %7d rows  %s\n' "$(echo "($end - $start) / 1000000" | bc -l)" "$rows" "$label"
}

while IFS= read -r line; do
  case "$line" in
    "-- "*)
      if [ -z "$statement" ]; then label="${line#-- }"; fi ;;
    "") ;;
    *)
      [ -z "$label" ] && continue
      statement+="$line"$'\n'
      if [[ "$line" == *";" ]]; then
        run_one
        statement=""
        label=""
      fi ;;
  esac
done < "$here/searches.sql"
