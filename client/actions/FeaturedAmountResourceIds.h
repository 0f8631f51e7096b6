#ifndef TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTRESOURCEIDS_H
#define TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTRESOURCEIDS_H

// Resource ids of the featured-amount dialog (res/client/featured.rc).
// Nothing but #defines, one per line: the resource compilers read this
// file too.

#define IDD_FEATURED_AMOUNT 141
#define IDC_FEATURED_HINT 2027
#define IDC_FEATURED_AMOUNT 2029
#define IDC_FEATURED_UNIT 2030
#define IDC_FEATURED_LABEL 2031
#define IDH_FEATURED_AMOUNT 173

#endif // TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTRESOURCEIDS_H
