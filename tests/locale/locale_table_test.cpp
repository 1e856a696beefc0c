// The command-line tool must write numbers exactly as the windows do, without
// loading the toolkit; this checks its table against the toolkit's own locales.
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include "cli/convert.h"

namespace {

void ExpectSameAsToolkit(const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    const QLocale locale(name);
    const engine::NumberFormat format = cli::FormatForLocaleName(name.toStdString());
    EXPECT_EQ(format.decimal, locale.decimalPoint().toStdString());
    EXPECT_EQ(format.group, locale.groupSeparator().toStdString());
}

TEST(LocaleTable, AgreesWithTheToolkitForEveryLocale)
{
    const auto all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& locale : all) {
        ExpectSameAsToolkit(locale.name());
        ExpectSameAsToolkit(locale.name() + QStringLiteral(".UTF-8"));
        if (HasFailure()) return;
    }
}

TEST(LocaleTable, AgreesWithTheToolkitForEnvironmentStyleNames)
{
    for (const char* name :
         {"C", "POSIX", "de_DE.UTF-8@euro", "de-AT", "en_DE", "pt", "sr_RS@latin", "zh_TW.Big5",
          "xx_YY", "de_XX", "fr_CA.ISO-8859-1", "ar_EG", "hi_IN"})
        ExpectSameAsToolkit(QString::fromLatin1(name));
}

}  // namespace
