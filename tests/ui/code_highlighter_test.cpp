#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>

#include "definer/code_highlighter.h"

namespace nakkas::test {
namespace {

// Each line as a mask: 'c' where the comment colour is, 'k' where a bold word (a keyword or a
// tag) is, '.' elsewhere. The comment colour is read from the "/*" that opens the second line.
std::string masks(QTextDocument& document) {
    const auto formatAt = [](const QTextBlock& block, int at) {
        for (const auto& range : block.layout()->formats())
            if (at >= range.start && at < range.start + range.length) return range.format;
        return QTextCharFormat();
    };
    const QColor comment = formatAt(document.findBlockByNumber(1), 0).foreground().color();
    std::string lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        std::string mask;
        for (int i = 0; i < block.length() - 1; ++i) {
            const QTextCharFormat f = formatAt(block, i);
            mask += f.foreground().color() == comment && f.hasProperty(QTextFormat::ForegroundBrush)
                        ? 'c'
                    : f.fontWeight() == QFont::Bold ? 'k'
                                                    : '.';
        }
        lines += mask + '\n';
    }
    return lines;
}

// Comments win over every other colour; lines that are comment from end to end, as the start-up
// banner's, skip the pattern matching, so code before or after a comment must still be coloured.
TEST(CodeHighlighter, CommentsWinAndCodeAroundThemKeepsItsColours) {
    QTextDocument document;
    CodeHighlighter highlighter(&document);
    document.setPlainText(
        QStringLiteral("int a = 1; // not\n"
                       "/* open\n"
                       "  whole line\n"
                       "\n"
                       "done */ return a;\n"
                       "s = \"http://x\"; // y\n"
                       "<!-- x --><tag/>"));
    highlighter.rehighlight();
    EXPECT_EQ(masks(document),
              "kkk........cccccc\n"
              "ccccccc\n"
              "cccccccccccc\n"
              "\n"
              "ccccccc.kkkkkk...\n"
              "................cccc\n"
              "cccccccccckkkkkk\n");
}

}  // namespace
}  // namespace nakkas::test
