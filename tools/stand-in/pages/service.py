"""What the service's pages share: its names, demo accounts, the session
kept in a cookie, the clock, and the writing of a page in a charset.

Scenario values read here (POST /control/state):
  service_name  false: no page names the service (titles and texts)
  show_user     an ID that signed-in pages show instead of the session's
  lapse_now     true: every session ends at the next signed-in page (the
                value is removed once applied)
  lapse_after   n: a session serves n signed-in pages, then lapses
  auto_login    an ID: the first signed-in page without a session since the
                reset starts one for that ID (its cookie comes with the reply)
  clock         "YYYY-MM-DD HH:MM": the local time the pages and the demo
                data are written at (default: the time of the last reset)
"""

import calendar
import secrets
import time
from urllib.parse import quote

from .site import PY_CODECS, Response, html_escape

SESSION_COOKIE = "sess"

# The service's names as its pages print them.
PORTAL_NAME = "Yahoo! JAPAN"
AUCTION_NAME = "Yahoo!オークション"


class Account:
    def __init__(self, user, password, otp):
        self.user = user
        self.password = password
        self.otp = otp  # the one-time password the protected host accepts

    def describe(self):
        return {"user": self.user, "password": self.password, "otp": self.otp}


ACCOUNTS = [
    Account("demo_seller1", "pass-seller1", "123456"),
    Account("demo_seller2", "pass-seller2", "654321"),
]


def find_account(user):
    """The demo account of an ID; IDs compare without case."""
    for account in ACCOUNTS:
        if user is not None and account.user.lower() == user.lower():
            return account
    return None


def named(req):
    return req.state.get("service_name", True) is not False


def auction_name(req):
    return AUCTION_NAME if named(req) else "オークション"


def portal_name(req):
    return PORTAL_NAME if named(req) else "ポータル"


def id_label(req):
    return PORTAL_NAME + " ID" if named(req) else "ID"


# The clock. The service writes and reads Japan's time whatever zone the
# machine running the stand-in is in.
JAPAN_OFFSET = 9 * 3600
CLOCK_FORMATS = ("%Y-%m-%d %H:%M:%S", "%Y-%m-%d %H:%M", "%Y-%m-%dT%H:%M:%S", "%Y-%m-%dT%H:%M")


def parse_clock(text):
    for form in CLOCK_FORMATS:
        try:
            return calendar.timegm(time.strptime(text, form)) - JAPAN_OFFSET
        except ValueError:
            pass
    raise ValueError("clock is YYYY-MM-DD HH:MM[:SS]: %r" % text)


def clock(req):
    """Seconds since the epoch: the scenario's clock, else the minute of the last reset."""
    text = req.state.get("clock")
    if text:
        return parse_clock(str(text))
    return int(req.standin.reset_time) // 60 * 60


def list_date(seconds):
    """A time as the status pages write it, without the year: "1月3日 10時00分"."""
    t = time.gmtime(seconds + JAPAN_OFFSET)
    return "%d月%d日 %d時%02d分" % (t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min)


# Sessions.
class Visit:
    """Who a request is signed in as, and the cookies its reply sets."""

    def __init__(self, user=None, session_user=None, headers=None):
        self.user = user  # the ID the page shows (None: signed out)
        self.session_user = session_user  # the ID of the session itself
        self.headers = list(headers or [])


def session_cookie(token):
    return "%s=%s; path=/" % (SESSION_COOKIE, token)


def expired_cookie():
    return "%s=; path=/; expires=Thu, 01 Jan 1970 00:00:00 GMT" % SESSION_COOKIE


def start_session(req, user):
    """A new session for user; returns its Set-Cookie header."""
    token = secrets.token_hex(16)
    with req.standin.lock:
        req.standin.store.setdefault("sessions", {})[token] = {"user": user, "uses": 0}
    return ("Set-Cookie", session_cookie(token))


def end_session(req):
    """Ends the request's session(s); returns the header that clears the cookie."""
    tokens = req.cookie(SESSION_COOKIE)
    with req.standin.lock:
        sessions = req.standin.store.setdefault("sessions", {})
        for token in tokens:
            sessions.pop(token, None)
    return ("Set-Cookie", expired_cookie())


