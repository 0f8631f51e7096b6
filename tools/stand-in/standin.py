#!/usr/bin/env python3
"""Local stand-in of the auction service, for the tests and for test runs.

Each service host gets its own origin on the loopback interface; a separate
control origin sets the scenario and returns the log of requests. On start
one JSON line with the origins goes to standard output (and to --info FILE).
The server stops on Ctrl-C, SIGTERM, POST /control/stop, at the end of
standard input (--watch-stdin), when its parent ends (--exit-with-parent),
and after --idle-timeout seconds without a request or --max-time seconds.
"""

import sys

sys.dont_write_bytecode = True  # the source tree stays clean

import argparse
import base64
import json
import os
import signal
import socket
import socketserver
import struct
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pages  # noqa: E402
from pages.site import HOST_NAMES, HOSTS, NO_BODY, Request, Response, Router  # noqa: E402

LOOPBACK = "127.0.0.1"


class StandIn:
    """The shared state of all origins: log, scenario, counters, faults."""

    def __init__(self, log_file=None):
        self.lock = threading.Lock()
        self.started = time.monotonic()
        self.last_activity = self.started
        self.stop_event = threading.Event()
        self.router = Router()
        pages.register_all(self.router)
        self.origins = {}
        self.control_origin = None
        self.servers = []
        self.log_file = log_file
        self.reset()

    def reset(self):
        with self.lock:
            self.log = []
            self.next_id = 1
            self.state = {}
            self.counters = {}
            self.faults = []
            # What the pages keep between requests (sessions, tokens, the clock).
            self.store = {}
            self.reset_time = time.time()
            held, self.holds = getattr(self, "holds", {}), {}
        # Requests still held end without a reply.
        for hold in held.values():
            hold["drop"] = True
            hold["event"].set()

    # Scenario values and counters, read by the pages.
    def get_state(self):
        with self.lock:
            return json.loads(json.dumps(self.state))

    def update_state(self, values):
        with self.lock:
            for key, value in values.items():
                if value is None:
                    self.state.pop(key, None)
                else:
                    self.state[key] = value
            return dict(self.state)

    def hit(self, key):
        with self.lock:
            self.counters[key] = self.counters.get(key, 0) + 1
            return self.counters[key]

    def touch(self):
        self.last_activity = time.monotonic()

    # The request log.
    def describe(self, req):
        return {
            "host": req.host,
            "method": req.method,
            "target": req.target,
            "path": req.path,
            "query": req.query,
            "version": req.version,
            "headers": [[k, v] for k, v in req.headers],
            # Bytes as code points 0-255, so any body survives the trip.
            "body": req.body.decode("latin-1"),
            "body_base64": base64.b64encode(req.body).decode("ascii"),
        }

    def record(self, req):
        entry = self.describe(req)
        with self.lock:
            entry["id"] = self.next_id
            entry["time"] = round(time.monotonic() - self.started, 3)
            self.next_id += 1
            entry["status"] = None
            entry["aborted"] = False
            entry["chunks_sent"] = 0
            entry["held"] = False
            self.log.append(entry)
        return entry

    def finish(self, entry, **result):
        with self.lock:
            entry.update(result)
            line = json.dumps(entry, ensure_ascii=False) if self.log_file else None
        if line is not None:
            with self.lock, open(self.log_file, "a", encoding="utf-8") as f:
                f.write(line + "\n")

    def log_entries(self, host=None, path=None, since=0):
        with self.lock:
            return [dict(e) for e in self.log
                    if e["id"] > since
                    and (host is None or e["host"] == host)
                    and (path is None or e["path"] == path)]

    # Misbehaviour ordered through the control origin.
    def add_fault(self, fault):
        if not isinstance(fault, dict) or fault.get("action") not in FAULT_ACTIONS:
            raise ValueError("a fault needs an action of %s" % ", ".join(sorted(FAULT_ACTIONS)))
        host = fault.get("host", "*")
        if host != "*" and host not in HOST_NAMES:
            raise ValueError("unknown host %r" % host)
        fault = dict(fault)
        fault["host"] = host
        with self.lock:
            self.faults.append(fault)

    def take_fault(self, req):
        with self.lock:
            for fault in self.faults:
                if fault["host"] not in ("*", req.host):
                    continue
                if "path" in fault and fault["path"] != req.path:
                    continue
                if "prefix" in fault and not req.path.startswith(fault["prefix"]):
                    continue
                if "method" in fault and fault["method"].upper() != req.method:
                    continue
                nth = fault.get("nth")
                if nth is not None:
                    # Only the nth request that matches, counted from the rule's arrival.
                    fault["seen"] = fault.get("seen", 0) + 1
                    if fault["seen"] != int(nth):
                        continue
                times = fault.get("times")
                if times is not None:
                    if times <= 0:
                        continue
                    fault["times"] = times - 1
                return dict(fault)
        return None

    # Requests held until the control origin releases them.
    def hold(self, entry, limit):
        """Holds a request; True when released to be answered, False to end it without a reply."""
        hold = {"event": threading.Event(), "drop": False}
        with self.lock:
            self.holds[entry["id"]] = hold
            entry["held"] = True
        deadline = time.monotonic() + limit
        while not hold["event"].wait(0.05):
            if self.stop_event.is_set() or time.monotonic() > deadline:
                hold["drop"] = True
                break
        with self.lock:
            if self.holds.get(entry["id"]) is hold:
                del self.holds[entry["id"]]
            entry["released"] = not hold["drop"]
        return not hold["drop"]

    def held(self):
        with self.lock:
            return sorted(self.holds)

    def release(self, ids=None, drop=False):
        """Releases the held requests of the IDs given (all without); returns their IDs."""
        with self.lock:
            chosen = [i for i in self.holds if ids is None or i in ids]
            for i in chosen:
                self.holds[i]["drop"] = drop
                self.holds[i]["event"].set()
        return sorted(chosen)

    def respond(self, req, entry):
        fault = self.take_fault(req)
        if fault is None:
            return self.router.serve(req)
        action = fault["action"]
        if action == "hold":
            if not self.hold(entry, float(fault.get("limit", 600))):
                return Response.fail("reset")
            return self.router.serve(req)
        if action == "lost":
            # The service does the work; its answer never arrives.
            self.router.serve(req)
            return Response.fail("reset")
        if action in ("reset", "close"):
            return Response.fail(action)
        if action == "status":
            code = int(fault.get("status", 500))
            return Response.html("<html><head><title>%d</title></head><body><h1>%d</h1></body></html>\n"
                                 % (code, code), status=code)
        if action == "redirect":
            return Response.redirect(int(fault.get("status", 302)), fault["location"])
        resp = self.router.serve(req)
        if action == "partial":
            resp.action = "partial"
        elif action == "slow":
            resp.wait = float(fault.get("wait", 0))
            resp.chunks = int(fault.get("chunks", 1))
            resp.delay = float(fault.get("delay", 0))
            resp.transfer = fault.get("te", resp.transfer)
        return resp

    # Life.
    def info(self):
        return {"control": self.control_origin, "hosts": dict(self.origins), "pid": os.getpid()}

    def stop(self):
        self.stop_event.set()

    def sleep(self, seconds):
        """Sleeps; False when the stand-in stops meanwhile."""
        return not self.stop_event.wait(seconds) if seconds > 0 else not self.stop_event.is_set()


