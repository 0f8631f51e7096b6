"""Item pages: item host /jp/auction/ID, where the status lists link.

The page reads the session (the masthead shows its ID, or a log-in link) and
shows the item's record: title, prices, condition, the shipping methods in
"td" cells with property="DeliveryMethod" inside div.decInfoTable, the
description and, for the seller of an item with winners, one feedback link
per winner (for the buyer of a won item, one to the seller).
Re-listed items (new auction IDs) have pages too.
"""

from urllib.parse import quote

from . import demo
from .jobpages import alert_box, find_item, page_charset, record, switch
from .service import auction_name, clock, list_date, masthead, page, visit
from .site import html_escape

MISSING_TEXT = "ドキュメントは存在しません"
ADULT_TEXT = "アダルトカテゴリに入ろうとしています"
OTHER_USER = "another_user01"
HACOBOON_URL = "https://www.example.com/hacoboon/"


def register(router):
    router.add_prefix("item", "/jp/auction/", item_page)
    router.add_control("/control/item", item_read)


def item_read(req):
    """GET /control/item?id=ID: the service's record of an item, as its pages and forms show it."""
    d = item_data(req, req.param("id"))
    if d is None:
        raise KeyError("no item %r" % req.param("id"))
    d["url"] = "%s/jp/auction/%s" % (req.origin_of("item"), d["id"])
    return {"item": d}


def item_data(req, aid):
    """The item's record with the data switches applied, or None.

    item_condition_empty  yes/no: the form's "istatus" has no selection
    item_style            "old" / "new": the form without / with the new shipping inputs
    item_shippinginput    a value for the new form's "shippinginput" state input ("" for none)
    item_arrival          yes/no: the item is sent cash on delivery ("着払い")
    item_hacoboon         yes/no: the only shipping is はこBOON (the form has no method)
    """
    d = find_item(req, aid)
    if d is None:
        d = relisted_item(req, aid)
        if d is None:
            return None
    if switch(req, "item_condition_empty", aid, False):
        d["condition"] = ""
    style = switch(req, "item_style", aid)
    if style in ("old", "new"):
        d["style"] = style
    if switch(req, "item_arrival", aid, False):
        d["style"] = "new"
        d["services"] = []
        d["methods"] = [{"name": "佐川急便", "fee": None, "hokkaido": None, "okinawa": None, "island": None,
                         "link": "", "arrival": True}]
        d["shippinginput"] = "arrival"
    if switch(req, "item_hacoboon", aid, False):
        d["style"] = "new"
        d["services"] = []
        d["methods"] = []
        d["hacoboon"] = True
    value = switch(req, "item_shippinginput", aid)
    if value is not None:
        d["shippinginput"] = str(value)
    return d


def relisted_item(req, aid):
    """The record of an item a re-listing made: its final post's fields."""
    with req.standin.lock:
        made = dict(record(req, "new_items").get(aid or "", {}))
    if not made:
        return None
    source = find_item(req, made["source"])
    fields = made["fields"]
    # relisted_ended: the re-listing has ended without a winner since.
    ended = bool(switch(req, "relisted_ended", aid, False))
    source.update({
        "id": aid, "list": "closed-nowinner" if ended else "selling", "ended": ended,
        "winners": [], "bidder": None, "bids": 0,
        "title": fields.get("Title", source["title"]), "description": fields.get("Description", ""),
        "end": made["end"], "relisted_from": made["source"],
    })
    source["list_title"] = demo.list_title(source["title"])
    return source


def money(value):
    return "{:,}円".format(value)


def fee_text(method, shipping):
    if method.get("arrival"):
        return "着払い"
    if method["fee"] is None:
        return '<a href="%s">料金表を参照</a>' % html_escape(method["link"])
    if shipping == "seller" or method["fee"] == 0:
        return "送料無料（出品者負担）"
    text = "全国一律：" + money(method["fee"])
    regions = [(label, method[key]) for label, key in (("北海道", "hokkaido"), ("沖縄", "okinawa"),
                                                       ("離島", "island")) if method.get(key) is not None]
    if regions:
        text += "（%s）" % "、".join("%s：%s" % (label, money(value)) for label, value in regions)
    return text


def delivery_rows(d):
    """The shipping methods as the item page lists them."""
    rows = []
    cell = '<tr><th>配送方法</th><td property="DeliveryMethod">%s</td><td>%s</td></tr>\n'
    if d.get("hacoboon"):
        rows.append(cell % ('<a href="%s">はこBOON</a>' % HACOBOON_URL, "落札者負担"))
    for method in d["methods"]:
        rows.append(cell % (html_escape(method["name"]), fee_text(method, d["shipping"])))
    for service in d["services"]:
        name = next(n for i, _, n in demo.SERVICES if i == service)
        payer = "出品者負担" if d["shipping"] == "seller" else "落札者負担（サイズにより異なります）"
        rows.append(cell % (html_escape(name), payer))
    return rows


