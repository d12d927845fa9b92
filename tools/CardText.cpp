#include "tools/CardText.h"

#include "engine/Cards.h"

#include <cctype>

namespace vantrel {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::optional<int> ParseRank(std::string_view text)
{
    if (text == "10") return 10;
    if (text.size() != 1) return std::nullopt;
    const char c = Upper(text[0]);
    if (c >= '2' && c <= '9') return c - '0';
    switch (c) {
        case 'A':
            return Ace;
        case 'T':
            return 10;
        case 'J':
            return Jack;
        case 'Q':
            return Queen;
        case 'K':
            return King;
        default:
            return std::nullopt;
    }
}

std::optional<int> ParseSuit(char letter)
{
    switch (Upper(letter)) {
        case 'H':
            return Hearts;
        case 'C':
            return Clubs;
        case 'D':
            return Diamonds;
        case 'S':
            return Spades;
        default:
            return std::nullopt;
    }
}

// Inverse of CardRank and CardSuit: in each suit's block of 13 codes the two comes
// first and the ace last.
int CardCode(int rank, int suit)
{
    const int placeInSuit = rank == Ace ? 13 : rank - 1;
    return (suit - 1) * 13 + placeInSuit;
}

}  // namespace

std::optional<int> ParseCard(std::string_view text)
{
    if (text.size() < 2) return std::nullopt;
    const std::optional<int> rank = ParseRank(text.substr(0, text.size() - 1));
    const std::optional<int> suit = ParseSuit(text.back());
    if (!rank || !suit) return std::nullopt;
    return CardCode(*rank, *suit);
}

}  // namespace vantrel