FAULT_ACTIONS = {"reset", "close", "partial", "status", "redirect", "slow", "hold", "lost"}


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = False

    def __init__(self, address, handler, standin, host):
        self.standin = standin
        self.host_name = host  # short name; None for the control origin
        super().__init__(address, handler)

    def server_bind(self):
        # HTTPServer's own looks up the machine's name, which can stall.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    @property
    def origin(self):
        return "http://%s:%d" % self.server_address[:2]


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "StandIn/1"
    timeout = 30  # an idle kept-alive connection does not hold a thread for ever

    def log_message(self, format, *args):
        pass

    def read_body(self):
        if self.headers.get("Transfer-Encoding", "").lower() == "chunked":
            body = b""
            while True:
                size = int(self.rfile.readline().split(b";")[0].strip() or b"0", 16)
                if size == 0:
                    while self.rfile.readline() not in (b"\r\n", b"\n", b""):
                        pass
                    return body
                body += self.rfile.read(size)
                self.rfile.readline()
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def handle_any(self):
        standin = self.server.standin
        standin.touch()
        try:
            body = self.read_body()
        except ValueError:
            self.send_error(400, "bad body length")
            return
        req = Request(standin, self.server.host_name, self.command, self.path,
                      self.request_version, list(self.headers.items()), body)
        if self.server.host_name is None:
            self.reply(control(standin, req))
            return
        entry = standin.record(req)
        try:
            resp = standin.respond(req, entry)
        except Exception as error:  # a broken page must not look like a network fault
            resp = Response.text("page error: %r\n" % (error,), status=500)
        result = self.reply(resp)
        standin.finish(entry, **result)

    do_GET = do_HEAD = do_POST = do_PUT = do_DELETE = do_OPTIONS = do_PATCH = handle_any

    def drop(self, reset):
        if reset:
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        else:
            try:
                self.connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
        self.close_connection = True
        # The descriptor really closes (with the reset) when the handler
        # closes its reader, right after this request.
        self.connection.close()

    def reply(self, resp):
        """Writes the reply; returns what the log keeps of it."""
        standin = self.server.standin
        result = {"status": None, "aborted": False, "chunks_sent": 0}
        if resp.wait and not standin.sleep(resp.wait):
            self.drop(reset=True)
            result["aborted"] = True
            return result
        if resp.action in ("reset", "close"):
            self.drop(reset=resp.action == "reset")
            result["status"] = resp.action
            return result
        body = b"" if self.command == "HEAD" or resp.status in NO_BODY else resp.body
        transfer = resp.transfer
        try:
            self.send_response(resp.status)
            for name, value in resp.headers:
                self.send_header(name, value)
            if resp.action == "partial":
                self.send_header("Content-Length", str(len(body)))
            elif transfer == "chunked" and body:
                self.send_header("Transfer-Encoding", "chunked")
            elif transfer == "close":
                self.send_header("Connection", "close")
                self.close_connection = True
            elif resp.status not in NO_BODY:
                self.send_header("Content-Length", str(len(resp.body)))
            self.end_headers()
            result["status"] = resp.status
            if resp.action == "partial":
                self.wfile.write(body[: len(body) // 2])
                self.wfile.flush()
                self.drop(reset=True)
                result["aborted"] = True
                return result
            for index, piece in enumerate(split(body, resp.chunks)):
                if index > 0 and not standin.sleep(resp.delay):
                    self.drop(reset=True)
                    result["aborted"] = True
                    return result
                if transfer == "chunked":
                    piece = b"%x\r\n%s\r\n" % (len(piece), piece)
                self.wfile.write(piece)
                self.wfile.flush()
                result["chunks_sent"] = index + 1
            if transfer == "chunked" and body:
                self.wfile.write(b"0\r\n\r\n")
                self.wfile.flush()
        except OSError:
            # The client went away, as a cancelled request does.
            self.close_connection = True
            result["aborted"] = True
        return result


def split(body, count):
    if count <= 1 or not body:
        return [body]
    size = -(-len(body) // count)
    return [body[i:i + size] for i in range(0, len(body), size)]


def parse_values(req):
    """A JSON body, or form pairs whose values are read as JSON when they can be."""
    text = req.body.decode("utf-8").strip()
    if not text:
        return {}
    if text[0] in "{[":
        return json.loads(text)
    values = {}
    for key, value in req.form_bytes():
        value = value.decode("utf-8")
        try:
            values[key.decode("utf-8")] = json.loads(value)
        except ValueError:
            values[key.decode("utf-8")] = value
    return values


def control(standin, req):
    """The control origin: /control/... ."""
    path = req.path
    post = req.method == "POST"
    try:
        if path == "/control/origins":
            return Response.json(standin.info())
        if path == "/control/log":
            since = int(req.param("since", "0"))
            return Response.json({"requests": standin.log_entries(
                req.param("host"), req.param("path"), since)})
        if path == "/control/reset" and post:
            standin.reset()
            return Response.json({"ok": True})
        if path == "/control/state":
            if post:
                values = parse_values(req)
                if not isinstance(values, dict):
                    raise ValueError("state must be an object")
                return Response.json(standin.update_state(values))
            return Response.json(standin.get_state())
        if path == "/control/faults":
            if post:
                values = parse_values(req)
                for fault in values if isinstance(values, list) else [values]:
                    standin.add_fault(fault)
            with standin.lock:
                return Response.json({"faults": list(standin.faults)})
        if path == "/control/faults/clear" and post:
            with standin.lock:
                standin.faults = []
            return Response.json({"ok": True})
        if path == "/control/held" and req.method == "GET":
            return Response.json({"held": standin.held()})
        if path == "/control/release" and post:
            values = parse_values(req)
            ids = values.get("id")
            if ids is not None and not isinstance(ids, list):
                ids = [ids]
            return Response.json({"released": standin.release(
                None if ids is None else [int(i) for i in ids], bool(values.get("drop")))})
        if path == "/control/stop" and post:
            standin.stop()
            return Response.json({"ok": True})
        page = standin.router.controls.get(path)
        if page is not None and req.method == "GET":
            return Response.json(page(req))
    except (ValueError, KeyError, TypeError) as error:
        return Response.json({"error": str(error)}, status=400)
    return Response.json({"error": "no such control: %s %s" % (req.method, path)}, status=404)


def bind(standin, address, host):
    return Server((address, 0), Handler, standin, host)


def start(standin, distinct_addresses=False):
    """Binds the control origin and one origin per host, all on loopback."""
    control_server = bind(standin, LOOPBACK, None)
    standin.control_origin = control_server.origin
    standin.servers.append(control_server)
    for index, host in enumerate(HOST_NAMES):
        server = None
        if distinct_addresses:
            try:
                server = bind(standin, "127.0.0.%d" % (index + 2), host)
            except OSError:
                server = None
        if server is None:
            server = bind(standin, LOOPBACK, host)
        standin.origins[host] = server.origin
        standin.servers.append(server)
    for server in standin.servers:
        threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1},
                         daemon=True).start()


def shutdown(standin):
    # Together: each waits for its loop's next poll.
    stoppers = [threading.Thread(target=server.shutdown) for server in standin.servers]
    for thread in stoppers:
        thread.start()
    for thread in stoppers:
        thread.join()
    for server in standin.servers:
        server.server_close()


def watch(standin, options):
    parent = os.getppid()
    if options.watch_stdin:
        def read_stdin():
            try:
                # The descriptor, not sys.stdin: a daemon thread blocked in a
                # buffered reader aborts the interpreter's exit.
                while os.read(0, 4096):
                    pass
            except (OSError, ValueError):
                pass
            standin.stop()
        threading.Thread(target=read_stdin, daemon=True).start()
    while not standin.stop_event.wait(0.2):
        now = time.monotonic()
        if options.exit_with_parent and os.getppid() != parent:
            break
        if options.idle_timeout > 0 and now - standin.last_activity > options.idle_timeout:
            print("stand-in: idle for %g s, stopping" % options.idle_timeout, file=sys.stderr)
            break
        if options.max_time > 0 and now - standin.started > options.max_time:
            break
    standin.stop()


def write_info(path, info):
    temp = path + ".tmp"
    with open(temp, "w", encoding="utf-8") as f:
        json.dump(info, f, indent=1)
        f.write("\n")
    os.replace(temp, path)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Local stand-in of the auction service.")
    parser.add_argument("--info", metavar="FILE", help="also write the origins to FILE as JSON")
    parser.add_argument("--log", metavar="FILE", help="append each request to FILE as a JSON line")
    parser.add_argument("--watch-stdin", action="store_true", help="stop at the end of standard input")
    parser.add_argument("--exit-with-parent", action="store_true", help="stop when the parent process ends")
    parser.add_argument("--idle-timeout", type=float, default=1800, metavar="SECONDS",
                        help="stop after so long without a request (0: never; default 1800)")
    parser.add_argument("--max-time", "--time", type=float, default=14400, metavar="SECONDS",
                        help="stop after so long in any case (0: never; default 14400)")
    parser.add_argument("--distinct-addresses", action="store_true",
                        help="give each host its own address 127.0.0.N instead of its own port "
                             "on 127.0.0.1 (cookies are then kept per host)")
    options = parser.parse_args(argv)

    standin = StandIn(log_file=options.log)
    # Before the origins are told: whoever reads them may signal at once.
    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, lambda *_: standin.stop())
    start(standin, options.distinct_addresses)
    info = standin.info()
    if options.info:
        write_info(options.info, info)
    print(json.dumps(info), flush=True)
    if sys.stderr.isatty():
        print("control          %s" % standin.control_origin, file=sys.stderr)
        for name, _ in HOSTS:
            print("%-16s %s" % (name, standin.origins[name]), file=sys.stderr)
        print("Ctrl-C stops the stand-in.", file=sys.stderr)

    try:
        watch(standin, options)
    finally:
        shutdown(standin)
        if options.info:
            try:
                os.remove(options.info)
            except OSError:
                pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
