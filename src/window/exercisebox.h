#pragma once

#include <QLineEdit>

// A box of the exercise fraction. It looks and types like any text box; a
// screen reader hears only its number. Reaching it with Tab selects its text,
// as in every box, but a number nobody edits is not read out as "selected".
class ExerciseBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ExerciseBox(QWidget *parent = nullptr);
};
