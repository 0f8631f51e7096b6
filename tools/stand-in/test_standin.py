"""Tests of the auction service's stand-in, through its sockets."""

import sys

sys.dont_write_bytecode = True

import base64
import calendar
import http.client
import http.cookiejar
import json
import os
import re
import signal
import socket
import subprocess
import tempfile
import threading
import time
import unittest
import urllib.request
from html.parser import HTMLParser
from urllib.parse import parse_qs, quote, urlencode, urljoin, urlsplit

HERE = os.path.dirname(os.path.abspath(__file__))
STANDIN = os.path.join(HERE, "standin.py")
WRAPPER = os.path.join(HERE, "with-stand-in")
sys.path.insert(0, HERE)

from pages.demo import SERVICES as DEMO_SERVICES  # noqa: E402
from pages.site import HOST_NAMES, html_escape  # noqa: E402
from pages.status import HEADERS as STATUS_HEADERS, LISTS as STATUS_LISTS  # noqa: E402

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


class Node:
    """An element of a page as the tests see it."""

    def __init__(self, tag, attrs, parent):
        self.tag = tag
        self.attrs = dict(attrs)
        self.parent = parent
        self.children = []

    def get(self, name, default=None):
        value = self.attrs.get(name, default)
        return default if value is None else value

    def walk(self):
        for child in self.children:
            if isinstance(child, Node):
                yield child
                yield from child.walk()

    def find_all(self, tag=None, **attrs):
        """Elements below this one in page order; attrs: id, name, cls (class) and others."""
        attrs = {("class" if k == "cls" else k): v for k, v in attrs.items()}
        return [n for n in self.walk()
                if (tag is None or n.tag == tag)
                and all(n.attrs.get(k) == v for k, v in attrs.items())]

    def find(self, tag=None, **attrs):
        found = self.find_all(tag, **attrs)
        return found[0] if found else None

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def ancestors(self):
        node = self.parent
        while node is not None:
            yield node
            node = node.parent


class DomBuilder(HTMLParser):
    VOID = {"br", "img", "input", "meta", "link", "hr", "col", "area", "base", "param", "wbr"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#root", {}, None)
        self.stack = [self.root]

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.stack[-1])
        self.stack[-1].children.append(node)
        if tag not in self.VOID:
            self.stack.append(node)

    def handle_startendtag(self, tag, attrs):
        self.stack[-1].children.append(Node(tag, attrs, self.stack[-1]))

    def handle_endtag(self, tag):
        for index in range(len(self.stack) - 1, 0, -1):
            if self.stack[index].tag == tag:
                del self.stack[index:]
                return

    def handle_data(self, data):
        self.stack[-1].children.append(data)


CODEC_OF = {"shift_jis": "cp932", "euc-jp": "euc_jp", "utf-8": "utf-8"}


class Page:
    """A reply: status, headers, body, and the page read in its charset."""

    def __init__(self, url, status, headers, body):
        self.url = url
        self.status = status
        self.headers = headers
        self.body = body

    def header(self, name):
        return header(self.headers, name)

    def header_charset(self):
        content_type = self.header("Content-Type") or ""
        _, sep, name = content_type.partition("charset=")
        return name.strip() if sep else None

    def meta_charset(self):
        match = re.search(rb'<meta http-equiv="Content-Type" content="text/html; charset=([^"]+)">', self.body)
        return match.group(1).decode("ascii") if match else None

    @property
    def charset(self):
        return self.header_charset() or self.meta_charset() or "UTF-8"

    @property
    def text(self):
        return self.body.decode(CODEC_OF[self.charset.lower()])

    @property
    def dom(self):
        builder = DomBuilder()
        builder.feed(self.text)
        builder.close()
        return builder.root

    @property
    def title(self):
        return self.dom.find("title").text()


class Browser:
    """Keeps the cookies (ports ignored, as the service's domain cookies are) and follows redirects."""

    def __init__(self):
        self.cookies = {}

    def request(self, url, method="GET", fields=None, charset="utf-8"):
        headers = {}
        if self.cookies:
            headers["Cookie"] = "; ".join("%s=%s" % item for item in self.cookies.items())
        body = None
        if fields is not None:
            body = urlencode(fields, encoding=CODEC_OF.get(charset.lower(), charset)).encode("ascii")
            headers["Content-Type"] = "application/x-www-form-urlencoded"
        status, reply_headers, data = fetch(url, method, body, headers)
        for name, value in reply_headers:
            if name.lower() == "set-cookie":
                key, _, rest = value.partition("=")
                if "expires=Thu, 01 Jan 1970" in rest:
                    self.cookies.pop(key, None)
                else:
                    self.cookies[key] = rest.split(";")[0]
        return Page(url, status, reply_headers, data)

    def get(self, url):
        return self.request(url)

    def post(self, url, fields, charset="utf-8"):
        return self.request(url, "POST", fields, charset)

    def open(self, url, method="GET", fields=None, limit=10):
        """Follows redirects; returns the last page."""
        page = self.request(url, method, fields)
        while page.status in (301, 302, 303) and limit > 0:
            limit -= 1
            page = self.request(urljoin(page.url, page.header("Location")))
        return page


ALBATROSS = re.compile(r'getElementsByName\("\.albatross"\)\[0\]\.value = "([^"]+)"')


def form_fields(form):
    """The values a browser would send from a form's inputs."""
    fields = {}
    for node in form.find_all("input"):
        if node.get("type") in ("submit", "button") or not node.get("name"):
            continue
        if node.get("type") == "checkbox" and "checked" not in node.attrs:
            continue
        fields[node.get("name")] = node.get("value", "")
    return fields


def shown_id(page):
    """The ID a page shows in its masthead link, its log-in bar greeting or its small greeting."""
    dom = page.dom
    link = dom.find("a", id="msthdLoginName")
    if link is not None:
        return link.text().strip()
    bar = dom.find("div", id="modLoginBar")
    if bar is not None and "ようこそ" in bar.text():
        return bar.text().replace("ようこそ", "").replace("さん", "").strip()
    for small in dom.find_all("small"):
        strong = small.find("strong")
        if strong is not None and "こんにちは" in strong.text():
            return strong.text().replace("こんにちは", "").replace("さん", "").strip()
    return None


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


class ServiceTest(StandInTest):
    """Tests of the service's pages, with a browser that keeps cookies."""

    def setUp(self):
        super().setUp()
        self.browser = Browser()
        self.done = self.a + "/topic/notice/"

    def state(self, **values):
        return self.control("POST", "/control/state", values)

    def login_url(self, done=None):
        return "%s/config/login?.src=auc&lg=jp&auth_lv=pw&.intl=jp&.done=%s" % (
            self.hosts["login"], quote(done or self.done, safe=""))

    def login_form(self, browser=None):
        """The log-in page, its form and the values a browser would post."""
        page = (browser or self.browser).get(self.login_url())
        self.assertEqual(page.status, 200)
        form = page.dom.find("form", name="login_form") or page.dom.find("form")
        fields = form_fields(form)
        match = ALBATROSS.search(page.text)
        if match:
            fields[".albatross"] = match.group(1)
        return page, form, fields

    def log_in(self, user="demo_seller1", password="pass-seller1", browser=None):
        page, form, fields = self.login_form(browser)
        fields.update({"login": user, "passwd": password})
        return (browser or self.browser).post(form.get("action"), fields, page.charset)

    def id_pages(self, browser=None):
        """The IDs that the notice page, the auctions top and the portal top show."""
        browser = browser or self.browser
        return [shown_id(browser.get(url))
                for url in (self.done, self.a + "/", self.hosts["portal"] + "/")]


LOGIN_HIDDEN = [".albatross", ".tries", ".src", ".md5", ".hash", ".js", ".last", "promo", ".intl",
                ".bypass", ".partner", ".u", ".v", ".challenge", ".yplus", ".emailCode", "pkg", "stepid",
                ".ev", "hasMsgr", ".chkP", ".done", ".pd", ".nojs"]


