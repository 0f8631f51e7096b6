"""The status pages of the signed-in seller's four lists (/jp/show/mystatus)
and the removal of items from the closed and won lists.

openlist host    ?select=selling&alocale=0jp&s1=end&o1=a
closedlist host  ?select=closed&hasWinner=1, ?select=closed&hasWinner=0, ?select=won
From the second page on "&apg=n"; 50 rows a page. Without a session the
service sends its log-in page. The lists hold the demo items (demo.py; the
scenario value "list_counts" makes them longer or shorter); "page_bytes"
gives the pages the service's weight (jobpages.frame).

closedlist host  POST /jp/config/removeclosed (closed lists, by "hasWinner")
                 and /jp/config/removebid (won list): the page's removal form
                 with repeated "aidlist[]"; a redirect to ".done" (the list
                 without those items) or an error page (nothing removed).
                 Per list the stand-in keeps the IDs removed and the posts
                 (GET /control/removals).
"""

from urllib.parse import quote

from . import demo
from .jobpages import error_box, record, records_read, service_weight, signed_in, switch, title_bar
from .service import ACCOUNTS, auction_name, charset_name, clock, list_date, masthead, page, to_login, visit
from .site import Response, html_escape, not_found

ROWS_PER_PAGE = 50

# (host, query of the list, title of the list, text of an empty list)
LISTS = {
    "selling": ("openlist", "select=selling&alocale=0jp&s1=end&o1=a", "出品中", "出品中の商品はありません。"),
    "closed-winner": ("closedlist", "select=closed&hasWinner=1", "出品終了（落札者あり）",
                      "落札者ありの終了分はありません。"),
    "closed-nowinner": ("closedlist", "select=closed&hasWinner=0", "出品終了（落札者なし）",
                        "落札者なしの終了分はありません。"),
    "won": ("closedlist", "select=won", "落札分", "落札分の商品はありません。"),
}

HEADERS = {
    "selling": ["商品ID", "商品名", "現在価格", "アフィリエイト", "入札数", "最高額入札者", "残り時間", "操作",
                "交渉", "ウォッチリスト"],
    "closed-winner": ["選択", "商品ID", "商品名", "現在価格", "アフィリエイト", "入札数", "最高額入札者", "終了日時",
                      "評価", "操作", "最高落札価格", "最高額落札者", "落札者", "最新のメッセージ", "取引", "再出品"],
    "closed-nowinner": ["選択", "商品ID", "商品名", "現在価格", "アフィリエイト", "入札数", "最高額入札者",
                        "終了日時", "操作", "最高入札価格", "再出品"],
    "won": ["選択", "商品ID", "商品名", "出品者", "入札数", "落札価格", "評価", "終了日時", "取引"],
}

# Header cells that sort the list: their links carry the list's own query.
SORT_KEYS = {"商品名": "title", "現在価格": "cbids", "入札数": "bids", "残り時間": "end", "終了日時": "end"}

WINNER_LIST_TEXT = "落札者一覧"
HIGHLIGHT = "#FFFF99"
ROW_COLOURS = ("#FFFFFF", "#F8F8F8")


REMOVAL_PATHS = {"/jp/config/removeclosed": ("closed-winner", "closed-nowinner"), "/jp/config/removebid": ("won",)}
REMOVAL_LIMIT = 50


def register(router):
    router.add("openlist", "/jp/show/mystatus", mystatus)
    router.add("closedlist", "/jp/show/mystatus", mystatus)
    for path in REMOVAL_PATHS:
        router.add("closedlist", path, remove)
    router.add_control("/control/items", items_read)
    router.add_control("/control/removals", records_read("removals"))


def list_items(req, user, name, now):
    """A list's items as its pages show them: without those removed from it."""
    with req.standin.lock:
        gone = set(record(req, "removals").get(name, {}).get("ids", []))
        featured = {aid for aid, entry in record(req, "featured").items() if entry.get("amounts")}
    rows = [item for item in demo.items(user, name, now, req.state.get("list_counts")) if item["id"] not in gone]
    if name == "selling":
        for item in rows:
            item["featured"] = item["featured"] or item["id"] in featured
    return rows


def list_of(req):
    select = req.param("select")
    if req.host == "openlist":
        return "selling" if select == "selling" else None
    if select == "closed":
        return {"1": "closed-winner", "0": "closed-nowinner"}.get(req.param("hasWinner"))
    return "won" if select == "won" else None


