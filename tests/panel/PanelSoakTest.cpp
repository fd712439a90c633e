// A long session of random clicks on the real window's panel. After every
// click the configuration keeps its invariants, the panel shows it, one wheel
// list exists and the GL reported nothing; over the session the resident
// memory stays flat.

#include "ConfigInvariants.h"
#include "DialogCounter.h"
#include "MemoryUse.h"
#include "PanelTestSupport.h"
#include "SoakChecks.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>

#include <malloc.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
// Fewer, to stay within the suite's time beside the slower sanitizer tests.
// Resident memory grows with the sanitizer's quarantine and shadow, so the
// heap its allocator counts as in use is compared instead.
constexpr int DefaultClicks = 3000;
constexpr bool ResidentIsMeaningful = false;
#else
constexpr int DefaultClicks = 5000;
constexpr bool ResidentIsMeaningful = true;
#endif
constexpr unsigned DefaultSeed = 20240611;
constexpr int SettleClicks = 500;  // caches and pools have filled by then
// For each half of the clicks after SettleClicks. A leak grows in both
// halves; something the driver or the window system allocates once, at a
// moment that depends on the machine's load, in only one.
constexpr long MemoryAllowanceKiB = 1024;

double ValueOf(const WheelConfig& c, Dimension d)
{
    switch (d) {
    case Dimension::Width:
        return c.Maulweite;
    case Dimension::Diameter:
        return c.Durchmesser;
    case Dimension::Offset:
        return c.Einpresstiefe;
    case Dimension::Bolts:
        return c.Radbolzen;
    case Dimension::None:
        break;
    }
    return 0.0;
}

// The ends a held button presses against; for the offset, those of the
// current width's band.
const char* EndName(Dimension d, int direction)
{
    static const std::map<std::pair<Dimension, int>, const char*> names{
        {{Dimension::Width, 1}, "width 8.0"},        {{Dimension::Width, -1}, "width 4.0"},
        {{Dimension::Diameter, 1}, "diameter 17"},   {{Dimension::Diameter, -1}, "diameter 13"},
        {{Dimension::Offset, 1}, "offset band top"}, {{Dimension::Offset, -1}, "offset band bottom"},
        {{Dimension::Bolts, 1}, "bolts 5"},          {{Dimension::Bolts, -1}, "bolts 3"},
    };
    return names.at({d, direction});
}

bool AtEnd(const WheelConfig& before, const WheelConfig& after, const Control& control)
{
    const double value = ValueOf(after, control.dimension);
    switch (control.dimension) {
    case Dimension::Width:
        return value == (control.direction > 0 ? 8.0 : 4.0);
    case Dimension::Diameter:
        return value == (control.direction > 0 ? 17.0 : 13.0);
    case Dimension::Bolts:
        return value == (control.direction > 0 ? 5.0 : 3.0);
    case Dimension::Offset:
        return value == ValueOf(before, control.dimension);
    case Dimension::None:
        break;
    }
    return false;
}

int FromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

class PanelSoak : public PanelWindowTest {
protected:
    // One click with everything that must hold after it.
    testing::AssertionResult ClickAndCheck(const Control& control);
    // Clicks until the condition holds, checking each click as above.
    testing::AssertionResult ClickUntil(const char* name, const std::function<bool(const WheelConfig&)>& done);
    // Back to the start-up wheel by clicks: the list's size, and with it the
    // driver's share of the memory, depends on bolts, profiles and indicators.
    testing::AssertionResult ReturnToStartWheel();
    struct Memory {
        long residentKiB = -1;
        long heapKiB = -1;
    };
    Memory MemoryAtStartWheel();

    SoakChecks checks;
    int builds = 0;
    int frames = 0;
    DialogCounter dialogs;
    int extraClicks = 0;
};

