#include "code_editor.h"

#include <QFont>
#include <QTextCursor>

#include "code_highlighter.h"
#include "qt_text.h"

namespace nakkas {

namespace {

QString toDisplay(std::string_view text) {
    return qs(toLf(text));
}

// The end of the part to show next: just after a line break near the chunk size, never inside
// a UTF-8 sequence or between CR and LF.
size_t chunkEnd(const std::string& text, size_t from, size_t bytes) {
    if (text.size() - from <= bytes) return text.size();
    const size_t limit = from + bytes;
    const size_t lf = text.rfind('\n', limit);
    if (lf != std::string::npos && lf >= from) return lf + 1;
    size_t end = limit;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    if (end < text.size() && text[end] == '\n' && text[end - 1] == '\r') ++end;
    return end;
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
    m_loader.setInterval(0);
    connect(&m_loader, &QTimer::timeout, this, &CodeEditor::showNextChunk);
}

void CodeEditor::showText(std::shared_ptr<const std::string> shared) {
    m_loader.stop();
    m_pending.reset();
    m_pendingAt = 0;
    const std::string& crlfText = *shared;
    m_changing = true;
    // Colouring a megabyte text block by block would take seconds.
    const bool colour = qsizetype(crlfText.size()) <= kHighlightLimit;
    if (!colour && m_highlighter->document()) m_highlighter->setDocument(nullptr);
    if (crlfText.size() <= kChunkBytes) {
        setReadOnly(false);
        setUndoRedoEnabled(true);
        setPlainText(toDisplay(crlfText));
    } else {
        setReadOnly(true);
        setUndoRedoEnabled(false);
        const size_t end = chunkEnd(crlfText, 0, kChunkBytes);
        setPlainText(toDisplay(std::string_view(crlfText).substr(0, end)));
        m_pending = std::move(shared);
        m_pendingAt = end;
        m_loader.start();
    }
    if (colour && !m_highlighter->document()) m_highlighter->setDocument(document());
    m_changing = false;
}

void CodeEditor::showNextChunk() {
    if (!loading()) {
        m_loader.stop();
        return;
    }
    const size_t end = chunkEnd(*m_pending, m_pendingAt, kChunkBytes * 4);
    const QString part =
        toDisplay(std::string_view(*m_pending).substr(m_pendingAt, end - m_pendingAt));
    m_changing = true;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(part);
    m_changing = false;
    m_pendingAt = end;
    if (!loading()) {
        m_loader.stop();
        m_pending.reset();
        m_pendingAt = 0;
        setUndoRedoEnabled(true);
        setReadOnly(false);
    }
}

void CodeEditor::finishLoading() {
    while (loading()) showNextChunk();
}

std::string CodeEditor::crlfText() const {
    // The plain text would turn every no-break space into a blank; the raw text keeps it and
    // only its block separators need to become line breaks again.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return toCrLf(us(text));
}

EditorPanelText::EditorPanelText(CodeEditor& editor)
    : m_editor(editor), m_text(std::make_shared<const std::string>()) {
    QObject::connect(editor.document(), &QTextDocument::contentsChanged, &editor, [this] {
        if (!m_editor.changingText()) m_edited = true;
    });
}

const std::string& EditorPanelText::text() const {
    if (m_edited) {
        // The editor only holds LF line breaks, whatever was typed or pasted.
        m_editor.finishLoading();
        m_text = std::make_shared<const std::string>(m_editor.crlfText());
        m_edited = false;
    }
    return *m_text;
}

void EditorPanelText::replace(std::string text) {
    // Generated texts already have CR LF throughout; only odd ones need a new copy.
    if (!hasOnlyCrLf(text)) text = toCrLf(text);
    m_text = std::make_shared<const std::string>(std::move(text));
    m_editor.showText(m_text);
    m_edited = false;
}

}  // namespace nakkas
