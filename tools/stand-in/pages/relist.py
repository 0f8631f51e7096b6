"""Re-listing a closed item on the sell host.

  GET  /jp/show/resubmit?aID=ID[&fnavi=1]   the entry: by scenario a redirect
                                            to "&select=old", a page linking to
                                            it, or a "select=non_premium" redirect
  GET  /jp/show/resubmit?aID=ID&select=old  the old listing form
                                            (form name="auction", action
                                            "/jp/show/preview"), with the
                                            insertion dialog by scenario
  POST /jp/show/preview                     the confirmation (every field
                                            hidden, the final button calling
                                            configSubmit), or the form again
                                            with its error box and places
  POST /jp/config/submit                    the final post: the completion
                                            page with a new auction ID, or an
                                            error by scenario

Signed-in pages of the seller's own closed items. The pages are written in
the charset of "sell_charset" (EUC-JP by default) and read posts in it; the
final post is read in the charset its button names (UTF-8 by default).
Per auction ID the stand-in keeps the re-listings made (GET /control/relistings).
"""

from urllib.parse import quote

from . import demo
from .itempage import item_data
from .jobpages import (alert_box, error_box, first, frame, hidden, last, named_charset, new_token,
                       posted, raw_field, record, records_read, sell_charset, signed_in, switch, title_bar,
                       token_info)
from .operations import ANNOUNCEMENT_PATH
from .service import clock
from .site import Answer, Response, html_escape

RESUBMIT_PATH = "/jp/show/resubmit"
PREVIEW_PATH = "/jp/show/preview"
SUBMIT_PATH = "/jp/config/submit"
NEW_FORM_PATH = "/jp/show/newpreview"

DONE_TITLE = "出品：完了"
FIELD_ERROR_TEXT = "正しく入力されていない項目があります。赤く表示された箇所を確認してください。"
EXPIRED_TEXT = "ページの有効期限が切れました。もう一度最初から操作してください。"
REFUSED_TEXT = "このオークションは再出品できません。"
PREMIUM_TEXT = "無料版のオークション出品では再出品できません。Yahoo!プレミアム会員登録が必要です。"
OLD_METHOD_TEXT = ("この商品は旧出品方法では出品できません。新出品方法をご利用いただくか、"
                   "「かんたん取引出品」に切り替えて出品してください。")

CLOSED_LISTS = ("closed-winner", "closed-nowinner")

# Ids of the cells that mark a field with an error.
ERROR_IDS = {
    "Title": "auc_title", "Description": "auc_description", "istatus": "auc_istatus",
    "salesmode": "auc_salesmode", "StartPrice": "auc_StartPrice", "BidOrBuyPrice": "auc_BidOrBuyPrice",
    "Quantity": "auc_Quantity", "Duration": "auc_Duration", "ClosingTime": "auc_ClosingTime",
    "numResubmit": "auc_numResubmit", "markdown": "auc_markdown", "shipping": "auc_shipping",
    "shipname": "auc_shipname", "shippinginput": "auc_shippinginput",
}

PREFECTURE_COUNT = 48


def register(router):
    router.add("sell", RESUBMIT_PATH, resubmit)
    router.add("sell", PREVIEW_PATH, preview)
    router.add("sell", SUBMIT_PATH, submit)
    router.add_control("/control/relistings", records_read("relistings"))


def own_item(req, v, aid, charset):
    """The seller's closed item of that ID; for another the page answers with a refusal."""
    d = item_data(req, aid)
    if d is None or d["list"] not in CLOSED_LISTS or d["user"].lower() != v.session_user.lower():
        raise Answer(refused(req, v, charset))
    return d


def refused(req, v, charset):
    return frame(req, v, "エラー", title_bar("エラー") + alert_box(REFUSED_TEXT), charset)


