"""Editing an item on sale: description additions (sell host) and the
featured amount (auctions host). Signed-in pages of the seller's own items
on sale.

Description additions, in the charset of "sell_charset" (EUC-JP by default):
  GET  /jp/show/updateauction?aID=ID   form name="auction" (action
                                       "/jp/preview/updateauction") with hidden
                                       fields and an empty "Description" textarea
  POST /jp/preview/updateauction       the confirmation: form name="auction"
                                       (action "/jp/config/updateauction"), every
                                       field hidden, the final button (id
                                       "btnEditConfirm") whose onclick calls
                                       ".submit(" with the address and the charset
                                       in its fifth argument
  POST /jp/config/updateauction        "管理：オークションの編集 - 完了" in the title

Featured amount, in the charset of "featured_charset" (EUC-JP by default):
  GET  /jp/show/featured?aID=ID        a form whose action holds "editfeatured"
                                       ("/jp/config/editfeatured") with the "tos"
                                       check box, "dpd" and hidden fields
  POST (the form's action)             hidden "action" = "confirm": the
                                       confirmation form (same action) whose first
                                       table has the row "1日あたりの金額：300円",
                                       or the input again with the error in
                                       <font color="#FF0000"><b>; "submit": the
                                       completion page or an error

Per auction ID the stand-in keeps the texts added (GET /control/additions)
and the amounts set (GET /control/featured).
"""

from .itempage import item_data
from .jobpages import (error_box, first, frame, hidden, named_charset, new_token, page_charset, posted, raw_field,
                       record, records_read, sell_charset, signed_in, switch, title_bar, token_info)
from .site import Answer, html_escape

ADD_INPUT_PATH = "/jp/show/updateauction"
ADD_PREVIEW_PATH = "/jp/preview/updateauction"
ADD_SUBMIT_PATH = "/jp/config/updateauction"
ADD_DONE_TITLES = {"done": "管理：オークションの編集 - 完了", "halfwidth": "管理:オークションの編集 - 完了"}

FEATURED_INPUT_PATH = "/jp/show/featured"
# Form actions by featured_form; every one reaches the same page.
FEATURED_ACTIONS = {"editfeatured": "/jp/config/editfeatured", "config/featured": "/jp/config/featured",
                    "config_featured": "/jp/show/config_featured"}
FEATURED_MIN, FEATURED_MAX, FEATURED_STEP = 20, 999, 10
RED = "#FF0000"


def register(router):
    router.add("sell", ADD_INPUT_PATH, addition_input)
    router.add("sell", ADD_PREVIEW_PATH, addition_preview)
    router.add("sell", ADD_SUBMIT_PATH, addition_submit)
    router.add("auctions", FEATURED_INPUT_PATH, featured_input)
    for path in FEATURED_ACTIONS.values():
        router.add("auctions", path, featured_post)
    router.add_control("/control/additions", records_read("additions"))
    router.add_control("/control/featured", records_read("featured"))


def selling_item(req, v, aid, charset, title):
    """The seller's own item on sale; for another the page answers with an error."""
    d = item_data(req, aid)
    if d is None or d["list"] != "selling" or d["user"].lower() != v.session_user.lower():
        body = title_bar(title) + error_box("このオークションは編集できません。出品中のオークションか確認してください。")
        raise Answer(frame(req, v, title, body, charset))
    return d


# Description additions.
def current_description(req, d):
    with req.standin.lock:
        added = list(record(req, "additions").get(d["id"], {}).get("texts", []))
    return d["description"] + "".join("<br>（追記）" + text for text in added)


