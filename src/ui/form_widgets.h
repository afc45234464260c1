#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace nakkas {

// Small builders shared by the form view and the tool dialogs, so that every control gets its
// object name (for tests and robots) and an accessible name (for screen readers) the same way.

// The accessible name a label gives its field: the label text without '&' and a final ':'.
QString nameFromLabel(const QString& label);

// A label whose buddy is the field; the field is named after the label.
QLabel* buddyLabel(const QString& text, QWidget* buddy);

QLineEdit* lineEdit(const char* objectName);
QCheckBox* checkBox(const QString& text, const char* objectName);
QPushButton* pushButton(const QString& text, const char* objectName, const QString& toolTip = {});
// A drop-down; a buddy label names it, or a screen reader would read its current entry instead.
QComboBox* comboBox(const char* objectName);
// A list in which one row at most is picked.
QListWidget* choiceList(const char* objectName);
// A text that opens something when activated, by mouse or keyboard; the text is its name.
QLabel* linkLabel(const QString& text, const char* objectName);

}  // namespace nakkas
