#include "code_editor.h"

#include <QFont>
#include <QFontDatabase>

#include "code_highlighter.h"
#include "qt_text.h"

namespace nakkas {

namespace {

// CR LF and lone CR become LF, the editor's own line break.
QString toDisplay(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return qs(out);
}

}  // namespace

CodeEditor::CodeEditor(QWidget* parent) : QPlainTextEdit(parent) {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 4);
    m_highlighter = new CodeHighlighter(document());
}

void CodeEditor::showText(const std::string& crlfText) {
    const QString display = toDisplay(crlfText);
    // Colouring a megabyte text block by block would take seconds.
    const bool colour = display.size() <= kHighlightLimit;
    if (!colour && m_highlighter->document()) m_highlighter->setDocument(nullptr);
    setPlainText(display);
    if (colour && !m_highlighter->document()) m_highlighter->setDocument(document());
}

EditorPanelText::EditorPanelText(CodeEditor& editor) : m_editor(editor) {
    QObject::connect(editor.document(), &QTextDocument::contentsChanged, &editor, [this] {
        if (!m_replacing) m_edited = true;
    });
}

std::string EditorPanelText::text() const {
    if (m_edited) {
        m_text = toCrLf(us(m_editor.toPlainText()));
        m_edited = false;
    }
    return m_text;
}

void EditorPanelText::replace(std::string text) {
    m_replacing = true;
    m_editor.showText(text);
    m_replacing = false;
    m_text = toCrLf(text);
    m_edited = false;
}

}  // namespace nakkas
