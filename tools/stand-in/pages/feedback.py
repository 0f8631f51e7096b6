"""Feedback on the auctions host: the input page, its confirmation and the final post.

  GET  /jp/show/leavefeedback?t=ID&aID=ID   the input form (action
                                            "/jp/preview/leavefeedback"): hidden
                                            "t", "aID", ".crumb", the "rating"
                                            radios, the "formComment" textarea and
                                            the submit button input#decCheck
  POST /jp/preview/leavefeedback            the confirmation form (action
                                            "/jp/submit/leavefeedback"), every
                                            field hidden; or the input form again
  POST /jp/submit/leavefeedback             the completion page, or by scenario an
                                            error box or the input form again

The seller rates the winners of his closed items, the buyer the seller of a
won item. Pages in the charset of "feedback_charset" (EUC-JP by default),
posts read in it. Per auction ID and partner the stand-in keeps the feedback
given (GET /control/feedback).
"""

from .itempage import item_data
from .jobpages import (error_box, first, frame, hidden, new_token, page_charset, posted, record, records_read,
                       signed_in, switch, title_bar, token_info)
from .site import Answer, html_escape

INPUT_PATH = "/jp/show/leavefeedback"
PREVIEW_PATH = "/jp/preview/leavefeedback"
OTHER_PREVIEW_PATH = "/jp/config/leavefeedback"
SUBMIT_PATH = "/jp/submit/leavefeedback"

RATINGS = [("veryGood", "非常に良い"), ("good", "良い"), ("normal", "どちらでもない"), ("bad", "悪い"),
           ("veryBad", "非常に悪い")]
RATING_WORDS = dict(RATINGS)


def register(router):
    router.add("auctions", INPUT_PATH, input_page)
    router.add("auctions", PREVIEW_PATH, preview)
    router.add("auctions", OTHER_PREVIEW_PATH, preview)
    router.add("auctions", SUBMIT_PATH, submit)
    router.add_control("/control/feedback", records_read("feedback"))


def charset_of(req):
    return page_charset(req, "feedback_charset", "EUC-JP")


def partners_of(d, user):
    """Whom the user may rate for the item: the winners (as its seller) or the seller (as the buyer)."""
    if not d["ended"]:
        return []
    if d["list"] == "closed-winner" and d["seller"].lower() == user.lower():
        return list(d["winners"])
    if d["list"] == "won" and (d["buyer"] or "").lower() == user.lower():
        return [d["seller"]]
    return []


def partner(d, user, t):
    """The partner's own spelling for t (IDs compare without case), or None."""
    partners = partners_of(d, user)
    if not t and len(partners) == 1:
        return partners[0]
    return next((p for p in partners if t and p.lower() == t.lower()), None)


def notice(req, v, charset, text):
    return frame(req, v, "評価", title_bar("評価") + "<p>%s</p>\n" % html_escape(text), charset)


def input_form(req, d, who, error=None, values=None):
    """feedback_form: "normal" (default), "decCheck" (found only by its button), "none", "no_rating"."""
    how = switch(req, "feedback_form", d["id"], "normal")
    if how not in ("normal", "decCheck", "none", "no_rating"):
        raise ValueError("unknown feedback_form %r" % how)
    values = values or {}
    head = ('<p>取引相手：<a href="%s/jp/show/rating?userID=%s">%s</a><br>オークション：%s（%s）</p>\n'
            % (req.origin_of("auctions"), html_escape(who), html_escape(who), html_escape(d["title"]), d["id"]))
    if how == "none":
        return head + "<p>現在この取引の評価はできません。</p>\n"
    action = OTHER_PREVIEW_PATH if how == "decCheck" else PREVIEW_PATH
    rating = ""
    if how != "no_rating":
        rating = ("<tr><th>評価</th><td>%s</td></tr>\n" % " ".join(
            '<label><input type="radio" name="rating" value="%s"%s>%s</label>'
            % (word, " checked" if values.get("rating") == word else "", text) for word, text in RATINGS))
    return (head + (error_box(error) if error else "")
            + '<form method="post" action="%s">\n' % action
            + hidden("t", who) + hidden("aID", d["id"]) + hidden(".crumb", new_token(req, kind="feedback-form"))
            + '<table class="decForm">\n' + rating
            + '<tr><th>コメント</th><td><textarea name="formComment" rows="5" cols="60">%s</textarea></td></tr>\n'
            % html_escape(values.get("formComment", ""))
            + '</table>\n<p><input type="submit" id="decCheck" value="確認する"></p>\n</form>\n')


