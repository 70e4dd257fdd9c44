#pragma once

namespace host {

// How often modules have asked Date2Int, so the version cache can be checked.
int Date2IntCallCount();

}  // namespace host
