#include "ui/window/capitalise.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace quarrow {
namespace {

TEST(CapitalisedTest, ChangesOnlyLettersThatHaveASingleCapital) {
    struct Row {
        QString text;
        QString expected;
    };
    const Row rows[] = {
        {QString(), QString()},
        {QStringLiteral("gradual change"), QStringLiteral("GRADUAL CHANGE")},
        {QStringLiteral("a1 b2, c3! ALREADY"), QStringLiteral("A1 B2, C3! ALREADY")},
        // The sharp s and the n with apostrophe capitalise to two letters: they stay.
        {QStringLiteral("\u00df\u0149\u00e9\u01c6"), QStringLiteral("\u00df\u0149\u00c9\u01c4")},
        // A small letter outside the basic plane would need a new pair: it stays whole.
        {QStringLiteral("x\U00010428y"), QStringLiteral("X\U00010428Y")},
        {QStringLiteral("tab\tand\nnewline"), QStringLiteral("TAB\tAND\nNEWLINE")},
    };
    for (const Row& row : rows) {
        const QString result = Capitalised(row.text);
        EXPECT_EQ(result, row.expected) << row.text.toStdString();
        EXPECT_EQ(result.size(), row.text.size()) << row.text.toStdString();
    }
}

TEST(CapitaliseBoxTest, KeepsTheCursorAndSelection) {
    QLineEdit box;
    box.setText(QStringLiteral("hello world"));
    box.setCursorPosition(3);
    CapitaliseBox(box);
    EXPECT_EQ(box.text(), QStringLiteral("HELLO WORLD"));
    EXPECT_EQ(box.cursorPosition(), 3);

    box.setText(QStringLiteral("hello world"));
    box.setSelection(9, -4); // " wor", cursor at its start
    CapitaliseBox(box);
    EXPECT_EQ(box.selectedText(), QStringLiteral(" WOR"));
    EXPECT_EQ(box.cursorPosition(), 5);
}

} // namespace
} // namespace quarrow
