#include "store/KeptRecord.h"

namespace vantrel {

RecordLoad KeptRecord::Load()
{
    const RecordLoad loaded = LoadStoredRecord(machine_, stored_);
    record_ = stored_;
    for (const RecordChange& change : pending_) {
        change(record_);
    }
    return loaded;
}

void KeptRecord::Save(const RecordChange& change)
{
    pending_.push_back(change);
    // The record shows the change whether or not the store takes it.
    change(record_);
    SaveAll();
}

void KeptRecord::SavePendingChanges()
{
    if (!pending_.empty()) {
        SaveAll();
    }
}

void KeptRecord::SaveAll()
{
    stored_ = SaveStoredChanges(machine_, stored_, pending_);  // throws when refused
    pending_.clear();
    record_ = stored_;
}

}  // namespace vantrel