def resubmit(req):
    v = signed_in(req)
    charset = sell_charset(req)
    aid = req.param("aID", "")
    fnavi = req.param("fnavi") == "1"
    d = own_item(req, v, aid, charset)
    select = req.param("select")
    if select == "non_premium":
        return frame(req, v, "出品", title_bar("出品") + '<p class="notice">%s</p>\n' % PREMIUM_TEXT, charset)
    if select != "old":
        return entry_page(req, v, d, fnavi, charset)
    if switch(req, "relist_form", aid, "normal") == "none":
        body = title_bar("出品") + "<p>出品フォームを表示できませんでした。</p>\n"
        return frame(req, v, "出品", body, charset)
    dialog = switch(req, "relist_dialog", aid, "none")
    if fnavi and dialog in ("old_method", "registration"):
        dialog = "none"  # the easy-transaction listing it asked for
    body = title_bar("出品") + insertion_dialog(dialog) + listing_form(req, d, initial_values(req, d, fnavi), {}, fnavi)
    return frame(req, v, "出品", body, charset)


def entry_url(req, d, fnavi, select):
    query = "aID=%s&select=%s" % (quote(d["id"]), select) + ("&fnavi=1" if fnavi else "")
    return "%s?%s" % (RESUBMIT_PATH, query)


def entry_page(req, v, d, fnavi, charset):
    """relist_entry: "redirect" (default), "non_premium", "warning", "link", "no_link", "none"."""
    how = switch(req, "relist_entry", d["id"], "redirect")
    if how == "redirect":
        return Response.redirect(302, req.origin + entry_url(req, d, fnavi, "old"), headers=v.headers)
    if how == "non_premium":
        return Response.redirect(302, req.origin + entry_url(req, d, fnavi, "non_premium"), headers=v.headers)
    link = '<a href="%s">以前の出品フォームで出品する</a>' % html_escape(entry_url(req, d, fnavi, "old"))
    body = title_bar("出品")
    if how == "warning":
        body += '<div id="old_warning"><p>出品フォームが新しくなりました。%s</p></div>\n' % link
    if how in ("warning", "link", "no_link"):
        body += ('<form name="auction" method="post" action="%s">\n' % NEW_FORM_PATH
                 + hidden("aID", d["id"])
                 + '<p>タイトル <input type="text" name="Title" value="%s"></p>\n' % html_escape(d["title"])
                 + '<p><input type="submit" value="確認する"></p>\n</form>\n')
    elif how == "none":
        body += "<p>ただいまこのページを表示できません。</p>\n"
    else:
        raise ValueError("unknown relist_entry %r" % how)
    if how == "link":
        body += '<p class="help">%s</p>\n' % link
    return frame(req, v, "出品", body, charset)


def insertion_dialog(how):
    """relist_dialog: "none", "accepted", "old_method", "old_method_always", "registration"."""
    if how == "none":
        return ""
    if how == "accepted":
        text = "出品内容を確認してから「開く」を押してください。"
        buttons = '<input type="button" id="auc_insertion_ok" value="開く">'
    elif how in ("old_method", "old_method_always"):
        text = OLD_METHOD_TEXT
        buttons = ('<input type="button" value="新出品方法で出品する" '
                   'onclick="document.auction.elements[\'fnavi\'].value=\'1\'; document.auction.submit();">')
    elif how == "registration":
        text = OLD_METHOD_TEXT + "「かんたん取引出品」で出品するには、出品者情報の登録が必要です。"
        buttons = ('<input type="button" value="出品者情報の登録へ" '
                   'onclick="location.href=\'/setting/user/initialedit\';">')
    else:
        raise ValueError("unknown relist_dialog %r" % how)
    return ('<div id="insertion_dlg" class="modDlgBoxEle">\n<div class="untBody">%s</div>\n'
            '<form name="insertion" method="get" action="%s">\n%s\n</form>\n</div>\n'
            % (html_escape(text), RESUBMIT_PATH, buttons))


