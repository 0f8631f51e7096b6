"""The service's log-in: the log-in host's form and its answers, log-out,
the protected host's one-time password, and the pages that show who is
signed in (the ID pages).

login host
  GET  /config/login?.src=auc&lg=jp&auth_lv=pw&.intl=jp&.done=URL
                         form "login_form" with the hidden inputs of the
                         log-in form and a script that sets ".albatross"
                         (a new value on every page)
  POST /config/login     checks ".albatross" and the account: success,
                         the form again with its error, a captcha form or a
                         one-time-password form
  GET  /config/login?logout=1&...&.done=URL
                         ends the session, then 302 to URL
  GET  /config/login_verify2?...&.ct=...
                         where the captcha form continues: the form again
protected_login host
  POST /otp?.done=URL    the right one-time password signs in: 302 to URL
auctions host /topic/notice/, /; portal host /
                         the signed-in ID, each page from one source
"""

import secrets
from urllib.parse import quote

from .service import (ACCOUNTS, NOTICE_PATH, auction_name, charset_name, done_address,
                      end_session, find_account, id_label, image, login_url, logout_url,
                      masthead, own_url, page, portal_name, sessions_read, start_session, visit)
from .site import PY_CODECS, Response, html_escape

# Hidden inputs of the log-in form, in the order of the form's fields.
HIDDEN_FIELDS = [
    ".tries", ".src", ".md5", ".hash", ".js", ".last", "promo", ".intl", ".bypass", ".partner",
    ".u", ".v", ".challenge", ".yplus", ".emailCode", "pkg", "stepid", ".ev", "hasMsgr", ".chkP",
    ".done", ".pd",
]

ERROR_TEXT = "IDまたはパスワードが正しくありません。"
EXPIRED_TEXT = "ページの有効期限が切れました。もう一度ログインしてください。"
OTP_ERROR_TEXT = "ワンタイムパスワードが正しくありません。"


def register(router):
    router.add("login", "/config/login", login)
    router.add("login", "/config/login_verify2", login_verify)
    router.add("protected_login", "/otp", one_time_password)
    router.add("auctions", NOTICE_PATH, notice_page)
    router.add("auctions", "/", auctions_top)
    router.add("portal", "/", portal_top)
    router.add_prefix("images", "/images/", image)
    router.add_control("/control/sessions", sessions_read)
    router.add_control("/control/accounts", lambda req: {"accounts": [a.describe() for a in ACCOUNTS]})


def login_charset(req):
    return charset_name(req.state.get("login_charset"), "UTF-8")


def login_page(req, title, body, status=200, headers=None, head=""):
    return page(title, body, login_charset(req), "both", status, headers, head)


def posted(req):
    """The form of a POST, decoded in the charset of the log-in pages."""
    codec = PY_CODECS[login_charset(req).lower()]
    return {k.decode(codec, "replace"): v.decode(codec, "replace") for k, v in req.form_bytes()}


def issue_token(req, kind):
    token = secrets.token_urlsafe(12)
    with req.standin.lock:
        req.standin.store.setdefault(kind, {})[token] = True
    return token


def take_token(req, kind, token):
    with req.standin.lock:
        return req.standin.store.setdefault(kind, {}).pop(token or "", None) is not None


def hidden(name, value):
    return '<input type="hidden" name="%s" value="%s">\n' % (html_escape(name), html_escape(value))