def addition_form(req, d, error=None):
    """addition_form: "normal" (default), "none"."""
    how = switch(req, "addition_form", d["id"], "normal")
    if how not in ("normal", "none"):
        raise ValueError("unknown addition_form %r" % how)
    body = (title_bar("商品説明の追加")
            + '<div class="current"><h2>現在の商品説明</h2>\n<div>%s</div>\n</div>\n' % current_description(req, d))
    if error:
        body += error_box(error)
    if how == "none":
        return body + "<p>ただいま商品説明の追加はできません。</p>\n"
    return (body + '<form name="auction" method="post" action="%s">\n' % ADD_PREVIEW_PATH
            + hidden("aID", d["id"]) + hidden(".crumb", new_token(req, kind="addition-form"))
            + hidden("editType", "addDescription") + hidden("Title", d["title"])
            + '<table class="decForm">\n<tr><th>追加する商品説明</th><td>'
              '<textarea name="Description" rows="10" cols="70"></textarea></td></tr>\n</table>\n'
              '<p><input type="submit" value="確認する"></p>\n</form>\n')


def addition_input(req):
    v = signed_in(req)
    charset = sell_charset(req)
    d = selling_item(req, v, req.param("aID", ""), charset, "商品説明の追加")
    return frame(req, v, "商品説明の追加", addition_form(req, d), charset)


def final_button(req, how, charset):
    """addition_button: the button found by "id" (default), "class" or "value"."""
    url = req.origin + ADD_SUBMIT_PATH
    args = "'%s', 'auction', 'post', 1" % url + (", '%s'" % charset.lower() if charset else "")
    onclick = html_escape("document.auction.action='%s'; auc.form.submit(%s); return false;" % (url, args))
    if how == "id":
        return '<input type="button" id="btnEditConfirm" value="この内容で更新" onclick="%s">' % onclick
    if how == "class":
        return '<input type="button" class="btnEditSubmit" value="この内容で更新" onclick="%s">' % onclick
    if how == "value":
        return '<input type="button" value="更新する" onclick="%s">' % onclick
    raise ValueError("unknown addition_button %r" % how)


def addition_preview(req):
    """addition_confirm: "named" (default), "action_only" (a form without name), "no_form", "no_button", "error"."""
    v = signed_in(req)
    charset = sell_charset(req)
    pairs = posted(req, charset)
    d = selling_item(req, v, first(pairs, "aID"), charset, "商品説明の追加")
    info = token_info(req, first(pairs, ".crumb"))
    if info is None or info.get("kind") != "addition-form":
        return frame(req, v, "商品説明の追加", addition_form(req, d, "ページの有効期限が切れました。"), charset)
    text = first(pairs, "Description")
    if not text.strip():
        return frame(req, v, "商品説明の追加", addition_form(req, d, "追加する商品説明を入力してください。"), charset)
    how = switch(req, "addition_confirm", d["id"], "named")
    if how not in ("named", "action_only", "no_form", "no_button", "error"):
        raise ValueError("unknown addition_confirm %r" % how)
    body = title_bar("商品説明の追加の確認") + '<div class="preview">%s</div>\n' % text
    if how == "error":
        body += error_box("商品説明を更新できません。しばらくしてからもう一度お試しください。")
        return frame(req, v, "商品説明の追加の確認", body, charset)
    if how == "no_form":
        return frame(req, v, "商品説明の追加の確認", body + "<p>確認画面を表示できませんでした。</p>\n", charset)
    named = named_charset(req, "addition_submit_charset", d["id"])
    name = ' name="auction"' if how != "action_only" else ""
    inputs = [hidden(k, value) for k, value in pairs if k != ".crumb"]
    inputs.append(hidden(".crumb", new_token(req, kind="addition-confirm", charset=named or "UTF-8")))
    buttons = '<input type="button" value="戻る" onclick="history.back(); return false;">\n'
    if how != "no_button":
        buttons += final_button(req, switch(req, "addition_button", d["id"], "id"), named) + "\n"
    body += ('<form%s method="post" action="%s">\n' % (name, ADD_SUBMIT_PATH) + "".join(inputs)
             + '<p class="buttons">\n%s</p>\n</form>\n' % buttons)
    return frame(req, v, "商品説明の追加の確認", body, charset)


