"""What the pages of the item jobs share: per-item scenario switches, page
tokens, posted forms read in a charset, the pages' frame and the records of
what the jobs did (read through the control origin).

A switch of these pages (POST /control/state) is a value for every item, or
an object {auction ID: value, "*": value for the others}; a yes/no switch
also takes a list of auction IDs. A value {"value": V, "times": n} applies to
the first n requests that ask for it (per item), then the default holds.
"""

import secrets

from . import demo
from .service import CHARSET_NAMES, auction_name, charset_name, clock, masthead, page, to_login, visit
from .site import PY_CODECS, Answer, html_escape


def switch(req, key, aid=None, default=None):
    """The scenario value of key for the item aid."""
    state = req.state
    if key not in state:
        return default
    value = state[key]
    if isinstance(value, list):
        return aid in value
    if isinstance(value, dict) and "value" not in value:
        if aid in value:
            value = value[aid]
        elif "*" in value:
            value = value["*"]
        else:
            return default
    if isinstance(value, dict) and "value" in value:
        times = value.get("times")
        if times is not None:
            with req.standin.lock:
                uses = req.standin.store.setdefault("switch_uses", {})
                uses[(key, aid)] = uses.get((key, aid), 0) + 1
                if uses[(key, aid)] > int(times):
                    return default
        return value["value"]
    return value


def page_charset(req, key, default):
    """The charset name a family of pages is written in (switch key)."""
    return charset_name(req.state.get(key), default)


def sell_charset(req):
    """The charset of the sell host's pages."""
    return page_charset(req, "sell_charset", "EUC-JP")


def named_charset(req, key, aid):
    """The charset a final button names by the switch key ("utf-8" by default; None for "none": it names none)."""
    how = switch(req, key, aid, "utf-8")
    if how == "none":
        return None
    name = CHARSET_NAMES.get(str(how).lower())
    if name is None:
        raise ValueError("unknown %s %r" % (key, how))
    return name


def codec(charset):
    return PY_CODECS[charset.lower()]


def posted(req, charset):
    """The pairs of a url-encoded POST in order, decoded in charset."""
    name = codec(charset)
    return [(k.decode(name, "replace"), v.decode(name, "replace")) for k, v in req.form_bytes()]


def first(pairs, name, default=""):
    for key, value in pairs:
        if key == name:
            return value
    return default


def last(pairs, name, default=""):
    for key, value in reversed(pairs):
        if key == name:
            return value
    return default


def new_token(req, **info):
    """A page token ("crumb") the next post of a form must carry; info: what
    the page that gave it out decided (read back with token_info)."""
    token = secrets.token_hex(10)
    with req.standin.lock:
        req.standin.store.setdefault("crumbs", {})[token] = info
    return token


def token_info(req, token):
    """What was kept with a token given out, or None for an unknown one."""
    with req.standin.lock:
        info = req.standin.store.setdefault("crumbs", {}).get(token)
    return None if info is None else dict(info)


def token_ok(req, token):
    return token_info(req, token) is not None


def raw_field(req, name):
    """A posted field's value read as ASCII (IDs and tokens), before the charset is known."""
    for key, value in req.form_bytes():
        if key == name.encode("ascii"):
            return value.decode("ascii", "replace")
    return ""


def signed_in(req):
    """The visit of a signed-in page; without a session the page answers with the log-in page."""
    v = visit(req)
    if v.user is None:
        raise Answer(to_login(req, v))
    return v


def find_item(req, aid):
    """The service's record of an item (demo.detail), or None."""
    return demo.find(aid, clock(req), req.state.get("list_counts"))


def hidden(name, value):
    return '<input type="hidden" name="%s" value="%s">\n' % (html_escape(name), html_escape(value))


def frame(req, v, title, body, charset, status=200):
    """A signed-in page of the auction hosts: the masthead, then body. With the
    switch "page_bytes" (a number) the page carries what the service's own
    pages carry beside their content, scripts in its head and the site's
    links below, until it is about that long."""
    head, foot = service_weight(int(req.state.get("page_bytes") or 0) - len(body))
    return page("%s - %s" % (auction_name(req), title), masthead(req, v.user) + body + foot, charset,
                status=status, headers=v.headers, head=head)


def service_weight(size):
    """The head scripts and the footer links of the service's pages, of about size characters."""
    if size <= 0:
        return "", ""
    lines, links = [], []
    script_size = size * 2 // 3
    n = 0
    while sum(len(line) for line in lines) < script_size:
        lines.append("  window.YAHOO.ads.slots.push({id: \"ad%05d\", size: [300, 250], pos: \"sell\", "
                     "targeting: {cat: \"2084%06d\", page: \"resubmit\"}});\n" % (n, n))
        n += 1
    head = '<script type="text/javascript">\nwindow.YAHOO = window.YAHOO || {ads: {slots: []}};\n%s</script>\n' % (
        "".join(lines))
    n = 0
    while sum(len(link) for link in links) < size - script_size:
        links.append('<li><a href="/category/2084%06d/">カテゴリ%d</a></li>\n' % (n, n))
        n += 1
    return head, '<div id="ftr">\n<ul class="ftrLinks">\n%s</ul>\n</div>\n' % "".join(links)


def title_bar(text):
    return '<div id="modTitBar"><h1>%s</h1></div>\n' % html_escape(text)


def error_box(text):
    """The service's error block above a form."""
    return '<div class="decErrorBox"><p>%s</p></div>\n' % html_escape(text)


def alert_box(head, body=""):
    """The service's message box: a heading block and a body block."""
    inner = '<div class="untHead">%s</div>\n' % html_escape(head) if head else ""
    if body:
        inner += '<div class="untBody">%s</div>\n' % html_escape(body)
    return '<div id="modAlertBox">\n%s</div>\n' % inner


def record(req, kind):
    """The store of one kind of record; use under req.standin.lock."""
    return req.standin.store.setdefault(kind, {})


def records_read(kind):
    """A control read that returns one kind of record as JSON."""
    def read(req):
        aid = req.param("aID")
        with req.standin.lock:
            records = json_copy(record(req, kind))
        if aid is not None:
            records = {aid: records[aid]} if aid in records else {}
        return {kind: records}
    return read


def json_copy(value):
    if isinstance(value, dict):
        return {str(k): json_copy(v) for k, v in value.items()}
    if isinstance(value, (list, tuple, set)):
        return [json_copy(v) for v in value]
    return value
