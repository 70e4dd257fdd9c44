#include "Registry.h"

#include <algorithm>

namespace host {

namespace {

// A handle packs the slot (plus one, so no handle is null) and the slot's generation, which grows
// each time the slot is reused: a stale handle never matches a newer vessel.
OBJHANDLE MakeHandle(std::uint32_t slot, std::uint32_t generation) {
    const std::uint64_t bits = (std::uint64_t{generation} << 32) | (std::uint64_t{slot} + 1);
    return reinterpret_cast<OBJHANDLE>(static_cast<std::uintptr_t>(bits));
}

void SplitHandle(OBJHANDLE handle, std::uint32_t& slot, std::uint32_t& generation) {
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
    slot = static_cast<std::uint32_t>(bits & 0xffffffffu) - 1;
    generation = static_cast<std::uint32_t>(bits >> 32);
}

}  // namespace

OBJHANDLE Registry::PlanetHandle() { return MakeHandle(0xfffffffeu, 0xffffffffu); }

VesselRecord& Registry::Add(std::unique_ptr<VesselRecord> record) {
    std::uint32_t slot;
    if (!freeSlots.empty()) {
        slot = freeSlots.back();
        freeSlots.pop_back();
    } else {
        slot = static_cast<std::uint32_t>(slots.size());
        slots.emplace_back();
    }
    Slot& s = slots[slot];
    s.record = std::move(record);
    s.record->handle = MakeHandle(slot, s.generation);
    order.push_back(s.record.get());
    return *s.record;
}

void Registry::Remove(VesselRecord& record) {
    std::uint32_t slot, generation;
    SplitHandle(record.handle, slot, generation);
    if (record.deleted) return;
    record.deleted = true;
    order.erase(std::find(order.begin(), order.end(), &record));
    removed.push_back(slot);
}

VesselRecord* Registry::Find(OBJHANDLE handle) const {
    if (!handle) return nullptr;
    std::uint32_t slot, generation;
    SplitHandle(handle, slot, generation);
    if (slot >= slots.size()) return nullptr;
    const Slot& s = slots[slot];
    return s.generation == generation ? s.record.get() : nullptr;
}

VesselRecord* Registry::FindByName(std::string_view name) const {
    for (VesselRecord* rec : order)
        if (rec->name == name) return rec;
    return nullptr;
}

}  // namespace host
