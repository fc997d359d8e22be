#!/bin/sh
# A throwaway PostgreSQL cluster for the tests and the benchmarks. It runs
# as an unprivileged user (as root: the user postgres), keeps its data in a
# temporary folder, listens on a Unix socket there and on a free loopback
# port, and lets every local user in without a password except the role
# appraiser_pw, which must give its password ("appraiser-secret").
#
#   test-cluster.sh start DIR   starts it; DIR/url then holds the URL of its
#                               database postgres as the superuser hadadmin,
#                               or DIR/skip says why it could not start
#   test-cluster.sh stop DIR    stops it and removes its data
#   test-cluster.sh pause DIR   stops the server, keeping its data (a test of
#                               a server that goes away mid-session)
#   test-cluster.sh resume DIR  starts it again on the same socket and port
#
# Starting never fails: a server test that finds DIR/skip is skipped with
# that reason.
set -u
action="$1"
dir="$2"

skip() {
  echo "$1" > "$dir/skip"
  exit 0
}

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop() {
  [ -f "$dir/data" ] || return 0
  data=$(cat "$dir/data")
  as_owner "$bindir/pg_ctl" -D "$data/cluster" -m immediate -w stop >/dev/null 2>&1
  rm -rf "$data"
  rm -f "$dir/data" "$dir/url"
}

# The server of a started cluster, with the options it was started with.
server_ctl() {
  data=$(cat "$dir/data")
  as_owner "$bindir/pg_ctl" -D "$data/cluster" -l "$data/server.log" -w -t 30 "$@" >/dev/null 2>&1
}

case "$action" in
stop)
  stop
  exit 0
  ;;
pause)
  server_ctl -m fast stop
  exit
  ;;
resume)
  server_ctl -o "$(cat "$(cat "$dir/data")/options")" start
  exit
  ;;
start) ;;
*)
  echo "usage: $0 start|stop|pause|resume DIR" >&2
  exit 2
  ;;
esac

mkdir -p "$dir"
stop
rm -f "$dir/skip"
[ -x "$bindir/initdb" ] || skip "PostgreSQL is not installed (package postgresql)"
if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
  skip "no user postgres to run the server as"
fi
data=$(mktemp -d /tmp/appraisal-pg.XXXXXX) || skip "cannot make a temporary folder"
echo "$data" > "$dir/data"
chmod 755 "$data"
[ "$(id -u)" -eq 0 ] && chown postgres "$data"
as_owner "$bindir/initdb" -D "$data/cluster" -U hadadmin --auth=trust -E UTF8 --locale=C.UTF-8 \
  >"$data/initdb.log" 2>&1 || skip "initdb failed: $(tail -n 3 "$data/initdb.log")"
cat > "$data/cluster/pg_hba.conf" <<HBA
local all appraiser_pw scram-sha-256
host  all appraiser_pw 127.0.0.1/32 scram-sha-256
local all all trust
host  all all 127.0.0.1/32 trust
HBA
started=""
for attempt in 1 2 3 4 5 6 7 8; do
  port=$(( 20000 + ($$ * 7 + attempt * 977) % 30000 ))
  echo "-p $port -k $data -c listen_addresses=127.0.0.1 -c fsync=off" > "$data/options"
  if server_ctl -o "$(cat "$data/options")" start; then
    started=yes
    break
  fi
done
[ -n "$started" ] || skip "the server did not start: $(tail -n 3 "$data/server.log")"
as_owner "$bindir/psql" -h "$data" -p "$port" -U hadadmin -d postgres -q -v ON_ERROR_STOP=1 \
  -c "create role appraiser_pw login password 'appraiser-secret'" \
  >"$data/roles.log" 2>&1 || skip "cannot create the test roles: $(cat "$data/roles.log")"
echo "postgresql://hadadmin@127.0.0.1:$port/postgres?host=$data" > "$dir/url"
