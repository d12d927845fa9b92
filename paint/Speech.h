#pragma once

#include <QCoreApplication>

namespace vantrel {

// What a screen reader is told of the table and its keys, in the player's language:
// Speech::tr("Hand %1"). The words of the painted table come from TableWords, so that
// what is spoken of them matches what is painted.
class Speech {
    Q_DECLARE_TR_FUNCTIONS(Speech)
};

}  // namespace vantrel