testing::AssertionResult PanelSoak::ClickAndCheck(const Control& control)
{
    const WheelConfig before = box->Config();
    const int buildsBefore = builds;
    const int framesBefore = frames;
    QTest::mouseClick(Button(control.name), Qt::LeftButton);
    // Each command draws its frame before the click returns; the panel's own
    // repaint waits for the event loop, as it does for a user.
    const int built = builds - buildsBefore;
    const int drawn = frames - framesBefore;
    QCoreApplication::processEvents();
    const WheelConfig& after = box->Config();

    if (built != (control.rebuilds ? 1 : 0) || drawn != 1)
        return testing::AssertionFailure() << "the click rebuilt " << built << " times and presented " << drawn
                                           << " frames";
    if (dialogs.Count() != 0)
        return testing::AssertionFailure() << "the frame reported a GL error";
    if (const auto gl = checks.NoGLError(*box); !gl)
        return gl;
    if (const auto held = HoldsInvariants(after); !held)
        return held;
    if (const auto band = StaysInItsBand(before, after, control.dimension == Dimension::Width && control.direction < 0);
        !band)
        return band;
    if (const auto view = checks.FrameConsumedTheRotation(before, after, control.mayChange == kRotation); !view)
        return view;

    // A command changes its own variables only; the list is replaced by a
    // rebuild, the rotation matrix by a rotation's frame.
    WheelConfig expectedUntouched = before;
    if (control.rebuilds)
        expectedUntouched.WheelList = after.WheelList;
    if (control.mayChange == kRotation)
        expectedUntouched.RotMatrix = after.RotMatrix;
    if (const std::uint32_t foreign = ChangedGroups(expectedUntouched, after) & ~control.mayChange; foreign != 0)
        return testing::AssertionFailure() << "changed variables that are not its own (groups " << foreign << ")";

    if (control.dimension == Dimension::Width)
        checks.WidthLabelRewritten();
    if (control.dimension == Dimension::Diameter)
        checks.DiameterLabelRewritten();
    if (const auto texts = checks.PanelShows(*box->Panel(), after); !texts)
        return texts;
    return checks.ExactlyOneWheelList(*box);
}

testing::AssertionResult PanelSoak::ClickUntil(const char* name,
                                               const std::function<bool(const WheelConfig&)>& done)
{
    for (int i = 0; i < 200 && !done(box->Config()); ++i, ++extraClicks)
        if (auto checked = ClickAndCheck(ControlNamed(name)); !checked)
            return checked << " (" << name << ", returning to the start-up wheel)";
    if (!done(box->Config()))
        return testing::AssertionFailure() << name << " did not get there in 200 clicks";
    return testing::AssertionSuccess();
}

testing::AssertionResult PanelSoak::ReturnToStartWheel()
{
    using C = const WheelConfig&;
    const std::pair<const char*, std::function<bool(C)>> steps[] = {
        {"btnStyle", [](C c) { return c.StyleMode == 1; }},
        {"btnStyleHump", [](C c) { return c.StyleHumpCount == 0; }},
        {"btnStyleFelgenbett", [](C c) { return c.Tiefbett; }},
        {"btnLochkreisePlus", [](C c) { return c.Radbolzen >= 4; }},
        {"btnLochkreiseMinus", [](C c) { return c.Radbolzen <= 4; }},
        {"btnDurchmesserPlus", [](C c) { return c.Durchmesser >= 15; }},
        {"btnDurchmesserMinus", [](C c) { return c.Durchmesser <= 15; }},
        // Down to the band's bottom first, where every narrowing is allowed.
        {"btnEinpresstiefeMinus", [](C c) { return c.Einpresstiefe <= FindRimWidth(c.Maulweite)->lowestOffset; }},
        {"btnMaulweitePlus", [](C c) { return c.Maulweite >= 6.0; }},
        {"btnMaulweiteMinus", [](C c) { return c.Maulweite <= 6.0; }},
        {"btnEinpresstiefePlus", [](C c) { return c.Einpresstiefe >= 34.0; }},
    };
    for (const auto& [name, done] : steps)
        if (const auto reached = ClickUntil(name, done); !reached)
            return reached;
    // Every switch off.
    for (const PushButtonRow& row : TFrameSteuerung::PushButtonTable()) {
        const auto off = [&row](C c) { return !row.toggle || !ToggleOn(c, *row.toggle); };
        if (const auto reached = ClickUntil(row.name, off); !reached)
            return reached;
    }
    return testing::AssertionSuccess();
}

PanelSoak::Memory PanelSoak::MemoryAtStartWheel()
{
    const auto back = ReturnToStartWheel();
    EXPECT_TRUE(back);
    if (!back)
        return {};
    // The driver's threads free into arenas of their own; how many free pages
    // those keep depends on the order of the frees, by a few MiB. Returned to
    // the system first, what stays resident is what is held.
    malloc_trim(0);
    return {ResidentKiB(), static_cast<long>(HeapInUseBytes() / 1024)};
}

