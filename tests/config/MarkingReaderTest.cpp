#include "ConfigSteps.h"
#include "HumpSettings.h"
#include "MarkingReader.h"
#include "RimMarking.h"
#include "RimTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const WheelConfig kStart = StartConfig();

TEST(MarkingReader, ReadsTheCommonWaysOfWritingAMarking)
{
    const struct {
        const char* text;
        double width;
        bool tiefbett;
        double diameter;
        const char* hump;  // the hump setting's code
        double offset;
    } cases[] = {
        {"7J x 16 H2 ET40", 7.0, true, 16.0, "H2", 40.0},
        {"7Jx16H2 ET40", 7.0, true, 16.0, "H2", 40.0},
        {"7,5J x 16", 7.5, true, 16.0, "", 34.0},
        {"7.5J-16 H ET35", 7.5, false, 16.0, "H", 35.0},
        {"6j x 15 et -8", 6.0, true, 15.0, "", -8.0},
        {" 8 J × 17 HET\u221233 ", 8.0, true, 17.0, "H", -33.0},
        // Without ET the offset moves into the band the new width allows.
        {"4J - 13", 4.0, false, 13.0, "", 26.0},
    };
    for (const auto& m : cases) {
        const MarkingReading r = ReadRimMarking(m.text, kStart, ",");
        ASSERT_TRUE(r.rim) << m.text << ": " << r.message;
        EXPECT_EQ(r.rim->Maulweite, m.width) << m.text;
        EXPECT_EQ(r.rim->Tiefbett, m.tiefbett) << m.text;
        EXPECT_EQ(r.rim->Durchmesser, m.diameter) << m.text;
        EXPECT_EQ(HumpSettingOf(r.rim->StyleHumpCount).code, m.hump) << m.text;
        EXPECT_EQ(r.rim->Einpresstiefe, m.offset) << m.text;
    }
}

TEST(MarkingReader, RefusesWithAMessageNamingThePartTheValueAndWhatIsAllowed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  ", "Keine Felgenbezeichnung: erwartet wird z. B. 7J x 16 H2 ET40"},
        {"J x 15", "Die Felgenbezeichnung beginnt mit der Maulweite in Zoll, z. B. 7J x 16 H2 ET40"},
        {"9J x 15", "Maulweite 9 Zoll: möglich sind 4 bis 8 Zoll"},
        {"6.3J x 15", "Maulweite 6,3 Zoll: möglich sind halbe Zoll von 4 bis 8 Zoll"},
        {"6x15", "Nach der Maulweite fehlt die Hornform J, z. B. 6J"},
        {"6B x 15", "Hornform B zeigt MarloQuent nicht: möglich ist nur J"},
        {"6JJ x 15", "Hornform JJ zeigt MarloQuent nicht: möglich ist nur J"},
        {"6J 15", "Nach 6J fehlt x (Tiefbett) oder - (Flachbett)"},
        {"6J x", "Nach x fehlt der Durchmesser in Zoll, z. B. 16"},
        {"6J x 18", "Durchmesser 18 Zoll: möglich sind 13 bis 17 Zoll"},
        {"6J x 15,5", "Durchmesser 15,5 Zoll: möglich sind ganze Zoll von 13 bis 17"},
        {"6J x 15 FH", "Humpform FH zeigt MarloQuent nicht: möglich sind H2, H oder kein Hump"},
        {"6J x 15 EH2 ET34", "Humpform EH2 zeigt MarloQuent nicht: möglich sind H2, H oder kein Hump"},
        {"6J x 15 ET", "Nach ET fehlt die Einpresstiefe in ganzen Millimetern, z. B. ET40"},
        {"6J x 15 ET60", "Einpresstiefe 60 mm: bei 6 Zoll möglich sind \u22128 bis 52 mm"},
        {"6J x 15 ET-9", "Einpresstiefe \u22129 mm: bei 6 Zoll möglich sind \u22128 bis 52 mm"},
        {"6J x 15 ET34,5", "Einpresstiefe 34,5 mm: möglich sind nur ganze Millimeter"},
        {"6J x 15 H2 ET34 <b>x</b> more", "Nicht lesbar: „<b>x</b> more“; erwartet wird z. B. 7J x 16 H2 ET40"},
    };
    for (const auto& [text, message] : cases) {
        const MarkingReading r = ReadRimMarking(text, kStart, ",");
        EXPECT_FALSE(r.rim) << text;
        EXPECT_EQ(r.message, message) << text;
    }
}

