#pragma once

// The top-five list inside the stored record: where a finished game's total belongs,
// making room for it and entering it. Free of dialogs and of the store, so the window's
// end-of-game check only adds the name prompt and the save.

#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <string>

#include "store/StoredRecord.h"

namespace vantrel {

// The name prompt's title and text, in English; the window shows them translated.
inline constexpr const char* HighScoreTitle = QT_TRANSLATE_NOOP("HighScores", "New High Score");
inline constexpr const char* HighScorePrompt =
    QT_TRANSLATE_NOOP("HighScores", "Please enter your name:");

// The smallest entry 1..5 whose stored score is strictly lower than total, or 0 when
// the total beats none. A total equal to a stored score goes below it.
int FindPlace(const StoredRecord& record, std::int32_t total);

// Moves the entries place..4 one down to free entry place; the old entry 5 is lost.
// Place 5 needs no room and 0 enters nothing, so both leave the list as it is.
void MakeRoom(StoredRecord& record, int place);

// The first 23 bytes of a single-byte name: what a name field can hold.
std::string CutName(const std::string& storedName);

// Writes the entry at place (1..5) and keeps the name as the next prompt's default.
void EnterScore(StoredRecord& record, int place, const std::string& storedName, std::int32_t total);

// A finished game's total entered into the list as record holds it, by the same place
// search and room as above: under name, or, when the player was not asked for one,
// under the last name, the default the prompt would have offered. A total that beats
// no entry changes nothing. This is how a game's entry joins the list as another copy
// of the game may have left it since the player was asked.
void EnterGame(StoredRecord& record, std::int32_t total,
               const std::optional<std::string>& storedName);

// Every entry "None" with 0; the tag, the flags and the last name stay.
void ClearTopScores(StoredRecord& record);

}  // namespace vantrel
