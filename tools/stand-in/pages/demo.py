"""The demo accounts' items, the same after every reset for one clock.

Lists: "selling" (ascending end time), "closed-winner", "closed-nowinner"
and "won" (descending end time). Times are seconds since the epoch, placed
around the clock: selling items end within a week after it, the others
ended within four weeks before it. The scenario value "list_counts"
({list: number}) gives every demo account's list that many items instead:
the first ones as without it, the rest after them, their times closer
together where the list would not fit in its week or four weeks.

Each item has one record of what the service knows about it (detail()):
the full title and description, prices, quantity, condition, shipping and
the listing settings its forms hold, its seller and winners. The status
pages, the item pages and every form read that record.
"""

import random

LIST_NAMES = ("selling", "closed-winner", "closed-nowinner", "won")

COUNTS = {
    "demo_seller1": {"selling": 130, "closed-winner": 110, "closed-nowinner": 60, "won": 70},
    "demo_seller2": {"selling": 3, "closed-winner": 2, "closed-nowinner": 1, "won": 2},
}

# Titles hold what the charsets differ on: Shift_JIS second bytes 0x5C (表, ソ),
# half-width katakana, and characters written as entities (&, <, >).
TITLES = [
    "ヴィンテージ 腕時計 手巻き 動作品",
    "表示ソフト 動作確認用 説明書付き",
    "限定 CD&DVD セット <初回盤>",
    "ｱﾝﾃｨｰｸ 木製 椅子 ﾁｪｱ",
    "北欧 食器 プレート 5枚組",
    "ノートパソコン 13インチ メモリ8GB",
    "鉄道模型 Nゲージ 客車 4両",
    "着物 帯 正絹 袋帯",
    "カメラ レンズ 50mm F1.4",
    "絵本 まとめ売り 20冊",
    "ゲーム機 本体 コントローラー2個",
    "登山靴 26.5cm 防水",
    "万年筆 14金 ペン先 M",
    "レコード LP ジャズ 10枚",
    "ソファー カバー 3人掛け 予備付",
]

# Titles past the lists' length (the service takes up to 65 characters); their
# cut part is over 53 bytes in Shift_JIS.
LONG_TITLES = [
    "【美品】ヴィンテージ機械式腕時計　手巻き　動作確認済み　純正ベルト付き　箱と保証書あり",
    "限定版　ゲームソフト＆サウンドトラック　初回特典付き　未開封品　送料込み　即日発送します",
    "北欧デザイン　木製ダイニングチェア　２脚セット　チーク材　ヴィンテージ家具　引き取り歓迎",
    "表示ソフト対応　ノートパソコン用　拡張ドック　ＵＳＢ　ＨＤＭＩ　有線ＬＡＮ　説明書付属",
]
LONG_TITLE_EVERY = 12
LONG_TITLE_AT = 7
LIST_TITLE_LENGTH = 30

BIDDERS = [
    "kobe_collector", "Tokyo_Trader", "yamada-taro", "book.lover77", "hanako_2010", "retro_games",
    "Camera_Fan", "sapporo_snow", "jazz-records", "mori_no_kuma", "osaka_bargain", "N_gauge_fan",
]

SELLERS = ["shop_kurashiki", "Vintage_Store", "hokkaido-farm", "used_books_sato", "kyoto_kimono",
           "camera_market"]

PREFIX = {"selling": "s", "closed-winner": "c", "closed-nowinner": "n", "won": "w"}

HOUR = 3600
WEEK = 7 * 24 * HOUR


def list_count(user, name, counts=None):
    """How many items a list of a demo account holds; counts: the scenario's "list_counts"."""
    own = COUNTS.get(user)
    if own is None or name not in own:
        return 0
    if not counts or name not in counts:
        return own[name]
    count = counts[name]
    if not isinstance(count, int) or isinstance(count, bool) or count < 0:
        raise ValueError("list_counts: the number of items of %s is a whole number from 0: %r" % (name, count))
    return count