def list_url(req, name, page_number=1):
    host, query = LISTS[name][:2]
    url = "%s/jp/show/mystatus?%s" % (req.origin_of(host), query)
    return url if page_number <= 1 else "%s&apg=%d" % (url, page_number)


def list_path(name, page_number):
    query = LISTS[name][1]
    return "/jp/show/mystatus?%s&apg=%d" % (query, page_number)


def empty_lists(state):
    value = state.get("status_empty")
    if value is True:
        return set(LISTS)
    if isinstance(value, str):
        return {value}
    return set(value or [])


def page_number(req):
    text = req.param("apg", "1")
    return int(text) if text.isdigit() and int(text) > 0 else 1


def mystatus(req):
    name = list_of(req)
    if name is None:
        return not_found(req)
    state = req.state
    if state.get("status_error"):
        code = int(state["status_error"])
        return Response.html("<html><head><title>%d</title></head><body><h1>%d</h1>"
                             "<p>ただいまアクセスが集中しています。</p></body></html>\n" % (code, code), status=code)
    v = visit(req)
    if v.user is None:
        return to_login(req, v)
    now = clock(req)
    rows = [] if name in empty_lists(state) else list_items(req, v.session_user, name, now)
    number = page_number(req)
    charset = charset_name(state.get("status_charset"), "Shift_JIS")
    where = state.get("status_charset_in", "both")
    if where not in ("both", "header", "meta"):
        raise ValueError("status_charset_in is both, header or meta: %r" % where)
    body = masthead(req, v.user) + tabs(req, name) + list_body(req, name, rows, number)
    head, foot = service_weight(int(state.get("page_bytes") or 0) - len(body))
    return page("%s - マイ・オークション - %s" % (auction_name(req), LISTS[name][2]), body + foot, charset, where,
                headers=v.headers, head=head)


def tabs(req, current):
    links = []
    for name, (_, _, title, _) in LISTS.items():
        if name == current:
            links.append('<li class="current">%s</li>' % title)
        else:
            links.append('<li><a href="%s">%s</a></li>' % (html_escape(list_url(req, name)), title))
    return '<ul id="myauctab">%s</ul>\n' % "".join(links)


