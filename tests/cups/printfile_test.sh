#!/usr/bin/env bash
# The spooling program hands a file to an operating-system printer byte for
# byte: a private CUPS scheduler with a raw queue on a local listener.
set -u
printfile=$1
luisteraar=$2

if ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/socket ]; then
  echo "SKIPPED: cupsd or its socket backend is not installed"
  exit 77
fi

dir=$(mktemp -d)
chmod 755 "$dir"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
mkdir -p "$dir"/{spool,tmp,cache,state,log}
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
pids+=($!)
"$luisteraar" "$dir/port" "$dir/ontvangen" &
luisteraar_pid=$!
pids+=($luisteraar_pid)
for _ in $(seq 100); do
  [ -S "$dir/cups.sock" ] && [ -s "$dir/port" ] && break
  sleep 0.1
done
export CUPS_SERVER="$dir/cups.sock"
port=$(cat "$dir/port")
lpadmin -p etiket -E -v "socket://127.0.0.1:$port" -m raw 2>/dev/null || { echo "FAIL: lpadmin"; exit 1; }

# Every byte value, then a label-sized block of random data.
{
  for i in $(seq 0 255); do printf "\\$(printf %03o "$i")"; done
  head -c 200000 /dev/urandom
} > "$dir/data.prn"
(cd "$dir" && "$printfile" data.prn etiket) || { echo "FAIL: PrintFile"; exit 1; }

for _ in $(seq 300); do
  kill -0 "$luisteraar_pid" 2>/dev/null || break
  sleep 0.1
done
if cmp -s "$dir/data.prn" "$dir/ontvangen"; then
  echo "PASS: $(stat -c %s "$dir/ontvangen") bytes arrived unchanged"
  exit 0
fi
echo "FAIL: the printer got other bytes"
tail -5 "$dir/log/error_log" 2>/dev/null
exit 1
