#include "PanelTestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <iostream>

namespace {

using PanelUserLocale = PanelWindowTest;

}  // namespace

// With no default locale set by the program, the labels follow the user's.
TEST_F(PanelUserLocale, WidthLabelUsesTheSystemDecimalSeparator)
{
    ASSERT_EQ(QLocale(), QLocale::system());
    Click("btnMaulweitePlus");
    const QString expected = QStringLiteral("Maulweite: 6") + QLocale::system().decimalPoint() + QStringLiteral("5 \"");
    EXPECT_EQ(LabelText("lblMaulweiteText"), expected);
    std::cout << "width label: " << LabelText("lblMaulweiteText").toStdString() << std::endl;
}

TEST(PanelUserLocaleProcess, GermanUserSeesADecimalComma)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=PanelUserLocale.WidthLabelUsesTheSystemDecimalSeparator")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("width label: Maulweite: 6,5 \""))) << output.toStdString();
}
