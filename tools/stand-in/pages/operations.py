"""A page that an operation works on, and the trading system's announcement.

auctions  GET|POST /jp/show/operation   a signed-in page: the session's ID in
                                       the masthead under the service's name,
                                       the method, a count and the posted pairs
trading   GET /trs/announcement.html     the trading system's announcement
                                       (the service sends it while that system
                                       is closed)
"""

from .service import auction_name, masthead, page, to_login, visit
from .site import Response, html_escape

ANNOUNCEMENT_PATH = "/trs/announcement.html"


def register(router):
    router.add("auctions", "/jp/show/operation", operation)
    router.add("trading", ANNOUNCEMENT_PATH, announcement)


def operation(req):
    if req.state.get("announcement"):
        return Response.redirect(302, req.origin_of("trading") + ANNOUNCEMENT_PATH)
    v = visit(req)
    if v.user is None:
        return to_login(req, v)
    count = req.hit("operation")
    pairs = [item.decode("latin-1") for item in req.body.split(b"&") if item] if req.method == "POST" else []
    body = (masthead(req, v.user)
            + '<div id="modTitBar"><h1>操作の確認</h1></div>\n'
            + '<p id="method">%s</p>\n<p id="count">%d</p>\n' % (req.method, count)
            + '<ul id="posted">%s</ul>\n' % "".join("<li>%s</li>" % html_escape(p) for p in pairs))
    return page("%s - 操作の確認" % auction_name(req), body, headers=v.headers)


def announcement(req):
    body = ('<div id="modTitBar"><h1>取引システムのメンテナンスのお知らせ</h1></div>\n'
            '<p>ただいま取引システムはメンテナンス中です。終了まで今しばらくお待ちください。</p>\n'
            '<p><a href="%s/">%sのトップへ</a></p>\n' % (req.origin_of("auctions"), html_escape(auction_name(req))))
    return page("%s - 取引システムのメンテナンスのお知らせ" % auction_name(req), body)
