#include "paint/Pictures.h"

#include <QString>

#include "engine/Cards.h"

namespace vantrel {

namespace {

QImage LoadPicture(const char* name)
{
    QImage picture(QStringLiteral(":/pictures/") + QLatin1String(name));
    return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void Pictures::Load()
{
    // Loaded in this order at start-up.
    CBmp = LoadPicture("CBmp");
    DBmp = LoadPicture("DBmp");
    HBmp = LoadPicture("HBmp");
    SBmp = LoadPicture("SBmp");
    CPip = LoadPicture("CPip");
    DPip = LoadPicture("DPip");
    HPip = LoadPicture("HPip");
    SPip = LoadPicture("SPip");
    LCBmp = LoadPicture("LCBmp");
    RCBmp = LoadPicture("RCBmp");
}

const QImage& Pictures::SuitPicture(int suit) const
{
    switch (suit) {
        case Hearts:
            return HBmp;
        case Clubs:
            return CBmp;
        case Diamonds:
            return DBmp;
        default:
            return SBmp;
    }
}

const QImage& Pictures::PipPicture(int suit) const
{
    switch (suit) {
        case Hearts:
            return HPip;
        case Clubs:
            return CPip;
        case Diamonds:
            return DPip;
        default:
            return SPip;
    }
}

}  // namespace vantrel