def form_page(req, done, error=None, tries=1):
    """The log-in form; error: the text of a rejected log-in ("" for none shown)."""
    state = req.state
    if state.get("login_action") == "other":
        action = req.origin_of("portal") + "/config/login"
    elif state.get("login_action"):
        action = str(state["login_action"])
    else:
        action = req.origin + "/config/login"
    values = {
        ".tries": str(tries), ".src": "auc", ".intl": "jp", ".u": secrets.token_hex(6), ".v": "0",
        ".challenge": secrets.token_urlsafe(18), "hasMsgr": "0", ".chkP": "Y", ".done": done,
        ".pd": "auc_ver=0&c=&ivt=&sg=",
    }
    by_class = state.get("login_error") == "class"
    error_block = ""
    if error is not None:
        text = "" if state.get("login_error") == "empty" else html_escape(error)
        error_block = ('<div class="errMsg">%s</div>\n' if by_class else '<div id="errMsg">%s</div>\n') % text
    hidden_id = state.get("login_hidden_id")
    if hidden_id:
        id_input = hidden("login", str(hidden_id))
    else:
        id_input = ('<p><label for="username">%s</label><br>'
                    '<input type="text" name="login" id="username" value="" size="30"></p>\n'
                    % html_escape(id_label(req)))
    form_head = ('<form method="post" action="%s">\n' if state.get("login_form_name") is False
                 else '<form name="login_form" method="post" action="%s">\n') % html_escape(action)
    body = ('<div id="wrapper">\n<h1>ログイン</h1>\n' + form_head
            + ('<div class="inputArea">\n' if by_class else '<div id="inputArea">\n')
            + error_block + id_input
            + '<p><label for="passwd">パスワード</label><br>'
              '<input type="password" name="passwd" id="passwd" value="" size="30"></p>\n'
              '<p><input type="checkbox" name=".persistent" value="y" checked> ログインしたままにする</p>\n'
              '</div>\n'
            + hidden(".albatross", "")
            + "".join(hidden(name, values.get(name, "")) for name in HIDDEN_FIELDS)
            + hidden(".nojs", "1")
            + '<p><input type="submit" value="ログイン"></p>\n</form>\n</div>\n')
    if state.get("login_script", True) is not False:
        token = issue_token(req, "albatross")
        body += ('<script type="text/javascript">\n'
                 'document.getElementsByName(".albatross")[0].value = "%s";\n'
                 'document.getElementsByName(".nojs")[0].value = "";\n</script>\n' % token)
    return login_page(req, "%s - ログイン" % portal_name(req), body)


def login(req):
    if req.param("logout") == "1":
        return logout(req)
    if req.method == "POST":
        return login_post(req)
    resp = form_page(req, req.param(".done") or done_address(req))
    resp.wait = float(req.state.get("login_wait") or 0)
    return resp


def login_verify(req):
    return form_page(req, req.param(".done") or done_address(req))


def logout(req):
    cleared = end_session(req)
    done = req.param(".done")
    if done:
        return Response.redirect(302, done, headers=[cleared])
    return login_page(req, "%s - ログアウト" % portal_name(req),
                      "<p>ログアウトしました。</p>\n", headers=[cleared])


def login_post(req):
    state = req.state
    form = posted(req)
    done = form.get(".done") or done_address(req)
    tries = int(form.get(".tries", "1")) + 1 if form.get(".tries", "1").isdigit() else 2
    if state.get("login_script", True) is not False and not take_token(req, "albatross", form.get(".albatross")):
        return form_page(req, done, EXPIRED_TEXT, tries)
    account = find_account(form.get("login"))
    if account is None or form.get("passwd") != account.password:
        return form_page(req, done, ERROR_TEXT, tries)

    captcha = state.get("login_captcha")
    if captcha is True or (isinstance(captcha, int) and captcha > 0 and req.hit("login-captcha") <= captcha):
        return captcha_page(req, done)
    if state.get("login_otp"):
        return otp_page(req, account, done)
    return signed_in_answer(req, account, done)


def signed_in_answer(req, account, done):
    """The answer to a right log-in, by the scenario's "login_success"."""
    cookie = start_session(req, account.user)
    how = req.state.get("login_success", "refresh")
    if how == "redirect":
        return Response.redirect(302, done, headers=[cookie])
    title = "%s - ログイン" % portal_name(req)
    if how == "id_only":
        return login_page(req, title, masthead(req, account.user) + "<p>ログインしました。</p>\n",
                          headers=[cookie])
    target = req.origin_of("portal") + "/" if how == "elsewhere" else done
    if how not in ("refresh", "elsewhere"):
        raise ValueError("unknown login_success %r" % how)
    head = '<meta http-equiv="refresh" content="0; url=%s">\n' % html_escape(target)
    body = ('<p>ログインしました。自動的に移動しない場合は、次のリンクをクリックしてください。</p>\n'
            '<p><a href="%s">%s</a></p>\n' % (html_escape(target), html_escape(target)))
    return login_page(req, title, body, headers=[cookie], head=head)


def captcha_page(req, done):
    token = issue_token(req, "captcha")
    body = ('<div id="wrapper">\n<h1>画像認証</h1>\n'
            '<p>画像に表示されている文字を入力して、「続ける」をクリックしてください。</p>\n'
            '<form name="captchaForm" method="get" action="%s/config/login_verify2">\n'
            % html_escape(req.origin)
            + hidden(".src", "auc") + hidden(".done", done) + hidden(".ct", token)
            + '<p><img src="%s/images/captcha.gif" width="200" height="60" alt="認証用の画像"></p>\n'
              '<p><input type="text" name="captchaAnswer" value="" size="20"></p>\n'
              '<p><input type="submit" value="続ける"></p>\n</form>\n</div>\n'
            % html_escape(req.origin_of("images")))
    return login_page(req, "%s - 画像認証" % portal_name(req), body)


