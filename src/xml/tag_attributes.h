#pragma once

#include <QMap>
#include <QString>

namespace morvek::xml {

// Splits the text of an opening tag at its first blank or tab into the element name and its
// attributes name=value (names upper-cased, values without their surrounding quotes; a later
// name overwrites). Returns false at the first attribute without "=", keeping those before it.
bool ParseOpeningTag(QStringView tagText, QString& name, QMap<QString, QString>& attributes);

} // namespace morvek::xml
