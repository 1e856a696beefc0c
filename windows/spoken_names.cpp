#include "windows/spoken_names.h"

#include <array>
#include <utility>

#include <QRegularExpression>
#include <QStringList>

#include "windows/control_text.h"

namespace windows {

namespace {

// Shorthand in the captions, word by word, and what a listener hears for it.
constexpr std::array<std::pair<const char*, const char*>, 6> kSpokenWords{{
    {"sq.", "square"},
    {"Sq.", "square"},
    {"CM", "Centimeter"},
    {"Int'l", "International"},
    {"Imp", "Imperial"},
    {"kiloWatt", "Kilowatt"},
}};

// The qualifiers the captions put in brackets after the unit.
constexpr std::array<std::pair<const char*, const char*>, 1> kSpokenQualifiers{{
    {"Naut", "Nautical"},
}};

constexpr std::array<std::pair<const char*, const char*>, 6> kSpokenSymbols{{
    {"km", "kilometres"},
    {"m", "metres"},
    {"cm", "centimetres"},
    {"mi", "miles"},
    {"yd", "yards"},
    {"in", "inches"},
}};

template <std::size_t N>
QString lookUp(const std::array<std::pair<const char*, const char*>, N>& table, const QString& key)
{
    for (const auto& [shown, spoken] : table)
        if (key == QLatin1String(shown)) return QString::fromLatin1(spoken);
    return key;
}

// "Tons (short)" and "Tons(metric)" are "short Tons" and "metric Tons"; a
// square stays in front: "square Nautical Miles".
QString qualifierFirst(const QString& text)
{
    static const QRegularExpression bracketed(QStringLiteral(R"(^(.*\S)\s*\(([^()]+)\)$)"));
    const QRegularExpressionMatch match = bracketed.match(text);
    if (!match.hasMatch()) return text;
    const QString qualifier = lookUp(kSpokenQualifiers, match.captured(2));
    QString unit = match.captured(1);
    const QString square = QStringLiteral("square ");
    if (unit.startsWith(square)) return square + qualifier + u' ' + unit.mid(square.size());
    return qualifier + u' ' + unit;
}

}  // namespace

QString spokenUnit(std::string_view caption)
{
    QString text = withoutAccelerator(fromUtf8(caption));
    text.replace(u'/', QStringLiteral(" per "));
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (QString& word : words) word = lookUp(kSpokenWords, word);
    text = qualifierFirst(words.join(u' '));

    // "BTUs - Mean" is "Mean BTUs", "Mercury Inches" "Inches of Mercury".
    static const QRegularExpression dashed(QStringLiteral(R"(^(.+) - (.+)$)"));
    text.replace(dashed, QStringLiteral(R"(\2 \1)"));
    static const QRegularExpression mercury(QStringLiteral(R"(^Mercury (.+)$)"));
    text.replace(mercury, QStringLiteral(R"(\1 of Mercury)"));
    if (text == QLatin1String("Fahrenheit") || text == QLatin1String("Celsius"))
        text.prepend(QStringLiteral("degrees "));
    return text;
}

QString spokenSymbol(std::string_view symbol) { return lookUp(kSpokenSymbols, fromUtf8(symbol)); }

}  // namespace windows
