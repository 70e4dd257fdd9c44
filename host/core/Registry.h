// Every live vessel, in creation (index) order, behind handles that are never reused.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "VesselRecord.h"

namespace host {

class Registry {
public:
    // Adds a record and gives it a fresh handle; it goes last in index order.
    VesselRecord& Add(std::unique_ptr<VesselRecord> record);
    // Takes the vessel out of the index order at once and marks it deleted; the record lives on
    // until Release, so a vessel that deletes itself inside its own callback can still return.
    void Remove(VesselRecord& record);
    // Frees the records removed so far, handing each to onRelease first. Their handles go stale.
    template <class F>
    void Release(F onRelease) {
        while (!removed.empty()) {
            const std::uint32_t slot = removed.back();
            removed.pop_back();
            onRelease(*slots[slot].record);
            slots[slot].record.reset();
            ++slots[slot].generation;
            freeSlots.push_back(slot);
        }
    }

    // The record behind a handle, a removed one included until it is released; null if stale.
    VesselRecord* Find(OBJHANDLE handle) const;
    VesselRecord* FindByName(std::string_view name) const;  // first in index order
    VesselRecord* At(std::size_t index) const { return index < order.size() ? order[index] : nullptr; }
    std::size_t Count() const { return order.size(); }
    const std::vector<VesselRecord*>& InOrder() const { return order; }

    // The planet: a handle that is never a vessel.
    static OBJHANDLE PlanetHandle();

private:
    struct Slot {
        std::unique_ptr<VesselRecord> record;
        std::uint32_t generation = 0;
    };
    std::vector<Slot> slots;
    std::vector<std::uint32_t> freeSlots;
    std::vector<VesselRecord*> order;
    std::vector<std::uint32_t> removed;
};

}  // namespace host