def input_page(req):
    v = signed_in(req)
    charset = charset_of(req)
    aid = req.param("aID", "")
    d = item_data(req, aid)
    if d is None:
        return notice(req, v, charset, "指定されたオークションは存在しません。")
    if not d["ended"]:
        return notice(req, v, charset, "このオークションはまだ終了していません。")
    who = partner(d, v.session_user, req.param("t"))
    if who is None:
        partners = partners_of(d, v.session_user)
        if len(partners) > 1 and not req.param("t"):
            return notice(req, v, charset, "評価する取引相手を選んでください。")
        return notice(req, v, charset, "この取引相手を評価することはできません。")
    return frame(req, v, "評価の入力", title_bar("評価の入力") + input_form(req, d, who), charset)


def read_post(req, kind):
    """(visit, charset, pairs, item, partner, values) of a feedback post; else the page answers at once."""
    v = signed_in(req)
    charset = charset_of(req)
    pairs = posted(req, charset)
    d = item_data(req, first(pairs, "aID"))
    if d is None or not d["ended"]:
        raise Answer(notice(req, v, charset, "このオークションは評価できません。"))
    who = partner(d, v.session_user, first(pairs, "t"))
    if who is None:
        raise Answer(notice(req, v, charset, "この取引相手を評価することはできません。"))
    values = {"rating": first(pairs, "rating"), "formComment": first(pairs, "formComment")}
    info = token_info(req, first(pairs, ".crumb"))
    if info is None or info.get("kind") != kind:
        raise Answer(again(req, v, charset, d, who, "ページの有効期限が切れました。もう一度入力してください。", values))
    if values["rating"] not in RATING_WORDS:
        raise Answer(again(req, v, charset, d, who, "評価を選択してください。", values))
    return v, charset, pairs, d, who, values


def again(req, v, charset, d, who, error, values):
    return frame(req, v, "評価の入力", title_bar("評価の入力") + input_form(req, d, who, error, values), charset)


def preview(req):
    """feedback_preview: "confirm" (default), "no_form"."""
    v, charset, pairs, d, who, values = read_post(req, "feedback-form")
    how = switch(req, "feedback_preview", d["id"], "confirm")
    if how not in ("confirm", "no_form"):
        raise ValueError("unknown feedback_preview %r" % how)
    body = (title_bar("評価内容の確認")
            + '<table class="decConfirm">\n<tr><th>取引相手</th><td>%s</td></tr>\n<tr><th>評価</th><td>%s</td></tr>\n'
              '<tr><th>コメント</th><td>%s</td></tr>\n</table>\n'
            % (html_escape(who), RATING_WORDS[values["rating"]], html_escape(values["formComment"])))
    if how == "confirm":
        body += ('<form method="post" action="%s">\n' % SUBMIT_PATH
                 + hidden("t", who) + hidden("aID", d["id"]) + hidden("rating", values["rating"])
                 + hidden("formComment", values["formComment"])
                 + hidden(".crumb", new_token(req, kind="feedback-confirm"))
                 + '<p><input type="submit" value="評価を公開する"></p>\n</form>\n')
    return frame(req, v, "評価内容の確認", body, charset)


def submit(req):
    """feedback_result: "done" (default), "error" (an error box), "form_again" (the input form again)."""
    v, charset, pairs, d, who, values = read_post(req, "feedback-confirm")
    how = switch(req, "feedback_result", d["id"], "done")
    with req.standin.lock:
        entry = record(req, "feedback").setdefault(d["id"], {}).setdefault(
            who, {"count": 0, "attempts": 0, "rating": None, "comment": None, "given": []})
        entry["attempts"] += 1
    if how == "error":
        body = title_bar("エラー") + error_box("評価を送信できませんでした。しばらくしてからもう一度お試しください。")
        return frame(req, v, "エラー", body, charset)
    if how == "form_again":
        return again(req, v, charset, d, who, "入力内容に誤りがあります。もう一度入力してください。", values)
    if how != "done":
        raise ValueError("unknown feedback_result %r" % how)
    with req.standin.lock:
        entry["count"] += 1
        entry["rating"] = values["rating"]
        entry["comment"] = values["formComment"]
        entry["given"].append({"t": first(pairs, "t"), "rating": values["rating"],
                               "comment": values["formComment"]})
    body = (title_bar("評価の完了")
            + "<p>%sさんへの評価を公開しました。</p>\n" % html_escape(who)
            + '<p><a href="%s/jp/auction/%s">オークションに戻る</a></p>\n' % (req.origin_of("item"), d["id"]))
    return frame(req, v, "評価の完了", body, charset)