# The listing form: what it holds, by field name (a list: several checked values).
def initial_values(req, d, easy):
    """The values the form shows for the item; easy: the new shipping inputs.

    relist_fixed_price: "both" (default) or "start": a fixed-price item's one
    price stands in "StartPrice" alone, "BidOrBuyPrice" left empty.
    """
    new_style = easy or d["style"] == "new"
    buynow = d["buynow_price"]
    if d["sales_mode"] != "auction" and switch(req, "relist_fixed_price", d["id"], "both") == "start":
        buynow = 0
    on = lambda flag, value: [value] if flag else []  # noqa: E731
    values = {
        "aID": [d["id"]], "category": [d["category"]], "fnavi": ["1" if easy else "0"],
        "Title": [d["title"]], "Description": [d["description"]],
        "salesmode": [d["sales_mode"]], "Offer": on(d["sales_mode"] == "offer", "1"),
        "StartPrice": [str(d["start_price"])],
        "BidOrBuyPrice": [str(buynow) if buynow else ""],
        "Quantity": [str(d["quantity"])], "istatus": [d["condition"]], "istatus_comment": [d["condition_comment"]],
        "Duration": [str(d["duration"])], "ClosingTime": [str(d["closing_time"])],
        "numResubmit": [str(d["num_resubmit"])], "CloseEarly": on(d["close_early"], "yes"),
        "AutoExtension": on(d["auto_extension"], "yes"), "markdown": on(d["markdown"], "1"),
        "markdown_ratio": [d["markdown_ratio"]],
        "minBidRating": on(d["min_bid_rating"], "0"), "badRatingRatio": on(d["bad_rating_ratio"], "yes"),
        "bidCreditLimit": on(d["bid_credit_limit"], "1"),
        "shipping": [d["shipping"]], "loc_cd": [str(d["loc_cd"])], "city": [d["city"]],
        "intlOK": on(d["intl_ok"], "1"), "retpolicy": [str(d["retpolicy"])],
        "retpolicy_comment": [d["retpolicy_comment"]], "intlauction": [d["intlauction"]],
        "itemsize": [d["itemsize"]], "itemweight": [d["itemweight"]],
        "ypmOK": on(d["ypm_ok"], "1"),
    }
    if new_style:
        values.update({
            "salesContract": ["0"] + on(d["sales_contract"], "1"), "shipschedule": [d["shipschedule"]],
            "is_other_ship": on(bool(d["methods"]), "yes"),
        })
    else:
        values.update({
            "shiptime": [d["shiptime"]], "ypkOK": on(d["ypk_ok"], "1"),
            "aspj1": on(d["aspj1"], "yes"), "aspj3": on(d["aspj3"], "yes"), "aspj4": on(d["aspj4"], "yes"),
        })
        for i, name in enumerate(d["bank_names"][:10], 1):
            values["bkname%d" % i] = [name]
        for i, name in enumerate(d["pay_methods"][:10], 1):
            values["paymethod%d" % i] = [name]
    for i, method in enumerate(d["methods"][:10], 1):
        values["shipname%d" % i] = [method["name"]]
        values["shipfee%d" % i] = ["" if method["fee"] is None else str(method["fee"])]
        if new_style:
            regional = [(key, method.get(part)) for key, part in (("hokkaidoshipping", "hokkaido"),
                                                                  ("okinawashipping", "okinawa"),
                                                                  ("isolatedislandshipping", "island"))]
            if any(value is not None for _, value in regional):
                values["longdistshipping%d" % i] = ["1"]
                for key, value in regional:
                    values["%s%d" % (key, i)] = ["" if value is None else str(value)]
        elif method["link"]:
            values["shipratelink%d" % i] = [method["link"]]
    return values


def posted_values(pairs):
    values = {}
    for name, value in pairs:
        values.setdefault(name, []).append(value)
    return values


def escaped(text, times):
    for _ in range(times):
        text = html_escape(text)
    return text


