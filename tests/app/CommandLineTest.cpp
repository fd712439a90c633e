#include "CommandLine.h"
#include "Release.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, AnswersHelpAndVersionRefusesWhatItDoesNotKnowAndReadsAMarking)
{
    const auto read = [](QStringList words, bool qtOptionsRemoved = true) {
        words.prepend(QStringLiteral("marloquent"));
        return ReadCommandLine(words, qtOptionsRemoved);
    };
    const StartRequest help = read({QStringLiteral("--help")}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith(
        QStringLiteral("Aufruf: marloquent [FELGENBEZEICHNUNG] [--compare FELGENBEZEICHNUNG]\n")));
    EXPECT_TRUE(help.output.contains(QStringLiteral("marloquent \"7J x 16 H2 ET40\"")));
    EXPECT_EQ(read({QStringLiteral("-v")}, false).output, QStringLiteral("MarloQuent %1\n").arg(Release::Version));

    // Until Qt has taken out its own options, an unknown one may be Qt's.
    EXPECT_FALSE(read({QStringLiteral("--bogus")}, false).exitCode);
    const StartRequest unknown = read({QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.error.startsWith(QStringLiteral("marloquent: unbekannte Option „--bogus“; möglich sind")));
    EXPECT_EQ(unknown.error.count(QLatin1Char('\n')), 1);
    const StartRequest wide = read({QStringLiteral("9J"), QStringLiteral("x"), QStringLiteral("15")});
    EXPECT_EQ(wide.exitCode, 2);
    EXPECT_EQ(wide.error, QStringLiteral("marloquent: Maulweite 9 Zoll: möglich sind 4 bis 8 Zoll\n"));

    const StartRequest good = read({QStringLiteral("7J x 16"), QStringLiteral("H2"), QStringLiteral("ET40")});
    ASSERT_FALSE(good.exitCode);
    ASSERT_TRUE(good.rim);
    EXPECT_EQ(good.rim->Maulweite, 7.0);
    EXPECT_EQ(good.rim->Durchmesser, 16.0);
    EXPECT_EQ(good.rim->Einpresstiefe, 40.0);
    const StartRequest compared = read({QStringLiteral("--compare"), QStringLiteral("6J - 15 ET20")});
    ASSERT_TRUE(compared.reference && !compared.rim);
    EXPECT_EQ(compared.reference->Einpresstiefe, 20.0);
    EXPECT_FALSE(compared.reference->Tiefbett);
    EXPECT_EQ(read({QStringLiteral("--compare=9J x 15")}).error,
              QStringLiteral("marloquent: --compare: Maulweite 9 Zoll: möglich sind 4 bis 8 Zoll\n"));
}

}  // namespace
