#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include <memory>
#include <string>

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
    // A big text is shown this many bytes at a time: the first part at once, the rest from the
    // event loop, so the window answers at once even for megabytes.
    static constexpr size_t kChunkBytes = 128 * 1024;

    // Shows a text given with CR LF line breaks. The editor keeps a share of it while it shows
    // a big text piece by piece.
    void showText(std::shared_ptr<const std::string> crlfText);

    // True while the program itself changes the text (not the user).
    bool changingText() const { return m_changing; }
    // True until a big text has been shown whole; the editor is read-only meanwhile.
    bool loading() const { return m_pending && m_pendingAt < m_pending->size(); }
    // Shows the rest of a big text now.
    void finishLoading();

    // The shown text with CR LF line breaks.
    std::string crlfText() const;

private:
    void showNextChunk();

    CodeHighlighter* m_highlighter = nullptr;
    QTimer m_loader;
    std::shared_ptr<const std::string> m_pending;  // the text being shown piece by piece
    size_t m_pendingAt = 0;
    bool m_changing = false;
};

// The panel text held by the editor. The CR LF form is rebuilt only after the user has edited.
class EditorPanelText final : public PanelText {
public:
    explicit EditorPanelText(CodeEditor& editor);

    const std::string& text() const override;
    void replace(std::string text) override;

private:
    CodeEditor& m_editor;
    mutable std::shared_ptr<const std::string> m_text;
    mutable bool m_edited = false;
};

}  // namespace nakkas
