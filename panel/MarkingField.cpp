#include "MarkingField.h"

#include "AnsweredHide.h"
#include "PanelFonts.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace {

// Taller than the box, so that the field's frame leaves the text whole; it
// stays within the box's white frame.
constexpr int FieldMargin = 3;
// Below the white frame around the box, to the panel's foot at the window's
// least height: three lines of the message.
const QRect ProblemGeometry(7, 556, 185, 42);

}  // namespace

MarkingField::MarkingField(QLabel& box)
    : QLineEdit(box.parentWidget())
{
    setObjectName(QStringLiteral("edtFelgenbezeichnung"));
    setAccessibleName(QStringLiteral("Felgenbezeichnung"));
    setGeometry(box.geometry().adjusted(0, -FieldMargin, 0, FieldMargin));
    setFont(box.font());
    setAlignment(Qt::AlignCenter);
    setMaxLength(64);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QLineEdit::returnPressed, this, [this] { emit MarkingEntered(text()); });

    ProblemLabel = new QLabel(box.parentWidget());
    ProblemLabel->setObjectName(QStringLiteral("lblMarkingProblem"));
    ProblemLabel->setGeometry(ProblemGeometry);
    ProblemLabel->setFont(PanelFont(TahomaFamily, 11));
    ProblemLabel->setTextFormat(Qt::PlainText);
    ProblemLabel->setWordWrap(true);
    ProblemLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A dark red that keeps 7:1 against the panel's white.
    QPalette p = ProblemLabel->palette();
    p.setColor(QPalette::WindowText, QColor(0x9E, 0x00, 0x00));
    ProblemLabel->setPalette(p);
    // Over the comparison, which shares its place, while it is shown.
    ProblemLabel->setAutoFillBackground(true);
    ProblemLabel->hide();
}

void MarkingField::ShowRim(const QString& marking, const QString& explanation)
{
    Shown = marking;
    setText(marking);
    setToolTip(explanation);
    setAccessibleDescription(explanation);
}

void MarkingField::ShowProblem(const QString& message)
{
    ProblemLabel->setText(message);
    ProblemLabel->setVisible(!message.isEmpty());
    ProblemLabel->raise();
    if (message.isEmpty())
        return;
    QAccessibleEvent changed(ProblemLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(ProblemLabel, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString MarkingField::Problem() const
{
    return ProblemLabel->isVisible() ? ProblemLabel->text() : QString();
}

void MarkingField::paintEvent(QPaintEvent* event)
{
    // Without the focus the box beneath shows the marking.
    if (hasFocus())
        QLineEdit::paintEvent(event);
}

void MarkingField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        PutBack();
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MarkingField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    SelectOnRelease = event->reason() == Qt::MouseFocusReason;
    update();
}

void MarkingField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // The click that comes into the field takes the whole marking, to be
    // typed over, as Tab and Ctrl+L do; a drag keeps what it selected.
    if (SelectOnRelease && !hasSelectedText())
        selectAll();
    SelectOnRelease = false;
}

void MarkingField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A menu or tooltip that takes the focus for a moment leaves the typing.
    if (event->reason() != Qt::PopupFocusReason)
        PutBack();
    update();
}

void MarkingField::PutBack()
{
    setText(Shown);
    ShowProblem({});
}

void MarkingField::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own entries for the field, made afresh for what the field holds
    // now, in a menu whose hide waits for its frame. Qt's menu keeps them
    // alive until the next one.
    if (!Menu)
        Menu = new AnsweredHide<QMenu>(this);
    Menu->clear();
    delete Entries;
    Entries = createStandardContextMenu();
    Menu->addActions(Entries->actions());
    Menu->popup(event->globalPos());
}