def feedback_links(req, d, viewer, how):
    """Links to the feedback pages of the item's partners, for the item's own seller or buyer."""
    if viewer is None or not d["ended"]:
        return ""
    if d["list"] == "closed-winner" and viewer.lower() == d["seller"].lower():
        partners = list(d["winners"])
        heading = "落札者"
    elif d["list"] == "won" and viewer.lower() == (d["buyer"] or "").lower():
        partners = [d["seller"]]
        heading = "出品者"
    else:
        return ""
    if how == "twice":
        partners.insert(1, partners[0])
    elif how == "case":
        partners = [p.swapcase() for p in partners]
    rows = []
    for partner in partners:
        if how == "no_t":
            href = "%s/jp/show/leavefeedback?aID=%s" % (req.origin_of("auctions"), d["id"])
        else:
            href = "%s/jp/show/leavefeedback?t=%s&aID=%s" % (req.origin_of("auctions"), quote(partner), d["id"])
        rows.append('<tr><td><a href="%s/jp/show/rating?userID=%s">%s</a></td><td><a href="%s">評価する</a></td></tr>\n'
                    % (req.origin_of("auctions"), html_escape(quote(partner)), html_escape(partner),
                       html_escape(href)))
    return ('<div id="winners">\n<table class="winners">\n<tr><th>%s</th><th>評価</th></tr>\n%s</table>\n</div>\n'
            % (heading, "".join(rows)))


def item_page(req, rest):
    """item_page: "no_t", "twice", "case", "missing", "adult", "other_user", "not_ended"."""
    aid = rest.strip("/")
    v = visit(req)
    charset = page_charset(req, "item_charset", "UTF-8")
    how = switch(req, "item_page", aid, "normal")
    d = item_data(req, aid)
    shown = OTHER_USER if how == "other_user" and v.user is not None else v.user
    name = auction_name(req)
    if d is None or how == "missing":
        body = masthead(req, shown) + alert_box(MISSING_TEXT + "。", "オークションIDは正しいですか？")
        return page("%s - エラー" % name, body, charset, headers=v.headers)
    if how == "adult":
        body = ('<div id="adultWarning"><p><b>%s</b></p>\n<p>18歳未満の方はご利用いただけません。</p>\n</div>\n'
                % ADULT_TEXT)
        return page("%s - 確認" % name, body, charset, headers=v.headers)
    ended = d["ended"] and how != "not_ended"
    d = dict(d, ended=ended)
    now = clock(req)
    info = [
        ("オークションID", html_escape(d["id"])),
        ("現在価格" if not ended else "落札価格", money(d["price"])),
        ("開始価格", money(d["start_price"])),
        ("即決価格", money(d["buynow_price"]) if d["buynow_price"] else "なし"),
        ("個数", str(d["quantity"])),
        ("商品の状態", html_escape(demo.CONDITION_TEXTS.get(d["condition"], "-"))),
        ("入札件数", str(d["bids"])),
        ("終了日時", list_date(d["end"]) if ended else list_date(max(d["end"], now + 3600))),
        ("出品者", '<a href="%s/seller/%s">%s</a>' % (req.origin_of("auctions"), html_escape(quote(d["seller"])),
                                                    html_escape(d["seller"]))),
    ]
    status = "このオークションは終了しています。" if ended else "このオークションは出品中です。"
    additions = ""
    with req.standin.lock:
        added = list(record(req, "additions").get(d["id"], {}).get("texts", []))
    for text in added:
        additions += '<div class="addition"><p>（追記）</p>%s</div>\n' % text
    body = (masthead(req, shown)
            + '<div id="modTitBar"><h1 class="ProductTitle">%s</h1></div>\n' % html_escape(d["title"])
            + '<p class="status">%s</p>\n' % status
            + '<div class="decInfoTable">\n<table>\n%s</table>\n</div>\n'
            % "".join("<tr><th>%s</th><td>%s</td></tr>\n" % row for row in info)
            + '<div class="decInfoTable">\n<table class="shipping">\n%s</table>\n</div>\n' % "".join(delivery_rows(d))
            + feedback_links(req, d, v.session_user, how)
            + '<div id="ProductExplanation">\n<div class="ProductExplanation__commentBody">%s</div>\n%s</div>\n'
            % (d["description"], additions))
    return page("%s - %s" % (name, d["title"]), body, charset, headers=v.headers)
