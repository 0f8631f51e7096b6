"""What a page of the stand-in sees and returns, and the routing table.

A page is a function ``page(req) -> Response`` registered for a host and a
path (or a path prefix). Host "*" serves a path on every service host.
"""

import json
import os
from urllib.parse import parse_qsl, unquote_to_bytes

# The service's hosts, each served on its own origin. The client keeps one
# table of these; each entry can be replaced by an origin in its settings.
HOSTS = [
    ("auctions", "auction service: top page, notice page (/topic/notice/), the signed-in operation page, seller pages, feedback and featured-amount pages"),
    ("login", "log-in host: /config/login (form, post, log-out), /config/login_verify2"),
    ("protected_login", "protected log-in host: one-time password (POST /otp)"),
    ("portal", "portal top page"),
    ("sell", "selling host: re-listing, preview and description-addition forms"),
    ("openlist", "open-list host: status page of the selling list"),
    ("closedlist", "closed-list host: status pages of the closed and won lists, removals"),
    ("item", "item page host (/jp/auction/ID)"),
    ("points", "points service host (/book links)"),
    ("images", "image host (/images/...: icons of the status pages)"),
    ("trading", "trading system host (/trs/announcement.html)"),
    ("contact", "contact-settings host (/setting/top?fnavi=2)"),
]
HOST_NAMES = [name for name, _ in HOSTS]

FIXTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")


def fixture_bytes(name):
    with open(os.path.join(FIXTURES, name), "rb") as f:
        return f.read()


def fixture_text(name):
    return fixture_bytes(name).decode("utf-8")


class Request:
    """One request as received, with access to the stand-in's shared state."""

    def __init__(self, standin, host, method, target, version, headers, body):
        self.standin = standin
        self.host = host  # short name of the service host
        self.method = method
        self.target = target  # path and query exactly as sent
        self.version = version
        self.headers = headers  # [(name, value)] in order received
        self.body = body  # bytes
        path, _, query = target.partition("?")
        self.path = path
        self.query = query

    @property
    def origin(self):
        return self.standin.origins[self.host]

    def origin_of(self, host):
        return self.standin.origins[host]

    def params(self):
        """Query pairs in order, percent-decoded as text (UTF-8)."""
        return parse_qsl(self.query, keep_blank_values=True)

    def param(self, name, default=None):
        for key, value in self.params():
            if key == name:
                return value
        return default

    def form_bytes(self):
        """A url-encoded body as byte pairs: posted text keeps its own charset."""
        pairs = []
        for item in self.body.split(b"&"):
            if not item:
                continue
            key, _, value = item.partition(b"=")
            pairs.append((unquote_to_bytes(key.replace(b"+", b" ")),
                          unquote_to_bytes(value.replace(b"+", b" "))))
        return pairs

    def header(self, name, default=None):
        lower = name.lower()
        for key, value in self.headers:
            if key.lower() == lower:
                return value
        return default

    def header_all(self, name):
        lower = name.lower()
        return [value for key, value in self.headers if key.lower() == lower]

    def cookie(self, name):
        """The values of a cookie, in the order the client sent them."""
        values = []
        for line in self.header_all("Cookie"):
            for pair in line.split(";"):
                key, sep, value = pair.strip().partition("=")
                if sep and key == name:
                    values.append(value)
        return values

    @property
    def state(self):
        """A copy of the scenario values set through the control origin."""
        return self.standin.get_state()

    def hit(self, key):
        """Counts requests for a key since the last reset; returns the count."""
        return self.standin.hit(key)

    def raw_head(self):
        lines = ["%s %s %s" % (self.method, self.target, self.version)]
        lines += ["%s: %s" % (k, v) for k, v in self.headers]
        return ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1", "replace")


