#ifndef TANZO_BENCH_STATUSPAGES_H
#define TANZO_BENCH_STATUSPAGES_H

// Pages for the parser benchmarks, written by a deterministic generator so
// that every run and every machine parses the same bytes: item status
// pages whose table has one row per item, in code page 932 as the program
// holds them, and a few smaller hand-written pages of other kinds.

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench
{

struct Page
{
    std::string name;
    std::string text;
};

// A small linear congruential generator: the same numbers everywhere.
class Random
{
public:
    explicit Random(uint32_t seed) : m_state(seed) {}
    uint32_t Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int Below(int n) { return (int)(Next() % (uint32_t)n); }

private:
    uint32_t m_state;
};

inline std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

inline std::string Format(const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    return buffer;
}

inline std::string Price(int yen)
{
    std::string digits = std::to_string(yen);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i)
    {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out + "円";
}

// One item row: what a status page shows of an item, with the loose
// markup such pages have (unquoted values, valueless attributes, rows and
// list items left open, entities, comments, handlers with '<' in them).
inline std::string StatusRow(Random& r, int index, size_t budget)
{
    static const char* const words[] = {"腕時計", "カメラ",   "レンズ",    "限定品",       "未使用",
                                        "美品",   "ジャンク", "送料無料",  "ヴィンテージ", "セット",
                                        "ＤＶＤ", "古書",     "フィギュア"};
    static const char* const users[] = {"taro_y", "hanako123", "shop-kyoto", "abc_def", "tanzo_user"};
    std::string title;
    for (int w = 0, n = 3 + r.Below(4); w < n; ++w)
        title += std::string(w ? " " : "") + words[r.Below(13)];
    std::string id = Format("x%09u", r.Next() % 1000000000u);
    const char* user = users[r.Below(5)];
    int price = 100 + r.Below(200000);

    std::string row;
    row += Format("<tr class=\"%s\" id=row%d>\n", index % 2 ? "odd" : "even", index);
    row += "<td class=chk><input type=checkbox name=aID value=\"" + id + "\" checked></td>\n";
    row += "<td class=\"thumb\"><a href=\"https://page.example.jp/jp/auction/" + id +
           "\"><img src=\"https://img.example.jp/i/" + id +
           "_1.jpg\" width=60 height=45 alt=\"商品画像\" border=0></a></td>\n";
    row += "<td class=\"title\"><a href=\"https://page.example.jp/jp/auction/" + id + "\" title=\"" + title +
           "\">" + title +
           "</a><br><span class=sub>カテゴリ &gt; 時計、アクセサリー &gt; 腕時計</span></td>\n";
    row += "<td class=price nowrap>" + Price(price) + "<br><small>(即決 " + Price(price * 2) +
           ")</small></td>\n";
    row += Format("<td class=bids align=center>%d</td>\n", r.Below(40));
    row += Format("<td class=end nowrap>%d月%d日 %d時%02d分</td>\n", 1 + r.Below(12), 1 + r.Below(28),
                  r.Below(24), r.Below(60));
    row += std::string("<td class=user><a href=\"https://auctions.example.jp/jp/show/rating?userID=") + user +
           "&amp;role=seller\">" + user + "</a>&nbsp;(<a href=\"/rating?u=" + user + "\">" +
           std::to_string(r.Below(5000)) + "</a>)</td>\n";
    row += "<td class=memo><!-- memo " + id + " -->";
    // Longer rows: the shipping choices, hidden fields and handlers that
    // the busier status pages carry per item.
    int block = 0;
    while (row.size() + 6 < budget)
    {
        switch (block++ % 4)
        {
        case 0:
            row += "<ul class=ship><li>ゆうパック " + Price(800 + r.Below(1000)) + "<li>宅急便コンパクト " +
                   Price(600 + r.Below(500)) + "<li>定形外郵便 " + Price(120 + r.Below(500)) + "</ul>";
            break;
        case 1:
            row += "<input type=\"hidden\" name=\"crumb" + std::to_string(block) + "\" value=\"" + id +
                   Format("%08x%08x", r.Next(), r.Next()) + "\"><input type=hidden name=\".done\" value=\"" +
                   "https://auctions.example.jp/jp/show/mystatus?select=selling&amp;aID=" + id + "\">";
            break;
        case 2:
            row += "<a href=\"#\" onclick=\"if (n < 10 && m > 0) { open('/memo?aID=" + id +
                   "', 'memo', 'width=400,height=300'); } return false;\">メモを編集</a>&nbsp;|&nbsp;";
            break;
        default:
            row += "<div style=\"color:#333;font-size:12px\"><p>出品者からのお知らせ: <b>" + title +
                   "</b> は<font color=red>即日発送</font>します。<p>質問は取引ナビでどうぞ。</div>";
            break;
        }
    }
    row += "</td>\n";
    return row;
}

inline std::string StatusPage(int rows, size_t bytes, uint32_t seed)
{
    Random r(seed);
    std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
        "<html lang=ja><head>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\n"
        "<title>マイ・オークション - 出品中</title>\n"
        "<style type=\"text/css\">td.price { color: #c00 } tr.odd > td { background: #f6f6f6 }</style>\n"
        "<script type=\"text/javascript\">\n<!--\nfunction check(f) { for (var i = 0; i < f.length; i++) "
        "{ if (f[i].checked && i > 0) return true; } return false; }\n"
        "document.write('<link rel=stylesheet href=\"/css/print.css\" media=print>');\n//-->\n</script>\n"
        "</head>\n<body bgcolor=#ffffff>\n"
        "<div id=header><a href=\"/\"><img src=\"/logo.gif\" alt=\"オークション\"></a> | "
        "<a href=\"/jp/show/mystatus?select=selling\">出品中</a> | "
        "<a href=\"/jp/show/mystatus?select=closed&hasWinner=1\">落札者あり</a></div>\n"
        "<form name=list method=post action=\"/jp/config/undo_bid\" onsubmit=\"return check(this)\">\n"
        "<table class=\"list\" border=0 cellspacing=1 cellpadding=3 width=\"100%\">\n"
        "<tr><th><input type=checkbox "
        "onclick=\"all(this)\"><th>画像<th>商品名<th>現在価格<th>入札<th>残り時間"
        "<th>出品者<th>メモ\n";
    size_t budget = bytes > page.size() + 400 ? (bytes - page.size() - 400) / (size_t)rows : 0;
    for (int i = 0; i < rows; ++i)
        page += StatusRow(r, i, budget);
    page += "</table>\n<p class=pager>全 " + std::to_string(rows) +
            " 件&nbsp;<a href=\"?page=2\">次の50件 &gt;</a>\n</form>\n"
            "<div id=footer>Copyright &copy; Example Corp. All Rights Reserved.</div>\n</body></html>\n";
    return page;
}

// The generated status pages: 50 to 500 rows, 50 KB to 2 MB.
inline std::vector<Page> StatusPages()
{
    struct Spec
    {
        int rows;
        size_t bytes;
    };
    const Spec specs[] = {{50, 50000},   {100, 150000},  {200, 400000},
                          {300, 800000}, {400, 1200000}, {500, 2000000}};
    std::vector<Page> pages;
    uint32_t seed = 20240101;
    for (const Spec& s : specs)
        pages.push_back({Format("status-%d-rows", s.rows), StatusPage(s.rows, s.bytes, seed++)});
    return pages;
}

// Hand-written pages of other kinds the program reads.
inline std::vector<Page> HandWrittenPages()
{
    std::vector<Page> pages;
    pages.push_back({"login-form", R"PAGE(<html><head>
<meta http-equiv="Content-Type" content="text/html; charset=EUC-JP">
<title>ログイン - オークション</title>
<script>var tries = 0; function go(f) { if (f.login.value.length < 1) { alert("IDを入力"); return false; } return true; }</script>
</head><body>
<div class=box><h1>ログイン</h1>
<form method="post" action="https://login.example.jp/config/login?.src=auc&amp;.lg=jp" onsubmit="return go(this)">
<input type="hidden" name=".tries" value="1"><input type="hidden" name=".src" value="auc">
<input type="hidden" name=".done" value="https://auctions.example.jp/jp/show/mystatus?select=selling&amp;hasWinner=1">
<input type="hidden" name=".albatross" value="dD0yJnE9QSZzPTI1JmM9MTIzNDU2Nzg5MA--">
<input type="hidden" name=".md5"><input type="hidden" name=".hash"><input type="hidden" name=".js">
<table><tr><td>ID<td><input type="text" name="login" value="" size=20 maxlength=96>
<tr><td>パスワード<td><input type="password" name="passwd" value="" size=20>
<tr><td colspan=2><input type="checkbox" name=".persistent" value="y" checked> ログインしたままにする
</table>
<input type="submit" value=" ログイン ">
</form>
<p>パスワードを忘れた場合は<a href="/forgot?.src=auc">こちら</a>
<!-- server: w12.login.example.jp; time: 0.012 -->
</div></body></html>
)PAGE"});
    pages.push_back({"item-page", R"PAGE(<html><head><title>ヴィンテージ 腕時計 美品 - オークション</title>
<meta name=description content="ヴィンテージ 腕時計 美品 の出品です">
<style>.desc p { margin: 0 } table.spec td { border: 1px solid #ccc }</style>
<script type="text/javascript">
var item = { id: "x123456789", price: 12345, bids: 3 };
function countdown(t) { if (t < 0) return; var s = t % 60, m = (t - s) / 60; document.getElementById('cd').innerHTML = m + "分" + (s < 10 ? "0" : "") + s + "秒"; setTimeout(function () { countdown(t - 1); }, 1000); }
</script></head>
<body onload="countdown(3600)">
<div id=main>
<h1 class=title>ヴィンテージ 腕時計 美品</h1>
<table class=info cellpadding=2>
<tr><th>現在価格<td class=price>12,345円 <span class=tax>(税 0 円)</span>
<tr><th>残り時間<td><span id=cd>--</span>
<tr><th>入札件数<td>3 <a href="/jp/show/bid_hist?aID=x123456789&amp;typ=log">履歴</a>
<tr><th>出品者<td><a href="/rating?u=shop-kyoto">shop-kyoto</a> (評価 <b>1234</b>)
</table>
<div class=desc>
<p>ご覧いただきありがとうございます。<br>
<p>祖父が愛用していた<font color=#cc0000><b>ヴィンテージの腕時計</b></font>です。<br>
動作確認済み、日差 <u>±10秒</u> 程度です。<br><br>
<table class=spec><tr><td>ケース径<td>34mm<tr><td>ベルト<td>革 (社外品)<tr><td>付属品<td>箱、保証書なし</table>
<p>※ノークレーム・ノーリターンでお願いいたします。<br>
<p>※落札後 24 時間以内にご連絡ください。
<!-- 説明ここまで -->
</div>
<form action="/jp/config/placebid" method=post><input type=hidden name=aID value=x123456789>
<input type=hidden name=.crumb value="0a1b2c3d4e5f"><input type=text name=Bid value=12500 size=10>円
<input type=submit value="入札する"></form>
<ul class=links><li><a href="/jp/show/qanda?aID=x123456789">質問する<li><a href="/watch?aID=x123456789">ウォッチ</a></ul>
</div></body></html>
)PAGE"});
    pages.push_back({"broken-markup", R"PAGE(<HTML><BODY BGCOLOR=#FFFFFF>
<CENTER><FONT SIZE=+1><B>お知らせ</FONT></B></CENTER>
<P>メンテナンスのため <B>12月10日 2:00 &#12316; 5:00</B> はご利用いただけません<P>
<TABLE WIDTH=90%><TR><TD>日時<TD>内容<TR><TD>12/10<TD><UL><LI>出品<LI>入札<LI>落札後の手続き</UL>
<TR><TD COLSPAN=2><A HREF=/help/maint.html>詳しくはこちら</A></TABLE>
<DIV><SPAN CLASS=note>注意: 3 < 5 であり、a<b と c>d が本文にあります</DIV>
<FOO BAR=1>未知のタグ</FOO> <!-- コメント > 不等号入り --> <BR/> <IMG SRC="x.gif"/>
<SCRIPT LANGUAGE=JavaScript>if (a<b) document.write("</TABLE>");</SCRIPT>
<P>最後の段落 <I>斜体 <B>太字</I> 終わり</B>
</BODY></HTML>
)PAGE"});
    return pages;
}

// Pages built to make a parser that looks back or ahead at every quote,
// comment or end tag take time growing with the square of their length.
inline std::vector<Page> AdversarialPages(size_t bytes)
{
    std::vector<Page> pages;
    std::string quotes = "<td title=";
    while (quotes.size() < bytes)
        quotes += "\"a\" b=";
    pages.push_back({Format("quotes-%zuk", bytes / 1000), quotes + ">x"});
    std::string stray = "<a ";
    while (stray.size() < bytes)
        stray += "\"x ";
    pages.push_back({Format("stray-quotes-%zuk", bytes / 1000), stray + ">"});
    std::string comment = "<!--";
    while (comment.size() < bytes)
        comment += "a>b";
    pages.push_back({Format("comment-gt-%zuk", bytes / 1000), comment + "-->"});
    std::string script = "<script>";
    while (script.size() < bytes)
        script += "a<b<!--";
    pages.push_back({Format("script-lt-%zuk", bytes / 1000), script + "</script>"});
    std::string inlines;
    for (int i = 0; i < 500; ++i)
        inlines += "<b><span>";
    while (inlines.size() < bytes)
        inlines += "</div>";
    pages.push_back({Format("end-tags-%zuk", bytes / 1000), inlines});
    std::string nested;
    while (nested.size() < bytes)
        nested += "<div><li><p>";
    pages.push_back({Format("nesting-%zuk", bytes / 1000), nested});
    return pages;
}

} // namespace bench

#endif // TANZO_BENCH_STATUSPAGES_H
