#include "store/HighScoreTable.h"

#include <cassert>

namespace vantrel {

int FindPlace(const StoredRecord& record, std::int32_t total)
{
    // Searched from the bottom so that the last hit is the best place.
    int place = 0;
    for (int entry = StoredRecord::TopEntries; entry >= 1; --entry) {
        if (record.TopScore(entry) < total) {
            place = entry;
        }
    }
    return place;
}

void MakeRoom(StoredRecord& record, int place)
{
    if (place < 1 || place >= StoredRecord::TopEntries) {
        return;
    }
    for (int entry = StoredRecord::TopEntries; entry > place; --entry) {
        record.SetTopName(entry, record.TopName(entry - 1));
        record.SetTopScore(entry, record.TopScore(entry - 1));
    }
}

std::string CutName(const std::string& storedName)
{
    return storedName.substr(0, StoredRecord::NameCapacity);
}

void EnterScore(StoredRecord& record, int place, const std::string& storedName, std::int32_t total)
{
    assert(place >= 1 && place <= StoredRecord::TopEntries);
    const std::string name = CutName(storedName);
    record.SetLastName(name);
    record.SetTopName(place, name);
    record.SetTopScore(place, total);
}

void EnterGame(StoredRecord& record, std::int32_t total,
               const std::optional<std::string>& storedName)
{
    const int place = FindPlace(record, total);
    if (place < 1) {
        return;
    }
    MakeRoom(record, place);
    EnterScore(record, place, storedName.value_or(record.LastName()), total);
}

void ClearTopScores(StoredRecord& record)
{
    for (int entry = 1; entry <= StoredRecord::TopEntries; ++entry) {
        record.SetTopName(entry, StoredRecord::EmptyEntryName);
        record.SetTopScore(entry, 0);
    }
}

}  // namespace vantrel