TEST_F(PanelSoak, RandomClicksKeepStateTextsListAndMemorySound)
{
    DefaultLocaleScope locale(QLocale(QLocale::German, QLocale::Germany));
    const int clicks = FromEnvironment("MQ_SOAK_CLICKS", DefaultClicks);
    const auto seed = static_cast<unsigned>(FromEnvironment("MQ_SOAK_SEED", static_cast<int>(DefaultSeed)));
    std::cout << "seed " << seed << " (MQ_SOAK_SEED repeats a run), " << clicks << " clicks (MQ_SOAK_CLICKS)"
              << std::endl;

    QObject::connect(box.get(), &TOpenGL_box::WheelListBuilt, [this] { ++builds; });
    QObject::connect(box.get(), &TOpenGL_box::FramePresented, [this] { ++frames; });
    // Paints still queued from showing the window.
    QCoreApplication::processEvents();
    ASSERT_TRUE(checks.PanelShows(*box->Panel(), box->Config()));
    ASSERT_TRUE(checks.ExactlyOneWheelList(*box));

    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> pick(0, kControls.size() - 1);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::map<std::string, int> endsReached;
    Memory settled;
    Memory midway;
    const int halfway = SettleClicks + (clicks - SettleClicks) / 2;
    QElapsedTimer clock;
    clock.start();

    for (int click = 0; click < clicks;) {
        const Control& control = kControls[pick(rng)];
        // Users press a button several times in a row. A dimension button is
        // often held until its value stops, then pressed a few times more;
        // the offset, whose band is widest, less often, so that its long runs
        // leave room for the rest. The view buttons' runs reach the zoom limits.
        const bool holdToEnd = control.dimension != Dimension::None &&
                               chance(rng) < (control.dimension == Dimension::Offset ? 0.3 : 0.6);
        int pressesBeyond = std::uniform_int_distribution<int>(1, 3)(rng);
        int run = control.dimension != Dimension::None ? pressesBeyond
                  : control.rebuilds                   ? std::uniform_int_distribution<int>(1, 4)(rng)
                                                       : std::uniform_int_distribution<int>(1, 12)(rng);
        while (click < clicks && (holdToEnd ? pressesBeyond > 0 : run-- > 0)) {
            const WheelConfig before = box->Config();
            ASSERT_TRUE(ClickAndCheck(control))
                << "seed " << seed << ", click " << click + 1 << " of " << clicks << ": " << control.name;
            ++click;
            if (control.dimension != Dimension::None) {
                const bool moved = ValueOf(before, control.dimension) != ValueOf(box->Config(), control.dimension);
                if (holdToEnd && !moved)
                    --pressesBeyond;
                if (AtEnd(before, box->Config(), control))
                    ++endsReached[EndName(control.dimension, control.direction)];
            }
            if (click == SettleClicks)
                settled = MemoryAtStartWheel();
            if (click == halfway)
                midway = MemoryAtStartWheel();
        }
    }
    const Memory ending = MemoryAtStartWheel();
    const double seconds = clock.elapsed() / 1000.0;
    const int made = clicks + extraClicks;

    std::cout << made << " clicks (" << extraClicks << " of them back to the start-up wheel) in " << seconds
              << " s: " << made / seconds << " clicks per second" << std::endl;
    std::cout << "at the start-up wheel after " << SettleClicks << ", " << halfway << " and " << clicks
              << " clicks: resident " << settled.residentKiB << ", " << midway.residentKiB << " and "
              << ending.residentKiB << " KiB, heap in use " << settled.heapKiB << ", " << midway.heapKiB << " and "
              << ending.heapKiB << " KiB" << std::endl;
    std::cout << "wheel list names handed out: up to " << checks.HighestListName() << std::endl;
    RecordProperty("clicks_per_second", static_cast<int>(made / seconds));
    RecordProperty("resident_kib_settled", static_cast<int>(settled.residentKiB));
    RecordProperty("resident_kib_final", static_cast<int>(ending.residentKiB));

    // Every band end must have been pressed against repeatedly, or the run
    // did not test what it is for.
    for (const Dimension d : {Dimension::Width, Dimension::Diameter, Dimension::Offset, Dimension::Bolts}) {
        for (const int direction : {1, -1}) {
            const char* end = EndName(d, direction);
            std::cout << end << ": " << endsReached[end] << " clicks" << std::endl;
            EXPECT_GE(endsReached[end], clicks / 500) << end;
        }
    }
    EXPECT_EQ(dialogs.Count(), 0);
    if (clicks > SettleClicks) {
        const char* measure = ResidentIsMeaningful ? "resident memory" : "heap in use";
        const auto kib = [](const Memory& m) { return ResidentIsMeaningful ? m.residentKiB : m.heapKiB; };
        ASSERT_GT(kib(settled), 0) << measure << " could not be read";
        EXPECT_LE(std::min(kib(midway) - kib(settled), kib(ending) - kib(midway)), MemoryAllowanceKiB)
            << measure << " grew in both halves: " << kib(settled) << " KiB after " << SettleClicks << " clicks, "
            << kib(midway) << " KiB after " << halfway << ", " << kib(ending) << " KiB after " << clicks;
    }
}

}  // namespace
