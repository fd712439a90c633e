#include "ViewControls.h"

#include "AnsweredHide.h"
#include "PictureActions.h"
#include "QtTexts.h"
#include "ViewCommands.h"

#include <QKeyEvent>
#include <QMessageBox>

namespace {

using G = ViewControl::Group;
using Amount = const GestureAmount&;

QString KeyNames(const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys)
        names << key.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

QString Cell(const QString& text)
{
    return QStringLiteral("<td style=\"padding-right: 16px; white-space: nowrap\">%1</td>").arg(text.toHtmlEscaped());
}

}  // namespace

const std::vector<ViewControl>& ViewControlTable()
{
    static const std::vector<ViewControl> table{
        {"Bild speichern …", G::Pictures, true, {QKeySequence::Save}, {}, nullptr,
         [](ViewCommands& c) { c.Pictures().Save(); }},
        {"Bild kopieren", G::Pictures, true, {QKeySequence::Copy}, {}, nullptr,
         [](ViewCommands& c) { c.Pictures().Copy(); }},
        {"Bild in Druckgröße speichern …", G::Pictures, true, {}, {}, nullptr,
         [](ViewCommands& c) { c.Pictures().SavePrintSize(); }},
        {"Bauteil benennen", G::View, false, {}, {}, "Zeiger auf dem Bauteil ruhen lassen", nullptr, {Gesture::Rest},
         [](ViewCommands& c, Amount a) { c.NameAt(a.position); }},
        {"Bauteil hervorheben, erneut: nicht mehr", G::View, false, {}, {}, "Klick auf das Bauteil", nullptr,
         {Gesture::Click}, [](ViewCommands& c, Amount a) { c.HighlightAt(a.position); }},
        {"Modell drehen (über die Höhe der Ansicht 180°)", G::View, false, {}, {}, "Ziehen mit der linken Taste",
         nullptr, {Gesture::LeftDrag}, [](ViewCommands& c, Amount a) { c.Turn(a.motion); }},
        {"um 15° nach oben drehen", G::View, false, {}, {Qt::Key_Up}, nullptr,
         [](ViewCommands& c) { c.Step(ViewStep::RotateUp); }},
        {"um 15° nach unten drehen", G::View, false, {}, {Qt::Key_Down}, nullptr,
         [](ViewCommands& c) { c.Step(ViewStep::RotateDown); }},
        {"um 15° nach links drehen", G::View, false, {}, {Qt::Key_Left}, nullptr,
         [](ViewCommands& c) { c.Step(ViewStep::RotateLeft); }},
        {"um 15° nach rechts drehen", G::View, false, {}, {Qt::Key_Right}, nullptr,
         [](ViewCommands& c) { c.Step(ViewStep::RotateRight); }},
        {"Bild verschieben", G::View, false, {}, {}, "Ziehen mit der mittleren Taste oder mit Umschalt und der linken",
         nullptr, {Gesture::MiddleDrag, Gesture::ShiftDrag}, [](ViewCommands& c, Amount a) { c.Pan(a.motion); }},
        {"Bild um ein Zehntel nach links verschieben", G::View, false, {}, {Qt::ControlModifier | Qt::Key_Left},
         nullptr, [](ViewCommands& c) { c.PanTenth(-1, 0); }},
        {"Bild um ein Zehntel nach rechts verschieben", G::View, false, {}, {Qt::ControlModifier | Qt::Key_Right},
         nullptr, [](ViewCommands& c) { c.PanTenth(1, 0); }},
        {"Bild um ein Zehntel nach oben verschieben", G::View, false, {}, {Qt::ControlModifier | Qt::Key_Up},
         nullptr, [](ViewCommands& c) { c.PanTenth(0, -1); }},
        {"Bild um ein Zehntel nach unten verschieben", G::View, false, {}, {Qt::ControlModifier | Qt::Key_Down},
         nullptr, [](ViewCommands& c) { c.PanTenth(0, 1); }},
        {"vergrößern", G::View, true, {QKeySequence::ZoomIn}, {Qt::Key_Plus},
         "Mausrad vom Körper weg (am Zeiger)", [](ViewCommands& c) { c.Step(ViewStep::ZoomIn); },
         {Gesture::WheelAway},
         [](ViewCommands& c, Amount a) { c.ZoomAt(ViewStep::ZoomIn, a.notches, a.position); }},
        {"verkleinern", G::View, true, {QKeySequence::ZoomOut}, {Qt::Key_Minus},
         "Mausrad zum Körper hin (am Zeiger)", [](ViewCommands& c) { c.Step(ViewStep::ZoomOut); },
         {Gesture::WheelTowards},
         [](ViewCommands& c, Amount a) { c.ZoomAt(ViewStep::ZoomOut, a.notches, a.position); }},
        {"Ansicht zurücksetzen", G::View, true, {Qt::Key_Home}, {}, nullptr,
         [](ViewCommands& c) { c.ResetView(); }},
        {"Menü der Ansicht", G::Window, false, {}, {Qt::Key_Menu, Qt::ShiftModifier | Qt::Key_F10},
         "rechte Taste", [](ViewCommands& c) { c.OpenMenu(); }, {Gesture::RightPress},
         [](ViewCommands& c, Amount a) { c.MenuAt(a.globalPosition); }},
        {"Als Vergleich merken", G::View, true, {Qt::ControlModifier | Qt::Key_M}, {}, nullptr,
         [](ViewCommands& c) { c.KeepReference(); }},
        {"Vergleich beenden", G::View, true, {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_M}, {}, nullptr,
         [](ViewCommands& c) { c.DropReference(); }},
        {"Felgenbezeichnung eingeben", G::Window, true, {Qt::ControlModifier | Qt::Key_L}, {}, nullptr,
         [](ViewCommands& c) { c.EditMarking(); }},
        {"Bedienung …", G::Window, true, {QKeySequence::HelpContents}, {}, nullptr,
         [](ViewCommands& c) { ShowControlsHelp(&c.Window()); }},
        {"Über MarloQuent …", G::Window, true, {}, {}, nullptr, [](ViewCommands& c) { c.ShowAbout(); }},
        {"nächste / vorige Schaltfläche oder die Ansicht", G::Window, false,
         {Qt::Key_Tab, Qt::ShiftModifier | Qt::Key_Tab}, {}, nullptr, nullptr},
        {"gewählte Schaltfläche drücken", G::Window, false, {Qt::Key_Space, Qt::Key_Return}, {}, nullptr, nullptr},
    };
    return table;
}