TEST(MarkingReader, EveryRimTheButtonsReachReadsBackFromItsMarking)
{
    for (const RimWidthRow& row : kRimWidths) {
        const OffsetBand band = OffsetBandAt(row.maulweite);
        EXPECT_EQ(band.lowest, row.lowestOffset) << row.maulweite;
        EXPECT_EQ(band.highest, row.highestOffset) << row.maulweite;
        for (int offset = row.lowestOffset; offset <= row.highestOffset; ++offset) {
            WheelConfig c = ConfigAt(row.maulweite, offset);
            for (int diameter = 0; diameter < 5; ++diameter, DiameterDown(c)) {
                for (int step = 0; step < 6; ++step) {
                    (step % 2 ? ToggleWell : CycleHumpStyle)(c);
                    for (const char* separator : {",", "."}) {
                        const std::string marking = RimMarking(c, separator);
                        const MarkingReading r = ReadRimMarking(marking, kStart, separator);
                        ASSERT_TRUE(r.rim) << marking << ": " << r.message;
                        WheelConfig read = kStart;
                        ApplyMarkedRim(read, *r.rim);
                        ASSERT_EQ(RimMarking(read, separator), marking);
                        ASSERT_EQ(read.HalfWidth, c.HalfWidth) << marking;
                        ASSERT_EQ(read.Radius, c.Radius) << marking;
                        ASSERT_EQ(read.StyleHumpCount, c.StyleHumpCount) << marking;
                    }
                }
            }
        }
    }
}

// Random text and mutations of good markings: nothing crashes or hangs (the
// sanitizer build runs this too), and every rim accepted is one the buttons set.
TEST(MarkingReader, SurvivesRandomAndMutatedMarkingsAndAcceptsOnlyRimsThePanelCanSet)
{
    std::mt19937 random(20261209);
    const std::string alphabet = "0123456789.,-+ xXjJhHeEtTbBkK2\xC3\x97\xE2\x88\x92\x80\xFF";
    const std::string seeds[] = {"7J x 16 H2 ET40", "7,5J-16 H ET35", "6j x 15 et -8", "4J - 13"};
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string text = seeds[random() % 4];
        if (i % 2 == 0) {
            text.resize(random() % 24);
            for (char& ch : text)
                ch = i % 4 == 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        } else {
            for (int edits = 1 + random() % 3; edits > 0; --edits) {
                const std::size_t at = random() % (text.size() + 1);
                const char ch = alphabet[random() % alphabet.size()];
                if (random() % 3 == 0 && at < text.size())
                    text.erase(at, 1);
                else
                    text.insert(at, 1, ch);
            }
        }
        const MarkingReading r = ReadRimMarking(text, kStart, ",");
        ASSERT_NE(r.rim.has_value(), !r.message.empty()) << text;
        if (!r.rim)
            continue;
        ++accepted;
        const RimWidthRow* row = FindRimWidth(r.rim->Maulweite);
        ASSERT_NE(row, nullptr) << text;
        ASSERT_GE(r.rim->Einpresstiefe, row->lowestOffset) << text;
        ASSERT_LE(r.rim->Einpresstiefe, row->highestOffset) << text;
        ASSERT_EQ(r.rim->Einpresstiefe, static_cast<int>(r.rim->Einpresstiefe)) << text;
        ASSERT_TRUE(r.rim->Durchmesser >= 13 && r.rim->Durchmesser <= 17 &&
                    r.rim->Durchmesser == static_cast<int>(r.rim->Durchmesser)) << text;
        ASSERT_TRUE(r.rim->StyleHumpCount >= 0 && r.rim->StyleHumpCount < HumpSettingCount) << text;
    }
    EXPECT_GT(accepted, 1000) << "the mutations hardly ever kept a marking readable";
}

}  // namespace