class LoginTest(ServiceTest):
    def test_login_form(self):
        page, form, _ = self.login_form()
        self.assertIn("Yahoo! JAPAN", page.title)
        self.assertEqual((form.get("method"), form.get("action")), ("post", self.hosts["login"] + "/config/login"))
        inputs = form.find_all("input")
        self.assertEqual([n.get("name") for n in inputs if n.get("type") == "hidden"], LOGIN_HIDDEN)
        self.assertEqual(form.find("input", name=".done").get("value"), self.done)
        self.assertEqual(form.find("input", name="login").get("type"), "text")
        self.assertEqual(form.find("input", name="passwd").get("type"), "password")
        self.assertEqual(form.find("input", name=".persistent").get("value"), "y")
        self.assertEqual(form.find("input", name=".albatross").get("value"), "")
        values = {ALBATROSS.search(self.browser.get(self.login_url()).text).group(1) for _ in range(3)}
        self.assertEqual(len(values), 3)  # a new value on each page
        self.assertEqual(self.log("?path=/config/login")[0]["host"], "login")

    def test_right_password_signs_in_and_the_id_pages_show_it(self):
        self.assertEqual(self.id_pages(), [None, None, None])
        page = self.log_in()
        self.assertEqual(page.status, 200)
        self.assertIn("sess", self.browser.cookies)
        refresh = page.dom.find("meta", **{"http-equiv": "refresh"})
        self.assertEqual(refresh.get("content"), "0; url=" + self.done)
        self.assertEqual(page.dom.find("a", href=self.done).text(), self.done)
        self.assertEqual(self.id_pages(), ["demo_seller1"] * 3)
        self.assertEqual(self.control("GET", "/control/sessions")["sessions"], [{"user": "demo_seller1", "uses": 3}])

        # Each ID page has its own source, and only that one.
        notice = self.browser.get(self.done).dom
        self.assertIsNotNone(notice.find("div", id="msthd").find("a", id="msthdLoginName"))
        self.assertIsNone(notice.find("div", id="modLoginBar"))
        top = self.browser.get(self.a + "/").dom
        self.assertEqual(top.find("div", id="modLoginBar").text(), "ようこそ demo_seller1 さん")
        self.assertEqual(top.find_all("div", id="msthd") + top.find_all("small"), [])
        portal = self.browser.get(self.hosts["portal"] + "/").dom
        small = portal.find("small")
        self.assertEqual(small.find("a").get("href"), self.hosts["points"] + "/book")
        self.assertNotIn("こんにちは", portal.find("b").text())  # the first bold text is no greeting
        self.assertIsNone(portal.find("a", id="msthdLoginName"))

    def test_second_account_and_ids_without_case(self):
        self.assertEqual(self.log_in("DEMO_SELLER2", "pass-seller2").status, 200)
        self.assertEqual(self.id_pages(), ["demo_seller2"] * 3)
        accounts = self.control("GET", "/control/accounts")["accounts"]
        self.assertEqual([a["user"] for a in accounts], ["demo_seller1", "demo_seller2"])

    def test_rejected_log_ins_show_the_form_with_the_error(self):
        def reuse():
            page, form, fields = self.login_form()
            fields.update({"login": "demo_seller1", "passwd": "pass-seller1"})
            self.browser.post(form.get("action"), fields)
            self.browser.cookies.clear()
            return self.browser.post(form.get("action"), fields)

        def without_albatross():
            page, form, fields = self.login_form()
            fields.update({"login": "demo_seller1", "passwd": "pass-seller1", ".albatross": ""})
            return self.browser.post(form.get("action"), fields)

        cases = [
            ("wrong password", lambda: self.log_in(password="pass-seller2"), "IDまたはパスワードが正しくありません。"),
            ("unknown ID", lambda: self.log_in(user="nobody_here"), "IDまたはパスワードが正しくありません。"),
            ("another's password", lambda: self.log_in("demo_seller2", "pass-seller1"), "IDまたはパスワードが正しくありません。"),
            ("used .albatross", reuse, "ページの有効期限が切れました。もう一度ログインしてください。"),
            ("no .albatross", without_albatross, "ページの有効期限が切れました。もう一度ログインしてください。"),
        ]
        for name, run, text in cases:
            with self.subTest(name):
                self.browser = Browser()
                page = run()
                self.assertEqual(page.status, 200)
                self.assertNotIn("sess", self.browser.cookies)
                form = page.dom.find("form", name="login_form")
                self.assertEqual(form.find("div", id="inputArea").find("div", id="errMsg").text(), text)
                self.assertEqual(form.find("input", name=".done").get("value"), self.done)
                self.assertIsNotNone(ALBATROSS.search(page.text))

        self.state(login_error="class")
        form = self.log_in(password="x").dom.find("form", name="login_form")
        self.assertEqual(form.find("div", cls="inputArea").find("div", cls="errMsg").text(),
                         "IDまたはパスワードが正しくありません。")
        self.assertEqual(form.find_all("div", id="inputArea") + form.find_all("div", id="errMsg"), [])
        self.state(login_error="empty")
        form = self.log_in(password="x").dom.find("form", name="login_form")
        self.assertEqual(form.find("div", id="inputArea").find("div", id="errMsg").text(), "")

    def test_form_scenarios(self):
        self.state(login_script=False)
        page, form, fields = self.login_form()
        self.assertIsNone(ALBATROSS.search(page.text))
        self.assertEqual(fields[".albatross"], "")
        self.assertEqual(self.log_in().status, 200)
        self.assertIn("sess", self.browser.cookies)

        self.control("POST", "/control/reset")
        self.state(login_form_name=False)
        page, form, _ = self.login_form()
        self.assertEqual(page.dom.find_all("form", name="login_form"), [])
        self.assertEqual(form.get("action"), self.hosts["login"] + "/config/login")
        self.assertEqual(self.log_in().status, 200)

        self.control("POST", "/control/reset")
        self.state(login_action="other")
        _, form, _ = self.login_form()
        self.assertEqual(form.get("action"), self.hosts["portal"] + "/config/login")
        self.state(login_action="https://elsewhere.invalid/config/login")
        self.assertEqual(self.login_form()[1].get("action"), "https://elsewhere.invalid/config/login")

        self.control("POST", "/control/reset")
        self.state(login_hidden_id="demo_seller2")
        _, form, fields = self.login_form()
        login = form.find("input", name="login")
        self.assertEqual((login.get("type"), login.get("value")), ("hidden", "demo_seller2"))
        self.assertEqual(len(form.find_all("input", name="login")), 1)
        self.assertEqual(self.log_in().status, 200)  # the posted ID counts, not the hidden one
        self.assertEqual(self.id_pages()[0], "demo_seller1")

    def test_euc_jp_log_in_pages(self):
        self.state(login_charset="euc-jp")
        page, form, _ = self.login_form()
        self.assertEqual((page.header_charset(), page.meta_charset()), ("EUC-JP", "EUC-JP"))
        self.assertIn("パスワード".encode("euc_jp"), page.body)
        rejected = self.log_in(password="wrong")
        self.assertEqual(rejected.charset, "EUC-JP")
        self.assertIn("IDまたはパスワードが正しくありません。".encode("euc_jp"), rejected.body)
        self.assertEqual(self.log_in().status, 200)
        self.assertEqual(self.id_pages()[0], "demo_seller1")

    def test_answers_to_a_right_log_in(self):
        portal = self.hosts["portal"] + "/"
        for how in ("redirect", "elsewhere", "id_only"):
            with self.subTest(how):
                self.control("POST", "/control/reset")
                self.browser = Browser()
                self.state(login_success=how)
                page = self.log_in()
                self.assertIn("sess", self.browser.cookies)
                refresh = page.dom.find("meta", **{"http-equiv": "refresh"})
                if how == "redirect":
                    self.assertEqual((page.status, page.header("Location")), (302, self.done))
                elif how == "elsewhere":
                    self.assertEqual(refresh.get("content"), "0; url=" + portal)
                    self.assertEqual(page.dom.find("a", href=portal).text(), portal)
                    self.assertIsNone(page.dom.find("a", href=self.done))
                else:
                    self.assertIsNone(refresh)
                    self.assertEqual(shown_id(page), "demo_seller1")
                self.assertEqual(self.id_pages()[0], "demo_seller1")

    def test_captcha(self):
        self.state(login_captcha=True)
        for _ in range(2):
            page = self.log_in()
            self.assertNotIn("sess", self.browser.cookies)
            self.assertIsNone(page.dom.find("form", name="login_form"))
            form = page.dom.find("form", name="captchaForm")
            self.assertEqual((form.get("method"), form.get("action")),
                             ("get", self.hosts["login"] + "/config/login_verify2"))
            fields = form_fields(form)
            self.assertEqual(fields[".done"], self.done)
            self.assertTrue(fields[".ct"])
            # The browser sends the form; the continue address serves the log-in form again.
            fields["captchaAnswer"] = "abcd"
            following = self.browser.get(form.get("action") + "?" + urlencode(fields))
            self.assertEqual(parse_qs(urlsplit(following.url).query)[".ct"], [fields[".ct"]])
            again = following.dom.find("form", name="login_form")
            self.assertEqual(again.find("input", name=".done").get("value"), self.done)
            self.assertIsNotNone(ALBATROSS.search(following.text))

        self.control("POST", "/control/reset")
        self.state(login_captcha=1)
        self.assertIsNotNone(self.log_in().dom.find("form", name="captchaForm"))
        self.assertEqual(self.log_in().status, 200)
        self.assertIn("sess", self.browser.cookies)

    def test_one_time_password(self):
        self.state(login_otp=True)
        for user, password, code in (("demo_seller1", "pass-seller1", "123456"),
                                     ("demo_seller2", "pass-seller2", "654321")):
            with self.subTest(user):
                self.browser = Browser()
                page = self.log_in(user, password)
                self.assertNotIn("sess", self.browser.cookies)
                self.assertIsNone(page.dom.find("form", name="login_form"))
                form = page.dom.find("form", name="otpForm")
                action = "%s/otp?.done=%s" % (self.hosts["protected_login"], quote(self.done, safe=""))
                self.assertEqual((form.get("method"), form.get("action")), ("post", action))
                fields = form_fields(form)
                wrong = self.browser.post(action, dict(fields, otp="000000"))
                self.assertEqual(wrong.dom.find("div", id="errMsg").text(), "ワンタイムパスワードが正しくありません。")
                self.assertNotIn("sess", self.browser.cookies)
                right = self.browser.post(action, dict(fields, otp=code))
                self.assertEqual((right.status, right.header("Location")), (302, self.done))
                self.assertEqual(self.id_pages()[0], user)
                # The form served once: its token is gone.
                self.assertEqual(self.browser.post(action, dict(fields, otp=code)).status, 400)

    def test_log_out(self):
        self.log_in()
        page = self.browser.get("%s/config/login?logout=1&.src=auc&lg=jp&.intl=jp&.done=%s"
                                % (self.hosts["login"], quote(self.done, safe="")))
        self.assertEqual((page.status, page.header("Location")), (302, self.done))
        self.assertNotIn("sess", self.browser.cookies)
        self.assertEqual(self.id_pages(), [None, None, None])
        self.assertEqual(self.control("GET", "/control/sessions")["sessions"], [])

    def test_lapse_now_and_after_n_pages(self):
        self.log_in()
        self.state(lapse_now=True)
        self.assertEqual(self.id_pages(), [None, None, None])
        self.assertNotIn("lapse_now", self.control("GET", "/control/state"))
        self.log_in()
        self.assertEqual(self.id_pages(), ["demo_seller1"] * 3)

        self.state(lapse_after=2)
        self.log_in()
        self.assertEqual(self.id_pages(), ["demo_seller1", "demo_seller1", None])
        self.log_in()  # every new session lapses the same way
        self.assertEqual(self.id_pages(), ["demo_seller1", "demo_seller1", None])
        self.state(lapse_after=0)
        self.log_in()
        self.assertEqual(self.id_pages(), [None, None, None])

    def test_auto_login_and_another_users_id(self):
        self.state(auto_login="demo_seller2")
        first = self.browser.get(self.done)
        self.assertEqual(shown_id(first), "demo_seller2")
        self.assertIn("sess", self.browser.cookies)
        self.assertEqual(self.id_pages(), ["demo_seller2"] * 3)
        self.assertEqual(self.id_pages(Browser()), [None, None, None])  # once after each reset

        self.state(show_user="someone_else")
        self.assertEqual(self.id_pages(), ["someone_else"] * 3)
        self.assertEqual(self.control("GET", "/control/sessions")["sessions"][0]["user"], "demo_seller2")

    def test_without_the_service_name(self):
        urls = [self.login_url(), self.done, self.a + "/", self.hosts["portal"] + "/"]
        for url in urls:
            self.assertIn(b"Yahoo", self.browser.get(url).body)
        self.state(service_name=False)
        self.log_in()
        for url in urls:
            with self.subTest(url):
                page = self.browser.get(url)
                self.assertEqual(page.status, 200)
                self.assertNotIn(b"Yahoo", page.body)

    def test_slow_log_in_page(self):
        self.state(login_wait=0.4)
        start = time.monotonic()
        self.login_form()
        self.assertGreaterEqual(time.monotonic() - start, 0.4)


