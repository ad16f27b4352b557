#!/usr/bin/env python3
"""A slow firmware server, to watch by hand how a download that trickles in ends.

    scripts/trickle_proxy.py --upstream BASE [--port N] [--match TEXT] [--pause SECONDS]

Passes every GET on to the server at BASE (the base kivo-sim-fwserver printed) and hands its answer
back; the body of every path that contains TEXT ("-lp1.img", the intermediate images, by default)
goes one byte at a time, a byte every SECONDS (0.1 by default): never idle, ever so slow. Prints
its own base on its first line, as kivo-sim-fwserver does: hand that to kivo-sim-app --server-base.
Runs until stopped (Ctrl+C).
"""

import argparse
import http.server
import sys
import time
import urllib.error
import urllib.parse
import urllib.request


def handler_for(upstream, match, pause):
    class Trickle(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            try:
                with urllib.request.urlopen(upstream.rstrip("/") + self.path) as answer:
                    status, body = answer.status, answer.read()
            except urllib.error.HTTPError as error:
                status, body = error.code, error.read()
            except OSError as error:
                self.send_error(502, str(error))
                return
            slow = match in self.path
            self.send_response(status)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            try:
                if not slow:
                    self.wfile.write(body)
                    return
                self.log_message("trickling %d bytes of %s", len(body), self.path)
                for i in range(len(body)):
                    self.wfile.write(body[i : i + 1])
                    self.wfile.flush()
                    time.sleep(pause)
            except (BrokenPipeError, ConnectionResetError):
                self.log_message("the client gave %s up", self.path)

    return Trickle


def main():
    parser = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    parser.add_argument("--upstream", required=True, help="the base of the real server")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--match", default="-lp1.img", help="paths containing this trickle")
    parser.add_argument("--pause", type=float, default=0.1, help="seconds between two bytes")
    args = parser.parse_args()
    # The client asks for the upstream base's own paths ("/kivobluetoothmanager/..."): only the host
    # and port differ.
    upstream = urllib.parse.urlsplit(args.upstream)
    root = f"{upstream.scheme}://{upstream.netloc}"
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler_for(root, args.match, args.pause))
    print(f"http://127.0.0.1:{server.server_address[1]}{upstream.path}", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    sys.exit(0)


if __name__ == "__main__":
    main()
