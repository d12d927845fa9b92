#pragma once

// The record as one copy of the game holds it, and the changes the store has not taken
// yet. A change that cannot be saved (another program holds the lock, the disk is full,
// the folder turned read-only) is not thrown away: it stays pending, the record shows
// it, every load makes it again on what the store holds then, and the next save that
// succeeds stores it together with its own change. A pending change is made once on
// what is stored, never twice.

#include "store/RecordStore.h"

#include <vector>

namespace vantrel {

class KeptRecord {
public:
    explicit KeptRecord(Registry machine) : machine_(std::move(machine)) {}

    // What the player sees: the record as the store held it at the last load or save,
    // with the pending changes made on it.
    const StoredRecord& Record() const { return record_; }
    bool HasPendingChanges() const { return !pending_.empty(); }
    const Registry& Store() const { return machine_; }

    // Replaces the record from the store by the rules of LoadStoredRecord (never
    // waiting and never writing), then makes the pending changes on it again.
    RecordLoad Load();

    // Saves the pending changes and then change into the record as the store holds it
    // now. When the store refuses, change joins the pending ones and StoreWriteError is
    // thrown, naming the file and the reason.
    void Save(const RecordChange& change);

    // Tries the pending changes once more; does nothing when there are none. Throws
    // like Save.
    void SavePendingChanges();

private:
    void SaveAll();

    Registry machine_;
    StoredRecord stored_;  // as the store held it at the last load or save
    StoredRecord record_;  // stored_ with the pending changes made on it
    std::vector<RecordChange> pending_;
};

}  // namespace vantrel
