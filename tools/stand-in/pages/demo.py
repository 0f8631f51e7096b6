"""The demo accounts' items, the same after every reset for one clock.

Lists: "selling" (ascending end time), "closed-winner", "closed-nowinner"
and "won" (descending end time). Times are seconds since the epoch, placed
around the clock: selling items end within a week after it, the others
ended within four weeks before it.
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

BIDDERS = [
    "kobe_collector", "Tokyo_Trader", "yamada-taro", "book.lover77", "hanako_2010", "retro_games",
    "Camera_Fan", "sapporo_snow", "jazz-records", "mori_no_kuma", "osaka_bargain", "N_gauge_fan",
]

SELLERS = ["shop_kurashiki", "Vintage_Store", "hokkaido-farm", "used_books_sato", "kyoto_kimono",
           "camera_market"]

PREFIX = {"selling": "s", "closed-winner": "c", "closed-nowinner": "n", "won": "w"}

HOUR = 3600


def items(user, name, now):
    """The items of one list of a demo account, in the order the list shows them."""
    counts = COUNTS.get(user)
    if counts is None or name not in counts:
        return []
    number = sorted(COUNTS).index(user) + 1
    rng = random.Random("%s/%s" % (user, name))
    make = {"selling": selling_item, "closed-winner": closed_winner_item,
            "closed-nowinner": closed_nowinner_item, "won": won_item}[name]
    total = counts[name]
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
        result.append(item)
    return result


def bid_count(rng):
    return rng.choice([1, 1, 2, 3, 5, 8, 12, 27])


def remaining_text(seconds):
    if seconds >= 24 * HOUR:
        return "%d日" % (seconds // (24 * HOUR))
    if seconds >= HOUR:
        return "%d時間" % (seconds // HOUR)
    return "%d分" % max(seconds // 60, 1)


def selling_item(item, index, total, now, rng):
    item["end"] = now + 20 * 60 + index * 75 * 60 + rng.randrange(60) * 60
    item["remaining"] = remaining_text(item["end"] - now)
    item["bids"] = 0 if index % 3 == 0 else bid_count(rng)
    item["bidder"] = rng.choice(BIDDERS) if item["bids"] else None
    item["watch"] = rng.randrange(41)
    item["offers"] = rng.randrange(1, 4) if index % 8 == 6 else 0
    item["featured"] = index % 11 == 4
    item["bold"] = index % 5 == 1
    item["highlight"] = index % 6 == 3


def closed_winner_item(item, index, total, now, rng):
    item["end"] = now - (30 * 60 + index * 6 * HOUR + rng.randrange(60) * 60)
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
    item["end"] = now - (45 * 60 + index * 11 * HOUR + rng.randrange(60) * 60)
    # Bids below the reserve price leave a top bidder and no winner.
    item["bids"] = bid_count(rng) if index % 4 == 1 else 0
    item["bidder"] = rng.choice(BIDDERS) if item["bids"] else None


def won_item(item, index, total, now, rng):
    item["end"] = now - (HOUR + index * 9 * HOUR + rng.randrange(60) * 60)
    item["seller"] = rng.choice(SELLERS)
    item["bids"] = bid_count(rng)
