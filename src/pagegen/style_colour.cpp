#include "pagegen/style_colour.h"

#include "base/ascii.h"

namespace morvek::pagegen {
namespace {

// Red 191, green 219, blue 255: the bar face of the blue look.
constexpr quint32 kDefaultLookFaceColour = 0x00FFDBBF;

} // namespace

quint32 DefaultLookColour::StyleBackgroundColour() const {
    return kDefaultLookFaceColour;
}

QString HashColour(quint32 colourRef) {
    // "%08X" of the value; the pieces at 6, 4 and 2 are red, green and blue.
    const QString digits =
        base::ToUpperAscii(QString::number(colourRef, 16).rightJustified(8, u'0'));
    return u'#' + digits.mid(6, 2) + digits.mid(4, 2) + digits.mid(2, 2);
}

} // namespace morvek::pagegen