class Response:
    """A reply, or a way of not replying.

    action: None (a normal reply), "reset" (close with a TCP reset, no reply),
    "close" (close cleanly, no reply) or "partial" (headers and part of the
    body, then a reset).
    wait: seconds before anything is sent. chunks/delay: the body is sent in
    that many pieces with a pause before each piece after the first.
    transfer: "length" (Content-Length), "chunked" or "close" (body ends with
    the connection).
    """

    def __init__(self, status=200, body=b"", content_type="text/html; charset=UTF-8",
                 headers=None):
        self.status = status
        self.headers = list(headers or [])
        if content_type is not None and body is not None and status not in NO_BODY:
            self.headers.insert(0, ("Content-Type", content_type))
        self.body = body if isinstance(body, bytes) else body.encode("utf-8")
        self.action = None
        self.wait = 0.0
        self.chunks = 1
        self.delay = 0.0
        self.transfer = "length"

    @classmethod
    def fail(cls, action):
        resp = cls(status=0, body=b"", content_type=None)
        resp.action = action
        # A reset that comes while the client still sends is, for some
        # clients, an empty reply: wait until it reads.
        resp.wait = 0.05
        return resp

    @classmethod
    def html(cls, text, status=200, charset="UTF-8", headers=None):
        body = text.encode(PY_CODECS.get(charset.lower(), charset)) if isinstance(text, str) else text
        return cls(status, body, "text/html; charset=%s" % charset, headers)

    @classmethod
    def text(cls, body, status=200, content_type="text/plain; charset=UTF-8", headers=None):
        return cls(status, body, content_type, headers)

    @classmethod
    def json(cls, value, status=200):
        body = json.dumps(value).encode("ascii")  # \u escapes: no charset question
        return cls(status, body, "application/json; charset=UTF-8")

    @classmethod
    def redirect(cls, status, location, headers=None):
        page = "<html><head><title>%d</title></head><body><a href=\"%s\">%s</a></body></html>\n" % (
            status, html_escape(location), html_escape(location))
        return cls(status, page.encode("utf-8"), "text/html; charset=UTF-8",
                   list(headers or []) + [("Location", location)])


# Replies that carry no body by the protocol's rules.
NO_BODY = {204, 304} | set(range(100, 200))

# Charset names as the service writes them, and Python's codecs for them.
PY_CODECS = {
    "shift_jis": "cp932",
    "euc-jp": "euc_jp",
    "utf-8": "utf-8",
    "iso-2022-jp": "iso2022_jp",
}


def html_escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


def not_found(req):
    return Response.html("<html><head><title>404 Not Found</title></head>"
                         "<body><h1>Not Found</h1></body></html>\n", status=404)


class Router:
    """Pages by (host, path): exact paths first, then the longest prefix.

    Reads of the control origin that pages add: controls[path](req) -> a
    JSON value, for GET /control/...
    """

    def __init__(self):
        self.exact = {}
        self.prefixes = []
        self.controls = {}

    def add_control(self, path, read):
        self.controls[path] = read

    def add(self, host, path, page):
        if host != "*" and host not in HOST_NAMES:
            raise ValueError("unknown host %r" % host)
        self.exact[(host, path)] = page

    def add_prefix(self, host, prefix, page):
        """page(req, rest): rest is the path behind the prefix."""
        if host != "*" and host not in HOST_NAMES:
            raise ValueError("unknown host %r" % host)
        self.prefixes.append((host, prefix, page))
        self.prefixes.sort(key=lambda entry: (-len(entry[1]), entry[0] == "*"))

    def add_fixture(self, host, path, name, charset="UTF-8", content_type="text/html"):
        """Serves a file of fixtures/ (kept in UTF-8) converted to charset."""
        codec = PY_CODECS.get(charset.lower(), charset)

        def page(req):
            body = fixture_text(name).encode(codec)
            return Response(200, body, "%s; charset=%s" % (content_type, charset))
        self.add(host, path, page)

    def find(self, host, path):
        for key in ((host, path), ("*", path)):
            if key in self.exact:
                return self.exact[key]
        for page_host, prefix, page in self.prefixes:
            if page_host in (host, "*") and path.startswith(prefix):
                rest = path[len(prefix):]
                return lambda req, page=page, rest=rest: page(req, rest)
        return not_found

    def serve(self, req):
        """The reply of the request's page (or the Answer it raised)."""
        try:
            return self.find(req.host, req.path)(req)
        except Answer as answer:
            return answer.response


class Answer(Exception):
    """Raised by a page's helper to answer at once (a log-in redirect, a refusal)."""

    def __init__(self, response):
        super().__init__(response.status)
        self.response = response
