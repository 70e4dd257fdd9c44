// What happened during a run, told afterwards: vessels that came and went, text put on screen.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/Events.h"

namespace corvex {

class Timeline {
public:
    // Starts listening to the host's events.
    void Listen(host::EventBus& events);
    void Print(std::FILE* out) const;

private:
    struct Entry {
        double time;
        std::string text;
        std::string className;  // of the vessel it is about, empty for on-screen text
    };
    struct ClassCount {
        int created = 0, deleted = 0;
    };
    std::vector<Entry> entries;
    std::map<std::string, ClassCount> counts;
};

}  // namespace corvex