class FormWriter:
    """Writes the inputs of the listing form from its values."""

    def __init__(self, values):
        self.values = values

    def value(self, name):
        found = self.values.get(name)
        return found[0] if found else ""

    def text(self, name, size=20, extra=""):
        return '<input type="text" name="%s" value="%s" size="%d"%s>' % (
            name, html_escape(self.value(name)), size, extra)

    def hidden(self, name):
        return '<input type="hidden" name="%s" value="%s">' % (name, html_escape(self.value(name)))

    def check(self, name, value, label):
        checked = " checked" if value in self.values.get(name, []) else ""
        return '<label><input type="checkbox" name="%s" value="%s"%s>%s</label>' % (name, value, checked, label)

    def select(self, name, options):
        current = self.value(name)
        return '<select name="%s">%s</select>' % (name, "".join(
            '<option value="%s"%s>%s</option>' % (html_escape(value), " selected" if value == current else "",
                                                html_escape(label))
            for value, label in options))

    def radios(self, name, options):
        current = self.values.get(name, [])
        return " ".join('<label><input type="radio" name="%s" value="%s"%s>%s</label>' % (
            name, value, " checked" if value in current else "", label) for value, label in options)


def listing_form(req, d, values, errors, easy):
    """The old listing form; errors: {field: message} marks cells with decErrorPoint."""
    new_style = easy or d["style"] == "new"
    w = FormWriter(values)
    rows = []

    def row(label, field, cell):
        if field in errors:
            rows.append('<tr><th>%s</th><td class="decErrorPoint" id="%s">%s<p class="decErrorText">%s</p></td></tr>\n'
                        % (label, ERROR_IDS[field], cell, html_escape(errors[field])))
        else:
            rows.append("<tr><th>%s</th><td>%s</td></tr>\n" % (label, cell))

    times = int(switch(req, "relist_description_escape", d["id"], 1))
    row("タイトル", "Title", w.text("Title", 60, ' maxlength="65"'))
    row("商品説明", "Description", '<textarea name="Description" rows="15" cols="70">%s</textarea>'
        % escaped(w.value("Description"), times))
    row("商品の状態", "istatus", w.select("istatus", [("", "選択してください")]
                                      + [(c, demo.CONDITION_TEXTS[c]) for c in demo.CONDITIONS])
        + " 備考 " + w.text("istatus_comment", 40))
    row("販売形式", "salesmode", w.radios("salesmode", [("auction", "オークション形式"), ("buynow", "定額"),
                                                   ("offer", "定額 + 値下げ交渉")])
        + " " + w.check("Offer", "1", "値下げ交渉"))
    row("開始価格", "StartPrice", w.text("StartPrice", 10) + " 円")
    row("即決価格", "BidOrBuyPrice", w.text("BidOrBuyPrice", 10) + " 円")
    row("個数", "Quantity", w.text("Quantity", 3))
    row("開催期間", "Duration", w.select("Duration", [(str(n), "%d日間" % n) for n in range(1, 8)]))
    row("終了時間", "ClosingTime", w.select("ClosingTime", [(str(n), "%d時台" % n) for n in range(24)]))
    row("自動再出品", "numResubmit", w.select("numResubmit", [(str(n), "%d回" % n) for n in range(4)]))
    row("自動値下げ", "markdown", w.check("markdown", "1", "自動再出品時に値下げする") + " "
        + w.select("markdown_ratio", [("", "-")] + [(str(n), "%d%%" % n) for n in range(5, 35, 5)]))
    rows.append("<tr><th>オプション</th><td>%s %s</td></tr>\n" % (w.check("CloseEarly", "yes", "早期終了"),
                                                              w.check("AutoExtension", "yes", "自動延長")))
    limits = [w.check("minBidRating", "0", "総合評価で制限"), w.check("badRatingRatio", "yes", "悪い評価の割合で制限"),
              w.check("bidCreditLimit", "1", "入札者認証制限")]
    if new_style:
        # Two inputs of one name: the box's value comes after the default.
        limits = ['<input type="hidden" name="salesContract" value="0">',
                  w.check("salesContract", "1", "出品者情報開示前チェック")] + limits
    rows.append("<tr><th>入札者制限</th><td>%s</td></tr>\n" % " ".join(limits))
    rows.append("<tr><th>支払い方法</th><td>%s</td></tr>\n" % payment_cell(w, new_style))
    row("送料負担", "shipping", w.select("shipping", [("buyer", "落札者"), ("seller", "出品者")]))
    if new_style:
        rows.append("<tr><th>発送までの日数</th><td>%s</td></tr>\n"
                    % w.select("shipschedule", [("", "-"), ("1", "1～2日"), ("4", "2～3日"), ("5", "3～7日"),
                                                ("6", "8～14日")]))
    else:
        rows.append("<tr><th>発送のタイミング</th><td>%s %s</td></tr>\n"
                    % (w.select("shiptime", [("payment", "入金確認後"), ("close", "商品代金受取後")]),
                       w.check("ypkOK", "1", "ゆうパック後払い")))
    rows.append("<tr><th>発送元</th><td>%s %s %s</td></tr>\n"
                % (w.select("loc_cd", [(str(n), "地域%d" % n) for n in range(1, PREFECTURE_COUNT + 1)]),
                   w.text("city", 20), w.check("intlOK", "1", "海外発送")))
    if new_style:
        row("配送方法の入力", "shippinginput", shipping_input_cell(w, d))
    row("配送方法", "shipname", methods_cell(w, new_style))
    rows.append("<tr><th>サイズと重さ</th><td>%s %s</td></tr>\n"
                % (w.select("itemsize", [("", "-")] + [(str(n), "サイズ%d" % n) for n in range(1, 11)]),
                   w.select("itemweight", [("", "-")] + [(str(n), "重さ%d" % n) for n in range(1, 18)])))
    rows.append("<tr><th>返品</th><td>%s %s</td></tr>\n" % (w.select("retpolicy", [("0", "返品不可"), ("1", "返品可")]),
                                                          w.text("retpolicy_comment", 40)))
    rows.append("<tr><th>有料オプション</th><td>%s</td></tr>\n" % paid_options_cell(w))
    token = new_token(req, kind="relist-form")
    return ('<form name="auction" method="post" action="%s">\n' % PREVIEW_PATH
            + hidden("aID", d["id"]) + hidden(".crumb", token) + w.hidden("category") + "\n"
            + w.hidden("fnavi") + "\n" + w.hidden("intlauction") + "\n"
            # An input of no type (sent as text) and a disabled one (never sent).
            + '<input name="pagetype" value="resubmit">\n'
            + '<input type="text" name="ypoint" value="1" disabled>\n'
            + '<table class="decForm">\n' + "".join(rows) + "</table>\n"
            + '<p><input type="submit" name="submit_preview" value="確認する"></p>\n</form>\n')


