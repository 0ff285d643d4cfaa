#!/usr/bin/env bash
# Serves the web build with Debian's nginx as docs/deploy.md has a web server serve it, with the same
# configuration files (web/server/nginx): the .gz and .br files the build wrote sent as they are,
# files named after their content kept by browsers for a year, the page, the service worker and the
# manifest asked for again on every visit, and the site's security headers. nginx runs as an
# ordinary process in the foreground (not the system service), its configuration, pid, temporary
# files and logs in STATE; Ctrl-C stops it.
#   tools/serve_web.sh FOLDER STATE [PORT]
set -euo pipefail
folder=$(cd "$1" && pwd)
mkdir -p "$2"
state=$(cd "$2" && pwd)
port=${3:-8000}
server=$(cd "$(dirname "$0")/../web/server/nginx" && pwd)
mkdir -p "$state/temp" "$state/logs"

cat > "$state/nginx.conf" <<EOF
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
# One process, as whoever started it: a preview on this machine, not a service.
master_process off;
daemon off;
pid $state/nginx.pid;
error_log $state/logs/error.log warn;
events { worker_connections 256; }
http {
  include /etc/nginx/mime.types;
  include $server/conf.d/metria.conf;
  access_log $state/logs/access.log;
  client_body_temp_path $state/temp/body;
  proxy_temp_path $state/temp/proxy;
  fastcgi_temp_path $state/temp/fastcgi;
  uwsgi_temp_path $state/temp/uwsgi;
  scgi_temp_path $state/temp/scgi;
  sendfile on;
  server {
    listen 127.0.0.1:$port;
    root $folder;
    include $server/snippets/metria.conf;
  }
}
EOF
echo "Metria on http://127.0.0.1:$port/ (Ctrl-C stops it)"
exec /usr/sbin/nginx -p "$state" -e "$state/logs/error.log" -c "$state/nginx.conf"