def list_body(req, name, rows, number):
    total = len(rows)
    first = (number - 1) * ROWS_PER_PAGE
    shown = rows[first:first + ROWS_PER_PAGE]
    if not shown:
        if name == "selling":
            return '<p class="empty">%s</p>\n' % LISTS[name][3]
        return removal_form(req, name, '<p class="empty">%s</p>\n' % LISTS[name][3])
    count = '<p class="count">%s件中 %d～%d件目</p>\n' % ("{:,}".format(total), first + 1, first + len(shown))
    pages = -(-total // ROWS_PER_PAGE)
    table_rows = [header_row(req, name)]
    for offset, item in enumerate(shown):
        table_rows.append(item_row(req, name, item, first + offset))
    navigation = pager(name, number, pages)
    if name == "selling":
        # A summary row with a colour comes before the header; a footer row after the items.
        summary = ('<table class="summary"><tr bgcolor="#EEEEEE"><td>出品中の商品</td><td>%s件</td></tr></table>\n'
                   % "{:,}".format(total))
        footer = '<tr bgcolor="#EEEEEE"><td colspan="%d">%s</td></tr>\n' % (len(HEADERS[name]), navigation)
        return (summary + count + '<table class="list" border="0" cellspacing="1" cellpadding="2">\n'
                + "".join(table_rows) + footer + "</table>\n")
    button = ('<tr><td colspan="%d" align="right"><input type="submit" value="選択した商品をリストから削除">'
              '</td></tr>\n' % len(HEADERS[name]))
    table = ('<table class="list" border="0" cellspacing="1" cellpadding="2">\n' + "".join(table_rows)
             + button + "</table>\n")
    return count + removal_form(req, name, table) + '<div class="pager">%s</div>\n' % navigation


def removal_form(req, name, inner):
    """The first form of a closed or won page: the rows and the hidden inputs of removal."""
    action = "config/removebid" if name == "won" else "config/removeclosed"
    has_winner = {"closed-winner": "1", "closed-nowinner": "0", "won": "1"}[name]
    return ('<form name="auctionList" method="post" action="%s/jp/%s">\n'
            '<input type="hidden" name="action" value="remove">\n'
            '<input type="hidden" name="hasWinner" value="%s">\n'
            '<input type="hidden" name=".done" value="%s">\n%s</form>\n'
            % (req.origin, action, has_winner, html_escape(list_url(req, name)), inner))


def pager(name, number, pages):
    """Links to the other pages, in ascending order."""
    if pages <= 1:
        return ""
    parts = []
    if number > 1:
        parts.append('<a href="%s">前へ</a>' % html_escape(list_path(name, number - 1)))
    for k in range(1, pages + 1):
        if k == number:
            parts.append('<span class="current">%d</span>' % k)
        else:
            parts.append('<a href="%s">%d</a>' % (html_escape(list_path(name, k)), k))
    if number < pages:
        parts.append('<a href="%s">次へ</a>' % html_escape(list_path(name, number + 1)))
    return " | ".join(parts)


def header_row(req, name):
    cells = []
    for text in HEADERS[name]:
        key = SORT_KEYS.get(text)
        if key is not None and (name == "selling" or text == "終了日時"):
            href = "/jp/show/mystatus?%s&s1=%s&o1=a" % (LISTS[name][1].split("&s1=")[0], key)
            cells.append('<td><a href="%s">%s</a></td>' % (html_escape(href), text))
        else:
            cells.append("<td>%s</td>" % text)
    return '<tr bgcolor="#EEEEEE">%s</tr>\n' % "".join(cells)


def money(value):
    return "{:,}円".format(value)


def link(href, text):
    return '<a href="%s">%s</a>' % (html_escape(href), html_escape(text))


def user_link(req, user):
    if not user:
        return "-"
    return link("%s/jp/show/rating?userID=%s" % (req.origin_of("auctions"), quote(user)), user)


def title_cell(req, name, item):
    url = "%s/jp/auction/%s" % (req.origin_of("item"), item["id"])
    title = html_escape(item["title"])
    if item.get("bold"):
        title = "<b>%s</b>" % title
    images = "//" + req.origin_of("images").split("//", 1)[1]
    cell = '<a href="%s">%s</a>' % (html_escape(url), title)
    if item["premium"]:
        cell += '<img src="%s/images/premium.gif" width="16" height="16" alt="">' % images
    if item.get("featured"):
        cell += '<img src="%s/images/featured.gif" width="16" height="16" alt="">' % images
    return cell


def item_row(req, name, item, index):
    a = req.origin_of("auctions")
    aid = item["id"]
    select = '<input type="checkbox" name="aidlist[]" value="%s">' % aid
    bids = link("%s/jp/show/bid_hist?aID=%s" % (a, aid), str(item["bids"])) if item["bids"] else "0"
    affiliate = "1%" if item["affiliate"] else "-"
    resubmit = link("%s/jp/show/resubmit?aID=%s" % (req.origin_of("sell"), aid), "再出品")
    trading = link("%s/trs/navi?aid=%s" % (req.origin_of("trading"), aid), "取引連絡")
    if name == "selling":
        offers = link("%s/jp/show/offerlist?aID=%s" % (a, aid), "%d件" % item["offers"]) if item["offers"] else "-"
        cells = [aid, title_cell(req, name, item), money(item["price"]), affiliate, bids,
                 user_link(req, item["bidder"]), item["remaining"],
                 link("%s/jp/show/cancelauction?aID=%s" % (a, aid), "取り消し") + "<br>"
                 + link("%s/jp/show/closeauction?aID=%s" % (a, aid), "早期終了"),
                 offers, str(item["watch"])]
        colour = HIGHLIGHT if item["highlight"] else ROW_COLOURS[index % 2]
        return '<tr bgcolor="%s">%s</tr>\n' % (colour, "".join("<td>%s</td>" % c for c in cells))
    if name == "closed-winner":
        several = len(item["winners"]) > 1
        top = item["bidder"]
        winners = (link("%s/jp/auction/%s#winners" % (req.origin_of("item"), aid), WINNER_LIST_TEXT)
                   if several else user_link(req, item["winners"][0]))
        message = list_date(item["message"]) if item["message"] else "-"
        cells = [select, aid, title_cell(req, name, item), money(item["price"]), affiliate, bids,
                 user_link(req, top), list_date(item["end"]),
                 link("%s/jp/show/leavefeedback?aID=%s" % (a, aid), "評価する"),
                 link("%s/jp/show/contact?aID=%s" % (a, aid), "連絡掲示板"),
                 money(item["price"]), user_link(req, top), winners, message, trading, resubmit]
    elif name == "closed-nowinner":
        cells = [select, aid, title_cell(req, name, item), money(item["price"]), affiliate, bids,
                 user_link(req, item["bidder"]), list_date(item["end"]),
                 link("%s/jp/show/cancelauction?aID=%s" % (a, aid), "削除"),
                 money(item["price"]) if item["bids"] else "-", resubmit]
    else:
        cells = [select, aid, title_cell(req, name, item),
                 link("%s/seller/%s" % (a, quote(item["seller"])), item["seller"]), bids, money(item["price"]),
                 link("%s/jp/show/leavefeedback?t=%s&aID=%s" % (a, quote(item["seller"]), aid), "評価する"),
                 list_date(item["end"]), trading]
    # Rows of these lists take their colour from bgcolor or from a style.
    attribute = ('bgcolor="#FFFFFF"' if index % 2 == 0 else 'style="background-color:#F7F7F7;"')
    return "<tr %s>%s</tr>\n" % (attribute, "".join("<td>%s</td>" % c for c in cells))


def items_read(req):
    """GET /control/items?list=NAME[&user=ID]: the items as the pages show them."""
    name = req.param("list")
    if name not in LISTS:
        raise ValueError("list is one of %s" % ", ".join(LISTS))
    user = req.param("user", ACCOUNTS[0].user)
    now = clock(req)
    result = []
    for index, item in enumerate(list_items(req, user, name, now)):
        entry = dict(item)
        entry["page"] = index // ROWS_PER_PAGE + 1
        entry["url"] = "%s/jp/auction/%s" % (req.origin_of("item"), item["id"])
        entry["price_text"] = money(item["price"])
        entry["end_text"] = list_date(item["end"])
        result.append(entry)
    return {"clock": now, "clock_text": list_date(now), "list": name, "user": user,
            "url": list_url(req, name), "items": result}


def remove(req):
    """remove_error: yes/no per auction ID: a post holding such an ID answers with an error page."""
    v = signed_in(req)
    state = req.state
    charset = charset_name(state.get("status_charset"), "Shift_JIS")
    pairs = [(key.decode("ascii", "replace"), value.decode("ascii", "replace")) for key, value in req.form_bytes()]
    fields = dict(pairs)
    ids = [value for key, value in pairs if key == "aidlist[]" and value]
    names = REMOVAL_PATHS[req.path]
    name = names[0] if len(names) == 1 else {"1": names[0], "0": names[1]}.get(fields.get("hasWinner"))
    now = clock(req)
    error = None
    if name is None or fields.get("action") != "remove":
        error = "不正なリクエストです。"
    elif not ids:
        error = "削除するオークションを選択してください。"
    elif len(ids) > REMOVAL_LIMIT:
        error = "一度に削除できるのは%d件までです。" % REMOVAL_LIMIT
    else:
        listed = {item["id"] for item in list_items(req, v.session_user, name, now)}
        if any(aid not in listed for aid in ids):
            error = "選択されたオークションの中に、削除できないものがあります。"
        elif any(switch(req, "remove_error", aid, False) for aid in ids):
            error = "選択されたオークションを削除できませんでした。しばらくしてからもう一度お試しください。"
    with req.standin.lock:
        entry = record(req, "removals").setdefault(name or "unknown", {"ids": [], "posts": 0, "errors": 0})
        entry["posts"] += 1
        if error:
            entry["errors"] += 1
        else:
            entry["ids"] += [aid for aid in ids if aid not in entry["ids"]]
    if error:
        body = masthead(req, v.user) + title_bar("削除できませんでした") + error_box(error)
        return page("%s - マイ・オークション - エラー" % auction_name(req), body, charset, headers=v.headers)
    done = fields.get(".done", "")
    if not done.startswith(req.origin + "/jp/show/mystatus?"):
        done = list_url(req, name)
    return Response.redirect(302, done, headers=v.headers)
