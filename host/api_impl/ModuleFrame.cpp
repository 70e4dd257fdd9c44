// InitLib and Date2Int: what a module's load hook and version ask of the host.
#include <cstdio>
#include <cstring>

#include "HostAPI.h"
#include "ModuleFrame.h"

namespace {
int date2IntCalls = 0;
}

int host::Date2IntCallCount() { return date2IntCalls; }

void InitLib(HINSTANCE) {
    // Nothing to set up per module: the host keeps no per-library state beyond its loader's.
}

int Date2Int(const char* date) {
    static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    ++date2IntCalls;
    if (!date) return 0;
    char month[4] = {};
    int day = 0, year = 0, consumed = 0;
    if (std::sscanf(date, "%3s %d %d%n", month, &day, &year, &consumed) != 3 || date[consumed] != '\0') return 0;
    for (int m = 0; m < 12; ++m)
        if (std::strcmp(month, months[m]) == 0 && day >= 1 && day <= 31 && year >= 1 && year <= 9999)
            return year * 10000 + (m + 1) * 100 + day;
    return 0;
}
