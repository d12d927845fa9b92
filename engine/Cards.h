#pragma once

// Card codes 1..52. Each block of 13 codes is one suit (hearts, clubs, diamonds,
// spades), and inside a block the first code is the two and the last the ace:
// code 1 is the two of hearts, 13 the ace of hearts, 52 the ace of spades.
namespace vantrel {

inline constexpr int CardsInDeck = 52;

enum Suit : int { Hearts = 1, Clubs = 2, Diamonds = 3, Spades = 4 };

enum Rank : int { Ace = 1, Jack = 11, Queen = 12, King = 13 };

// 1 (ace) .. 13 (king).
constexpr int CardRank(int code) { return code % 13 + 1; }

// 1 hearts, 2 clubs, 3 diamonds, 4 spades.
constexpr int CardSuit(int code) { return (code - 1) / 13 + 1; }

constexpr bool IsRedSuit(int suit) { return suit == Hearts || suit == Diamonds; }

// Highest code a hand cell can hold while it still counts as a card; codes above it
// (open slot, erase, nothing) mark a free cell.
inline constexpr int LastCardCode = 52;

}  // namespace vantrel
