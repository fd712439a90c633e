#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;
class QMenu;

// The rim's marking as a field to type a marking into. It lies over the box
// that shows the marking and draws nothing until it has the focus, so that
// the panel looks as it always does; with the focus it is an edit field.
// Enter hands the typed text on; Escape, or leaving the field, puts back the
// marking of the rim shown. A marking that was refused is explained below it.
class MarkingField : public QLineEdit {
    Q_OBJECT
public:
    // Lies over the given box, in the box's parent, with its font.
    explicit MarkingField(QLabel& box);

    // The rim shown: its marking, and the marking explained part by part as
    // the field's tooltip and accessible description.
    void ShowRim(const QString& marking, const QString& explanation);
    // Why the typed marking changed nothing; also told to assistive
    // technology. Stays until a marking is taken or the field is left.
    void ShowProblem(const QString& message);
    QString Problem() const;

signals:
    void MarkingEntered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PutBack();

    QString Shown;
    bool SelectOnRelease = false;
    QLabel* ProblemLabel = nullptr;
    QMenu* Menu = nullptr;
    QPointer<QMenu> Entries;
};