def items(user, name, now, counts=None):
    """The items of one list of a demo account, in the order the list shows them."""
    total = list_count(user, name, counts)
    if not total:
        return []
    number = sorted(COUNTS).index(user) + 1
    rng = random.Random("%s/%s" % (user, name))
    make = {"selling": selling_item, "closed-winner": closed_winner_item,
            "closed-nowinner": closed_nowinner_item, "won": won_item}[name]
    result = []
    for index in range(total):
        item = {
            "id": "%s%d%08d" % (PREFIX[name], number, 1000 + index * 37 + rng.randrange(37)),
            "title": "%s #%d" % (rng.choice(TITLES), index + 1),
            "price": rng.randrange(100, 200000, 10),
            "premium": index % 7 == 2,
            "affiliate": index % 9 == 5,
        }
        make(item, index, total, now, rng)
        item["full_title"] = item["title"]
        if index % LONG_TITLE_EVERY == LONG_TITLE_AT:
            # Long titles: the lists show them cut.
            item["full_title"] = "#%d %s" % (index + 1, LONG_TITLES[index // LONG_TITLE_EVERY % len(LONG_TITLES)])
            item["title"] = list_title(item["full_title"])
        result.append(item)
    return result


def list_title(title):
    """A title as the lists show it: past LIST_TITLE_LENGTH characters cut, with "..."."""
    return title if len(title) <= LIST_TITLE_LENGTH else title[:LIST_TITLE_LENGTH] + "..."


def bid_count(rng):
    return rng.choice([1, 1, 2, 3, 5, 8, 12, 27])


def remaining_text(seconds):
    if seconds >= 24 * HOUR:
        return "%d日" % (seconds // (24 * HOUR))
    if seconds >= HOUR:
        return "%d時間" % (seconds // HOUR)
    return "%d分" % max(seconds // 60, 1)


def spread(index, total, apart, within, rng):
    """How far an item's end lies from the first one's: apart seconds after the item before, closer where
    the list would not fit in within; up to an hour later (as much of a closer step)."""
    step = min(apart, within // total)
    return index * step + rng.randrange(60) * 60 * step // apart


def selling_item(item, index, total, now, rng):
    item["end"] = now + 20 * 60 + spread(index, total, 75 * 60, WEEK, rng)
    item["remaining"] = remaining_text(item["end"] - now)
    item["bids"] = 0 if index % 3 == 0 else bid_count(rng)
    item["bidder"] = rng.choice(BIDDERS) if item["bids"] else None
    item["watch"] = rng.randrange(41)
    item["offers"] = rng.randrange(1, 4) if index % 8 == 6 else 0
    item["featured"] = index % 11 == 4
    item["bold"] = index % 5 == 1
    item["highlight"] = index % 6 == 3


def closed_winner_item(item, index, total, now, rng):
    item["end"] = now - (30 * 60 + spread(index, total, 6 * HOUR, 4 * WEEK, rng))
    several = index % 10 == 3 or (total < 10 and index == total - 1)
    if several:
        item["winners"] = rng.sample(BIDDERS, rng.randrange(2, 5))
        # A fixed-price sale of several pieces has no bids: the page names no one.
        item["fixed_price"] = index % 20 == 13
    else:
        item["winners"] = [rng.choice(BIDDERS)]
        item["fixed_price"] = False
    item["bids"] = 0 if item["fixed_price"] else bid_count(rng) + len(item["winners"])
    item["bidder"] = None if item["fixed_price"] else item["winners"][0]
    item["message"] = item["end"] + 2 * HOUR if index % 4 == 0 and index > 0 else None


def closed_nowinner_item(item, index, total, now, rng):
    item["end"] = now - (45 * 60 + spread(index, total, 11 * HOUR, 4 * WEEK, rng))
    # Bids below the reserve price leave a top bidder and no winner.
    item["bids"] = bid_count(rng) if index % 4 == 1 else 0
    item["bidder"] = rng.choice(BIDDERS) if item["bids"] else None


def won_item(item, index, total, now, rng):
    item["end"] = now - (HOUR + spread(index, total, 9 * HOUR, 4 * WEEK, rng))
    item["seller"] = rng.choice(SELLERS)
    item["bids"] = bid_count(rng)


# What the service keeps of each item beyond the lists.

# Descriptions hold what escaping differs on: "&", "&nbsp;", tags, quotes,
# Japanese with Shift_JIS second bytes 0x5C and half-width katakana. No other
# entity (readers decode the text until it stays the same, "&nbsp;" kept) and
# no line ends (a browser sends a textarea's lines with CR LF, whatever it got).
DESCRIPTIONS = [
    '<b>ご覧いただきありがとうございます。</b><br>{title}です。&nbsp;動作確認済みです。',
    '<font color="#FF0000">即決価格あり</font>&nbsp;&nbsp;CD & DVD の2点セットです。<br>送料は落札者様のご負担です。',
    '<p style="text-align:center">「{title}」</p><ul><li>サイズ：約30cm × 20cm</li><li>表面に小さな傷があります</li></ul>',
    'ノークレーム・ノーリターンでお願いします。<br>"中古品" であることをご理解ください。Tom\'s & Jerry\'s',
    '表示ソフトの動作確認：日本語の説明です。ｱｲｳｴｵ（半角カナ）<br><a href="https://www.example.com/detail">詳細はこちら</a>',
    '<table border="1"><tr><td>状態</td><td>良好</td></tr></table>3 < 5 の比較表を同梱&nbsp;(説明書 & 元箱)',
]

CATEGORIES = ["2084005504", "2084019049", "2084048203", "2084005979", "2084042337"]

# Item condition words of the listing form ("istatus").
CONDITIONS = ["new", "used10", "used20", "used40", "used60", "used80"]
CONDITION_TEXTS = {
    "new": "新品、未使用", "used10": "未使用に近い", "used20": "目立った傷や汚れなし",
    "used40": "やや傷や汚れあり", "used60": "傷や汚れあり", "used80": "全体的に状態が悪い",
    "used": "中古", "other": "その他",
}

# Shipping methods of the form: (name, fee or None, link).
OLD_METHODS = [
    ("ゆうパック", 800, ""), ("クロネコヤマト宅急便", 930, ""), ("定形外郵便", 350, ""),
    ("レターパックプラス", 520, ""), ("クリックポスト", 185, ""), ("ゆうメール", 180, ""),
    ("佐川急便", None, "https://www.example.com/ship/rates.html"),
]
# Methods of the new-style form with fees for distant regions.
REGIONAL_METHODS = [("西濃運輸", 1500, 2500, 3000, 3500), ("福山通運", 1200, 2000, 2600, 3200)]

# The new-style form's shipping services: (id of the state input, check box,
# name on the item page). The state input holds "true" or "false".
SERVICES = [
    ("nekoposu", "is_yahuneko_nekoposu_ship", "ネコポス"),
    ("compact", "is_yahuneko_taqbin_compact_ship", "宅急便コンパクト"),
    ("taqbin", "is_yahuneko_taqbin_ship", "宅急便"),
    ("hacoboon", "is_hb_ship", "はこBOON"),
    ("hbmini", "is_hbmini_ship", "はこBOON mini"),
    ("yupacket", "is_jp_yupacket_official_ship", "ゆうパケット（おてがる版）"),
    ("yupack", "is_jp_yupack_official_ship", "ゆうパック（おてがる版）"),
]
OFFERED_SERVICES = ["nekoposu", "compact", "taqbin", "yupacket", "yupack"]

PREFECTURES = [(13, "渋谷区"), (27, "大阪市北区"), (1, "札幌市中央区"), (40, "福岡市博多区"), (26, "京都市左京区")]
BANKS = ["ゆうちょ銀行", "三井住友銀行", "楽天銀行", "みずほ銀行"]
OTHER_PAYMENTS = ["現金書留", "商品代引き"]
RETURN_NOTES = ["", "到着後3日以内にご連絡ください。", "初期不良のみ返品可"]


def detail(user, name, index, item):
    """The service's record of one listed item: what its forms and pages hold."""
    rng = random.Random("detail/" + item["id"])
    own = name != "won"
    d = {
        "id": item["id"], "user": user, "list": name, "index": index,
        "seller": user if own else item["seller"], "buyer": None if own else user,
        "title": item["full_title"], "list_title": item["title"],
        "price": item["price"], "bids": item["bids"], "end": item["end"], "ended": name != "selling",
        "winners": list(item.get("winners", [])), "bidder": item.get("bidder"),
        "category": rng.choice(CATEGORIES),
        "quantity": 1 if index % 6 else rng.randrange(2, 6),
        "condition": rng.choice(CONDITIONS), "condition_comment": "",
    }
    d["description"] = DESCRIPTIONS[index % len(DESCRIPTIONS)].format(title=d["title"])
    start = max(100, item["price"] // rng.choice([1, 2, 3, 5]) // 10 * 10)
    mode = ["auction", "auction", "auction", "buynow", "auction", "offer"][index % 6]
    # As the service has it: bidding ends at the buy-now price, and a
    # fixed-price item stands at (an offer sells at most at) its one price.
    if mode == "auction":
        buynow = 0 if index % 4 else max(start * 2, item["price"])
    else:
        start = buynow = max(start, item["price"])
    d.update({"start_price": start, "buynow_price": buynow, "sales_mode": mode})

    # Every other item has the new-style form (easy-transaction listing).
    new_style = index % 2 == 0
    d["style"] = "new" if new_style else "old"
    d["shipping"] = "seller" if index % 5 == 3 else "buyer"
    fee = (lambda value: 0 if d["shipping"] == "seller" and value is not None else value)
    methods = []
    services = []
    if new_style:
        services = rng.sample(OFFERED_SERVICES, rng.randrange(0, 3))
        if not services or index % 3 == 0:
            regional = REGIONAL_METHODS[index % len(REGIONAL_METHODS)]
            if index % 4 == 0:
                methods.append({"name": regional[0], "fee": fee(regional[1]), "hokkaido": regional[2],
                                "okinawa": regional[3], "island": regional[4], "link": ""})
            else:
                methods.append({"name": "ゆうパック", "fee": fee(800), "hokkaido": None, "okinawa": None,
                                "island": None, "link": ""})
    else:
        for method_name, method_fee, link in rng.sample(OLD_METHODS, rng.randrange(1, 4)):
            methods.append({"name": method_name, "fee": fee(method_fee), "hokkaido": None, "okinawa": None,
                            "island": None, "link": link if method_fee is None else ""})
    d["methods"] = methods
    d["services"] = [s for s in OFFERED_SERVICES if s in services]
    d["shippinginput"] = "now"
    sized = any(s in ("taqbin", "yupack") for s in d["services"])
    d["itemsize"] = str(rng.choice([1, 3, 4, 5])) if sized else ""
    d["itemweight"] = str(rng.choice([1, 2, 3])) if sized else ""
    d["shiptime"] = "payment" if index % 3 else "close"
    d["shipschedule"] = rng.choice(["1", "4", "5", "6"]) if new_style else ""
    d["loc_cd"], d["city"] = PREFECTURES[index % len(PREFECTURES)]
    d["intl_ok"] = index % 7 == 4
    d["ypk_ok"] = not new_style and index % 4 == 1

    # The listing settings of the last listing.
    d.update({
        "duration": rng.randrange(1, 8), "closing_time": rng.randrange(0, 24),
        "num_resubmit": rng.randrange(0, 4), "close_early": index % 3 != 2, "auto_extension": index % 4 != 3,
        "min_bid_rating": index % 5 == 2, "bad_rating_ratio": index % 6 == 1, "bid_credit_limit": index % 7 == 3,
        "sales_contract": new_style and index % 4 == 2,
        "aspj1": not new_style, "aspj3": not new_style and index % 3 == 0, "aspj4": False,
        "ypm_ok": True,
        "bank_names": rng.sample(BANKS, 2) if not new_style else [],
        "pay_methods": [OTHER_PAYMENTS[index % 2]] if not new_style and index % 5 == 1 else [],
        "retpolicy": 1 if index % 4 == 1 else 0,
        "retpolicy_comment": RETURN_NOTES[index % 3] if index % 4 == 1 else "",
        "intlauction": "1" if index % 9 == 5 else "0",
        "featured_amount": 20 + 10 * rng.randrange(0, 8) if item.get("featured") else 0,
    })
    d["markdown"] = d["num_resubmit"] > 0 and index % 8 == 5
    d["markdown_ratio"] = str(rng.choice([5, 10, 15, 20, 25, 30])) if d["markdown"] else ""
    return d


_index_cache = {}


def index(now, counts=None):
    """Every demo item by auction ID: (user, list, position, list item)."""
    key = (now, tuple(sorted((counts or {}).items())))
    found = _index_cache.get(key)
    if found is None:
        found = {}
        for user in sorted(COUNTS):
            for name in LIST_NAMES:
                for position, item in enumerate(items(user, name, now, counts)):
                    found[item["id"]] = (user, name, position, item)
        _index_cache.clear()
        _index_cache[key] = found
    return found


def find(aid, now, counts=None):
    """The record of the item with that auction ID, or None."""
    entry = index(now, counts).get(aid or "")
    if entry is None:
        return None
    user, name, position, item = entry
    return detail(user, name, position, item)
