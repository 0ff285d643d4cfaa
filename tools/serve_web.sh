#!/usr/bin/env bash
# Serves the web build with Debian's nginx as a web server would serve it: the .gz and .br files the
# build wrote sent as they are, files named after their content kept by browsers for a year, the
# page, the service worker and the manifest asked for again on every visit. nginx runs as an
# ordinary process in the foreground (not the system service), its configuration, pid, temporary
# files and logs in STATE; Ctrl-C stops it.
#   tools/serve_web.sh FOLDER STATE [PORT]
set -euo pipefail
folder=$(cd "$1" && pwd)
mkdir -p "$2"
state=$(cd "$2" && pwd)
port=${3:-8000}
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
  types { application/manifest+json webmanifest; audio/wav wav; }
  access_log $state/logs/access.log;
  client_body_temp_path $state/temp/body;
  proxy_temp_path $state/temp/proxy;
  fastcgi_temp_path $state/temp/fastcgi;
  uwsgi_temp_path $state/temp/uwsgi;
  scgi_temp_path $state/temp/scgi;
  charset utf-8;
  sendfile on;
  server {
    listen 127.0.0.1:$port;
    root $folder;
    index index.html;
    gzip_static on;
    brotli_static on;
    gzip_vary on;
    # Named after their content (name.0123456789.ext): a new content is a new name.
    location ~ "\.[0-9a-f]{10}\." {
      add_header Cache-Control "public, max-age=31536000, immutable";
    }
    # Everything else (the page, sw.js, the manifest, the licences): asked again on every visit.
    location / {
      add_header Cache-Control "no-cache";
    }
  }
}
EOF
echo "Metria on http://127.0.0.1:$port/ (Ctrl-C stops it)"
exec /usr/sbin/nginx -p "$state" -e "$state/logs/error.log" -c "$state/nginx.conf"
