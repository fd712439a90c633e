#include "CommandLine.h"
#include "Release.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, AnswersHelpAndVersionRefusesWhatItDoesNotKnowAndReadsAMarking)
{
    const auto read = [](QStringList words) {
        words.prepend(QStringLiteral("marloquent"));
        return ReadCommandLine(words);
    };
    const StartRequest help = read({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith(
        QStringLiteral("Aufruf: marloquent [FELGENBEZEICHNUNG] [--compare FELGENBEZEICHNUNG]\n")));
    EXPECT_TRUE(help.output.contains(QStringLiteral("marloquent \"7J x 16 H2 ET40\"")));
    EXPECT_EQ(read({QStringLiteral("-v")}).output, QStringLiteral("MarloQuent %1\n").arg(Release::Version));

    const StartRequest unknown = read({QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.error.startsWith(QStringLiteral("marloquent: unbekannte Option „--bogus“; möglich sind")));
    EXPECT_EQ(unknown.error.count(QLatin1Char('\n')), 1);
    const StartRequest wide = read({QStringLiteral("9J"), QStringLiteral("x"), QStringLiteral("15")});
    EXPECT_EQ(wide.exitCode, 2);
    EXPECT_EQ(wide.error, QStringLiteral("marloquent: Maulweite 9 Zoll: möglich sind 4 bis 8 Zoll\n"));

    // Qt's own options are left for Qt, with their values.
    const StartRequest good = read({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("7J x 16"),
                                    QStringLiteral("--style=Fusion"), QStringLiteral("-reverse"),
                                    QStringLiteral("-display"), QStringLiteral(":0"), QStringLiteral("H2 ET40")});
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