def payment_cell(w, new_style):
    if new_style:
        return (w.check("ypmOK", "1", "かんたん決済") + " "
                + '<input type="hidden" name="dskPayment" value="">'
                + '<label><input type="checkbox" name="bkid1" id="auc_bkid1" value="9001" checked>銀行振込（登録口座1）</label>'
                + '<label><input type="checkbox" name="bkid2" id="auc_bkid2" value="9002" checked>銀行振込（登録口座2）</label>')
    cells = [w.check("ypmOK", "1", "かんたん決済"), w.check("aspj1", "yes", "銀行振込"),
             w.check("aspj3", "yes", "現金書留"), w.check("aspj4", "yes", "その他")]
    banks = " ".join(w.text("bkname%d" % i, 16) for i in range(1, 11))
    others = " ".join(w.text("paymethod%d" % i, 16) for i in range(1, 11))
    return " ".join(cells) + "<br>銀行名 " + banks + "<br>その他の支払い方法 " + others


def shipping_input_cell(w, d):
    """The new form's shipping inputs: state inputs (id) beside their check boxes (name)."""
    parts = ['<input type="hidden" id="shippinginput" value="%s">' % html_escape(d["shippinginput"]),
             w.radios("shippinginput", [("now", "今すぐ入力"), ("later", "落札後に入力"), ("arrival", "着払い")])]
    for state_id, box, label in demo.SERVICES:
        ticked = "true" if state_id in d["services"] else "false"
        parts.append('<input type="hidden" id="%s" value="%s">%s' % (state_id, ticked, w.check(box, "yes", label)))
    parts.append('<input type="hidden" id="hbminipref" value="">'
                 + w.select("selectedHacoboonMiniCvsPref", [("", "-")] + [(str(n), "地域%d" % n) for n in range(1, 48)]))
    return " ".join(parts)


