# Shared pieces of scripts/run and scripts/test. Sourced, never run.
# Everything here is idempotent: a warm machine skips what is already done.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QZ_BUILD_DIR:-$ROOT/build}"

QZ_PACKAGES=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev libqt6sql6-mysql libgl-dev
  libzint-dev nlohmann-json3-dev libgtest-dev libbenchmark-dev
  mariadb-server mariadb-client
  poppler-utils zbar-tools xvfb xauth fonts-dejavu-core
)

log() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }

ensure_packages() {
  local missing=()
  local p
  for p in "${QZ_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  log "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    log "packages are missing and this is not root: install them with apt-get first"
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq </dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
}

build_project() {
  local type="${1:-RelWithDebInfo}"
  shift || true
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    # QZ_CMAKE_ARGS: extra configure options (CI turns warnings into errors).
    # shellcheck disable=SC2086
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$type" ${QZ_CMAKE_ARGS:-} "$@" >/dev/null
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# ---- private MariaDB -------------------------------------------------------
# db_start DIR PORT: a server of our own with its data, socket and log in DIR.
db_start() {
  local dir="$1" port="$2"
  mkdir -p "$dir"
  dir="$(cd "$dir" && pwd)"
  if db_running "$dir"; then
    return 0
  fi
  if [ ! -d "$dir/data/mysql" ]; then
    rm -rf "$dir/data"
    mariadb-install-db --no-defaults --user=root --datadir="$dir/data" \
      --auth-root-authentication-method=socket --skip-test-db >"$dir/install.log" 2>&1 || {
        cat "$dir/install.log" >&2; return 1; }
  fi
  if [ ${#dir} -gt 90 ]; then
    log "socket path too long: $dir"; return 1
  fi
  mariadbd --no-defaults --user=root --datadir="$dir/data" --socket="$dir/mysqld.sock" \
    --pid-file="$dir/mysqld.pid" --port="$port" --bind-address=127.0.0.1 \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_unicode_ci \
    --log-error="$dir/error.log" --skip-name-resolve --innodb-buffer-pool-size=256M \
    </dev/null >/dev/null 2>&1 &
  local i
  for i in $(seq 1 300); do
    if db_running "$dir"; then
      return 0
    fi
    sleep 0.2
  done
  log "the database server did not start; its log:"
  tail -n 30 "$dir/error.log" >&2
  return 1
}

db_running() {
  [ -S "$1/mysqld.sock" ] && mariadb-admin --no-defaults --socket="$1/mysqld.sock" -uroot ping >/dev/null 2>&1
}

db_stop() {
  local dir="$1" pid
  [ -f "$dir/mysqld.pid" ] || return 0
  pid="$(cat "$dir/mysqld.pid" 2>/dev/null)"
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || true
  local i
  for i in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || { rm -f "$dir/mysqld.pid"; return 0; }
    sleep 0.2
  done
  kill -9 "$pid" 2>/dev/null || true
}

db_sql() {
  local dir="$1"; shift
  mariadb --no-defaults --socket="$dir/mysqld.sock" -uroot "$@"
}

# db_create DIR NAME USER PASSWORD: a fresh database with schema and demo data,
# and a user reaching it over the loopback port.
db_create() {
  local dir="$1" name="$2" user="$3" pass="$4"
  db_sql "$dir" <<SQL
DROP DATABASE IF EXISTS \`$name\`;
CREATE DATABASE \`$name\` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
CREATE USER IF NOT EXISTS '$user'@'127.0.0.1' IDENTIFIED BY '$pass';
CREATE USER IF NOT EXISTS '$user'@'localhost' IDENTIFIED BY '$pass';
GRANT ALL PRIVILEGES ON \`$name\`.* TO '$user'@'127.0.0.1';
GRANT ALL PRIVILEGES ON \`$name\`.* TO '$user'@'localhost';
FLUSH PRIVILEGES;
SQL
  db_sql "$dir" "$name" <"$ROOT/sql/schema.sql"
  db_sql "$dir" "$name" <"$ROOT/sql/demo.sql"
}
