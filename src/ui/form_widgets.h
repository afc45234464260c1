#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QToolButton;
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

// A field that only shows what the form holds: read-only, and drawn on the window's colour so
// that nobody takes it for a field to type in.
QLineEdit* displayField(const char* objectName);

// The picture button beside an icon name field that picks a PNG file.
QToolButton* iconPickerButton(const QString& toolTip);

// The confirm button of a tool whose result goes into the code panel.
QPushButton* writeCodeButton(const QString& text, const char* objectName);
// The cancel button of a tool dialog that has written nothing by then.
QPushButton* cancelButton(const QString& text);

// A tool dialog's button row: what stands at the left (a help link), then the buttons at the right.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, QWidget* left = nullptr);

// "Konu Hakkında Video Yardım": a link that the keyboard reaches too; `open` runs on activation.
QLabel* helpVideoLink(const char* objectName, const QString& toolTip, QObject* context,
                      std::function<void()> open);

// Reports the row of a single-choice list that the user picks: a click (also on the row already
// selected) or a key that moves the selection. Focus alone, such as tabbing into the list, picks
// nothing, and neither does a selection the program makes while `quiet` says so.
void onPick(QListWidget* list, QObject* context, std::function<void(std::size_t)> pick,
            std::function<bool()> quiet = {});

}  // namespace nakkas
