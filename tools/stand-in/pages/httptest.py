"""Pages for the HTTP client's tests, under /test/ on every service host.

/test/echo                     the request as received (?format=json: as JSON)
/test/page                     a plain HTML page
/test/redirect/CODE/N          N redirects with status CODE, then the echo;
                               ?loc=path|absolute|relative|dot|scheme (form of
                               Location), ?to=HOST (hops go to that host),
                               ?final=URL (Location of the last hop);
                               N = "loop" redirects to itself for ever
/test/content-location         302 whose Content-Location comes before Location
/test/wrong-target             410: reached only by following Content-Location
/test/status/CODE              that status; ?location=, ?content-location=,
                               ?header=Name:%20value, ?body= add to the reply
                               in the order given
/test/charset/CHARSET/WHERE    fixtures/charset.html in CHARSET (shift_jis,
                               euc-jp, utf-8, iso-2022-jp), named in the
                               Content-Type header, in a meta tag inside the
                               head, in a meta tag of a page without head
                               ("header", "meta", "meta-nohead") or "none";
                               ?header=NAME / ?meta=NAME write another name
/test/lines/lf|crlf|mixed      text with those line ends
/test/bytes/N                  N bytes of a repeating ASCII pattern
/test/reset/once/KEY           no reply on the first request for KEY, then a page
/test/reset/always[/...]       never a reply
                               (?mode=rst: TCP reset, the default; close: a
                               clean close; partial: headers and part of the
                               body, then a reset)
/test/slow                     body trickled: ?chunks=5&delay=0.5&size=1024,
                               ?wait=SECONDS before the headers,
                               ?te=length|chunked|close
/test/cookie/set?NAME=VALUE..  one Set-Cookie per pair (path=/); ?_next=URL
                               makes it a 302 to URL
/test/cookie/setraw?h=VALUE..  one Set-Cookie header per h, written as given
/test/cookie/echo              the Cookie header(s) received, one per line
"""

from .site import (PY_CODECS, NO_BODY, Response, fixture_text, html_escape,
                   not_found)

PATTERN = b"abcdefghijklmnopqrstuvwxyz0123456789"

CHARSET_NAMES = {
    "shift_jis": "Shift_JIS",
    "euc-jp": "EUC-JP",
    "utf-8": "UTF-8",
    "iso-2022-jp": "ISO-2022-JP",
}


def register(router):
    router.add("*", "/test/echo", echo)
    router.add("*", "/test/page", plain_page)
    router.add_prefix("*", "/test/redirect/", redirect_chain)
    router.add("*", "/test/content-location", content_location)
    router.add("*", "/test/wrong-target", wrong_target)
    router.add_prefix("*", "/test/status/", status_page)
    router.add_prefix("*", "/test/charset/", charset_page)
    router.add_prefix("*", "/test/lines/", lines_page)
    router.add_prefix("*", "/test/bytes/", bytes_page)
    router.add_prefix("*", "/test/reset/once/", reset_once)
    router.add("*", "/test/reset/always", reset_always)
    router.add_prefix("*", "/test/reset/always/", lambda req, rest: reset_always(req))
    router.add("*", "/test/slow", slow_page)
    router.add("*", "/test/cookie/set", cookie_set)
    router.add("*", "/test/cookie/setraw", cookie_setraw)
    router.add("*", "/test/cookie/echo", cookie_echo)


def bad_request(text):
    return Response.text(text + "\n", status=400)


def echo(req):
    if req.param("format") == "json":
        return Response.json(req.standin.describe(req))
    return Response(200, req.raw_head() + req.body, "text/plain")


def plain_page(req):
    return Response.html("<html><head><title>test page</title></head>"
                         "<body><p id=\"host\">%s</p><p id=\"path\">%s</p></body></html>\n"
                         % (req.host, html_escape(req.target)))


def redirect_chain(req, rest):
    parts = rest.split("/")
    if len(parts) != 2 or not parts[0].isdigit():
        return not_found(req)
    code = int(parts[0])
    hops = parts[1]
    if not 300 <= code <= 399:
        return bad_request("not a redirect status: %d" % code)
    if hops == "loop":
        following = "loop"
    elif hops.isdigit():
        if int(hops) == 0:
            return echo(req)
        following = str(int(hops) - 1)
    else:
        return not_found(req)

    to = req.param("to")
    if to is not None and to not in req.standin.origins:
        return bad_request("unknown host: %s" % to)
    base = req.origin_of(to) if to else req.origin
    final = req.param("final")
    if final is not None and following == "0":
        if final.startswith("/") and to:
            final = base + final
        return Response.redirect(code, final)

    query = "?" + req.query if req.query else ""
    path = "/test/redirect/%d/%s%s" % (code, following, query)
    style = req.param("loc", "path")
    if style == "absolute" or (to and style in ("path", "relative", "dot")):
        location = base + path
    elif style == "path":
        location = path
    elif style == "relative":
        location = following + query
    elif style == "dot":
        location = "./" + following + query
    elif style == "scheme":
        location = base[base.index("//"):] + path
    else:
        return bad_request("unknown loc: %s" % style)
    return Response.redirect(code, location)


