#include "code_highlighter.h"

namespace nakkas {

namespace {

QTextCharFormat makeFormat(const QColor& colour, bool bold = false) {
    QTextCharFormat f;
    f.setForeground(colour);
    if (bold) f.setFontWeight(QFont::Bold);
    return f;
}

enum State { Normal = 0, InBlockComment = 1, InXmlComment = 2 };

}  // namespace

CodeHighlighter::CodeHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    static const char* const kKeywords[] = {
        "abstract", "boolean", "break", "byte", "case", "catch", "char", "class", "continue",
        "default", "do", "double", "else", "extends", "false", "final", "finally", "float", "for",
        "if", "implements", "import", "int", "interface", "long", "new", "null", "package",
        "private", "protected", "public", "return", "short", "static", "super", "switch", "this",
        "throw", "throws", "true", "try", "void", "while",
        // Kotlin's own; the panel shows both languages.
        "as", "companion", "const", "fun", "in", "is", "lateinit", "object", "override", "val",
        "var", "when"};
    QStringList words;
    for (const char* k : kKeywords) words << QString::fromLatin1(k);
    m_rules.push_back({QRegularExpression(QStringLiteral("\\b(%1)\\b").arg(words.join('|'))),
                       makeFormat(QColor(0x1f, 0x4e, 0xa8), true)});
    // Capitalised words are usually types in the generated code.
    m_rules.push_back({QRegularExpression(QStringLiteral("\\b[A-Z][A-Za-z0-9_]*\\b")),
                       makeFormat(QColor(0x2b, 0x77, 0x6b))});
    m_rules.push_back({QRegularExpression(QStringLiteral("\\b\\d+(\\.\\d+)?[fFlL]?\\b")),
                       makeFormat(QColor(0x9c, 0x4d, 0x00))});
    // XML tags and attribute names.
    m_rules.push_back({QRegularExpression(QStringLiteral("</?[A-Za-z_][\\w.:-]*|/?>")),
                       makeFormat(QColor(0x80, 0x1d, 0x8c), true)});
    m_rules.push_back({QRegularExpression(QStringLiteral("\\b[\\w]+:[\\w]+(?==)")),
                       makeFormat(QColor(0xa3, 0x40, 0x1a))});
    for (auto& rule : m_rules)
        rule.pattern.setPatternOptions(QRegularExpression::UseUnicodePropertiesOption);
    m_string = makeFormat(QColor(0xb3, 0x1d, 0x28));
    m_string_pattern = QRegularExpression(QStringLiteral("\"(?:[^\"\\\\]|\\\\.)*\"?"));
    m_comment = makeFormat(QColor(0x5f, 0x7a, 0x5f));  // upright: the banner needs no second face
}

void CodeHighlighter::highlightBlock(const QString& text) {
    const std::vector<std::pair<int, int>> comments = commentSpans(text);
    // Comments win over everything else, so a line that is blank or comment from end to end
    // needs no pattern matching: the start-up banner is such lines only and is coloured without
    // compiling a single pattern.
    qsizetype commented = 0;
    for (const auto& [from, to] : comments) commented += to - from;
    if (commented < text.size()) {
        for (const auto& rule : m_rules) {
            for (auto it = rule.pattern.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                setFormat(int(m.capturedStart()), int(m.capturedLength()), rule.format);
            }
        }
        for (auto it = m_string_pattern.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            setFormat(int(m.capturedStart()), int(m.capturedLength()), m_string);
        }
    }
    for (const auto& [from, to] : comments) setFormat(from, to - from, m_comment);
}

std::vector<std::pair<int, int>> CodeHighlighter::commentSpans(const QString& text) {
    // Block comments may span lines: the block state carries an open one to the next line.
    std::vector<std::pair<int, int>> spans;
    setCurrentBlockState(Normal);
    int from = 0;
    int state = previousBlockState() < 0 ? Normal : previousBlockState();
    while (from < text.size()) {
        if (state == InBlockComment || state == InXmlComment) {
            const QString close =
                state == InBlockComment ? QStringLiteral("*/") : QStringLiteral("-->");
            const int end = int(text.indexOf(close, from));
            if (end < 0) {
                spans.emplace_back(from, int(text.size()));
                setCurrentBlockState(state);
                return spans;
            }
            spans.emplace_back(from, end + int(close.size()));
            from = end + int(close.size());
            state = Normal;
            continue;
        }
        const int line = int(text.indexOf(QStringLiteral("//"), from));
        const int block = int(text.indexOf(QStringLiteral("/*"), from));
        const int xml = int(text.indexOf(QStringLiteral("<!--"), from));
        int next = -1;
        for (int p : {line, block, xml})
            if (p >= 0 && (next < 0 || p < next)) next = p;
        if (next < 0) return spans;
        // A "//" inside a string (a web address) is not a comment.
        const int quotesBefore = int(text.left(next).count(QLatin1Char('"')));
        if (quotesBefore % 2 == 1) {
            from = next + 2;
            continue;
        }
        if (next == line) {
            spans.emplace_back(line, int(text.size()));
            return spans;
        }
        state = next == block ? InBlockComment : InXmlComment;
        from = next;
        const int openLen = state == InBlockComment ? 2 : 4;
        spans.emplace_back(from, from + openLen);
        from += openLen;
    }
    setCurrentBlockState(state);
    return spans;
}

}  // namespace nakkas
