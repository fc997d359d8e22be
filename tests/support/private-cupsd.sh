#!/bin/sh
# A CUPS scheduler of the tests' own, with a cups-pdf queue, for the tests
# that print through a real print service. It listens on a Unix socket in
# the given folder and keeps its configuration, spool and logs there; the
# system's own scheduler, if any, is not touched.
#
#   private-cupsd.sh start DIR   starts it; DIR/queue then names the queue,
#                                or DIR/skip says why it could not start
#   private-cupsd.sh stop DIR    stops it and removes DIR
#
# The tests reach it through CUPS_SERVER=DIR/cups.sock. Starting never
# fails: a test that finds DIR/skip is skipped with that reason.
set -u
action="$1"
dir="$2"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

skip() {
  echo "$1" > "$dir/skip"
  exit 0
}

stop() {
  if [ -f "$dir/pid" ]; then
    pid=$(cat "$dir/pid")
    kill "$pid" 2>/dev/null
    # cupsd finishes its jobs and exits; wait for it, at most ten seconds.
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.2
    done
    kill -9 "$pid" 2>/dev/null
  fi
  # cups-pdf's log of the queue, in its default log folder.
  [ -f "$dir/queue" ] && rm -f "/var/log/cups/cups-pdf-$(cat "$dir/queue")_log"
  rm -rf "$dir"
}

case "$action" in
stop)
  stop
  exit 0
  ;;
start) ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac

stop
mkdir -p "$dir/spool" "$dir/tmp" "$dir/cache" "$dir/state" "$dir/log"
command -v cupsd > /dev/null || skip "cupsd is not installed (package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || skip "cups-pdf is not installed (package printer-driver-cups-pdf)"
# cups-pdf is a backend only root may run, and cupsd runs it as root only
# when it runs as root itself.
[ "$(id -u)" -eq 0 ] || skip "cups-pdf needs a scheduler started as root; the tests run as $(id -un)"

# The filters run as the scheduler's unprivileged user and write their own
# temporary files.
chmod 755 "$dir"
chmod 1777 "$dir/tmp"
cat > "$dir/cups-files.conf" << CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
cat > "$dir/cupsd.conf" << CONF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/pid"
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 50); do
  lpstat -r > /dev/null 2>&1 && break
  sleep 0.2
done
lpstat -r > /dev/null 2>&1 || skip "the private cupsd did not start: $(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"

# A name of its own for the queue: cups-pdf keeps a log per queue name in the
# system's log folder, shared with any other run of these tests.
queue="HadTest$$"
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" > "$dir/log/lpadmin.out" 2>&1 \
  || skip "the cups-pdf queue could not be made: $(cat "$dir/log/lpadmin.out" | tr '\n' ' ')"
echo "$queue" > "$dir/queue"