LIST_QUERIES = {name: entry[:2] for name, entry in STATUS_LISTS.items()}


def list_rows(page, name):
    """The rows of a status page as the service marks them (header first)."""
    dom = page.dom
    if name == "selling":
        rows = [tr for tr in dom.find_all("tr") if "bgcolor" in tr.attrs]
        for index, tr in enumerate(rows):
            if any("/jp/show/mystatus?" in a.get("href", "") and "select=selling" in a.get("href", "")
                   for a in tr.find_all("a")):
                return rows[index:]
        return []
    form = dom.find("form")
    if form is None or form.get("name") != "auctionList":
        return []
    return [tr for tr in form.find_all("tr") if "style" in tr.attrs or "bgcolor" in tr.attrs]


def cells(row):
    return [td.text() for td in row.find_all("td")]


def item_rows(page, name):
    """The rows after the header that have a cell for every column."""
    return [row for row in list_rows(page, name)[1:] if len(cells(row)) == len(STATUS_HEADERS[name])]


def apg_links(page):
    """(text, page number) of the links to other pages, in page order."""
    links = []
    for a in page.dom.find_all("a"):
        query = parse_qs(urlsplit(a.get("href", "")).query)
        if "apg" in query:
            links.append((a.text(), int(query["apg"][0])))
    return links


