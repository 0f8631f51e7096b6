"""The seller's contact settings, where the bank accounts of easy trading
are registered (the listing-settings dialog links it).

contact   GET /setting/top[?fnavi=2]   a plain page of the settings
"""

from .service import auction_name, page

SETTINGS_PATH = "/setting/top"


def register(router):
    router.add("contact", SETTINGS_PATH, settings)


def settings(req):
    body = ('<div id="modTitBar"><h1>取引ナビの設定</h1></div>\n'
            '<h2 id="bank">かんたん取引出品の銀行口座の登録</h2>\n'
            '<p>落札者からの支払いを受け取る銀行口座を登録します。</p>\n')
    return page("%s - 取引ナビの設定" % auction_name(req), body)