const ViewControl* ViewKeyControl(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const ViewControl& control : ViewControlTable()) {
        for (const QKeyCombination key : control.viewKeys) {
            // Keys below Escape's code are typed characters.
            const bool typed = key.key() < Qt::Key_Escape;
            if (key.key() == event.key() &&
                (modifiers == key.keyboardModifiers() ||
                 (typed && modifiers == (key.keyboardModifiers() | Qt::ShiftModifier))))
                return control.command ? &control : nullptr;
        }
    }
    return nullptr;
}

const ViewControl* GestureControl(Gesture gesture)
{
    for (const ViewControl& control : ViewControlTable())
        if (control.gestures.contains(gesture))
            return &control;
    return nullptr;
}

void ShowControlsHelp(QWidget* parent)
{
    LoadQtTexts();
    QString html = QStringLiteral("<table cellspacing=\"2\"><tr><th></th><th align=\"left\">im ganzen Fenster</th>"
                                  "<th align=\"left\">in der Ansicht</th></tr>");
    for (const ViewControl& control : ViewControlTable()) {
        QStringList inView;
        if (control.pointer)
            inView << QString::fromUtf8(control.pointer);
        QList<QKeySequence> viewKeys(control.viewKeys.begin(), control.viewKeys.end());
        if (!viewKeys.isEmpty())
            inView << KeyNames(viewKeys);
        html += QStringLiteral("<tr>") + Cell(QString::fromUtf8(control.text)) + Cell(KeyNames(control.shortcuts)) +
                Cell(inView.join(QStringLiteral("; "))) + QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p>Die Tasten der Ansicht gelten, wenn sie gewählt ist: ein "
                           "orangefarbener Rand zeigt es.</p>");
    AnsweredDialog<QMessageBox> box(QMessageBox::Information, QStringLiteral("Bedienung"), html, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ControlsHelp"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}
