#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <utility>
#include <vector>

namespace nakkas {

// Colours Java and Android XML in the code panel: keywords, strings, comments, tags. It only
// formats; the text stays as it is.
class CodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit CodeHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    // The stretches of the line that are comment, in order, [from, to); sets the block state.
    std::vector<std::pair<int, int>> commentSpans(const QString& text);

    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    std::vector<Rule> m_rules;
    QTextCharFormat m_comment;
    QTextCharFormat m_string;
    QRegularExpression m_string_pattern;
};

}  // namespace nakkas
