"""Tests of the auction service's stand-in, through its sockets."""

import sys

sys.dont_write_bytecode = True

import base64
import http.client
import http.cookiejar
import json
import os
import signal
import socket
import subprocess
import tempfile
import time
import unittest
import urllib.request
from urllib.parse import quote, urljoin, urlsplit

HERE = os.path.dirname(os.path.abspath(__file__))
STANDIN = os.path.join(HERE, "standin.py")
WRAPPER = os.path.join(HERE, "with-stand-in")
sys.path.insert(0, HERE)

from pages.site import HOST_NAMES  # noqa: E402

TEXT = "表示ソフトの動作確認：日本語のページです。"
CODECS = {"shift_jis": "cp932", "euc-jp": "euc_jp", "utf-8": "utf-8", "iso-2022-jp": "iso2022_jp"}
NAMES = {"shift_jis": "Shift_JIS", "euc-jp": "EUC-JP", "utf-8": "UTF-8", "iso-2022-jp": "ISO-2022-JP"}


def start_standin(*args):
    proc = subprocess.Popen([sys.executable, STANDIN, "--watch-stdin"] + list(args),
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    return proc, json.loads(proc.stdout.readline())


def stop_standin(proc):
    proc.stdin.close()
    proc.stdout.close()
    return proc.wait(timeout=5)


def address(origin):
    parts = urlsplit(origin)
    return parts.hostname, parts.port


def fetch(url, method="GET", body=None, headers=None, timeout=5):
    """One request on a new connection: (status, [(name, value)], body)."""
    parts = urlsplit(url)
    conn = http.client.HTTPConnection(parts.hostname, parts.port, timeout=timeout)
    try:
        target = parts.path + ("?" + parts.query if parts.query else "")
        conn.request(method, target, body=body, headers=headers or {})
        resp = conn.getresponse()
        return resp.status, resp.getheaders(), resp.read()
    finally:
        conn.close()


def header(headers, name):
    values = [v for k, v in headers if k.lower() == name.lower()]
    return values[0] if values else None


def stopped(origin, within=5.0):
    """True once nothing listens at origin any more."""
    deadline = time.monotonic() + within
    while time.monotonic() < deadline:
        try:
            socket.create_connection(address(origin), timeout=0.5).close()
        except OSError:
            return True
        time.sleep(0.1)
    return False


def raw_exchange(origin, target):
    """Sends a GET on a raw socket; returns the bytes received or the error."""
    sock = socket.create_connection(address(origin), timeout=5)
    try:
        sock.sendall(b"GET %s HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n" % target.encode())
        data = b""
        while True:
            piece = sock.recv(65536)
            if not piece:
                return data
            data += piece
    except ConnectionResetError as error:
        return error
    finally:
        sock.close()


SHARED = {}


def setUpModule():
    SHARED["proc"], SHARED["info"] = start_standin("--exit-with-parent")


def tearDownModule():
    stop_standin(SHARED["proc"])


class StandInTest(unittest.TestCase):
    """Tests on the one stand-in of this module, reset before each test."""

    def setUp(self):
        self.info = SHARED["info"]
        self.hosts = self.info["hosts"]
        self.a = self.hosts["auctions"]
        self.control("POST", "/control/reset")

    def control(self, method, path, value=None, raw=None, expect=200):
        body = raw if raw is not None else (json.dumps(value) if value is not None else None)
        status, _, data = fetch(self.info["control"] + path, method, body)
        self.assertEqual(status, expect, data)
        return json.loads(data)

    def log(self, query=""):
        return self.control("GET", "/control/log" + query)["requests"]

    def follow(self, url, method="GET", body=None, limit=50):
        """Follows redirects as a browser would; returns (redirects, status, url, body)."""
        count = 0
        while True:
            status, headers, data = fetch(url, method, body)
            location = header(headers, "Location")
            if status not in (301, 302, 303, 307, 308) or count == limit:
                return count, status, url, data
            count += 1
            url = urljoin(url, location)
            if status in (301, 302, 303):
                method, body = "GET", None


class OriginsTest(StandInTest):
    def test_every_host_has_its_own_loopback_origin(self):
        self.assertEqual(sorted(self.hosts), sorted(HOST_NAMES))
        origins = list(self.hosts.values()) + [self.info["control"]]
        self.assertEqual(len(set(origins)), len(origins))
        for origin in origins:
            host, port = address(origin)
            self.assertTrue(origin.startswith("http://127."), origin)
            self.assertEqual(host.split(".")[0], "127")
        self.assertEqual(self.control("GET", "/control/origins"), self.info)

    def test_each_origin_knows_its_host(self):
        for name, origin in self.hosts.items():
            status, _, body = fetch(origin + "/test/page")
            self.assertEqual(status, 200)
            self.assertIn(('<p id="host">%s</p>' % name).encode(), body)

    def test_distinct_addresses(self):
        proc, info = start_standin("--distinct-addresses")
        try:
            hosts = {address(o)[0] for o in info["hosts"].values()}
            self.assertEqual(len(hosts), len(HOST_NAMES))
            self.assertTrue(all(h.startswith("127.") for h in hosts))
            self.assertEqual(fetch(info["hosts"]["login"] + "/test/page")[0], 200)
        finally:
            stop_standin(proc)


class RedirectTest(StandInTest):
    def test_chains_of_each_status_and_location_form(self):
        for code in (301, 302, 303, 307, 308):
            for loc in ("path", "absolute", "relative", "dot", "scheme"):
                with self.subTest(code=code, loc=loc):
                    url = "%s/test/redirect/%d/3?loc=%s" % (self.a, code, loc)
                    status, headers, _ = fetch(url)
                    self.assertEqual(status, code)
                    expected = {
                        "path": "/test/redirect/%d/2?loc=%s" % (code, loc),
                        "absolute": "%s/test/redirect/%d/2?loc=%s" % (self.a, code, loc),
                        "relative": "2?loc=%s" % loc,
                        "dot": "./2?loc=%s" % loc,
                        "scheme": "%s/test/redirect/%d/2?loc=%s" % (self.a[5:], code, loc),
                    }[loc]
                    self.assertEqual(header(headers, "Location"), expected)
                    count, status, final, _ = self.follow(url)
                    self.assertEqual((count, status), (3, 200))
                    self.assertEqual(urlsplit(final).path, "/test/redirect/%d/0" % code)

    def test_twenty_and_twenty_one_hops(self):
        for hops in (20, 21):
            with self.subTest(hops=hops):
                count, status, _, body = self.follow("%s/test/redirect/302/%d?loc=relative" % (self.a, hops))
                self.assertEqual((count, status), (hops, 200))
                self.assertTrue(body.startswith(b"GET /test/redirect/302/0?loc=relative "))

    def test_loop_never_ends(self):
        count, status, url, _ = self.follow(self.a + "/test/redirect/301/loop", limit=25)
        self.assertEqual((count, status), (25, 301))
        self.assertEqual(urlsplit(url).path, "/test/redirect/301/loop")

    def test_redirect_to_another_host(self):
        login = self.hosts["login"]
        status, headers, _ = fetch(self.a + "/test/redirect/302/2?to=login")
        self.assertEqual(header(headers, "Location"), login + "/test/redirect/302/1?to=login")
        self.control("POST", "/control/reset")
        count, status, url, _ = self.follow(self.a + "/test/redirect/302/2?to=login")
        self.assertEqual((count, status), (2, 200))
        self.assertTrue(url.startswith(login))
        self.assertEqual([e["host"] for e in self.log()], ["auctions", "login", "login"])

    def test_final_target(self):
        _, headers, _ = fetch(self.a + "/test/redirect/303/1?final=/test/page&to=sell")
        self.assertEqual(header(headers, "Location"), self.hosts["sell"] + "/test/page")
        _, headers, _ = fetch(self.a + "/test/redirect/302/1?final=other.html")
        self.assertEqual(header(headers, "Location"), "other.html")

    def test_post_through_redirects_reaches_the_echo(self):
        for code, method, body in ((302, "GET", b""), (303, "GET", b""), (307, "POST", b"a=1&b=2"),
                                   (308, "POST", b"a=1&b=2")):
            with self.subTest(code=code):
                _, status, _, echoed = self.follow("%s/test/redirect/%d/2" % (self.a, code), "POST", b"a=1&b=2")
                self.assertEqual(status, 200)
                self.assertTrue(echoed.startswith(method.encode() + b" /test/redirect/%d/0 " % code))
                self.assertTrue(echoed.endswith(b"\r\n\r\n" + body))

    def test_content_location_comes_before_location(self):
        status, headers, _ = fetch(self.a + "/test/content-location")
        self.assertEqual(status, 302)
        names = [k for k, _ in headers if k in ("Location", "Content-Location")]
        self.assertEqual(names, ["Content-Location", "Location"])
        self.assertEqual(header(headers, "Location"), "/test/echo")
        self.assertEqual(fetch(self.a + header(headers, "Content-Location"))[0], 410)

    def test_status_page_writes_headers_in_order(self):
        url = self.a + "/test/status/302?content-location=/x&location=/y&header=X-Test:%20a%3Ab"
        status, headers, _ = fetch(url)
        self.assertEqual(status, 302)
        picked = [(k, v) for k, v in headers if k in ("Location", "Content-Location", "X-Test")]
        self.assertEqual(picked, [("Content-Location", "/x"), ("Location", "/y"), ("X-Test", "a:b")])
        status, headers, body = fetch(self.a + "/test/status/304")
        self.assertEqual((status, body), (304, b""))


class CharsetTest(StandInTest):
    def test_each_charset_in_each_place(self):
        for charset, codec in CODECS.items():
            for where in ("header", "meta", "meta-nohead", "none"):
                with self.subTest(charset=charset, where=where):
                    status, headers, body = fetch("%s/test/charset/%s/%s" % (self.a, charset, where))
                    self.assertEqual(status, 200)
                    self.assertIn(TEXT.encode(codec), body)
                    self.assertIn(TEXT, body.decode(codec))
                    content_type = header(headers, "Content-Type")
                    meta = ('<meta http-equiv="Content-Type" content="text/html; charset=%s">'
                            % NAMES[charset]).encode()
                    if where == "header":
                        self.assertEqual(content_type, "text/html; charset=" + NAMES[charset])
                    else:
                        self.assertEqual(content_type, "text/html")
                    self.assertEqual(meta in body, where.startswith("meta"))
                    self.assertEqual(b"<head>" in body, where != "meta-nohead")

    def test_the_encodings_really_differ(self):
        bodies = {c: fetch("%s/test/charset/%s/none" % (self.a, c))[2] for c in CODECS}
        self.assertIn("表".encode("cp932"), bodies["shift_jis"])  # second byte is a backslash
        self.assertIn(b"\x1b$B", bodies["iso-2022-jp"])
        self.assertTrue(all(max(b) < 0x80 for b in [bodies["iso-2022-jp"]]))
        self.assertEqual(len(set(bodies.values())), 4)

    def test_named_charset_can_be_another(self):
        _, headers, body = fetch(self.a + "/test/charset/euc-jp/meta?meta=Shift_JIS")
        self.assertIn(b"charset=Shift_JIS", body)
        self.assertIn(TEXT.encode("euc_jp"), body)
        _, headers, _ = fetch(self.a + "/test/charset/utf-8/header?header=EUC-JP")
        self.assertEqual(header(headers, "Content-Type"), "text/html; charset=EUC-JP")

    def test_line_ends_and_sizes(self):
        self.assertEqual(fetch(self.a + "/test/lines/lf")[2], b"line 1\nline 2\nline 3\n")
        self.assertEqual(fetch(self.a + "/test/lines/crlf")[2], b"line 1\r\nline 2\r\nline 3\r\n")
        body = fetch(self.a + "/test/bytes/10000")[2]
        self.assertEqual(len(body), 10000)
        self.assertTrue(body.startswith(b"abcdefghijklmnopqrstuvwxyz0123456789abc"))


class StatusTest(StandInTest):
    def test_error_statuses(self):
        for code in (404, 500, 503):
            with self.subTest(code=code):
                status, _, body = fetch("%s/test/status/%d" % (self.a, code))
                self.assertEqual(status, code)
                self.assertIn(b"<h1>%d</h1>" % code, body)
        self.assertEqual(fetch(self.a + "/no/such/page")[0], 404)
        self.assertEqual(fetch(self.a + "/test/redirect/200/1")[0], 400)


class ResetTest(StandInTest):
    def test_reset_once_per_key(self):
        self.assertIsInstance(raw_exchange(self.a, "/test/reset/once/k1"), ConnectionResetError)
        self.assertIn(b'<p id="hits">2</p>', raw_exchange(self.a, "/test/reset/once/k1"))
        self.assertIsInstance(raw_exchange(self.a, "/test/reset/once/k2"), ConnectionResetError)
        self.control("POST", "/control/reset")
        self.assertIsInstance(raw_exchange(self.a, "/test/reset/once/k1"), ConnectionResetError)
        self.assertEqual([e["status"] for e in self.log()], ["reset"])

    def test_reset_always_and_other_modes(self):
        for _ in range(3):
            self.assertIsInstance(raw_exchange(self.a, "/test/reset/always"), ConnectionResetError)
        self.assertEqual(raw_exchange(self.a, "/test/reset/always?mode=close"), b"")
        self.assertEqual(raw_exchange(self.a, "/test/reset/once/c?mode=close"), b"")
        with self.assertRaises((http.client.IncompleteRead, ConnectionResetError)):
            fetch(self.a + "/test/reset/always?mode=partial")
        # The failures were seen and logged, their request included.
        self.assertEqual(len(self.log("?path=/test/reset/always")), 5)


class SlowTest(StandInTest):
    def test_body_comes_in_timed_chunks(self):
        for te in ("length", "chunked", "close"):
            with self.subTest(te=te):
                conn = http.client.HTTPConnection(*address(self.a), timeout=5)
                conn.request("GET", "/test/slow?chunks=3&delay=0.2&size=64&te=" + te)
                resp = conn.getresponse()
                first = resp.read(64)
                at_first = time.monotonic()
                rest = resp.read()
                gap = time.monotonic() - at_first
                conn.close()
                self.assertTrue(first.startswith(b"chunk 1 "))
                self.assertEqual(len(first + rest), 3 * 64)
                self.assertTrue(rest.startswith(b"chunk 2 "))
                self.assertGreaterEqual(gap, 0.35)  # two pauses after the first chunk

    def test_wait_before_headers(self):
        start = time.monotonic()
        status, _, _ = fetch(self.a + "/test/slow?wait=0.3&chunks=1")
        self.assertEqual(status, 200)
        self.assertGreaterEqual(time.monotonic() - start, 0.3)

    def test_cancel_between_chunks_is_logged(self):
        conn = http.client.HTTPConnection(*address(self.a), timeout=5)
        conn.request("GET", "/test/slow?chunks=8&delay=0.1&size=64")
        resp = conn.getresponse()
        self.assertTrue(resp.read(64).startswith(b"chunk 1 "))
        conn.sock.shutdown(socket.SHUT_RDWR)
        conn.close()
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            entry = self.log()[0]
            if entry["aborted"] or entry["chunks_sent"] == 8:
                break
            time.sleep(0.05)
        self.assertTrue(entry["aborted"])
        self.assertLess(entry["chunks_sent"], 8)


class CookieTest(StandInTest):
    def test_set_then_echo(self):
        jar = http.cookiejar.CookieJar()
        opener = urllib.request.build_opener(urllib.request.ProxyHandler({}),
                                             urllib.request.HTTPCookieProcessor(jar))
        opener.open(self.a + "/test/cookie/set?a=1&b=x%20y").read()
        self.assertEqual(sorted(c.name for c in jar), ["a", "b"])
        echoed = opener.open(self.a + "/test/cookie/echo").read()
        self.assertEqual(echoed, b"a=1; b=x y\n")

    def test_cookies_on_a_redirect_and_raw(self):
        status, headers, _ = fetch(self.a + "/test/cookie/set?s=1&_next=/test/cookie/echo")
        self.assertEqual(status, 302)
        self.assertEqual(header(headers, "Set-Cookie"), "s=1; path=/")
        self.assertEqual(header(headers, "Location"), "/test/cookie/echo")
        raw = "t=2; Domain=127.0.0.1; Path=/test; HttpOnly"
        _, headers, _ = fetch(self.a + "/test/cookie/setraw?h=" + quote(raw))
        self.assertEqual(header(headers, "Set-Cookie"), raw)
        self.assertEqual(fetch(self.a + "/test/cookie/echo", headers={"Cookie": "s=1"})[2], b"s=1\n")
        self.assertEqual(fetch(self.a + "/test/cookie/echo")[2], b"")


class EchoAndLogTest(StandInTest):
    BODY = b"name=%82%A0&raw=\x82\xa0\x00\xff"

    def test_echo_returns_the_request(self):
        status, headers, body = fetch(self.a + "/test/echo?q=1", "POST", self.BODY,
                                      {"User-Agent": "Mozilla/5.0 (compatible; VS test)",
                                       "Content-Type": "application/x-www-form-urlencoded"})
        self.assertEqual(status, 200)
        head, _, echoed = body.partition(b"\r\n\r\n")
        lines = head.split(b"\r\n")
        self.assertEqual(lines[0], b"POST /test/echo?q=1 HTTP/1.1")
        self.assertIn(b"User-Agent: Mozilla/5.0 (compatible; VS test)", lines)
        self.assertIn(b"Content-Type: application/x-www-form-urlencoded", lines)
        self.assertEqual(echoed, self.BODY)
        as_json = json.loads(fetch(self.a + "/test/echo?format=json", "PUT", b"x")[2])
        self.assertEqual((as_json["method"], as_json["body"]), ("PUT", "x"))

    def test_log_keeps_every_request(self):
        fetch(self.a + "/test/page?x=%41", headers={"X-One": "1"})
        fetch(self.hosts["login"] + "/test/echo", "POST", self.BODY)
        self.control("GET", "/control/origins")  # control requests are not logged
        entries = self.log()
        self.assertEqual([(e["id"], e["host"], e["method"], e["path"], e["status"]) for e in entries],
                         [(1, "auctions", "GET", "/test/page", 200), (2, "login", "POST", "/test/echo", 200)])
        self.assertEqual(entries[0]["query"], "x=%41")
        self.assertEqual(entries[0]["target"], "/test/page?x=%41")
        self.assertIn(["X-One", "1"], entries[0]["headers"])
        self.assertEqual(entries[1]["body"].encode("latin-1"), self.BODY)
        self.assertEqual(base64.b64decode(entries[1]["body_base64"]), self.BODY)
        self.assertEqual([e["id"] for e in self.log("?host=login")], [2])
        self.assertEqual([e["id"] for e in self.log("?since=1")], [2])
        self.assertEqual([e["id"] for e in self.log("?path=/test/page")], [1])
        self.control("POST", "/control/reset")
        self.assertEqual(self.log(), [])

    def test_log_file(self):
        with tempfile.TemporaryDirectory() as temp:
            path = os.path.join(temp, "log.jsonl")
            proc, info = start_standin("--log", path)
            try:
                fetch(info["hosts"]["sell"] + "/test/echo", "POST", b"abc")
            finally:
                stop_standin(proc)
            with open(path, encoding="utf-8") as f:
                entries = [json.loads(line) for line in f]
        self.assertEqual([(e["host"], e["method"], e["body"], e["status"]) for e in entries],
                         [("sell", "POST", "abc", 200)])


class ControlTest(StandInTest):
    def test_state_values(self):
        self.assertEqual(self.control("POST", "/control/state", {"user": "tester", "n": 2}),
                         {"user": "tester", "n": 2})
        self.assertEqual(self.control("POST", "/control/state", raw="captcha=1&user=null&name=%E5%90%8D"),
                         {"n": 2, "captcha": 1, "name": "名"})
        self.assertEqual(self.control("GET", "/control/state"), {"n": 2, "captcha": 1, "name": "名"})
        self.control("POST", "/control/reset")
        self.assertEqual(self.control("GET", "/control/state"), {})

    def test_faults(self):
        self.control("POST", "/control/faults", {"host": "login", "path": "/test/page", "action": "status",
                                                 "status": 503, "times": 1})
        self.assertEqual(fetch(self.a + "/test/page")[0], 200)  # another host
        self.assertEqual(fetch(self.hosts["login"] + "/test/page")[0], 503)
        self.assertEqual(fetch(self.hosts["login"] + "/test/page")[0], 200)  # once only

        self.control("POST", "/control/faults", [
            {"prefix": "/test/echo", "action": "reset", "method": "POST"},
            {"path": "/test/page", "action": "slow", "chunks": 2, "delay": 0.2},
            {"path": "/test/bytes/10", "action": "redirect", "location": "/test/page"},
        ])
        self.assertIsInstance(raw_exchange(self.a, "/test/echo"), bytes)  # a GET passes
        with self.assertRaises(ConnectionError):
            fetch(self.a + "/test/echo", "POST", b"x")
        start = time.monotonic()
        self.assertEqual(fetch(self.a + "/test/page")[0], 200)
        self.assertGreaterEqual(time.monotonic() - start, 0.2)
        status, headers, _ = fetch(self.a + "/test/bytes/10")
        self.assertEqual((status, header(headers, "Location")), (302, "/test/page"))

        self.control("POST", "/control/faults/clear")
        self.assertEqual(fetch(self.a + "/test/echo", "POST", b"x")[0], 200)

    def test_bad_control_requests(self):
        self.control("POST", "/control/faults", {"action": "explode"}, expect=400)
        self.control("POST", "/control/faults", {"action": "reset", "host": "nowhere"}, expect=400)
        self.control("GET", "/control/nothing", expect=404)
        self.control("GET", "/control/reset", expect=404)


class LifeTest(unittest.TestCase):
    def test_wrapper_exports_origins_and_returns_the_status(self):
        script = (
            "import json, os, sys, urllib.request\n"
            "info = json.load(open(os.environ['TANZO_STANDIN_INFO']))\n"
            "assert os.environ['TANZO_STANDIN_CONTROL'] == info['control']\n"
            "assert os.environ['TANZO_STANDIN_LOGIN'] == info['hosts']['login']\n"
            "assert os.environ['TANZO_STANDIN_PROTECTED_LOGIN'] == info['hosts']['protected_login']\n"
            "pairs = dict(p.split('=', 1) for p in os.environ['TANZO_STANDIN_HOSTS'].split(';'))\n"
            "assert pairs == info['hosts'], pairs\n"
            "opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))\n"
            "assert opener.open(info['hosts']['item'] + '/test/page').status == 200\n"
            "print(info['control'])\n"
            "sys.exit(3)\n")
        result = subprocess.run([WRAPPER, "--", sys.executable, "-c", script],
                                stdout=subprocess.PIPE, timeout=20)
        self.assertEqual(result.returncode, 3)
        self.assertTrue(stopped(result.stdout.decode().strip()))

    def test_wrapper_failures(self):
        self.assertEqual(subprocess.run([WRAPPER, "true"], stderr=subprocess.DEVNULL).returncode, 2)
        self.assertEqual(subprocess.run([WRAPPER, "--", os.path.join(HERE, "no-such-command")],
                                        stderr=subprocess.DEVNULL).returncode, 127)
        self.assertEqual(subprocess.run([WRAPPER, "--", "sh", "-c", "kill -TERM $$"]).returncode,
                         128 + signal.SIGTERM)

    def test_stops_when_its_parent_dies(self):
        launcher = ("import subprocess, sys, time\n"
                    "p = subprocess.Popen([sys.executable, %r, '--exit-with-parent'], stdout=subprocess.PIPE)\n"
                    "print(p.stdout.readline().decode(), end='', flush=True)\n"
                    "time.sleep(60)\n" % STANDIN)
        parent = subprocess.Popen([sys.executable, "-c", launcher], stdout=subprocess.PIPE)
        info = json.loads(parent.stdout.readline())
        self.assertEqual(fetch(info["control"] + "/control/origins")[0], 200)
        parent.kill()
        parent.wait()
        parent.stdout.close()
        self.assertTrue(stopped(info["control"]))

    def test_stops_by_itself(self):
        cases = [
            (["--idle-timeout", "0.3"], None),
            (["--max-time", "0.3"], None),
            ([], "stdin"),
            ([], "control"),
            ([], "sigterm"),
        ]
        for args, how in cases:
            with self.subTest(args=args, how=how):
                proc, info = start_standin(*args)
                try:
                    if how == "stdin":
                        proc.stdin.close()
                    elif how == "control":
                        fetch(info["control"] + "/control/stop", "POST")
                    elif how == "sigterm":
                        proc.send_signal(signal.SIGTERM)
                    self.assertEqual(proc.wait(timeout=5), 0)
                    self.assertTrue(stopped(info["control"], within=1))
                finally:
                    if proc.poll() is None:
                        proc.kill()
                    proc.wait()
                    for stream in (proc.stdin, proc.stdout):
                        if not stream.closed:
                            stream.close()


if __name__ == "__main__":
    unittest.main()
