#include "window/exercisebox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// What assistive technology sees of an exercise box: the box's name,
// description and number, a caret and no selection.
class ExerciseBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ExerciseBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One plain run over the whole number.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *exerciseBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ExerciseBox") && object && object->isWidgetType())
        return new ExerciseBoxAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

ExerciseBox::ExerciseBox(QWidget *parent) : QLineEdit(parent)
{
    // Once per program: Qt asks the factories, newest first, for every object.
    static const bool installed = (QAccessible::installFactory(exerciseBoxAccessible), true);
    Q_UNUSED(installed);
}