def methods_cell(w, new_style):
    lines = []
    if new_style:
        lines.append(w.check("is_other_ship", "yes", "その他の配送方法"))
    for i in range(1, 11):
        line = "%d: %s %s円" % (i, w.text("shipname%d" % i, 20), w.text("shipfee%d" % i, 7))
        if new_style:
            line += " %s %s %s %s" % (w.check("longdistshipping%d" % i, "1", "地域別"), w.text("hokkaidoshipping%d" % i, 7),
                                      w.text("okinawashipping%d" % i, 7), w.text("isolatedislandshipping%d" % i, 7))
        else:
            line += " " + w.text("shipratelink%d" % i, 40)
        lines.append(line)
    return "<br>".join(lines)


def paid_options_cell(w):
    return " ".join([
        "注目 " + w.text("featuredAmount", 4) + "円", "最低落札価格 " + w.text("ReservePrice", 10) + "円",
        w.select("giftSelected", [("", "なし")] + [(str(n), "アイコン%d" % n) for n in range(2, 9)]),
        "おすすめ " + w.text("cpaAmount", 4) + "%", w.check("boldSelected", "yes", "太字"),
        w.check("highlightlistingSelected", "yes", "背景色"), w.check("wrappingSelected", "yes", "贈答品"),
        w.check("affiliate", "1", "アフィリエイト"), w.select("affiliateRate", [("", "-"), ("1", "1%")]),
    ])


# What the service checks of a posted form.
def check_fields(values, new_style):
    errors = {}
    get = (lambda name: (values.get(name) or [""])[-1])  # noqa: E731
    if not get("Title").strip():
        errors["Title"] = "タイトルを入力してください。"
    elif len(get("Title")) > 65:
        errors["Title"] = "タイトルは65文字以内で入力してください。"
    if not get("Description").strip():
        errors["Description"] = "商品説明を入力してください。"
    if get("istatus") not in demo.CONDITIONS:
        errors["istatus"] = "商品の状態を選択してください。"
    mode = get("salesmode") or "auction"
    if mode not in ("auction", "buynow", "offer"):
        errors["salesmode"] = "販売形式を選択してください。"
    start, buynow = get("StartPrice"), get("BidOrBuyPrice")
    if not start.isdigit() or int(start) < 1:
        errors["StartPrice"] = "開始価格を1円以上で入力してください。"
    elif buynow and (not buynow.isdigit() or int(buynow) < int(start)):
        errors["BidOrBuyPrice"] = "即決価格は開始価格以上にしてください。"
    elif mode in ("buynow", "offer") and buynow != start:
        errors["BidOrBuyPrice"] = "定額の場合、即決価格は開始価格と同じにしてください。"
    quantity = get("Quantity")
    if not quantity.isdigit() or not 1 <= int(quantity) <= 99:
        errors["Quantity"] = "個数は1から99までで入力してください。"
    for name, low, high in (("Duration", 1, 7), ("ClosingTime", 0, 23), ("numResubmit", 0, 3)):
        text = get(name)
        if text and (not text.isdigit() or not low <= int(text) <= high):
            errors[name] = "%d～%dの範囲で選択してください。" % (low, high)
    if get("markdown") == "1" and get("numResubmit") in ("", "0"):
        errors["markdown"] = "自動値下げには自動再出品の設定が必要です。"
    methods = [n for n in values if n.startswith("shipname") and any(v.strip() for v in values[n])]
    if new_style:
        services = [box for _, box, _ in demo.SERVICES if get(box) == "yes"]
        if not services and not (get("is_other_ship") == "yes" and methods):
            errors["shipname"] = "配送方法を設定してください。"
        if get("shippinginput") not in ("now", "later", "arrival"):
            errors["shippinginput"] = "配送方法の入力方法を選択してください。"
    elif not methods:
        errors["shipname"] = "配送方法を入力してください。"
    return errors


