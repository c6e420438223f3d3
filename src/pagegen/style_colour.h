#pragma once

#include <QString>

namespace morvek::pagegen {

// The face colour of the application look, as a Windows colour value (0x00BBGGRR). Pages take
// it as their background when the user asked for pages coloured after the look.
class StyleColourProvider {
public:
    virtual ~StyleColourProvider() = default;
    virtual quint32 StyleBackgroundColour() const = 0;
};

// The face colour of the default look (215, blue), for runs without a main window.
class DefaultLookColour final : public StyleColourProvider {
public:
    quint32 StyleBackgroundColour() const override;
};

// "#RRGGBB" of a 0x00BBGGRR colour value.
QString HashColour(quint32 colourRef);

} // namespace morvek::pagegen