def otp_page(req, account, done, token=None, error=False):
    if token is None:
        token = secrets.token_urlsafe(12)
        with req.standin.lock:
            req.standin.store.setdefault("otp", {})[token] = account.user
    action = "%s/otp?.done=%s" % (req.origin_of("protected_login"), quote(done, safe=""))
    body = ('<div id="wrapper">\n<h1>ワンタイムパスワード</h1>\n'
            + ('<div id="errMsg">%s</div>\n' % OTP_ERROR_TEXT if error else "")
            + '<p>ワンタイムパスワードを入力して、「認証」をクリックしてください。</p>\n'
              '<form name="otpForm" method="post" action="%s">\n' % html_escape(action)
            + hidden("token", token) + hidden(".src", "auc")
            + '<p><input type="text" name="otp" value="" size="10"></p>\n'
              '<p><input type="submit" value="認証"></p>\n</form>\n</div>\n')
    return login_page(req, "%s - ワンタイムパスワード" % portal_name(req), body)


def one_time_password(req):
    if req.method != "POST":
        return Response.html("<html><body><p>POST only</p></body></html>\n", status=405)
    form = {k.decode("utf-8", "replace"): v.decode("utf-8", "replace") for k, v in req.form_bytes()}
    done = req.param(".done") or done_address(req)
    token = form.get("token", "")
    with req.standin.lock:
        user = req.standin.store.setdefault("otp", {}).get(token)
    account = find_account(user)
    if account is None:
        return login_page(req, "%s - ワンタイムパスワード" % portal_name(req),
                          '<div id="errMsg">%s</div>\n<p><a href="%s">ログイン</a></p>\n'
                          % (EXPIRED_TEXT, html_escape(login_url(req, done))), status=400)
    if form.get("otp", "").strip() != account.otp:
        return otp_page(req, account, done, token, error=True)
    with req.standin.lock:
        req.standin.store["otp"].pop(token, None)
    return Response.redirect(302, done, headers=[start_session(req, account.user)])


# The ID pages: each shows the signed-in ID from one source of its own.
def signed_out_bar(req):
    return '<p><a href="%s">ログイン</a></p>\n' % html_escape(login_url(req, own_url(req)))


def notice_page(req):
    v = visit(req)
    body = (masthead(req, v.user)
            + '<div id="modTitBar"><h1>お知らせ</h1></div>\n'
              '<ul class="notice">\n<li>%s のメンテナンスのお知らせ</li>\n'
              '<li>出品システムの改善について</li>\n</ul>\n' % html_escape(auction_name(req)))
    return page("%s - お知らせ" % auction_name(req), body, headers=v.headers)


def auctions_top(req):
    v = visit(req)
    if v.user is None:
        bar = '<div id="modLoginBar">%s</div>\n' % signed_out_bar(req)
    else:
        # The greeting alone fills the bar; the log-out link stands beside it.
        bar = ('<div id="modLoginBar">ようこそ <b>%s</b> さん</div>\n'
               '<p class="logout"><a href="%s">ログアウト</a></p>\n'
               % (html_escape(v.user), html_escape(logout_url(req, req.origin + "/"))))
    body = ('<h1>%s</h1>\n' % html_escape(auction_name(req)) + bar
            + '<ul class="categories">\n<li>ファッション</li>\n<li>家電、AV、カメラ</li>\n'
              '<li>本、雑誌</li>\n</ul>\n')
    return page(auction_name(req), body, headers=v.headers)


def portal_top(req):
    v = visit(req)
    if v.user is None:
        login_part = signed_out_bar(req)
    else:
        login_part = ('<p><small><strong>こんにちは %s さん</strong> '
                      '<a href="%s/book">ポイント通帳</a></small></p>\n'
                      % (html_escape(v.user), req.origin_of("points")))
    body = ('<h1>%s</h1>\n' % html_escape(portal_name(req))
            + '<div class="topics"><b>今日の話題</b>\n<ul>\n<li>週末の天気</li>\n<li>新しい駅が開業</li>\n</ul>\n</div>\n'
            + login_part)
    return page(portal_name(req), body, headers=v.headers)