def addition_submit(req):
    """addition_result: "done" (default), "halfwidth" (":" in the title), "error"."""
    v = signed_in(req)
    page_set = sell_charset(req)
    info = token_info(req, raw_field(req, ".crumb"))
    charset = info.get("charset", "UTF-8") if info else "UTF-8"
    pairs = posted(req, charset)
    d = selling_item(req, v, first(pairs, "aID"), page_set, "商品説明の追加")
    with req.standin.lock:
        entry = record(req, "additions").setdefault(d["id"], {"count": 0, "attempts": 0, "texts": []})
        entry["attempts"] += 1
    how = switch(req, "addition_result", d["id"], "done")
    text = first(pairs, "Description")
    if info is None or info.get("kind") != "addition-confirm" or not text.strip() or how == "error":
        body = title_bar("エラー") + error_box("商品説明を更新できませんでした。もう一度最初から操作してください。")
        return frame(req, v, "エラー", body, page_set)
    if how not in ADD_DONE_TITLES:
        raise ValueError("unknown addition_result %r" % how)
    with req.standin.lock:
        entry["count"] += 1
        entry["texts"].append(text)
        entry["charset"] = charset
    body = (title_bar("オークションの編集 - 完了")
            + "<p>商品説明を追加しました。</p>\n"
            + '<p><a href="%s/jp/auction/%s">%s</a></p>\n' % (req.origin_of("item"), d["id"], html_escape(d["title"])))
    return frame(req, v, ADD_DONE_TITLES[how], body, page_set)


# Featured amount.
def featured_charset(req):
    return page_charset(req, "featured_charset", "EUC-JP")


def current_amount(req, d):
    with req.standin.lock:
        amounts = record(req, "featured").get(d["id"], {}).get("amounts", [])
        return amounts[-1] if amounts else d["featured_amount"]


def red(text):
    return '<p><font color="%s"><b>%s</b></font></p>\n' % (RED, html_escape(text))


def featured_form(req, d, error=None, amount=""):
    """featured_form: "editfeatured" (default), "config/featured", "config_featured", "none", "no_fields"."""
    how = switch(req, "featured_form", d["id"], "editfeatured")
    if how not in list(FEATURED_ACTIONS) + ["none", "no_fields"]:
        raise ValueError("unknown featured_form %r" % how)
    current = current_amount(req, d)
    body = (title_bar("注目のオークションの設定")
            + "<p>商品名：%s（%s）</p>\n" % (html_escape(d["title"]), d["id"])
            + "<p>現在の金額：%s</p>\n" % ("%d円" % current if current else "未設定"))
    if error:
        body += red(error)
    if how == "none":
        return body + "<p>このオークションには注目のオークションを設定できません。</p>\n"
    action = FEATURED_ACTIONS.get(how, FEATURED_ACTIONS["editfeatured"])
    fields = ""
    if how != "no_fields":
        fields = ('<table class="decForm">\n<tr><th>1日あたりの金額</th><td>'
                  '<input type="text" name="dpd" value="%s" size="4" maxlength="3">円</td></tr>\n</table>\n'
                  '<p><label><input type="checkbox" name="tos" value="yes">注目のオークションのガイドラインに同意する</label></p>\n'
                  % html_escape(str(amount)))
    return (body + '<form method="post" action="%s">\n' % action
            + hidden("action", "confirm") + hidden("aID", d["id"])
            + hidden("md5", new_token(req, kind="featured-form")) + hidden("UEtitle", d["title"])
            + hidden("acat", d["category"]) + hidden("afdpd", str(current)) + fields
            + '<p><input type="submit" name="submit" value="確認する"></p>\n</form>\n')


def featured_input(req):
    v = signed_in(req)
    charset = featured_charset(req)
    d = selling_item(req, v, req.param("aID", ""), charset, "注目のオークションの設定")
    return frame(req, v, "注目のオークションの設定", featured_form(req, d), charset)


def amount_error(req, d, text):
    if not text.isdigit():
        return "1日あたりの金額を半角数字で入力してください。"
    amount = int(text)
    if not FEATURED_MIN <= amount <= FEATURED_MAX:
        return "1日あたりの金額は%d円以上%d円以下で入力してください。" % (FEATURED_MIN, FEATURED_MAX)
    current = current_amount(req, d)
    step = int(req.state.get("featured_step", FEATURED_STEP))
    if current and amount < current + step:
        return "現在の設定金額より%d円以上高い金額を入力してください。" % step
    return None