def new_style_post(values):
    return "is_other_ship" in values or "shippinginput" in values or any(
        box in values for _, box, _ in demo.SERVICES)


def preview(req):
    v = signed_in(req)
    charset = sell_charset(req)
    pairs = posted(req, charset)
    values = posted_values(pairs)
    aid = first(pairs, "aID")
    d = own_item(req, v, aid, charset)
    easy = first(pairs, "fnavi") == "1"
    new_style = easy or d["style"] == "new"
    if (token_info(req, first(pairs, ".crumb")) or {}).get("kind") != "relist-form":
        return form_again(req, v, d, values, {}, easy, charset, EXPIRED_TEXT)
    errors = check_fields(values, new_style)
    how = switch(req, "relist_preview", aid, "confirm")
    if how not in ("confirm", "error", "no_form", "no_button"):
        raise ValueError("unknown relist_preview %r" % how)
    if how == "error":
        errors.setdefault("StartPrice", "開始価格が正しくありません。")
    if errors:
        return form_again(req, v, d, values, errors, easy, charset, FIELD_ERROR_TEXT)
    return confirmation(req, v, d, pairs, new_style, charset, how)


def form_again(req, v, d, values, errors, easy, charset, text):
    messages = "".join("<li>%s</li>" % html_escape(m) for m in errors.values())
    box = ('<div class="decErrorBox"><p>%s</p>%s</div>\n'
           % (html_escape(text), "<ul>%s</ul>" % messages if messages else ""))
    body = title_bar("出品") + box + listing_form(req, d, values, errors, easy)
    return frame(req, v, "出品", body, charset)


def submit_call(req, charset):
    """The final button's script: configSubmit(address, form[, charset])."""
    url = req.origin + SUBMIT_PATH
    if charset is None:
        return "configSubmit('%s', document.auction); return false;" % url
    return "configSubmit('%s', document.auction, '%s'); return false;" % (url, charset.lower())


def confirmation(req, v, d, pairs, new_style, charset, how):
    """relist_preview: "confirm" (default), "error" (the form again), "no_form", "no_button"."""
    # The masthead's search form comes first, with inputs of its own.
    search = ('<form name="search" method="get" action="%s/search">\n' % req.origin_of("auctions")
              + hidden("category", "0") + '<input type="text" name="p" value="">'
              '<input type="submit" value="検索"></form>\n')
    title = first(pairs, "Title")
    summary = ('<table class="decConfirm">\n<tr><th>タイトル</th><td>%s</td></tr>\n'
               '<tr><th>開始価格</th><td>%s円</td></tr>\n<tr><th>個数</th><td>%s</td></tr>\n</table>\n'
               % (html_escape(title), html_escape(first(pairs, "StartPrice")), html_escape(first(pairs, "Quantity"))))
    body = search + title_bar("出品内容の確認") + summary
    if how == "no_form":
        body += "<p>確認画面を表示できませんでした。</p>\n"
        return frame(req, v, "出品内容の確認", body, charset)
    named = named_charset(req, "relist_submit_charset", d["id"])
    inputs = []
    if new_style:
        inputs.append(hidden("salesContract", "0"))
    for name, value in pairs:
        if name != ".crumb":
            inputs.append(hidden(name, value))
    inputs.append(hidden(".crumb", new_token(req, kind="relist-confirm", charset=named or "UTF-8")))
    buttons = '<input type="button" value="修正する" onclick="history.back(); return false;">\n'
    if how != "no_button":
        buttons += ('<input type="button" id="auc_preview_submit" class="btnPreviewSubmit" value="この内容で出品する" '
                    'onclick="%s">\n' % html_escape(submit_call(req, named)))
    body += ('<form name="auction" method="post" action="%s">\n' % SUBMIT_PATH + "".join(inputs)
             + '<p class="buttons">\n%s</p>\n</form>\n' % buttons)
    return frame(req, v, "出品内容の確認", body, charset)


