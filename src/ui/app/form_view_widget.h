#pragma once

#include <QWidget>
#include <memory>

#include "app/form_view.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace nakkas {

class CodeEditor;
class EditorPanelText;

// The main form view: the definer form above the code panel. It forwards every user event to
// the core form view and redraws from its state.
class FormViewWidget : public QWidget {
    Q_OBJECT
public:
    FormViewWidget(Services& services, DialogHost& host, Defaults& defaults,
                   QWidget* parent = nullptr);
    ~FormViewWidget() override;

    FormView& model() { return *m_model; }
    CodeEditor& editor() { return *m_editor; }

    // Runs a ribbon command and redraws.
    void run(const Command& command);
    // Shows the model's state in the widgets.
    void redraw();

signals:
    void cardRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* buildDefinerForm();
    QWidget* buildPanelTools();
    QWidget* buildSlotRow();

    Services& m_services;
    CodeEditor* m_editor = nullptr;
    std::unique_ptr<EditorPanelText> m_panelText;
    std::unique_ptr<FormView> m_model;

    QComboBox* m_access = nullptr;
    QLineEdit* m_variable = nullptr;
    QLineEdit* m_id = nullptr;
    QCheckBox* m_sameAsId = nullptr;
    QCheckBox* m_advance = nullptr;
    QCheckBox* m_listener = nullptr;
    QCheckBox* m_declare = nullptr;
    QLineEdit* m_activity = nullptr;
    QComboBox* m_slots = nullptr;
    bool m_redrawing = false;
};

}  // namespace nakkas