def amount_row(how, amount):
    """featured_confirm's row of the amount per day."""
    rows = {
        "row": "<tr><th>1日あたりの金額：</th><td>%d円</td></tr>\n" % amount,
        "fullwidth": "<tr><th>１日あたりの金額：</th><td>%d円</td></tr>\n" % amount,
        "colon": "<tr><th>1日あたりの金額:</th><td>%d円</td></tr>\n" % amount,
        "other_amount": "<tr><th>1日あたりの金額：</th><td>%d円</td></tr>\n" % (amount + 50),
        "no_row": "",
    }
    return rows[how]


def featured_post(req):
    """The featured form's post: hidden "action" "confirm" (the input form) or "submit" (the confirmation)."""
    v = signed_in(req)
    charset = featured_charset(req)
    pairs = posted(req, charset)
    d = selling_item(req, v, first(pairs, "aID"), charset, "注目のオークションの設定")
    stage = first(pairs, "action")
    info = token_info(req, first(pairs, "md5"))
    kind = {"confirm": "featured-form", "submit": "featured-confirm"}.get(stage)
    dpd = first(pairs, "dpd")
    title = "注目のオークションの設定"
    if kind is None or info is None or info.get("kind") != kind:
        return frame(req, v, title, featured_form(req, d, "ページの有効期限が切れました。もう一度設定してください。"),
                     charset)
    error = None if first(pairs, "tos") == "yes" else "ガイドラインに同意してください。"
    error = error or amount_error(req, d, dpd)
    if stage == "confirm":
        how = switch(req, "featured_confirm", d["id"], "row")
        if how not in ("row", "fullwidth", "colon", "other_amount", "no_row", "again", "no_form"):
            raise ValueError("unknown featured_confirm %r" % how)
        if how == "again":
            error = error or "入力内容を確認してください。"
        if error:
            return frame(req, v, title, featured_form(req, d, error, dpd), charset)
        body = title_bar("注目のオークションの設定の確認")
        if how == "no_form":
            return frame(req, v, title + "の確認", body + "<p>確認画面を表示できませんでした。</p>\n", charset)
        body += ('<form method="post" action="%s">\n' % req.path
                 + '<table class="decConfirm">\n<tr><th>商品名：</th><td>%s</td></tr>\n' % html_escape(d["title"])
                 + amount_row(how, int(dpd)) + "</table>\n"
                 + hidden("tos", "yes") + hidden("dpd", dpd) + hidden("action", "submit") + hidden("aID", d["id"])
                 + hidden("md5", new_token(req, kind="featured-confirm")) + hidden("UEtitle", d["title"])
                 + hidden("acat", d["category"]) + hidden("afdpd", first(pairs, "afdpd")) + hidden("confirm", "1")
                 + '<p><input type="submit" name="submit" value="設定する"></p>\n</form>\n')
        return frame(req, v, title + "の確認", body, charset)
    with req.standin.lock:
        entry = record(req, "featured").setdefault(d["id"], {"count": 0, "attempts": 0, "amounts": []})
        entry["attempts"] += 1
    how = switch(req, "featured_result", d["id"], "done")
    if how not in ("done", "error", "form"):
        raise ValueError("unknown featured_result %r" % how)
    if how == "form":
        return frame(req, v, title, featured_form(req, d, None, dpd), charset)
    if error or how == "error":
        body = title_bar("エラー") + red(error or "注目のオークションの設定に失敗しました。")
        return frame(req, v, "エラー", body, charset)
    with req.standin.lock:
        entry["count"] += 1
        entry["amounts"].append(int(dpd))
    body = (title_bar("注目のオークションの設定 - 完了")
            + "<p>注目のオークションを設定しました（1日あたり%d円）。</p>\n" % int(dpd))
    return frame(req, v, "注目のオークションの設定 - 完了", body, charset)
