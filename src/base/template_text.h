#pragma once

#include <QString>
#include <initializer_list>
#include <variant>

namespace morvek::base {

using TemplateArg = std::variant<QString, int, unsigned, double>;

// Fills a printf-style template: %s, %d, %u, %f and %% take the arguments in order, with the
// optional flags "-" and "0", a width and a precision as printf has them. A missing argument
// fills nothing; any other conversion is copied as it stands.
QString FillTemplate(QStringView pattern, std::initializer_list<TemplateArg> args);

} // namespace morvek::base
