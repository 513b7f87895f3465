#!/usr/bin/env python3
"""A news page server for the news window's tests, on 127.0.0.1 at a free port.

Usage: news_server.py MODE FOLDER
  page:   serves a small news page (with a link) at /benchmarks/news.html
  silent: takes each connection and never answers
It writes its port to FOLDER/port once it listens, and a line per request (or connection) to
FOLDER/requests.
"""
import http.server
import os
import socket
import sys
import threading

mode, folder = sys.argv[1], sys.argv[2]
requests_log = os.path.join(folder, "requests")

PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>News</title>
<style>body { color: red }</style><script>alert('never runs')</script></head>
<body>
<h1>Pelloquin news</h1>
<p>The <b>new timedemo</b> is out &mdash; caf&eacute; edition.</p>
<ul><li>Faster start-up</li><li>A <i>clearer</i> report</li></ul>
<p><a href="/benchmarks/more.html">Read more</a>
and <a href="javascript:alert(1)">this is no link</a>.</p>
</body></html>
""".encode("utf-8")


def log(line):
    with open(requests_log, "a") as out:
        out.write(line + "\n")


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        log(self.path)
        if self.path != "/benchmarks/news.html":
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(PAGE)))
        self.end_headers()
        self.wfile.write(PAGE)

    def log_message(self, *args):
        pass


def serve_silently(listener):
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)  # kept open, never answered
        log("connection")


if mode == "page":
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    port = server.server_address[1]
    run = server.serve_forever
else:
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    port = listener.getsockname()[1]
    run = lambda: serve_silently(listener)

open(requests_log, "w").close()
with open(os.path.join(folder, "port.tmp"), "w") as out:
    out.write(str(port))
os.replace(os.path.join(folder, "port.tmp"), os.path.join(folder, "port"))
run()
