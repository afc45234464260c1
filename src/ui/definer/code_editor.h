#pragma once

#include <QPlainTextEdit>

#include "definer/code_panel.h"

namespace nakkas {

class CodeHighlighter;

// The code panel's editor: fixed-pitch font, no wrapping, both scroll bars.
class CodeEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent = nullptr);

    // Texts above this size are shown without colours so that they stay fast.
    static constexpr qsizetype kHighlightLimit = 256 * 1024;

    // Shows a text given with CR LF line breaks.
    void showText(const std::string& crlfText);

private:
    CodeHighlighter* m_highlighter = nullptr;
};

// The panel text held by the editor. The CR LF form is rebuilt only after the user has edited.
class EditorPanelText final : public PanelText {
public:
    explicit EditorPanelText(CodeEditor& editor);

    std::string text() const override;
    void replace(std::string text) override;

private:
    CodeEditor& m_editor;
    mutable std::string m_text;
    mutable bool m_edited = false;
    bool m_replacing = false;
};

}  // namespace nakkas