def content_location(req):
    # A reader that searches the raw headers for "location:" finds this one first.
    return Response.redirect(302, "/test/echo",
                             headers=[("Content-Location", "/test/wrong-target")])


def wrong_target(req):
    return Response.html("<html><body><p>wrong target</p></body></html>\n", status=410)


def status_page(req, rest):
    if not rest.isdigit() or not 100 <= int(rest) <= 599:
        return not_found(req)
    code = int(rest)
    headers = []
    body = None
    for key, value in req.params():
        if key == "location":
            headers.append(("Location", value))
        elif key == "content-location":
            headers.append(("Content-Location", value))
        elif key == "header":
            name, sep, text = value.partition(":")
            if not sep or not name.strip():
                return bad_request("header needs Name: value")
            headers.append((name.strip(), text.strip()))
        elif key == "body":
            body = value
    if body is None:
        body = "<html><head><title>%d</title></head><body><h1>%d</h1></body></html>\n" % (code, code)
    if code in NO_BODY:
        body = ""
    return Response(code, body.encode("utf-8"), "text/html; charset=UTF-8", headers)


def charset_page(req, rest):
    charset, _, where = rest.partition("/")
    if charset not in CHARSET_NAMES or where not in ("header", "meta", "meta-nohead", "none"):
        return not_found(req)
    name = CHARSET_NAMES[charset]
    meta_name = req.param("meta", name)
    header_name = req.param("header", name)
    text = fixture_text("charset.html")
    meta = ""
    if where in ("meta", "meta-nohead"):
        meta = '<meta http-equiv="Content-Type" content="text/html; charset=%s">\n' % meta_name
    text = text.replace("{meta}", meta)
    if where == "meta-nohead":
        text = text.replace("<head>\n", "").replace("</head>\n", "")
    body = text.encode(PY_CODECS[charset])
    content_type = "text/html"
    if where == "header":
        content_type += "; charset=%s" % header_name
    return Response(200, body, content_type)


def lines_page(req, rest):
    bodies = {
        "lf": b"line 1\nline 2\nline 3\n",
        "crlf": b"line 1\r\nline 2\r\nline 3\r\n",
        "mixed": b"line 1\r\nline 2\nline 3\r\n",
    }
    if rest not in bodies:
        return not_found(req)
    return Response.text(bodies[rest])


def bytes_page(req, rest):
    if not rest.isdigit():
        return not_found(req)
    count = int(rest)
    body = (PATTERN * (count // len(PATTERN) + 1))[:count]
    return Response.text(body)


def failure(req):
    mode = req.param("mode", "rst")
    if mode == "rst":
        return Response.fail("reset")
    if mode == "close":
        return Response.fail("close")
    if mode == "partial":
        resp = Response.text(PATTERN * 100)
        resp.action = "partial"
        return resp
    return bad_request("unknown mode: %s" % mode)


def reset_once(req, rest):
    if not rest:
        return not_found(req)
    hits = req.hit("reset/" + rest)
    if hits == 1:
        return failure(req)
    return Response.html("<html><body><p id=\"key\">%s</p><p id=\"hits\">%d</p></body></html>\n"
                         % (html_escape(rest), hits))


def reset_always(req):
    return failure(req)


def number(req, name, default, kind=float):
    value = req.param(name)
    if value is None:
        return default
    try:
        return kind(value)
    except ValueError:
        return None


def slow_page(req):
    chunks = number(req, "chunks", 5, int)
    delay = number(req, "delay", 0.5)
    size = number(req, "size", 1024, int)
    wait = number(req, "wait", 0.0)
    te = req.param("te", "length")
    if None in (chunks, delay, size, wait) or chunks < 1 or size < 16 or te not in ("length", "chunked", "close"):
        return bad_request("bad chunks, delay, size, wait or te")
    body = b""
    for index in range(1, chunks + 1):
        piece = ("chunk %d " % index).encode("ascii")
        body += piece + b"." * (size - len(piece) - 1) + b"\n"
    resp = Response.text(body)
    resp.chunks = chunks
    resp.delay = delay
    resp.wait = wait
    resp.transfer = te
    return resp


def cookie_page(req, cookies):
    headers = [("Set-Cookie", value) for value in cookies]
    target = req.param("_next")
    if target is not None:
        return Response.redirect(302, target, headers=headers)
    return Response.html("<html><body><p>%d cookies set</p></body></html>\n" % len(cookies),
                         headers=headers)


def cookie_set(req):
    return cookie_page(req, ["%s=%s; path=/" % (key, value)
                             for key, value in req.params() if key != "_next"])


def cookie_setraw(req):
    return cookie_page(req, [value for key, value in req.params() if key == "h"])


def cookie_echo(req):
    values = req.header_all("Cookie")
    return Response.text("".join(value + "\n" for value in values))
