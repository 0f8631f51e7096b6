// Reading a 500-row status page of each list into item records (the
// readers' ReadPage, the page parsed once on the way), beside one parse of
// the same page by CHtmlDocument. The pages are generated as the service
// writes them, the same bytes on every run. Targets: under 100 ms a page,
// under 1.3 times the page's parse.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "afx/Collections.h"
#include "afx/String.h"
#include "client/ListReaders.h"
#include "client/TanzoAuctionItem.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"

#include "StatusPages.h"
#include "Targets.h"

namespace
{
const int kRows = 500;

enum Kind
{
    Selling,
    ClosedWinner,
    ClosedNoWinner,
    Won
};

std::string Cell(const std::string& text)
{
    return "<td>" + text + "</td>";
}

std::string HeaderRow(Kind kind)
{
    static const char* const selling[] = {"商品ID", "商品名",        "現在価格", "アフィリエイト",
                                          "入札数", "最高額入札者",  "残り時間", "操作",
                                          "交渉",   "ウォッチリスト"};
    static const char* const winner[] = {
        "選択",         "商品ID",           "商品名", "現在価格", "アフィリエイト", "入札数",
        "最高額入札者", "終了日時",         "評価",   "操作",     "最高落札価格",   "最高額落札者",
        "落札者",       "最新のメッセージ", "取引",   "再出品"};
    static const char* const noWinner[] = {"選択",           "商品ID",       "商品名",       "現在価格",
                                           "アフィリエイト", "入札数",       "最高額入札者", "終了日時",
                                           "操作",           "最高入札価格", "再出品"};
    static const char* const won[] = {"選択",     "商品ID", "商品名",   "出品者", "入札数",
                                      "落札価格", "評価",   "終了日時", "取引"};
    std::vector<const char*> texts;
    switch (kind)
    {
    case Selling:
        texts.assign(std::begin(selling), std::end(selling));
        break;
    case ClosedWinner:
        texts.assign(std::begin(winner), std::end(winner));
        break;
    case ClosedNoWinner:
        texts.assign(std::begin(noWinner), std::end(noWinner));
        break;
    default:
        texts.assign(std::begin(won), std::end(won));
        break;
    }
    std::string row = "<tr bgcolor=\"#DCDCDC\">";
    for (const char* text : texts)
        row +=
            Cell(kind == Selling
                     ? "<a href=\"/jp/show/mystatus?select=selling&amp;alocale=0jp&amp;s1=end&amp;o1=a\">" +
                           std::string(text) + "</a>"
                     : std::string(text));
    return row + "</tr>\n";
}

std::string ItemRow(Kind kind, bench::Random& r, int i)
{
    const std::string id = bench::Format("x%09d", 100000000 + i);
    const std::string title =
        "<a href=\"http://page.example/jp/auction/" + id + "\">" +
        (i % 7 == 0 ? "<b>限定 カメラ レンズ セット</b>" : "ヴィンテージ 腕時計 美品 箱付き") + "</a>" +
        (i % 5 == 0 ? "<img src=\"//img.example/images/premium.gif\">" : "");
    const std::string price = bench::Price(100 + r.Below(200000));
    const std::string person = i % 4 == 0 ? "-" : bench::Format("<a href=\"/user/b%d\">bidder_%d</a>", i, i);
    const std::string end =
        bench::Format("%d月%d日 %d時%02d分", 1 + r.Below(12), 1 + r.Below(28), r.Below(24), r.Below(60));
    const std::string check = "<input type=\"checkbox\" name=\"aidlist[]\" value=\"" + id + "\">";
    std::string row = kind == Selling
                          ? std::string("<tr bgcolor=\"") + (i % 9 == 0 ? "#FFFF99" : "#FFFFFF") + "\">"
                          : (i % 2 ? "<tr bgcolor=\"#FFFFFF\">" : "<tr style=\"background-color:#F7F7F7;\">");
    switch (kind)
    {
    case Selling:
        row += Cell(id) + Cell(title) + Cell(price) + Cell("-") + Cell(std::to_string(r.Below(40))) +
               Cell(person) + Cell(bench::Format("%d時間", 1 + r.Below(23))) +
               Cell("<a href=\"/jp/show/cancel\">取消</a>") + Cell("-") + Cell(std::to_string(r.Below(30)));
        break;
    case ClosedWinner:
        row += Cell(check) + Cell(id) + Cell(title) + Cell(price) + Cell("-") +
               Cell(std::to_string(r.Below(40))) + Cell(person) + Cell(end) +
               Cell("<a href=\"/jp/show/leavefeedback\">評価する</a>") + Cell("-") + Cell(price) +
               Cell(person) + Cell(i % 10 == 0 ? "<a href=\"/jp/show/allwinners\">落札者一覧</a>" : person) +
               Cell("-") + Cell("取引ナビ") + Cell("<a href=\"/jp/show/resubmit\">再出品</a>");
        break;
    case ClosedNoWinner:
        row += Cell(check) + Cell(id) + Cell(title) + Cell(price) + Cell("-") + Cell("0") + Cell("-") +
               Cell(end) + Cell("-") + Cell("-") + Cell("<a href=\"/jp/show/resubmit\">再出品</a>");
        break;
    default:
        row += Cell(check) + Cell(id) + Cell(title) + Cell(bench::Format("seller_%d", i % 37)) +
               Cell(std::to_string(1 + r.Below(40))) + Cell(price) + Cell("-") + Cell(end) + Cell("取引ナビ");
        break;
    }
    return row + "</tr>\n";
}

std::string StatusPage(Kind kind)
{
    bench::Random r(20240101 + kind);
    std::string page =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
        "<title>マイ・オークション</title></head><body>\n"
        "<div id=\"msthd\"><a id=\"msthdLoginName\" href=\"/user\">demo_seller1</a> さん</div>\n" +
        bench::Format("<p>%s件中 1～%d件目</p>\n", "1,500", kRows);
    const bool inForm = kind != Selling;
    if (inForm)
        page += "<form name=\"auctionList\" method=\"post\" "
                "action=\"http://closed.example/jp/config/removeclosed\">"
                "<input type=\"hidden\" name=\"action\" value=\"remove\">\n";
    page += "<table border=\"0\" cellpadding=\"3\">\n";
    if (kind == Selling)
        page += "<tr bgcolor=\"#EEEEEE\"><td>出品中</td><td>1,500件</td></tr>\n";
    page += HeaderRow(kind);
    for (int i = 0; i < kRows; ++i)
        page += ItemRow(kind, r, i);
    page += "</table>\n";
    if (inForm)
        page += "</form>\n";
    return page + "</body></html>\n";
}

// Processor time: the reading runs on one thread, and on a machine that
// others load too it counts its own work alone.
template <class Run> double Milliseconds(Run run)
{
    std::vector<double> times;
    for (int i = 0; i < 15; ++i)
    {
        const std::clock_t start = std::clock();
        run();
        times.push_back((double)(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main()
{
    // The zone the tests run in. Without TZ, glibc looks at /etc/localtime
    // again at every local-time conversion, which no other platform does.
    setenv("TZ", "JST-9", 1);
    tzset();
    SetServiceOrigin(HostImages, "http://img.example");
    CSellingListReader selling;
    CClosedWinnerListReader winner;
    CClosedNoWinnerListReader noWinner;
    CWonListReader won;
    const struct
    {
        const char* name;
        Kind kind;
        CMyAuctionListReader* reader;
    } lists[] = {
        {"selling", Selling, &selling},
        {"closed with a winner", ClosedWinner, &winner},
        {"closed without a winner", ClosedNoWinner, &noWinner},
        {"won", Won, &won},
    };
    std::printf("Reading a %d-row status page into records (median of 15 runs)\n", kRows);
    std::printf("%-24s %8s %7s %10s %10s %8s\n", "list", "KB", "items", "parse ms", "read ms", "parses");
    bench::Targets targets;
    for (const auto& list : lists)
    {
        const std::string text = StatusPage(list.kind);
        const double parse = Milliseconds(
            [&]()
            {
                CHtmlDocument page(text.c_str());
                page.Parse();
            });
        int items = 0;
        const double read = Milliseconds(
            [&]()
            {
                CHtmlDocument page(text.c_str());
                CTanzoAuctionItemList records;
                list.reader->SetPage(1);
                list.reader->ReadPage(page, "http://list.example/jp/show/mystatus", records, TRUE, nullptr);
                items = (int)records.GetCount();
                CMyAuctionListReader::FreeItems(records);
            });
        const bool fast = targets.Check("reading a page under 100 ms", read < 100);
        const bool cheap = targets.Check("reading a page under 1.3 times its parse", read < 1.3 * parse);
        std::printf("%-24s %8.0f %7d %10.1f %10.1f (target < 100: %s) %8.2f (target < 1.3: %s)\n", list.name,
                    text.size() / 1024.0, items, parse, read, fast ? "met" : "missed", read / parse,
                    cheap ? "met" : "missed");
    }
    std::printf("\n");
    targets.Print();
    return 0;
}
