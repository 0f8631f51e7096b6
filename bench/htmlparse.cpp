// Parse throughput of CHtmlDocument (parse plus one search for every "tr")
// on generated item status pages and a few hand-written pages, beside
// libxml2's HTML parser (htmlReadMemory with recovery) and gumbo on the
// same bytes where they are installed. Then the same for pages made to
// trip a parser that is not linear, at growing sizes: a linear parser
// keeps its MB/s as they grow. Targets: on every status page at least five
// times libxml2 and ten times gumbo; no such page below a third of the
// status pages' mean.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "afx/Collections.h"
#include "afx/String.h"
#include "text/HtmlDocument.h"

#include "StatusPages.h"
#include "Targets.h"

#ifdef TANZO_HAVE_LIBXML2
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#endif
#ifdef TANZO_HAVE_GUMBO
#include <gumbo.h>
#endif

namespace
{

// The processor time of this program: the parsers run on one thread, and
// on a machine that others load too it counts their own work alone.
double CpuSeconds()
{
    return (double)std::clock() / CLOCKS_PER_SEC;
}

// Runs the parse until at least minSeconds have passed (and at least
// twice); MB/s over the page's bytes.
template <class Parse>
double Throughput(const std::string& page, Parse parse, int& rows, double minSeconds = 0.4)
{
    rows = parse(page); // warm up, and the answer to show
    int runs = 0;
    const double start = CpuSeconds();
    double seconds = 0;
    do
    {
        parse(page);
        ++runs;
        seconds = CpuSeconds() - start;
    } while (seconds < minSeconds || runs < 2);
    return (double)page.size() * runs / seconds / 1e6;
}

int ParseOurs(const std::string& page)
{
    CHtmlDocument doc(page.c_str());
    CPtrList rows;
    doc.FindElements("tr", rows);
    return rows.GetCount();
}

#ifdef TANZO_HAVE_LIBXML2
int CountRows(xmlNode* node)
{
    int n = 0;
    for (; node != nullptr; node = node->next)
    {
        if (node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST "tr") == 0)
            ++n;
        n += CountRows(node->children);
    }
    return n;
}

int ParseLibxml2(const std::string& page)
{
    htmlDocPtr doc =
        htmlReadMemory(page.data(), (int)page.size(), nullptr, "Shift_JIS",
                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    int n = doc != nullptr ? CountRows(xmlDocGetRootElement(doc)) : -1;
    xmlFreeDoc(doc);
    return n;
}
#endif

#ifdef TANZO_HAVE_GUMBO
int CountRows(const GumboNode* node)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return 0;
    int n = node->v.element.tag == GUMBO_TAG_TR ? 1 : 0;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        n += CountRows(static_cast<const GumboNode*>(children.data[i]));
    return n;
}

int ParseGumbo(const std::string& page)
{
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, page.data(), page.size());
    int n = CountRows(output->root);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return n;
}
#endif

const double kOverLibxml2 = 5;
const double kOverGumbo = 10;

// One page's row; a status page's figures are checked against the targets.
// Returns our MB/s.
double Row(const bench::Page& page, bench::Targets* targets)
{
    int rows = 0;
    std::printf("%-22s %9.1f", page.name.c_str(), page.text.size() / 1000.0);
    double ours = Throughput(page.text, ParseOurs, rows);
    std::printf(" %10.1f (%4d tr)", ours, rows);
    // Another parser's figure, ours as a multiple of it and its target.
    auto beside = [&](double theirs, double times, const char* target)
    {
        std::printf(" %10.1f (%4d tr) %5.1fx", theirs, rows, ours / theirs);
        if (targets != nullptr)
            std::printf(" (target %.0fx: %s)", times,
                        targets->Check(target, ours >= times * theirs) ? "met" : "missed");
    };
    (void)beside;
#ifdef TANZO_HAVE_LIBXML2
    double libxml2 = Throughput(page.text, ParseLibxml2, rows);
    beside(libxml2, kOverLibxml2, "parse plus search at least 5 times libxml2 on every status page");
#endif
#ifdef TANZO_HAVE_GUMBO
    double gumbo = Throughput(page.text, ParseGumbo, rows);
    beside(gumbo, kOverGumbo, "parse plus search at least 10 times gumbo on every status page");
#endif
    std::printf("\n");
    return ours;
}

} // namespace

int main()
{
#ifdef TANZO_HAVE_LIBXML2
    xmlInitParser();
#endif
    std::printf("Parse plus a search for every \"tr\", MB/s (pages in code page 932)\n");
    std::printf("%-22s %9s %21s", "page", "KB", "CHtmlDocument");
#ifdef TANZO_HAVE_LIBXML2
    std::printf(" %21s %6s", "libxml2", "ours");
#endif
#ifdef TANZO_HAVE_GUMBO
    std::printf(" %21s %6s", "gumbo", "ours");
#endif
    std::printf("\n");
    bench::Targets targets;
    double sum = 0;
    int count = 0;
    for (const bench::Page& page : bench::StatusPages())
    {
        sum += Row(page, &targets);
        ++count;
    }
    for (const bench::Page& page : bench::HandWrittenPages())
        Row(page, nullptr);

    const double floor = sum / count / 3;
    std::printf("\nPages that cost a look back or ahead at every quote, comment or end tag, "
                "CHtmlDocument MB/s by size (target: at least %.1f, a third of the status pages' mean)\n",
                floor);
    std::printf("%-16s %10s %10s %10s\n", "page", "100 KB", "1 MB", "4 MB");
    std::vector<std::vector<bench::Page>> sizes = {
        bench::AdversarialPages(100000), bench::AdversarialPages(1000000), bench::AdversarialPages(4000000)};
    for (size_t i = 0; i < sizes[0].size(); ++i)
    {
        std::string name = sizes[0][i].name.substr(0, sizes[0][i].name.rfind('-'));
        std::printf("%-16s", name.c_str());
        bool met = true;
        for (const auto& pages : sizes)
        {
            int rows = 0;
            double mbs = Throughput(pages[i].text, ParseOurs, rows, 0.2);
            met = met && mbs >= floor;
            std::printf(" %10.1f", mbs);
        }
        std::printf("  (target: %s)\n",
                    targets.Check("no pathological page below a third of the status pages' mean", met)
                        ? "met"
                        : "missed");
    }
#ifdef TANZO_HAVE_LIBXML2
    xmlCleanupParser();
#endif
    std::printf("\n");
    targets.Print();
    return 0;
}
