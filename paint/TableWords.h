#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "paint/TableLayout.h"

// The words the table paints, each declared once in English, the program's own
// language; they are painted in the player's language. Each stands in a fixed place of
// fixed width, so a translation must fit where the English stands.
namespace vantrel::TableWords {

inline constexpr const char* Context = "Table";

//: Above the current card after a round's count: the card turned up for the count
inline constexpr const char* TheCut = QT_TRANSLATE_NOOP("Table", "The Cut");
//: Above the current card while the round is placed
inline constexpr const char* Play = QT_TRANSLATE_NOOP("Table", "Play...");
//: The score panel's first line: the round numbers 1 to 5 follow it
inline constexpr const char* Round = QT_TRANSLATE_NOOP("Table", "Round");
//: The score panel's second line: each round's score follows it
inline constexpr const char* Score = QT_TRANSLATE_NOOP("Table", "Score");
//: The score panel's last column: the game total
inline constexpr const char* Total = QT_TRANSLATE_NOOP("Table", "Total");
inline constexpr const char* TopHeading =
    QT_TRANSLATE_NOOP("Table", "...The Vantrel Top 5 List...");
//: Under the top-five list: a click anywhere closes it
inline constexpr const char* Resume = QT_TRANSLATE_NOOP("Table", "Click left button to resume...");
//: The banner of a game total of 180 or more, written every 48 pixels
inline constexpr const char* Win = QT_TRANSLATE_NOOP("Table", "WIN");
//: On the deck pile after a round: one short line under another, at most four
inline constexpr const char* NextRound = QT_TRANSLATE_NOOP("Table", "Click\nfor\nnext\nRound");
//: On the deck pile after the fifth round: one short line under another, at most four
inline constexpr const char* NextGame = QT_TRANSLATE_NOOP("Table", "Click\nfor\nnext\nGame!");
//: The rank in the corners of a card: ace
inline constexpr const char* Ace = QT_TRANSLATE_NOOP("Table", "A");
//: The rank in the corners of a card: jack
inline constexpr const char* Jack = QT_TRANSLATE_NOOP("Table", "J");
//: The rank in the corners of a card: queen
inline constexpr const char* Queen = QT_TRANSLATE_NOOP("Table", "Q");
//: The rank in the corners of a card: king
inline constexpr const char* King = QT_TRANSLATE_NOOP("Table", "K");

// One of the words above in the player's language.
inline QString Translated(const char* word) { return QCoreApplication::translate(Context, word); }

// Where one of the words stands at a card size: its font size, its left edge and the
// first column it may not reach, where the next thing on the table begins (a rank's,
// within its card). The painter keeps each word inside its place, so a translation too
// long for it is cut short rather than painted over its neighbour; the translations
// are measured to fit whole.
struct Place {
    const char* word;
    int points;
    int left;
    int right;
};

// Every word's place, and one word's.
QList<Place> Places(const CardMetrics& cards);
Place PlaceOf(const char* word, const CardMetrics& cards);

}  // namespace vantrel::TableWords