def visit(req):
    """The signed-in page's view of the session; one use of it."""
    state = req.state
    lapse_after = state.get("lapse_after")
    auto = state.get("auto_login")
    tokens = req.cookie(SESSION_COOKIE)
    headers = []
    user = None
    with req.standin.lock:
        store = req.standin.store
        sessions = store.setdefault("sessions", {})
        lapsed_now = bool(state.get("lapse_now"))
        if lapsed_now:
            sessions.clear()
        token = next((t for t in tokens if t in sessions), None)
        if token is None and auto and not store.get("auto_used"):
            store["auto_used"] = True
            token = secrets.token_hex(16)
            sessions[token] = {"user": str(auto), "uses": 0}
            headers.append(("Set-Cookie", session_cookie(token)))
        if token is not None:
            session = sessions[token]
            if lapse_after is not None and session["uses"] >= int(lapse_after):
                del sessions[token]
            else:
                session["uses"] += 1
                user = session["user"]
    if lapsed_now:
        req.standin.update_state({"lapse_now": None})
    shown = user
    if user is not None and state.get("show_user"):
        shown = str(state["show_user"])
    return Visit(shown, user, headers)


def sessions_read(req):
    with req.standin.lock:
        store = req.standin.store
        return {"sessions": [dict(s) for s in store.get("sessions", {}).values()],
                "auto_used": bool(store.get("auto_used"))}


# Addresses of the service's pages on the stand-in's origins.
NOTICE_PATH = "/topic/notice/"


def done_address(req):
    return req.origin_of("auctions") + NOTICE_PATH


def login_url(req, done):
    return "%s/config/login?.src=auc&lg=jp&.done=%s" % (req.origin_of("login"), quote(done, safe=""))


def logout_url(req, done):
    return "%s/config/login?logout=1&.src=auc&lg=jp&.intl=jp&.done=%s" % (
        req.origin_of("login"), quote(done, safe=""))


def own_url(req):
    return req.origin + req.target


def to_login(req, visit_=None):
    """The service's answer to a signed-in page without a session."""
    headers = visit_.headers if visit_ is not None else []
    return Response.redirect(302, login_url(req, own_url(req)), headers=headers)


# Pages.
CHARSET_NAMES = {"shift_jis": "Shift_JIS", "euc-jp": "EUC-JP", "utf-8": "UTF-8"}


def charset_name(value, default="UTF-8"):
    """The name a page writes for a charset value of the scenario."""
    if value is None:
        return default
    name = CHARSET_NAMES.get(str(value).lower())
    if name is None:
        raise ValueError("unknown charset %r" % value)
    return name


def page(title, body, charset="UTF-8", where="both", status=200, headers=None, head=""):
    """A whole page in charset, named in the Content-Type header, in a meta
    tag, or both (where = "header", "meta" or "both")."""
    meta = ""
    if where in ("meta", "both"):
        meta = '<meta http-equiv="Content-Type" content="text/html; charset=%s">\n' % charset
    text = ("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
            "<html lang=\"ja\">\n<head>\n%s<title>%s</title>\n%s</head>\n<body>\n%s</body>\n</html>\n"
            % (meta, html_escape(title), head, body))
    codec = PY_CODECS[charset.lower()]
    if codec == "euc_jp":
        text = text.replace("\uff5e", "\u301c")  # the wave dash as JIS writes it
    data = text.encode(codec)
    content_type = "text/html"
    if where in ("header", "both"):
        content_type += "; charset=%s" % charset
    return Response(status, data, content_type, headers)


def masthead(req, user):
    """The auction pages' masthead: the ID in a#msthdLoginName, no greeting."""
    if user is None:
        who = '<li><a href="%s">ログイン</a></li>' % html_escape(login_url(req, own_url(req)))
    else:
        who = ('<li><a id="msthdLoginName" href="%s/user/%s">%s</a> さん</li>'
               '<li><a href="%s">ログアウト</a></li>'
               % (req.origin_of("auctions"), html_escape(quote(user)), html_escape(user),
                  html_escape(logout_url(req, req.origin_of("auctions") + "/"))))
    return ('<div id="msthd">\n<p class="msthdLogo"><a href="%s/">%s</a></p>\n'
            '<ul class="msthdUser">%s<li><a href="%s/help/">ヘルプ</a></li></ul>\n</div>\n'
            % (req.origin_of("auctions"), html_escape(auction_name(req)), who, req.origin_of("auctions")))


# A transparent 1x1 GIF: every icon of the image host.
PIXEL_GIF = (b"GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00"
             b",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;")


def image(req, rest):
    if not rest.endswith(".gif"):
        return Response.html("<html><body>Not Found</body></html>\n", status=404)
    return Response(200, PIXEL_GIF, "image/gif")
