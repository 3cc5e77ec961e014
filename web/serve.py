#!/usr/bin/env python3
"""Serves the browser edition's folder on 127.0.0.1 with Python's own http.server, until stopped.

    serve.py SITE [PORT] [--quiet]

PORT 0 takes any free port. The first line printed is the page's address; --quiet leaves out the
log of requests.
"""

import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # WebAssembly is compiled while it downloads only when served as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}
    # Keeps each connection for the page's next request, as any real host does.
    protocol_version = "HTTP/1.1"
    quiet = False

    def log_message(self, *args):
        if not self.quiet:
            super().log_message(*args)


def main():
    args = [arg for arg in sys.argv[1:] if arg != "--quiet"]
    Handler.quiet = len(args) < len(sys.argv) - 1
    site, port = args[0], int(args[1]) if len(args) > 1 else 8000
    handler = functools.partial(Handler, directory=site)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
