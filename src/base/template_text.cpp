#include "base/template_text.h"

namespace morvek::base {
namespace {

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;
    QChar type;
};

// Parses the conversion after a "%" at pattern[i]; returns the index after it, or -1.
qsizetype ParseConversion(QStringView pattern, qsizetype i, Conversion& conv) {
    for (; i < pattern.size(); ++i) {
        if (pattern[i] == u'-') {
            conv.leftAlign = true;
        } else if (pattern[i] == u'0') {
            conv.zeroPad = true;
        } else {
            break;
        }
    }
    for (; i < pattern.size() && pattern[i].isDigit(); ++i) {
        conv.width = qMin(conv.width * 10 + pattern[i].digitValue(), 1000);
    }
    if (i < pattern.size() && pattern[i] == u'.') {
        conv.precision = 0;
        for (++i; i < pattern.size() && pattern[i].isDigit(); ++i) {
            conv.precision = qMin(conv.precision * 10 + pattern[i].digitValue(), 1000);
        }
    }
    if (i >= pattern.size() || !QStringView(u"sduf").contains(pattern[i])) {
        return -1;
    }
    conv.type = pattern[i];
    return i + 1;
}

QString AsText(const TemplateArg& arg) {
    if (const auto* s = std::get_if<QString>(&arg)) {
        return *s;
    }
    if (const auto* d = std::get_if<double>(&arg)) {
        return QString::number(*d, 'f', 6);
    }
    return std::visit(
        [](const auto& v) -> QString {
            if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
                return QString::number(v);
            } else {
                return v;
            }
        },
        arg);
}

double AsDouble(const TemplateArg& arg) {
    if (const auto* s = std::get_if<QString>(&arg)) {
        return s->toDouble();
    }
    return std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
                return static_cast<double>(v);
            } else {
                return 0.0;
            }
        },
        arg);
}

long long AsInteger(const TemplateArg& arg) {
    if (const auto* s = std::get_if<QString>(&arg)) {
        return s->toLongLong();
    }
    return static_cast<long long>(AsDouble(arg));
}

QString Format(const Conversion& conv, const TemplateArg& arg) {
    QString body;
    switch (conv.type.unicode()) {
    case u's':
        body = AsText(arg);
        if (conv.precision >= 0) {
            body.truncate(conv.precision);
        }
        break;
    case u'd':
        body = QString::number(AsInteger(arg));
        break;
    case u'u':
        body = QString::number(static_cast<unsigned>(AsInteger(arg)));
        break;
    default:
        body = QString::number(AsDouble(arg), 'f', conv.precision >= 0 ? conv.precision : 6);
        break;
    }
    if (body.size() >= conv.width) {
        return body;
    }
    if (conv.leftAlign) {
        return body.leftJustified(conv.width);
    }
    if (conv.zeroPad && conv.type != u's') {
        const bool sign = body.startsWith(u'-');
        const QString digits = body.mid(sign ? 1 : 0);
        return (sign ? QStringLiteral("-") : QString()) +
               digits.rightJustified(conv.width - (sign ? 1 : 0), u'0');
    }
    return body.rightJustified(conv.width);
}

} // namespace

QString FillTemplate(QStringView pattern, std::initializer_list<TemplateArg> args) {
    QString result;
    result.reserve(pattern.size());
    auto next = args.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%') {
            result.append(pattern[i]);
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == u'%') {
            result.append(u'%');
            ++i;
            continue;
        }
        Conversion conv;
        const qsizetype end = ParseConversion(pattern, i + 1, conv);
        if (end < 0) {
            result.append(u'%');
            continue;
        }
        if (next != args.end()) {
            result.append(Format(conv, *next++));
        }
        i = end - 1;
    }
    return result;
}

} // namespace morvek::base