class StatusPagesTest(ServiceTest):
    def list_url(self, name, number=1):
        host, query = LIST_QUERIES[name]
        url = "%s/jp/show/mystatus?%s" % (self.hosts[host], query)
        return url if number == 1 else url + "&apg=%d" % number

    def demo_items(self, name, user="demo_seller1"):
        return self.control("GET", "/control/items?list=%s&user=%s" % (name, user))

    def fetch_list(self, name):
        """Every page of a list: (pages, rows without headers)."""
        first = self.browser.get(self.list_url(name))
        self.assertEqual(first.status, 200, name)
        count = int(re.search(r"([\d,]+)件中", first.text).group(1).replace(",", ""))
        pages = [first] + [self.browser.get(self.list_url(name, k)) for k in range(2, -(-count // 50) + 1)]
        rows = []
        for page in pages:
            self.assertEqual(cells(list_rows(page, name)[0]), STATUS_HEADERS[name])
            rows += item_rows(page, name)
        return pages, rows

    def test_every_page_of_every_list(self):
        self.log_in()
        images = "//" + self.hosts["images"].split("//")[1]
        for name, total in (("selling", 130), ("closed-winner", 110), ("closed-nowinner", 60), ("won", 70)):
            with self.subTest(name):
                demo = self.demo_items(name)
                pages, rows = self.fetch_list(name)
                self.assertEqual(len(pages), -(-total // 50))
                self.assertEqual([len(item_rows(p, name)) for p in pages],
                                 [min(50, total - 50 * k) for k in range(len(pages))])
                self.assertIn("%d件中 1～50件目" % total, pages[0].text)
                self.assertIn("%d件中 51～%d件目" % (total, min(100, total)), pages[1].text)
                for number, page in enumerate(pages, 1):
                    self.assertIn("Yahoo!オークション", page.title)
                    self.assertEqual(shown_id(page), "demo_seller1")
                    # Numbered links ascending, "前へ" first and "次へ" last.
                    links = apg_links(page)
                    numbered = [k for text, k in links if text.isdigit()]
                    self.assertEqual(numbered, [k for k in range(1, len(pages) + 1) if k != number])
                    self.assertEqual([str(k) for k in numbered], [t for t, _ in links if t.isdigit()])
                    expected = ([("前へ", number - 1)] if number > 1 else []) + [(str(k), k) for k in numbered] \
                        + ([("次へ", number + 1)] if number < len(pages) else [])
                    self.assertEqual(links, expected)
                    masthead = page.dom.find("div", id="msthd")
                    before = page.text[:page.text.index("msthdLoginName")]
                    self.assertNotIn("<b>", before)
                    self.assertNotIn("<strong>", before)
                    self.assertIsNotNone(masthead.find("a", id="msthdLoginName"))

                headers = STATUS_HEADERS[name]
                self.assertEqual(len(rows), total)
                for row, item in zip(rows, demo["items"]):
                    values = dict(zip(headers, cells(row)))
                    self.assertEqual(values["商品ID"], item["id"])
                    self.assertEqual(values["商品名"], item["title"])
                    title_link = row.find_all("td")[headers.index("商品名")].find("a")
                    self.assertEqual(title_link.get("href"), self.hosts["item"] + "/jp/auction/" + item["id"])
                    premium = [i.get("src") for i in row.find_all("img") if i.get("src").endswith("/premium.gif")]
                    self.assertEqual(premium, [images + "/images/premium.gif"] if item["premium"] else [])
                    self.assertEqual(values["入札数"], str(item["bids"]))
                    price = values.get("現在価格") or values.get("落札価格")
                    self.assertEqual(price, "{:,}円".format(item["price"]))
                    if name == "selling":
                        self.assertEqual(values["残り時間"], item["remaining"])
                    else:
                        self.assertEqual(values["終了日時"], item["end_text"])
                        self.assertRegex(values["終了日時"], r"^\d{1,2}月\d{1,2}日 \d{1,2}時\d\d分$")
                    if "最高額入札者" in values:
                        self.assertEqual(values["最高額入札者"], item["bidder"] or "-")

    def test_selling_rows(self):
        self.log_in()
        page = self.browser.get(self.list_url("selling"))
        coloured = [tr for tr in page.dom.find_all("tr") if "bgcolor" in tr.attrs]
        rows = list_rows(page, "selling")
        self.assertGreater(len(coloured), len(rows))  # a coloured row comes before the header
        self.assertEqual(len(cells(rows[-1])), 1)  # and a footer row of one cell after the items
        items = self.demo_items("selling")["items"][:50]
        images = "//" + self.hosts["images"].split("//")[1]
        self.assertEqual(len(item_rows(page, "selling")), 50)
        for row, item in zip(item_rows(page, "selling"), items):
            title = row.find_all("td")[1]
            self.assertEqual(row.get("bgcolor") == "#FFFF99", item["highlight"])
            self.assertEqual(title.find("b") is not None, item["bold"])
            featured = [i.get("src") for i in title.find_all("img") if "/featured.gif" in i.get("src")]
            self.assertEqual(featured, [images + "/images/featured.gif"] if item["featured"] else [])
        for flag in ("highlight", "bold", "featured", "premium"):
            self.assertTrue(any(item[flag] for item in items), flag)
            self.assertFalse(all(item[flag] for item in items), flag)
        self.assertEqual(self.browser.get(self.hosts["images"] + "/images/featured.gif").header("Content-Type"),
                         "image/gif")

    def test_closed_and_won_pages_keep_their_rows_in_the_removal_form(self):
        self.log_in()
        for name, action, has_winner in (("closed-winner", "/jp/config/removeclosed", "1"),
                                         ("closed-nowinner", "/jp/config/removeclosed", "0"),
                                         ("won", "/jp/config/removebid", "1")):
            with self.subTest(name):
                page = self.browser.get(self.list_url(name))
                form = page.dom.find("form")
                self.assertEqual(form.get("name"), "auctionList")
                self.assertEqual(form.get("action"), self.hosts["closedlist"] + action)
                hidden = {n.get("name"): n.get("value") for n in form.find_all("input", type="hidden")}
                self.assertEqual(hidden, {"action": "remove", "hasWinner": has_winner,
                                          ".done": self.list_url(name)})
                rows = list_rows(page, name)
                self.assertEqual({"bgcolor" in r.attrs for r in rows[1:]}, {True, False})
                plain = [tr for tr in form.find_all("tr") if not tr.attrs]
                self.assertEqual(len(plain), 1)  # the button row is no item row
                checks = [r.find("input", type="checkbox").get("value") for r in item_rows(page, name)]
                self.assertEqual(checks, [i["id"] for i in self.demo_items(name)["items"][:50]])

    def test_winners_of_closed_items(self):
        self.log_in()
        _, rows = self.fetch_list("closed-winner")
        headers = STATUS_HEADERS["closed-winner"]
        items = self.demo_items("closed-winner")["items"]
        kinds = set()
        for row, item in zip(rows, items):
            values = dict(zip(headers, cells(row)))
            columns = (values["最高額入札者"], values["最高額落札者"], values["落札者"])
            if len(item["winners"]) == 1:
                kinds.add("one")
                self.assertEqual(columns, (item["winners"][0],) * 3)
            elif item["fixed_price"]:
                kinds.add("fixed")
                self.assertEqual(columns, ("-", "-", "落札者一覧"))
                self.assertEqual(values["入札数"], "0")
            else:
                kinds.add("several")
                self.assertEqual(columns, (item["winners"][0], item["winners"][0], "落札者一覧"))
            self.assertEqual(values["最高落札価格"], values["現在価格"])
        self.assertEqual(kinds, {"one", "fixed", "several"})

        _, rows = self.fetch_list("closed-nowinner")
        for row in rows:
            values = dict(zip(STATUS_HEADERS["closed-nowinner"], cells(row)))
            self.assertEqual(values["最高入札価格"] == "-", values["最高額入札者"] == "-")

    def test_second_account(self):
        self.log_in("demo_seller2", "pass-seller2")
        for name, total in (("selling", 3), ("closed-winner", 2), ("closed-nowinner", 1), ("won", 2)):
            with self.subTest(name):
                pages, rows = self.fetch_list(name)
                self.assertEqual((len(pages), len(rows)), (1, total))
                self.assertIn("%d件中 1～%d件目" % (total, total), pages[0].text)
                self.assertEqual(apg_links(pages[0]), [])
                ids = [cells(r)[STATUS_HEADERS[name].index("商品ID")] for r in rows]
                self.assertEqual(ids, [i["id"] for i in self.demo_items(name, "demo_seller2")["items"]])
        self.assertGreater(len(self.demo_items("closed-winner", "demo_seller2")["items"][-1]["winners"]), 1)

    def test_signed_out_and_wrong_addresses(self):
        for name in LIST_QUERIES:
            url = self.list_url(name, 2)
            page = self.browser.get(url)
            self.assertEqual(page.status, 302)
            location = page.header("Location")
            self.assertTrue(location.startswith(self.hosts["login"] + "/config/login?"), location)
            self.assertEqual(parse_qs(urlsplit(location).query)[".done"], [url])
        self.log_in()
        for url in (self.hosts["closedlist"] + "/jp/show/mystatus?select=selling",
                    self.hosts["openlist"] + "/jp/show/mystatus?select=won",
                    self.hosts["closedlist"] + "/jp/show/mystatus?select=closed&hasWinner=2"):
            self.assertEqual(self.browser.get(url).status, 404, url)

    def test_switches(self):
        self.state(auto_login="demo_seller1", show_user="someone_else")
        self.assertEqual(shown_id(self.browser.get(self.list_url("won"))), "someone_else")

        self.state(show_user=None, status_empty=True)
        for name in LIST_QUERIES:
            page = self.browser.get(self.list_url(name))
            self.assertEqual(page.status, 200)
            self.assertEqual(shown_id(page), "demo_seller1")
            self.assertEqual(list_rows(page, name), [])
            self.assertNotIn("件中", page.text)
        self.state(status_empty=["won"])
        self.assertEqual(list_rows(self.browser.get(self.list_url("won")), "won"), [])
        self.assertEqual(len(item_rows(self.browser.get(self.list_url("selling")), "selling")), 50)

        self.state(status_empty=None)
        for charset, codec in (("euc-jp", "euc_jp"), ("utf-8", "utf-8"), ("shift_jis", "cp932")):
            for where in ("both", "header", "meta"):
                with self.subTest(charset=charset, where=where):
                    self.state(status_charset=charset, status_charset_in=where)
                    page = self.browser.get(self.list_url("closed-winner"))
                    name = {"euc-jp": "EUC-JP", "utf-8": "UTF-8", "shift_jis": "Shift_JIS"}[charset]
                    self.assertEqual(page.header_charset(), name if where != "meta" else None)
                    self.assertEqual(page.meta_charset(), name if where != "header" else None)
                    self.assertIn("出品終了（落札者あり）".encode(codec), page.body)
                    self.assertEqual(len(item_rows(page, "closed-winner")), 50)

        self.state(status_error=500)
        page = self.browser.get(self.list_url("selling"))
        self.assertEqual(page.status, 500)

    def test_lapse_after_n_pages(self):
        self.log_in()
        self.state(lapse_after=2)
        statuses = [self.browser.get(self.list_url("selling", k)).status for k in (1, 2, 3)]
        self.assertEqual(statuses, [200, 200, 302])
        self.log_in()
        self.assertEqual(self.browser.get(self.list_url("selling", 3)).status, 200)

    def test_clock(self):
        self.state(clock="2024-12-28 10:00", auto_login="demo_seller1")
        # The clock is Japan's time whatever zone this machine is in.
        now = calendar.timegm((2024, 12, 28, 10, 0, 0)) - 9 * 3600
        closed = self.demo_items("closed-winner")
        self.assertEqual(closed["clock"], now)
        first = closed["items"][0]
        self.assertTrue(now - 2 * 3600 < first["end"] < now)
        self.assertTrue(first["end_text"].startswith("12月28日 "))
        self.assertTrue(now - 28 * 86400 < closed["items"][-1]["end"] < now - 27 * 86400)
        selling = self.demo_items("selling")["items"]
        self.assertTrue(any(i["end_text"].startswith("1月") for i in selling))  # into the next year
        self.assertEqual([i["end"] for i in selling], sorted(i["end"] for i in selling))
        self.assertEqual([i["end"] for i in closed["items"]], sorted((i["end"] for i in closed["items"]), reverse=True))
        self.assertEqual(selling[0]["remaining"][-1:], "分")
        self.assertEqual(selling[-1]["remaining"][-1:], "日")
        page = self.browser.get(self.list_url("closed-winner"))
        self.assertIn(first["end_text"], page.text)

        # The same clock gives the same pages after a reset.
        self.control("POST", "/control/reset")
        self.state(clock="2024-12-28 10:00", auto_login="demo_seller1")
        self.assertEqual(Browser().get(self.list_url("closed-winner")).body, page.body)


class OperationPagesTest(ServiceTest):
    def test_signed_in_page_get_and_post(self):
        url = self.a + "/jp/show/operation"
        page = self.browser.get(url + "?x=1")
        self.assertEqual(page.status, 302)
        self.assertEqual(parse_qs(urlsplit(page.header("Location")).query)[".done"], [url + "?x=1"])
        self.log_in()
        page = self.browser.get(url)
        self.assertEqual((page.status, shown_id(page)), (200, "demo_seller1"))
        self.assertIn("Yahoo!オークション", page.title)
        self.assertEqual(page.dom.find("p", id="method").text(), "GET")
        posted = self.browser.post(url, {"a": "1", "name": "表"})
        self.assertEqual(posted.dom.find("p", id="method").text(), "POST")
        self.assertEqual(posted.dom.find("p", id="count").text(), "2")
        self.assertEqual([li.text() for li in posted.dom.find("ul", id="posted").find_all("li")],
                         ["a=1", "name=%E8%A1%A8"])
        entry = self.log("?path=/jp/show/operation")[-1]
        self.assertEqual((entry["method"], entry["body"]), ("POST", "a=1&name=%E8%A1%A8"))

    def test_scenarios(self):
        url = self.a + "/jp/show/operation"
        self.log_in()
        self.state(show_user="demo_seller2")
        self.assertEqual(shown_id(self.browser.get(url)), "demo_seller2")
        self.state(show_user=None, service_name=False)
        page = self.browser.get(url)
        self.assertEqual(shown_id(page), "demo_seller1")
        self.assertNotIn(b"Yahoo", page.body)
        self.state(service_name=None, lapse_after=0)
        for _ in range(2):  # a log-in is asked for after each log-in
            self.assertEqual(self.log_in().status, 200)
            self.assertEqual(self.browser.post(url, {"a": "1"}).status, 302)

    def test_announcement(self):
        announcement = self.hosts["trading"] + "/trs/announcement.html"
        page = self.browser.get(announcement)
        self.assertEqual(page.status, 200)
        self.assertIn("Yahoo!オークション", page.title)
        self.log_in()
        self.state(announcement=True)
        page = self.browser.get(self.a + "/jp/show/operation")
        self.assertEqual((page.status, page.header("Location")), (302, announcement))

    def test_contact_settings(self):
        page = self.browser.get(self.hosts["contact"] + "/setting/top?fnavi=2")
        self.assertEqual(page.status, 200)
        self.assertIn("Yahoo!オークション", page.title)
        self.assertEqual(page.dom.find("h2", id="bank").text(), "かんたん取引出品の銀行口座の登録")
        self.assertEqual(self.browser.get(self.a + "/setting/top").status, 404)


def form_pairs(form):
    """The pairs a browser sends from a form, in order."""
    pairs = []
    for node in form.walk():
        name = node.get("name")
        if node.tag not in ("input", "select", "textarea") or not name or "disabled" in node.attrs:
            continue
        if node.tag == "input":
            kind = (node.get("type") or "text").lower()
            if kind in ("submit", "button", "image", "reset", "file"):
                continue
            if kind in ("checkbox", "radio") and "checked" not in node.attrs:
                continue
            pairs.append((name, node.get("value", "on" if kind in ("checkbox", "radio") else "")))
        elif node.tag == "select":
            chosen = [o for o in node.find_all("option") if "selected" in o.attrs]
            if chosen:
                pairs.append((name, chosen[0].get("value", chosen[0].text())))
        else:
            pairs.append((name, node.text()))
    return pairs


TICKED = {"true", "yes", "1", "on", "checked", "check", "selected", "select"}


def run_form_script(form):
    """What the new form's script does on a browser: shows the state inputs in their boxes and radios."""
    states = {n.get("id"): n.get("value", "") for n in form.find_all("input") if n.get("id")}
    for radio in form.find_all("input", type="radio", name="shippinginput"):
        if radio.get("value") == states.get("shippinginput"):
            radio.attrs["checked"] = None
        else:
            radio.attrs.pop("checked", None)
    for state_id, box, _ in DEMO_SERVICES:
        if states.get(state_id, "").lower() in TICKED:
            form.find("input", name=box).attrs["checked"] = None


def values_of(pairs):
    found = {}
    for name, value in pairs:
        found.setdefault(name, []).append(value)
    return found


def hidden_pairs(form):
    return [(n.get("name"), n.get("value", "")) for n in form.find_all("input") if n.get("type") == "hidden"
            and n.get("name")]


def quoted_url(onclick):
    return re.search(r"'(https?://[^']+)'", onclick).group(1)


class JobPagesTest(ServiceTest):
    """Pages of the item jobs, signed in as the first demo account."""

    def setUp(self):
        super().setUp()
        self.sell = self.hosts["sell"]
        self.log_in()

    def items(self, name, user="demo_seller1"):
        return self.control("GET", "/control/items?list=%s&user=%s" % (name, user))["items"]

    def record(self, aid):
        return self.control("GET", "/control/item?id=" + aid)["item"]

    def submit(self, page, form, pairs, charset=None, url=None):
        """Posts pairs where the form (on page) sends them."""
        return self.browser.post(url or urljoin(page.url, form.get("action")), pairs, charset or page.charset)

    def reads(self, kind, aid=None):
        return self.control("GET", "/control/%s%s" % (kind, "?aID=" + aid if aid else ""))[kind]


class RelistPagesTest(JobPagesTest):
    def old_form(self, aid, query=""):
        page = self.browser.open("%s/jp/show/resubmit?aID=%s%s" % (self.sell, aid, query))
        self.assertEqual(page.status, 200, page.text)
        return page, page.dom.find("form", name="auction")

    def preview(self, aid, change=None, query=""):
        """The old form of an item posted as a browser would (its script run): the answer and the pairs sent."""
        page, form = self.old_form(aid, query)
        run_form_script(form)
        pairs = form_pairs(form)
        if change:
            pairs = [(k, change.get(k, v)) for k, v in pairs]
        return self.submit(page, form, pairs), pairs

    def final(self, confirm, charset="utf-8"):
        """Posts the confirmation form to its button's address, one "salesContract" (the last) kept."""
        form = confirm.dom.find("form", name="auction")
        pairs = hidden_pairs(form)
        contracts = [i for i, (k, _) in enumerate(pairs) if k == "salesContract"]
        pairs = [p for i, p in enumerate(pairs) if i not in contracts[:-1]]
        button = form.find("input", id="auc_preview_submit")
        return self.browser.post(quoted_url(button.get("onclick")), pairs, charset)

    def test_relisting_round_trip(self):
        items = self.items("closed-winner")[:4]
        for item in items:
            with self.subTest(item["id"]):
                aid = item["id"]
                record = self.record(aid)
                page, form = self.old_form(aid)
                self.assertIn("Yahoo!オークション", page.title)
                self.assertEqual((page.charset, shown_id(page)), ("EUC-JP", "demo_seller1"))
                self.assertTrue(page.url.endswith("/jp/show/resubmit?aID=%s&select=old" % aid))
                self.assertEqual((form.get("method"), form.get("action")), ("post", "/jp/show/preview"))
                values = values_of(form_pairs(form))
                self.assertEqual(values["Title"], [record["title"]])
                self.assertEqual(values["Description"], [record["description"]])
                self.assertEqual(values["istatus"], [record["condition"]])
                self.assertEqual(values["StartPrice"], [str(record["start_price"])])
                self.assertEqual(values["shipname1"], [record["methods"][0]["name"]] if record["methods"] else [""])

                confirm, sent = self.preview(aid)
                self.assertEqual(confirm.status, 200)
                forms = confirm.dom.find_all("form")
                self.assertEqual(forms[0].get("name"), "search")  # an unrelated form comes first
                form = confirm.dom.find("form", name="auction")
                self.assertEqual({n.get("type") for n in form.find_all("input")}, {"hidden", "button"})
                echoed = [p for p in hidden_pairs(form) if p[0] != ".crumb"]
                expected = [p for p in sent if p[0] != ".crumb"]
                if record["style"] == "new":
                    expected = [("salesContract", "0")] + expected
                self.assertEqual(echoed, expected)
                button = form.find("input", id="auc_preview_submit")
                self.assertEqual(button.get("class"), "btnPreviewSubmit")
                self.assertEqual(button.get("onclick"), "configSubmit('%s/jp/config/submit', document.auction, "
                                                        "'utf-8'); return false;" % self.sell)

                done = self.final(confirm)
                self.assertIn("出品：完了", done.title)
                self.assertIn("Yahoo!オークション", done.title)
                self.assertEqual(done.dom.find("div", cls="untBody").text(), record["title"])
                new_id = re.search(r"r1\d{8}", done.text).group(0)
                made = self.reads("relistings", aid)[aid]
                self.assertEqual((made["count"], made["attempts"], made["new_ids"]), (1, 1, [new_id]))
                self.assertEqual(made["fields"]["Title"], record["title"])
                self.assertEqual(made["fields"]["Description"], record["description"])
                self.assertEqual(made["listings"][0]["charset"], "UTF-8")
                shown = self.browser.get("%s/jp/auction/%s" % (self.hosts["item"], new_id))
                self.assertEqual(shown.dom.find("h1").text(), record["title"])
        styles = {self.record(i["id"])["style"] for i in items}
        self.assertEqual(styles, {"old", "new"})

    def test_pages_of_the_services_size(self):
        """page_bytes: the road's pages weigh what the service's do, and read as before."""
        aid = self.items("closed-winner")[0]["id"]
        small, _ = self.old_form(aid)
        self.control("POST", "/control/state", {"page_bytes": 150000})
        page, form = self.old_form(aid)
        self.assertGreaterEqual(len(page.body), 150000)
        self.assertLess(len(page.body), 200000)
        same = lambda f: [pair for pair in form_pairs(f) if pair[0] != ".crumb"]  # noqa: E731
        self.assertEqual(same(form), same(small.dom.find("form", name="auction")))
        self.assertEqual(len(page.dom.find_all("form")), len(small.dom.find_all("form")))
        self.assertNotIn("resubmit?", " ".join(a.get("href", "") for a in page.dom.find("div", id="ftr").find_all("a")))
        confirm, _ = self.preview(aid)
        self.assertGreaterEqual(len(confirm.body), 150000)
        done = self.final(confirm)
        self.assertGreaterEqual(len(done.body), 150000)
        self.assertIn("出品：完了", done.title)

    def test_the_forms_of_both_styles(self):
        items = self.items("closed-nowinner")
        for item in items[:2]:
            record = self.record(item["id"])
            page, form = self.old_form(item["id"])
            names = [n.get("name") for n in form.find_all("input")]
            new_style = record["style"] == "new"
            with self.subTest(style=record["style"]):
                self.assertEqual("shippinginput" in names, new_style)
                self.assertEqual("is_other_ship" in names, new_style)
                self.assertEqual(names.count("salesContract"), 2 if new_style else 0)
                self.assertEqual("shipratelink1" in names, not new_style)
                self.assertEqual("bkname1" in names, not new_style)
                ids = {n.get("id") for n in form.find_all("input") if n.get("id")}
                self.assertEqual(ids >= {s for s, _, _ in DEMO_SERVICES}, new_style)
                if new_style:
                    state = form.find("input", id="shippinginput")
                    self.assertEqual((state.get("name"), state.get("value")), (None, "now"))
                    self.assertFalse([r for r in form.find_all("input", name="shippinginput") if "checked" in r.attrs])
                # A disabled input, one without a type, unchecked boxes and a submit button.
                self.assertIn("disabled", form.find("input", name="ypoint").attrs)
                self.assertIsNone(form.find("input", name="pagetype").get("type"))
                self.assertNotIn("checked", form.find("input", name="boldSelected").attrs)
                self.assertTrue(form.find("input", type="submit"))
                self.assertEqual(form.find("input", name="intlauction").get("value"), record["intlauction"])

        # Long titles: the lists cut them past 53 bytes; the form holds them whole.
        long = [i for i in self.items("closed-winner") if i["title"].endswith("...")]
        self.assertTrue(long)
        for item in long:
            self.assertGreater(len(item["title"].encode("cp932")), 53)
            record = self.record(item["id"])
            self.assertTrue(record["title"].startswith(item["title"][:-3]))
            self.assertEqual(values_of(form_pairs(self.old_form(item["id"])[1]))["Title"], [record["title"]])

        # Descriptions escaped twice: the textarea shows them once escaped.
        aid = items[0]["id"]
        self.state(relist_description_escape=2)
        text = self.old_form(aid)[1].find("textarea", name="Description").text()
        self.assertEqual(text, html_escape(self.record(aid)["description"]))

    def test_entry_pages(self):
        aid = self.items("closed-winner")[0]["id"]
        entry = "%s/jp/show/resubmit?aID=%s" % (self.sell, aid)
        old = "/jp/show/resubmit?aID=%s&select=old" % aid
        for how in ("redirect", "non_premium", "warning", "link", "no_link", "none"):
            with self.subTest(how):
                self.state(relist_entry=how)
                for fnavi in ("", "&fnavi=1"):
                    page = self.browser.get(entry + fnavi)
                    if how in ("redirect", "non_premium"):
                        select = "old" if how == "redirect" else "non_premium"
                        self.assertEqual((page.status, page.header("Location")),
                                         (302, "%s/jp/show/resubmit?aID=%s&select=%s%s" % (self.sell, aid, select,
                                                                                          fnavi)))
                        continue
                    dom = page.dom
                    links = [a for a in dom.find_all("a") if "select=old" in a.get("href", "")]
                    warning = dom.find("div", id="old_warning")
                    self.assertEqual(len(links), 1 if how in ("warning", "link") else 0)
                    self.assertEqual(warning is not None, how == "warning")
                    if links:
                        self.assertEqual(links[0].get("href"), old + fnavi)
                        self.assertIn(html_escape(old + fnavi).encode(), page.body)  # written with &amp;
                        self.assertEqual(warning is not None and links[0] in warning.find_all("a"), how == "warning")
                    self.assertEqual(page.dom.find("form", name="auction") is not None, how != "none")
        self.state(relist_entry="non_premium")
        page = self.browser.open(entry)
        self.assertIn("select=non_premium", page.url)
        self.assertIsNone(page.dom.find("form", name="auction"))

    def test_insertion_dialogs(self):
        aid = self.items("closed-winner")[2]["id"]
        self.assertEqual(self.record(aid)["style"], "new")
        aid = self.items("closed-winner")[1]["id"]  # an old-style form
        for how in ("none", "accepted", "old_method", "old_method_always", "registration"):
            with self.subTest(how):
                self.state(relist_dialog=how)
                page, form = self.old_form(aid)
                dialog = page.dom.find("div", id="insertion_dlg")
                self.assertEqual(dialog is None, how == "none")
                self.assertIsNotNone(form)
                self.assertIsNone(form.find("input", name="shippinginput"))
                self.assertEqual(form.find("input", name="fnavi").get("value"), "0")
                if dialog is None:
                    continue
                self.assertEqual(dialog.get("class"), "modDlgBoxEle")
                inputs = dialog.find("form").find_all("input")
                text = dialog.find("div", cls="untBody").text()
                if how == "accepted":
                    self.assertEqual([(i.get("id"), i.get("value")) for i in inputs], [("auc_insertion_ok", "開く")])
                    continue
                self.assertIn("旧出品方法では出品できません", text)
                self.assertIn("新出品方法をご利用いただくか", text)
                if how == "registration":
                    self.assertIn("出品者情報の登録", inputs[0].get("value"))
                    self.assertIn("/initialedit", inputs[0].get("onclick"))
                else:
                    self.assertIn("document.auction.elements['fnavi'].value='1'", inputs[0].get("onclick"))
                # Switched to easy-transaction listing: the new form, the notice only when it always comes.
                page, form = self.old_form(aid, "&fnavi=1")
                self.assertEqual(page.dom.find("div", id="insertion_dlg") is not None, how == "old_method_always")
                self.assertEqual(form.find("input", name="fnavi").get("value"), "1")
                self.assertIsNotNone(form.find("input", name="shippinginput"))
                self.assertEqual(len(form.find_all("input", name="salesContract")), 2)

    def test_the_form_again_with_errors(self):
        aid = self.items("closed-winner")[3]["id"]
        self.state(item_condition_empty=[aid])
        page, form = self.old_form(aid)
        self.assertEqual(values_of(form_pairs(form))["istatus"], [""])
        answer, sent = self.preview(aid, {"StartPrice": "abc"})
        box = answer.dom.find("div", cls="decErrorBox")
        self.assertIn("正しく入力されていない項目", box.text())
        form = answer.dom.find("form", name="auction")
        points = {td.get("id"): td.parent.find("th").text() for td in form.find_all("td", cls="decErrorPoint")}
        self.assertEqual(points, {"auc_istatus": "商品の状態", "auc_StartPrice": "開始価格"})
        self.assertEqual(values_of(form_pairs(form))["StartPrice"], ["abc"])  # the form keeps what was sent
        self.assertIsNone(answer.dom.find("input", id="auc_preview_submit"))

        self.state(item_condition_empty=None, relist_preview={aid: "error"})
        answer, _ = self.preview(aid)
        self.assertEqual([td.get("id") for td in answer.dom.find_all("td", cls="decErrorPoint")], ["auc_StartPrice"])
        other = self.items("closed-winner")[4]["id"]
        self.assertIsNotNone(self.preview(other)[0].dom.find("input", id="auc_preview_submit"))

        for how, form_name, button in (("no_form", None, False), ("no_button", "auction", False)):
            self.state(relist_preview=how)
            answer, _ = self.preview(aid)
            self.assertEqual(answer.dom.find("form", name="auction") is not None, form_name is not None)
            self.assertIsNone(answer.dom.find("input", id="auc_preview_submit"))

        # A post without the page's token is refused.
        self.state(relist_preview=None)
        answer, _ = self.preview(aid, {".crumb": "forged"})
        self.assertIn("有効期限", answer.dom.find("div", cls="decErrorBox").text())

    def test_final_answers(self):
        aid = self.items("closed-winner")[5]["id"]
        title = self.record(aid)["title"]
        cases = [
            ("error_box", lambda p: p.dom.find("div", cls="decErrorBox").text()),
            ("unt_head", lambda p: p.dom.find("div", id="modAlertBox").find("div", cls="untHead").text()),
            ("error_codes", lambda p: json.loads(p.dom.find("input", id="submitErrorCodes").get("value"))["message"]),
            ("error_text", lambda p: re.search("エラー：([^<]+)<", p.text).group(1)),
        ]
        for how, text in cases:
            with self.subTest(how):
                self.state(relist_submit=how)
                done = self.final(self.preview(aid)[0])
                self.assertTrue(text(done).strip())
                self.assertNotIn("出品：完了", done.title)
        self.state(relist_submit="announcement")
        done = self.final(self.preview(aid)[0])
        self.assertEqual((done.status, done.header("Location")),
                         (302, self.hosts["trading"] + "/trs/announcement.html"))
        made = self.reads("relistings", aid)[aid]
        self.assertEqual((made["count"], made["attempts"]), (0, 5))

        self.state(relist_submit="garbled")
        done = self.final(self.preview(aid)[0])
        shown = done.dom.find("div", cls="untBody").text()
        self.assertIn("出品：完了", done.title)
        self.assertIn("?", done.title)
        self.assertEqual(shown, "".join(c if ord(c) < 128 else "?" for c in title))
        self.assertEqual(self.reads("relistings", aid)[aid]["count"], 1)

    def test_charsets(self):
        aid = self.items("closed-winner")[0]["id"]
        title = self.record(aid)["title"]
        for page_charset, named, call in (("shift_jis", "euc-jp", "'euc-jp'"), ("utf-8", "shift_jis", "'shift_jis'"),
                                          ("euc-jp", "none", None)):
            with self.subTest(page_charset):
                self.state(sell_charset=page_charset, relist_submit_charset=named)
                confirm, _ = self.preview(aid)
                self.assertEqual(confirm.charset.lower(), page_charset)
                onclick = confirm.dom.find("input", id="auc_preview_submit").get("onclick")
                args = onclick[onclick.index("(") + 1:onclick.index(")")].split(", ")
                self.assertEqual(args[2:], [call] if call else [])
                before = self.reads("relistings").get(aid, {"count": 0})["count"]
                self.final(confirm, named if named != "none" else "utf-8")
                made = self.reads("relistings", aid)[aid]
                self.assertEqual(made["count"], before + 1)
                self.assertEqual(made["fields"]["Title"], title)

    def test_per_item_switches_and_refusals(self):
        first, second = [i["id"] for i in self.items("closed-winner")[:2]]
        self.state(relist_form={second: {"value": "none", "times": 1}})
        self.assertIsNotNone(self.old_form(first)[1])
        self.assertIsNone(self.old_form(second)[1])
        self.assertIsNotNone(self.old_form(second)[1])  # only once
        # Items on sale, won items, unknown IDs and another seller's items cannot be re-listed.
        others = [self.items("selling")[0]["id"], self.items("won")[0]["id"], "x999",
                  self.items("closed-winner", "demo_seller2")[0]["id"]]
        for aid in others:
            page, form = self.old_form(aid)
            self.assertIsNone(form)
            self.assertIn("再出品できません", page.dom.find("div", cls="untHead").text())
        signed_out = Browser().get("%s/jp/show/resubmit?aID=%s" % (self.sell, first))
        self.assertEqual(signed_out.status, 302)
        self.assertTrue(signed_out.header("Location").startswith(self.hosts["login"] + "/config/login?"))


class ItemPagesTest(JobPagesTest):
    def item_page(self, aid, browser=None):
        return (browser or self.browser).get("%s/jp/auction/%s" % (self.hosts["item"], aid))

    def feedback_links(self, page):
        return [a.get("href") for a in page.dom.find_all("a") if "/jp/show/leavefeedback" in a.get("href", "")]

    def link(self, partner, aid):
        return "%s/jp/show/leavefeedback?t=%s&aID=%s" % (self.a, partner, aid)

    def test_pages_of_every_list(self):
        several = next(i for i in self.items("closed-winner") if len(i["winners"]) > 2)
        won = self.items("won")[0]
        for item, links in ((several, [self.link(w, several["id"]) for w in several["winners"]]),
                            (won, [self.link(won["seller"], won["id"])]),
                            (self.items("closed-nowinner")[0], []), (self.items("selling")[0], [])):
            with self.subTest(item["id"]):
                record = self.record(item["id"])
                page = self.item_page(item["id"])
                self.assertEqual(page.status, 200)
                self.assertIn("Yahoo!オークション", page.title)
                self.assertEqual(shown_id(page), "demo_seller1")
                self.assertEqual(page.dom.find("h1").text(), record["title"])
                self.assertEqual(self.feedback_links(page), links)
                for href in links:
                    self.assertIn(html_escape(href).encode(), page.body)  # "&amp;" in the page
                delivery = [td.text() for div in page.dom.find_all("div", cls="decInfoTable")
                            for td in div.find_all("td", property="DeliveryMethod")]
                services = {s: n for s, _, n in DEMO_SERVICES}
                self.assertEqual(delivery, [m["name"] for m in record["methods"]]
                                 + [services[s] for s in record["services"]])
        # The winners' feedback links are the seller's: another seller sees none, a visitor no ID.
        other = Browser()
        self.log_in("demo_seller2", "pass-seller2", other)
        self.assertEqual(self.feedback_links(self.item_page(several["id"], other)), [])
        self.assertIsNone(shown_id(self.item_page(several["id"], Browser())))

    def test_delivery_variants(self):
        aid = self.items("closed-winner")[1]["id"]
        self.state(item_arrival=[aid])
        record = self.record(aid)
        self.assertEqual((record["style"], record["shippinginput"]), ("new", "arrival"))
        row = self.item_page(aid).dom.find("td", property="DeliveryMethod").parent
        self.assertEqual([c.text() for c in row.find_all("td")][1:], ["着払い"])
        self.assertEqual(row.find("th").text(), "配送方法")
        self.state(item_arrival=None, item_hacoboon=[aid], item_shippinginput={aid: ""})
        cells = self.item_page(aid).dom.find_all("td", property="DeliveryMethod")
        self.assertEqual([(c.text(), "hacoboon" in c.find("a").get("href")) for c in cells], [("はこBOON", True)])
        form = self.browser.open("%s/jp/show/resubmit?aID=%s" % (self.sell, aid)).dom.find("form", name="auction")
        self.assertEqual(form.find("input", id="shippinginput").get("value"), "")
        self.assertEqual(values_of(form_pairs(form)).get("shipname1"), [""])

    def test_scenarios(self):
        item = next(i for i in self.items("closed-winner") if len(i["winners"]) > 2)
        aid, winners = item["id"], item["winners"]
        cases = [
            ("no_t", ["%s/jp/show/leavefeedback?aID=%s" % (self.a, aid)] * len(winners)),
            ("twice", [self.link(w, aid) for w in [winners[0]] + winners]),
            ("case", [self.link(w.swapcase(), aid) for w in winners]),
            ("not_ended", []), ("missing", []), ("adult", []),
            ("other_user", [self.link(w, aid) for w in winners]),
        ]
        for how, links in cases:
            with self.subTest(how):
                self.state(item_page={aid: how})
                page = self.item_page(aid)
                self.assertEqual(self.feedback_links(page), links)
                shown = {"other_user": "another_user01", "adult": None}.get(how, "demo_seller1")
                self.assertEqual(shown_id(page), shown)
                alert = page.dom.find("div", id="modAlertBox")
                self.assertEqual(alert is not None and "ドキュメントは存在しません" in alert.text(), how == "missing")
                self.assertEqual("アダルトカテゴリに入ろうとしています" in page.text, how == "adult")
        self.assertEqual(shown_id(self.item_page("nothing")), "demo_seller1")
        self.assertIn("ドキュメントは存在しません", self.item_page("nothing").dom.find("div", id="modAlertBox").text())


class FeedbackPagesTest(JobPagesTest):
    def rate(self, url, rating="good", comment="ありがとうございました。&nbsp;表示ソフト <b>", charset=None):
        """The three pages: (input, confirmation, answer)."""
        page = self.browser.get(url)
        form = next(f for f in page.dom.find_all("form") if "leavefeedback" in f.get("action", ""))
        pairs = hidden_pairs(form) + [("rating", rating), ("formComment", comment)]
        confirm = self.submit(page, form, pairs, charset)
        final = confirm.dom.find("form")
        done = self.submit(confirm, final, hidden_pairs(final), charset) if final else None
        return page, confirm, done

    def test_seller_rates_every_winner_and_the_buyer_the_seller(self):
        item = next(i for i in self.items("closed-winner") if len(i["winners"]) > 1)
        won = self.items("won")[1]
        comment = "迅速なご対応ありがとうございました。&nbsp;<b>また</b>よろしくお願いします & 感謝"
        for aid, partner, sent in ([(item["id"], w, w) for w in item["winners"]]
                                   + [(won["id"], won["seller"], won["seller"].upper())]):
            with self.subTest(partner):
                url = "%s/jp/show/leavefeedback?t=%s&aID=%s" % (self.a, sent, aid)
                page, confirm, done = self.rate(url, "veryGood", comment)
                self.assertEqual(page.charset, "EUC-JP")
                self.assertIn("Yahoo!オークション", page.title)
                form = page.dom.find("form")
                self.assertEqual(form.get("action"), "/jp/preview/leavefeedback")
                self.assertEqual([n for n, _ in hidden_pairs(form)], ["t", "aID", ".crumb"])
                self.assertEqual(dict(hidden_pairs(form))["t"], partner)
                self.assertEqual([r.get("value") for r in form.find_all("input", name="rating")],
                                 ["veryGood", "good", "normal", "bad", "veryBad"])
                self.assertIsNotNone(form.find("textarea", name="formComment"))
                self.assertEqual(form.find("input", id="decCheck").get("type"), "submit")
                final = confirm.dom.find("form")
                self.assertEqual(final.get("action"), "/jp/submit/leavefeedback")
                self.assertEqual({n.get("type") for n in final.find_all("input")}, {"hidden", "submit"})
                self.assertEqual(dict(hidden_pairs(final))["formComment"], comment)
                self.assertIn("評価", done.title)
                given = self.reads("feedback", aid)[aid][partner]
                self.assertEqual((given["rating"], given["comment"], given["count"]), ("veryGood", comment, 1))

    def test_scenarios(self):
        item = next(i for i in self.items("closed-winner") if len(i["winners"]) == 1)
        aid, partner = item["id"], item["winners"][0]
        url = "%s/jp/show/leavefeedback?t=%s&aID=%s" % (self.a, partner, aid)
        for how in ("decCheck", "none", "no_rating"):
            with self.subTest(how):
                self.state(feedback_form={aid: how})
                page = self.browser.get(url)
                forms = page.dom.find_all("form")
                self.assertEqual(len(forms), 0 if how == "none" else 1)
                if how == "decCheck":
                    action = forms[0].get("action")
                    self.assertNotIn("preview/leavefeedback", action)
                    self.assertIn("leavefeedback", action)
                    self.assertEqual(forms[0].find("input", id="decCheck").get("type"), "submit")
                    self.assertEqual(self.rate(url)[2].status, 200)
                if how == "no_rating":
                    self.assertIsNone(forms[0].find("input", name="rating"))
        self.state(feedback_form=None, feedback_preview="no_form")
        _, confirm, done = self.rate(url)
        self.assertIsNone(done)
        for how, check in (("error", lambda p: p.dom.find("div", cls="decErrorBox")),
                           ("form_again", lambda p: p.dom.find("form", action="/jp/preview/leavefeedback"))):
            with self.subTest(how):
                self.state(feedback_preview=None, feedback_result=how)
                self.assertIsNotNone(check(self.rate(url)[2]))
        given = self.reads("feedback", aid)[aid][partner]
        self.assertEqual((given["count"], given["attempts"]), (1, 3))  # the first through decCheck
        # No rating chosen: the input form again; items not ended and strangers have no form.
        self.state(feedback_result=None)
        _, confirm, _ = self.rate(url, rating="")
        self.assertEqual(confirm.dom.find("form").get("action"), "/jp/preview/leavefeedback")
        for other in ("%s/jp/show/leavefeedback?t=nobody_here&aID=%s" % (self.a, aid),
                      "%s/jp/show/leavefeedback?t=%s&aID=%s" % (self.a, partner, self.items("selling")[0]["id"])):
            self.assertEqual(self.browser.get(other).dom.find_all("form"), [])


class RemovalTest(JobPagesTest):
    def list_page(self, name):
        host, query = LIST_QUERIES[name]
        return self.browser.get("%s/jp/show/mystatus?%s" % (self.hosts[host], query))

    def remove(self, name, ids):
        page = self.list_page(name)
        form = page.dom.find("form", name="auctionList")
        pairs = hidden_pairs(form) + [("aidlist[]", aid) for aid in ids]
        return self.submit(page, form, pairs)

    def test_removal_from_each_list(self):
        for name, count in (("closed-winner", 3), ("closed-nowinner", 1), ("won", 2)):
            with self.subTest(name):
                ids = [i["id"] for i in self.items(name)[:count]]
                answer = self.remove(name, ids)
                host, query = LIST_QUERIES[name]
                done = "%s/jp/show/mystatus?%s" % (self.hosts[host], query)
                self.assertEqual((answer.status, answer.header("Location")), (302, done))
                shown = [cells(r)[1] for r in item_rows(self.browser.get(done), name)]
                self.assertFalse(set(ids) & set(shown))
                self.assertFalse(set(ids) & {i["id"] for i in self.items(name)})
                self.assertEqual(self.reads("removals")[name], {"ids": ids, "posts": 1, "errors": 0})
        self.assertIn("removebid", self.list_page("won").dom.find("form").get("action"))

    def test_refused_removals(self):
        items = [i["id"] for i in self.items("closed-winner")]
        self.state(remove_error=[items[1]])
        cases = [items[:2], items[:51], ["x999"], [self.items("won")[0]["id"]], []]
        for ids in cases:
            answer = self.remove("closed-winner", ids)
            self.assertEqual(answer.status, 200)
            self.assertTrue(answer.dom.find("div", cls="decErrorBox").text())
        self.assertEqual(self.reads("removals")["closed-winner"], {"ids": [], "posts": 5, "errors": 5})
        self.assertEqual(len(self.items("closed-winner")), 110)
        self.assertEqual(self.remove("closed-winner", items[2:52]).status, 302)  # fifty in one post


class AdditionPagesTest(JobPagesTest):
    def add(self, aid, text, charset=None):
        page = self.browser.get("%s/jp/show/updateauction?aID=%s" % (self.sell, aid))
        form = page.dom.find("form", name="auction")
        if form is None:
            return page, None, None
        pairs = [(k, text if k == "Description" else v) for k, v in form_pairs(form)]
        return page, form, self.submit(page, form, pairs, charset)

    def final(self, confirm, charset="utf-8"):
        form = confirm.dom.find("form", action="/jp/config/updateauction")
        button = next(b for b in form.find_all("input", type="button") if "submit(" in b.get("onclick", ""))
        return self.browser.post(quoted_url(button.get("onclick")), hidden_pairs(form), charset)

    def test_addition_round_trip(self):
        aid = self.items("selling")[0]["id"]
        text = "【追記】送料を値下げしました。&nbsp;<b>表示ソフト</b> & ｶﾀｶﾅ \"引用\""
        page, form, confirm = self.add(aid, text)
        self.assertEqual((page.charset, form.get("action")), ("EUC-JP", "/jp/preview/updateauction"))
        self.assertEqual(form.find("textarea", name="Description").text(), "")
        self.assertTrue(hidden_pairs(form))
        confirm_form = confirm.dom.find("form", name="auction")
        self.assertEqual(dict(hidden_pairs(confirm_form))["Description"], text)
        button = confirm_form.find("input", id="btnEditConfirm")
        onclick = button.get("onclick")
        self.assertIn("'%s/jp/config/updateauction'" % self.sell, onclick)
        call = onclick[onclick.index(".submit(") + 8:]
        self.assertEqual(call[:call.index(")")].split(", ")[4], "'utf-8'")
        done = self.final(confirm)
        self.assertIn("管理：オークションの編集 - 完了", done.title)
        self.assertIn("Yahoo!オークション", done.title)
        added = self.reads("additions", aid)[aid]
        self.assertEqual((added["texts"], added["count"], added["attempts"]), ([text], 1, 1))
        self.assertIn(text, self.browser.get("%s/jp/auction/%s" % (self.hosts["item"], aid)).text)

    def test_scenarios(self):
        aid = self.items("selling")[1]["id"]
        for key, how, check in [
            ("addition_confirm", "action_only", lambda c: c.dom.find("form", action="/jp/config/updateauction")
             .get("name") is None and c.dom.find("form", name="auction") is None),
            ("addition_confirm", "no_form", lambda c: not c.dom.find_all("form")),
            ("addition_confirm", "no_button", lambda c: not c.dom.find("form").find_all("input", type="button")[1:]),
            ("addition_confirm", "error", lambda c: c.dom.find("div", cls="decErrorBox") and not c.dom.find("form")),
            ("addition_button", "class", lambda c: c.dom.find("input", cls="btnEditSubmit").get("id") is None),
            ("addition_button", "value", lambda c: c.dom.find("input", value="更新する").get("class") is None),
            ("addition_submit_charset", "none",
             lambda c: c.dom.find("input", id="btnEditConfirm").get("onclick").count(",") == 3),
        ]:
            with self.subTest(how):
                self.state(**{key: {aid: how}})
                self.assertTrue(check(self.add(aid, "追記")[2]))
                self.state(**{key: None})
        for how, title in (("halfwidth", "管理:オークションの編集 - 完了"), ("error", "エラー")):
            self.state(addition_result=how, addition_submit_charset="euc-jp")
            done = self.final(self.add(aid, "追記 " + how)[2], "euc-jp")
            self.assertIn(title, done.title)
        self.assertEqual(self.reads("additions", aid)[aid]["texts"], ["追記 halfwidth"])
        self.state(addition_form="none")
        self.assertIsNone(self.add(aid, "x")[1])
        closed = self.items("closed-winner")[0]["id"]
        self.state(addition_form=None)
        page = self.browser.get("%s/jp/show/updateauction?aID=%s" % (self.sell, closed))
        self.assertIsNone(page.dom.find("form"))
        self.assertTrue(page.dom.find("div", cls="decErrorBox"))


class FeaturedPagesTest(JobPagesTest):
    def featured(self, aid, amount=300, tos=True):
        page = self.browser.get("%s/jp/show/featured?aID=%s" % (self.a, aid))
        form = page.dom.find("form")
        if form is None or form.find("input", name="dpd") is None:
            return page, form, None
        pairs = [(k, str(amount) if k == "dpd" else v) for k, v in form_pairs(form)]
        pairs += [("tos", "yes")] if tos else []
        return page, form, self.submit(page, form, pairs)

    def amount_rows(self, confirm):
        table = confirm.dom.find("form").find("table")
        return [tr.text() for tr in table.find_all("tr") if "金額" in tr.text()]

    def test_featured_round_trip(self):
        item = next(i for i in self.items("selling") if not i["featured"])
        page, form, confirm = self.featured(item["id"])
        self.assertIn("editfeatured", form.get("action"))
        self.assertIsNotNone(form.find("input", type="checkbox", name="tos"))
        self.assertEqual(page.charset, "EUC-JP")
        self.assertEqual(self.amount_rows(confirm), ["1日あたりの金額：300円"])
        self.assertIsNone(confirm.dom.find("input", type="checkbox"))
        final = confirm.dom.find("form")
        self.assertIn("editfeatured", final.get("action"))
        done = self.submit(confirm, final, form_pairs(final))
        self.assertNotIn('color="#FF0000"', done.text)
        self.assertEqual(self.reads("featured", item["id"])[item["id"]], {"amounts": [300], "count": 1, "attempts": 1})
        row = next(r for r in item_rows(self.browser.get(self.hosts["openlist"] + "/jp/show/mystatus?"
                                                          + LIST_QUERIES["selling"][1]), "selling")
                   if cells(r)[0] == item["id"])
        self.assertTrue([i for i in row.find_all("img") if "featured.gif" in i.get("src")])

    def test_scenarios(self):
        aid = next(i for i in self.items("selling") if not i["featured"])["id"]
        for how, action in (("config/featured", "config/featured"), ("config_featured", "config_featured")):
            self.state(featured_form=how)
            page, form, confirm = self.featured(aid)
            self.assertIn(action, form.get("action"))
            self.assertEqual(self.amount_rows(confirm), ["1日あたりの金額：300円"])
        self.state(featured_form="none")
        self.assertIsNone(self.featured(aid)[1])
        self.state(featured_form="no_fields")
        self.assertIsNone(self.featured(aid)[1].find("input", name="tos"))
        self.state(featured_form=None)
        for how, rows in (("fullwidth", ["１日あたりの金額：300円"]), ("colon", ["1日あたりの金額:300円"]),
                          ("other_amount", ["1日あたりの金額：350円"]), ("no_row", [])):
            self.state(featured_confirm=how)
            self.assertEqual(self.amount_rows(self.featured(aid)[2]), rows)
        for change, how in (({}, "again"), ({"amount": 19}, None), ({"tos": False}, None), ({"amount": 1000}, None)):
            self.state(featured_confirm=how)
            confirm = self.featured(aid, **change)[2]
            self.assertIsNotNone(confirm.dom.find("input", type="checkbox", name="tos"))
            self.assertTrue(confirm.dom.find("font", color="#FF0000").find("b").text())
        self.state(featured_confirm=None, featured_result="error")
        confirm = self.featured(aid)[2]
        done = self.submit(confirm, confirm.dom.find("form"), form_pairs(confirm.dom.find("form")))
        self.assertTrue(done.dom.find("font", color="#FF0000").find("b").text())
        self.assertEqual(self.reads("featured", aid)[aid]["count"], 0)
        # A featured item takes only amounts at least 10 yen above its own.
        featured = next(i for i in self.items("selling") if i["featured"])["id"]
        current = self.record(featured)["featured_amount"]
        self.state(featured_result=None)
        self.assertTrue(self.featured(featured, current + 9)[2].dom.find("font", color="#FF0000"))
        self.assertFalse(self.featured(featured, current + 10)[2].dom.find("font", color="#FF0000"))
        self.state(featured_step=0)
        self.assertFalse(self.featured(featured, current)[2].dom.find("font", color="#FF0000"))
        self.state(featured_step=None, featured_result="form")
        confirm = self.featured(aid)[2]
        again = self.submit(confirm, confirm.dom.find("form"), form_pairs(confirm.dom.find("form")))
        self.assertIsNotNone(again.dom.find("input", type="checkbox", name="tos"))
        self.assertIsNone(again.dom.find("font", color="#FF0000"))


class HoldTest(ServiceTest):
    def test_hold_the_nth_request_until_released(self):
        self.control("POST", "/control/faults", {"action": "hold", "nth": 2, "prefix": "/test/"})
        results = {}

        def get(key, path):
            try:
                results[key] = fetch(self.a + path, timeout=10)[0]
            except OSError as error:
                results[key] = error
        threads = [threading.Thread(target=get, args=(k, "/test/page?k=%d" % k)) for k in (1, 2)]
        threads[0].start()
        threads[0].join()
        threads[1].start()
        deadline = time.monotonic() + 5
        while not self.control("GET", "/control/held")["held"] and time.monotonic() < deadline:
            time.sleep(0.02)
        self.assertEqual(self.control("GET", "/control/held")["held"], [2])
        self.assertEqual(fetch(self.a + "/test/page?k=3")[0], 200)  # others pass meanwhile
        self.assertEqual(results, {1: 200})
        self.assertEqual(self.control("POST", "/control/release", {"id": 2})["released"], [2])
        threads[1].join(5)
        self.assertEqual(results, {1: 200, 2: 200})
        self.assertEqual([(e["id"], e["held"], e.get("released")) for e in self.log()],
                         [(1, False, None), (2, True, True), (3, False, None)])

        # Dropped on release (or at a reset): no reply at all.
        self.control("POST", "/control/faults", {"action": "hold", "path": "/test/echo"})
        thread = threading.Thread(target=get, args=(4, "/test/echo"))
        thread.start()
        while not self.control("GET", "/control/held")["held"]:
            time.sleep(0.02)
        self.control("POST", "/control/release", {"drop": True})
        thread.join(5)
        self.assertIsInstance(results[4], OSError)

    def test_lost_answer_after_the_work(self):
        browser = Browser()
        ServiceTest.log_in(self, browser=browser)
        operation = self.a + "/jp/show/operation"
        self.control("POST", "/control/faults", {"action": "lost", "path": "/jp/show/operation", "times": 1})
        with self.assertRaises(OSError):
            browser.get(operation)
        # The page did its work: the next answer counts the lost one.
        self.assertEqual(browser.get(operation).dom.find("p", id="count").text(), "2")


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


class LongListTest(ServiceTest):
    """Status pages as the benchmarks read them: a demo list of any length ("list_counts"), paged as the
    service pages it, in pages of the service's weight ("page_bytes")."""

    list_url = StatusPagesTest.list_url
    demo_items = StatusPagesTest.demo_items
    fetch_list = StatusPagesTest.fetch_list

    def test_five_hundred_closed_items_with_a_winner(self):
        self.log_in()
        usual = self.demo_items("closed-winner")
        self.state(list_counts={"closed-winner": 500})
        longer = self.demo_items("closed-winner")
        items = longer["items"]
        self.assertEqual(len(items), 500)
        # The usual items come first, only their times closer together; all ended within four weeks.
        times = ("end", "end_text", "message")
        self.assertEqual([{k: v for k, v in i.items() if k not in times} for i in items[:110]],
                         [{k: v for k, v in i.items() if k not in times} for i in usual["items"]])
        ids = [i["id"] for i in items]
        self.assertEqual(len(set(ids)), 500)
        ends = [i["end"] for i in items]
        self.assertEqual(ends, sorted(ends, reverse=True))
        self.assertLess(longer["clock"] - ends[-1], 28 * 86400)
        self.assertEqual(len(self.demo_items("won")["items"]), 70)
        self.assertEqual(len(self.demo_items("closed-winner", "demo_seller2")["items"]), 500)

        pages, rows = self.fetch_list("closed-winner")
        self.assertEqual(len(pages), 10)
        self.assertIn("500件中 1～50件目", pages[0].text)
        self.assertIn("500件中 451～500件目", pages[-1].text)
        self.assertEqual(apg_links(pages[-1]), [("前へ", 9)] + [(str(k), k) for k in range(1, 10)])
        self.assertEqual([cells(r)[1] for r in rows], ids)
        self.assertEqual([c[STATUS_HEADERS["closed-winner"].index("終了日時")] for c in map(cells, rows)],
                         [i["end_text"] for i in items])
        self.assertEqual(self.control("GET", "/control/item?id=" + ids[-1])["item"]["index"], 499)

        # The last page's form removes its fifty; nine pages remain.
        last = pages[-1]
        form = last.dom.find("form", name="auctionList")
        answer = self.browser.post(urljoin(last.url, form.get("action")),
                                   hidden_pairs(form) + [("aidlist[]", aid) for aid in ids[450:]], last.charset)
        self.assertEqual(answer.status, 302)
        pages, rows = self.fetch_list("closed-winner")
        self.assertEqual((len(pages), len(rows)), (9, 450))
        self.assertIn("450件中 401～450件目", pages[-1].text)

    def test_shorter_empty_and_wrong_counts(self):
        self.log_in()
        self.state(list_counts={"closed-nowinner": 3, "won": 0})
        pages, rows = self.fetch_list("closed-nowinner")
        self.assertEqual(([cells(r)[1] for r in rows], apg_links(pages[0])),
                         ([i["id"] for i in self.demo_items("closed-nowinner")["items"]], []))
        self.assertIn("3件中 1～3件目", pages[0].text)
        self.assertIn("落札分の商品はありません。", self.browser.get(self.list_url("won")).text)
        self.assertEqual(len(self.demo_items("closed-winner")["items"]), 110)
        for wrong in (-1, "500", 2.5, True):
            with self.subTest(wrong=wrong):
                self.state(list_counts={"won": wrong})
                self.assertEqual(self.browser.get(self.list_url("won")).status, 500)

    def test_pages_of_the_services_weight(self):
        self.log_in()
        self.state(list_counts={"closed-winner": 500})
        light = [self.browser.get(self.list_url("closed-winner", k)) for k in (1, 10)]
        self.state(page_bytes=150000)
        for number, small in zip((1, 10), light):
            with self.subTest(number):
                page = self.browser.get(self.list_url("closed-winner", number))
                self.assertGreaterEqual(len(page.body), 150000)
                self.assertLess(len(page.body), 200000)
                self.assertEqual([cells(r) for r in list_rows(page, "closed-winner")],
                                 [cells(r) for r in list_rows(small, "closed-winner")])
                self.assertEqual(apg_links(page), apg_links(small))
                self.assertEqual(re.findall(r"\d+件中 \d+～\d+件目", page.text),
                                 re.findall(r"\d+件中 \d+～\d+件目", small.text))
                self.assertEqual([a.get("href") for a in page.dom.find_all("a") if "mystatus?" in a.get("href", "")],
                                 [a.get("href") for a in small.dom.find_all("a") if "mystatus?" in a.get("href", "")])


class RelistFixedPriceTest(JobPagesTest):
    def test_a_fixed_price_form_may_hold_its_price_as_the_start_price_alone(self):
        """relist_fixed_price "start": only fixed-price items lose their buy-now price, and only in the form."""
        records = [self.record(i["id"]) for i in self.items("closed-winner")[:12]]
        offer = next(r for r in records if r["sales_mode"] == "offer")
        buynow = next(r for r in records if r["sales_mode"] == "buynow")
        auction = next(r for r in records if r["sales_mode"] == "auction" and r["buynow_price"])
        self.control("POST", "/control/state", {"relist_fixed_price": {offer["id"]: "start", buynow["id"]: "start",
                                                                       auction["id"]: "start"}})
        for record, shown in ((offer, ""), (buynow, ""), (auction, str(auction["buynow_price"]))):
            with self.subTest(record["sales_mode"]):
                page = self.browser.open("%s/jp/show/resubmit?aID=%s" % (self.sell, record["id"]))
                values = values_of(form_pairs(page.dom.find("form", name="auction")))
                self.assertEqual(values["salesmode"], [record["sales_mode"]])
                self.assertEqual(values["StartPrice"], [str(record["start_price"])])
                self.assertEqual(values["BidOrBuyPrice"], [shown])
                self.assertEqual(self.record(record["id"])["buynow_price"], record["buynow_price"])


if __name__ == "__main__":
    unittest.main()