def new_auction_id(req, user):
    with req.standin.lock:
        count = req.standin.store.get("new_id_count", 0) + 1
        req.standin.store["new_id_count"] = count
    number = sorted(demo.COUNTS).index(user) + 1 if user in demo.COUNTS else 9
    return "r%d%08d" % (number, 50000000 + count)


def submit(req):
    """relist_submit: "done" (default), "garbled", "error_box", "unt_head", "error_codes",
    "error_text", "announcement"."""
    v = signed_in(req)
    aid = raw_field(req, "aID")
    info = token_info(req, raw_field(req, ".crumb"))
    # Read in the charset the button named on the page that gave out the token.
    charset = info.get("charset", "UTF-8") if info else "UTF-8"
    pairs = posted(req, charset)
    page_set = sell_charset(req)
    d = own_item(req, v, aid, page_set)
    with req.standin.lock:
        entry = record(req, "relistings").setdefault(aid, {"count": 0, "attempts": 0, "new_ids": [], "listings": []})
        entry["attempts"] += 1
    how = switch(req, "relist_submit", aid, "done")
    if how == "announcement":
        return Response.redirect(302, req.origin_of("trading") + ANNOUNCEMENT_PATH, headers=v.headers)
    values = posted_values(pairs)
    if info is None or info.get("kind") != "relist-confirm":
        return failed(req, v, page_set, error_box(EXPIRED_TEXT))
    if check_fields(values, first(pairs, "fnavi") == "1" or d["style"] == "new"):
        return failed(req, v, page_set, error_box(FIELD_ERROR_TEXT))
    if how == "error_box":
        return failed(req, v, page_set, error_box("ただいま出品できません。しばらくしてからもう一度お試しください。"))
    if how == "unt_head":
        return failed(req, v, page_set, alert_box("システムエラーが発生しました。", "時間をおいてもう一度お試しください。"))
    if how == "error_codes":
        return failed(req, v, page_set, '<input type="hidden" id="submitErrorCodes" value="%s">\n'
                      % html_escape('{"code":"E0105","message":"出品処理がタイムアウトしました。"}'))
    if how == "error_text":
        return failed(req, v, page_set, "<p>エラー：出品処理に失敗しました。</p>\n")
    if how not in ("done", "garbled"):
        raise ValueError("unknown relist_submit %r" % how)
    title = last(pairs, "Title")
    shown = "".join(c if ord(c) < 128 else "?" for c in title) if how == "garbled" else title
    new_id = new_auction_id(req, d["user"])
    fields = {name: value for name, value in pairs}
    end = clock(req) + 86400 * int(fields.get("Duration") or 7)
    with req.standin.lock:
        entry["count"] += 1
        entry["new_ids"].append(new_id)
        entry["listings"].append({"new_id": new_id, "fields": fields, "pairs": [list(p) for p in pairs],
                                  "charset": charset})
        entry["fields"] = fields
        entry["pairs"] = [list(p) for p in pairs]
        record(req, "new_items")[new_id] = {"source": aid, "fields": fields, "end": end}
    body = (title_bar(DONE_TITLE)
            + '<div id="modAlertBox">\n<div class="untBody">%s</div>\n</div>\n' % html_escape(shown)
            + '<p>以下のオークションを出品しました。オークションID：<a href="%s/jp/auction/%s">%s</a></p>\n'
            % (req.origin_of("item"), new_id, new_id))
    return frame(req, v, "%s - %s" % (DONE_TITLE, shown), body, page_set)


def failed(req, v, charset, block):
    return frame(req, v, "エラー", title_bar("エラー") + block, charset)
