#pragma once

#include <QImage>

namespace vantrel {

// The ten pictures of the table, loaded once from the program's resources by name.
// A picture that cannot be loaded stays empty (0 x 0) and paints nothing.
struct Pictures {
    QImage CBmp, DBmp, HBmp, SBmp;  // suit pictures of the card corners
    QImage CPip, DPip, HPip, SPip;  // pips of the card faces
    QImage LCBmp, RCBmp;            // large and regular card backs

    void Load();

    // The suit and pip pictures of suit 1..4 (hearts, clubs, diamonds, spades).
    const QImage& SuitPicture(int suit) const;
    const QImage& PipPicture(int suit) const;
};

}  // namespace vantrel
